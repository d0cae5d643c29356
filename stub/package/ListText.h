#pragma once

#include <string>

namespace stub {

// Separated lists: the first character is the separator, items stand between separators.
int ListCount(const std::string& list);
std::string ListItem(const std::string& list, int index, const std::string& fallback = {});
// Value of a key=value item, the key matched without regard to case.
std::string ListValue(const std::string& list, const std::string& key,
                      const std::string& fallback = {});

// Case-insensitive comparison and search for ASCII texts.
bool EqualsNoCase(const std::string& a, const std::string& b);
std::string::size_type FindNoCase(const std::string& text, const std::string& part,
                                  std::string::size_type from = 0);
std::string Trim(const std::string& text);
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

} // namespace stub
