#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace stub {

// Box text after the markup is applied: plain text with CR LF line breaks and the character
// ranges [begin, end) to show in bold.
struct MarkedText {
    std::string text;
    std::vector<std::pair<std::size_t, std::size_t>> bold;
};

MarkedText ApplyMarkup(const std::string& markup);

// The text of a box without an owner: its caption (in capitals for the three standard captions)
// in bold above the text.
std::string WithCaptionOnTop(const std::string& text, const std::string& caption);

// The caption of button index (0 OK, 1 Cancel, 2 Yes, 3 No, ...) with its "&" access key; the
// default caption when the list lacks it.
std::string ButtonLabel(const std::string& buttons, int index);

// Caption of button index (0 OK, 1 Cancel, 2 Yes, 3 No, ...) from a button list, without its "&".
std::string ButtonCaption(const std::string& buttons, int index);

} // namespace stub
