#include "files/XmlText.h"

#include <cstring>

namespace XmlText {

QString escape(const QString& value) {
    if (!value.contains('&') && !value.contains('<') && !value.contains('>'))
        return value;
    QString out;
    out.reserve(value.size() + 16);
    for (const QChar c : value) {
        if (c == '&')
            out += QLatin1String("&amp;");
        else if (c == '<')
            out += QLatin1String("&lt;");
        else if (c == '>')
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

pugi::xml_node firstDescendant(const pugi::xml_node& element, const char* name) {
    return element.find_node([name](const pugi::xml_node& node) {
        return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
    });
}

namespace {

// The node after `node` in document order, staying below `root`.
pugi::xml_node nextBelow(const pugi::xml_node& node, const pugi::xml_node& root) {
    if (node.first_child())
        return node.first_child();
    for (pugi::xml_node up = node; up && up != root; up = up.parent())
        if (up.next_sibling())
            return up.next_sibling();
    return {};
}

} // namespace

void firstDescendantTexts(const pugi::xml_node& element, const std::vector<const char*>& names,
                          std::vector<const char*>& texts) {
    texts.assign(names.size(), nullptr);
    size_t missing = names.size();
    for (pugi::xml_node node = element.first_child(); node && missing > 0;
         node = nextBelow(node, element)) {
        if (node.type() != pugi::node_element)
            continue;
        for (size_t i = 0; i < names.size(); ++i) {
            if (!texts[i] && std::strcmp(node.name(), names[i]) == 0) {
                texts[i] = node.child_value();
                --missing;
                break;
            }
        }
    }
}

} // namespace XmlText

QString GetChildText(const pugi::xml_node& element, const char* name, const QString& defaultText) {
    std::vector<const char*> text;
    XmlText::firstDescendantTexts(element, {name}, text);
    return text[0] ? QString::fromUtf8(text[0]) : defaultText;
}
