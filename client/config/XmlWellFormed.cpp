#include "config/XmlWellFormed.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

bool isXmlChar(std::uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Every character of the (valid UTF-8) text is one XML allows.
bool allCharsAllowed(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::uint32_t c = byte;
        size_t length = 1;
        if (byte >= 0xF0) {
            c = byte & 0x07u;
            length = 4;
        } else if (byte >= 0xE0) {
            c = byte & 0x0Fu;
            length = 3;
        } else if (byte >= 0xC0) {
            c = byte & 0x1Fu;
            length = 2;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        if (!isXmlChar(c))
            return false;
        i += length;
    }
    return true;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool endsName(char c) {
    return isSpace(c) || std::string_view("=/>\"'<&").find(c) != std::string_view::npos;
}

class Scanner {
public:
    explicit Scanner(std::string_view text)
        : text_(text) {}

    bool wellFormed() {
        while (pos_ < text_.size()) {
            const bool ok = text_[pos_] == '<' ? markup() : characterData();
            if (!ok)
                return false;
        }
        return rootSeen_ && depth_ == 0;
    }

private:
    bool startsWith(std::string_view prefix) const {
        return text_.substr(pos_).substr(0, prefix.size()) == prefix;
    }

    // Moves past `terminator`; false when the text ends first.
    bool skipPast(std::string_view terminator, std::string_view* skipped = nullptr) {
        const size_t end = text_.find(terminator, pos_);
        if (end == std::string_view::npos)
            return false;
        if (skipped)
            *skipped = text_.substr(pos_, end - pos_);
        pos_ = end + terminator.size();
        return true;
    }

    // A reference at pos_ ("&..;"): one of the five predefined entities or a character
    // reference to a character XML allows.
    bool reference() {
        const size_t end = text_.find(';', pos_);
        if (end == std::string_view::npos || end - pos_ > 12)
            return false;
        const std::string_view name = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos")
            return true;
        if (name.size() < 2 || name[0] != '#')
            return false;
        const bool hex = name[1] == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty())
            return false;
        std::uint32_t value = 0;
        for (const char d : digits) {
            int digit = -1;
            if (d >= '0' && d <= '9')
                digit = d - '0';
            else if (hex && d >= 'a' && d <= 'f')
                digit = d - 'a' + 10;
            else if (hex && d >= 'A' && d <= 'F')
                digit = d - 'A' + 10;
            if (digit < 0)
                return false;
            value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
            if (value > 0x10FFFF)
                return false;
        }
        return isXmlChar(value);
    }

    bool characterData() {
        const size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '<') {
            if (depth_ == 0 && !isSpace(text_[pos_]))
                return false;
            if (text_[pos_] == '&') {
                if (!reference())
                    return false;
                continue;
            }
            if (text_[pos_] == '>' && pos_ >= start + 2 && text_.substr(pos_ - 2, 2) == "]]")
                return false;
            ++pos_;
        }
        return true;
    }

    bool markup() {
        if (startsWith("<!--")) {
            pos_ += 4;
            std::string_view body;
            return skipPast("-->", &body) && body.find("--") == std::string_view::npos &&
                   !body.ends_with('-');
        }
        if (startsWith("<![CDATA["))
            return depth_ > 0 && skipPast("]]>");
        if (startsWith("<?"))
            return skipPast("?>");
        if (startsWith("<!"))
            return false;
        if (startsWith("</")) {
            if (depth_ == 0)
                return false;
            --depth_;
            return skipPast(">");
        }
        return startTag();
    }

    bool startTag() {
        if (depth_ == 0 && rootSeen_)
            return false;
        rootSeen_ = true;
        ++pos_;
        names_.clear();
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '>') {
                ++pos_;
                ++depth_;
                return noDuplicates();
            }
            if (c == '/') {
                if (!startsWith("/>"))
                    return false;
                pos_ += 2;
                return noDuplicates();
            }
            if (c == '"' || c == '\'') {
                if (!attributeValue(c))
                    return false;
                continue;
            }
            if (c == '=') {
                names_.push_back(lastName_);
                ++pos_;
                continue;
            }
            if (c == '<' || c == '&')
                return false;
            if (isSpace(c)) {
                ++pos_;
                continue;
            }
            const size_t start = pos_;
            while (pos_ < text_.size() && !endsName(text_[pos_]))
                ++pos_;
            lastName_ = text_.substr(start, pos_ - start);
        }
        return false;
    }

    bool attributeValue(char quote) {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != quote) {
            if (text_[pos_] == '<')
                return false;
            if (text_[pos_] == '&') {
                if (!reference())
                    return false;
                continue;
            }
            ++pos_;
        }
        if (pos_ == text_.size())
            return false;
        ++pos_;
        return true;
    }

    bool noDuplicates() {
        std::sort(names_.begin(), names_.end());
        return std::adjacent_find(names_.begin(), names_.end()) == names_.end();
    }

    std::string_view text_;
    size_t pos_ = 0;
    size_t depth_ = 0;
    bool rootSeen_ = false;
    std::string_view lastName_;
    std::vector<std::string_view> names_;
};

} // namespace

bool isWellFormedXmlText(std::string_view utf8) {
    return allCharsAllowed(utf8) && Scanner(utf8).wellFormed();
}
