#pragma once

#include <optional>
#include <string>
#include <vector>

namespace stub {

// Joins program arguments into one parameter tail, separated by spaces. A switch "/NAME=value"
// whose value holds a space or "/" is written /NAME="value"; any other argument holding a space
// or "/" (after a leading one) is quoted whole. nullopt when an argument holds a double quote,
// which the tail cannot carry.
std::optional<std::string> JoinArguments(const std::vector<std::string>& args);

// Splits a command text into arguments: blanks separate, double quotes group and are removed.
std::vector<std::string> SplitCommand(const std::string& text);

// A switch such as "/hide" or "/OriginExe=" found without regard to case, never inside a quoted
// value. Its value runs to the closing quote when quoted, else to the first blank and then the
// first "/"; trimmed; "TRUE" when empty. nullopt when absent.
std::optional<std::string> SwitchValue(const std::string& text, const std::string& name);
// The switch's value as a number; fallback when absent or not a number.
long long SwitchNumber(const std::string& text, const std::string& name, long long fallback);
// Removes every occurrence of the switch with its whole value (quoted, or up to the next blank)
// and the blank before it.
std::string RemoveSwitch(std::string text, const std::string& name);

} // namespace stub
