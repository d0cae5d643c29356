#include "XmlText.h"

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

} // namespace XmlText

QString GetChildText(const pugi::xml_node& element, const char* name, const QString& defaultText) {
    const pugi::xml_node found = XmlText::firstDescendant(element, name);
    return found ? QString::fromUtf8(found.child_value()) : defaultText;
}
