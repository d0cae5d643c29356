#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace stub {

// Free bytes for an unprivileged user on the file system holding path (or its nearest existing
// parent); nullopt when it cannot be queried.
std::optional<std::int64_t> FreeBytes(const std::string& path);

// Block size of the file system holding path (or its nearest existing parent); 0 when it cannot
// be queried.
std::uint32_t ClusterSize(const std::string& path);

// The mount point of the file system holding path (or its nearest existing parent).
std::string MountPointOf(const std::string& path);

bool OnSameFileSystem(const std::string& a, const std::string& b);

bool PathExists(const std::string& path);

// The first bytes of a file, at most limit of them; empty when it cannot be read.
std::string ReadFileHead(const std::string& path, std::size_t limit);
bool IsDirectory(const std::string& path);

// Creates the folder and every missing parent; throws std::system_error on failure.
void MakeFolders(const std::string& path);

// A fresh private folder (mode 0700) under $TMPDIR, else /tmp, with a trailing '/'.
std::string MakePrivateTempFolder();

// Deletes path and everything below it without following symbolic links. With clearAttributes,
// folders are made writable first so that read-only folders do not stop the removal.
// True when the folder existed before and is gone after.
bool RemoveFolderTree(const std::string& path, bool clearAttributes);

// The text of the last system error (errno).
std::string LastErrorText();

// A file opened for writing below a folder: every folder on the way is made and opened without
// following links, and an existing file is taken only when it is a regular file with one link,
// so nothing planted inside the folder can lead a write outside it.
struct OpenedBelow {
    int fd = -1;          // -1 on failure, with errno set
    bool created = false; // the file did not exist before
};
OpenedBelow OpenFileBelow(const std::string& folder, const std::string& relative, bool append);

// Mode bits the process's umask leaves of mode.
unsigned ModeAfterUmask(unsigned mode);

} // namespace stub
