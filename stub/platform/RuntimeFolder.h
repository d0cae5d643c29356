#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace stub {

// The per-user folder that holds atoms and endpoints: $XDG_RUNTIME_DIR/kelpset/, else
// /tmp/kelpset-<uid>/, with a trailing '/'.
std::string RuntimeFolderPath();

// Why a runtime folder cannot be trusted: not a real folder, a link, owned by another user or
// open to others. Empty when it is sound.
std::string RuntimeFolderFault(const std::string& path, uid_t owner);

// Makes the folder (mode 0700) when it is missing and checks it with lstat. nullopt with the
// reason in fault when it is unsound, so that atoms and endpoints count as unavailable.
std::optional<std::string> RuntimeFolder(std::string* fault = nullptr);

} // namespace stub
