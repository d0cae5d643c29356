#pragma once

#include <string>

namespace stub {

// Global atoms between processes of one user: files in runtime + "atoms/". A name of letters,
// digits, '.', '_' and '-' is the file's name, so an engine written in any language can delete
// its atom; any other name is stored under "#" + its hash.
std::string AtomPath(const std::string& runtime, const std::string& name);

// True when the atom exists afterwards. An atom may carry a text, as the debug log's do.
bool AddAtom(const std::string& runtime, const std::string& name, const std::string& text = {});
// The text an atom carries; empty when it has none or does not exist.
std::string AtomText(const std::string& runtime, const std::string& name);
bool AtomExists(const std::string& runtime, const std::string& name);
// True when an atom was removed.
bool DeleteAtom(const std::string& runtime, const std::string& name);

} // namespace stub
