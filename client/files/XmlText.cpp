#include "files/XmlText.h"

#include <QByteArray>

#include <algorithm>
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

QString elementText(const pugi::xml_node& element) {
    const pugi::xml_node first = element.first_child();
    if (!first)
        return {};
    if (!first.next_sibling() && first.type() == pugi::node_pcdata)
        return QString::fromUtf8(first.value());
    QByteArray text;
    for (const pugi::xml_node part : element.children())
        if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
            text += part.value();
    return QString::fromUtf8(text);
}

bool forEachRecord(const pugi::xml_node& root, const char* recordName,
                   const std::vector<const char*>& names,
                   const std::function<bool(const RecordFields&, qsizetype)>& take) {
    std::vector<RecordFields> records;
    // Indexes into `records` of the records enclosing the current node, outermost first.
    std::vector<size_t> open;
    // For each name: the open records before this position already have it, those from it on do
    // not (a later record opens inside an earlier one). A field element fills exactly those.
    std::vector<size_t> filledBelow(names.size(), 0);

    const auto enter = [&](const pugi::xml_node& node) {
        for (size_t i = 0; i < names.size(); ++i) {
            if (std::strcmp(node.name(), names[i]) != 0)
                continue;
            for (size_t k = filledBelow[i]; k < open.size(); ++k)
                records[open[k]][i] = node;
            filledBelow[i] = open.size();
        }
        if (std::strcmp(node.name(), recordName) == 0) {
            open.push_back(records.size());
            records.emplace_back(names.size());
        }
    };
    const auto leave = [&](const pugi::xml_node& node) {
        if (std::strcmp(node.name(), recordName) != 0)
            return;
        open.pop_back();
        for (size_t& below : filledBelow)
            below = std::min(below, open.size());
    };

    // Depth-first in document order without recursion: nesting depth is the file's choice.
    pugi::xml_node node = root.first_child();
    while (node) {
        if (node.type() == pugi::node_element) {
            enter(node);
            if (node.first_child()) {
                node = node.first_child();
                continue;
            }
            leave(node);
        }
        while (node != root && !node.next_sibling()) {
            node = node.parent();
            if (node != root)
                leave(node);
        }
        node = node == root ? pugi::xml_node() : node.next_sibling();
    }

    for (size_t i = 0; i < records.size(); ++i)
        if (!take(records[i], static_cast<qsizetype>(i + 1)))
            return false;
    return true;
}

} // namespace XmlText

QString GetChildText(const pugi::xml_node& element, const char* name, const QString& defaultText) {
    const pugi::xml_node found = XmlText::firstDescendant(element, name);
    return found ? XmlText::elementText(found) : defaultText;
}
