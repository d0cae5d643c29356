#pragma once

#include <QString>

#include <pugixml.hpp>

#include <functional>
#include <vector>

// XML pieces shared by the upload and list files that are written as plain text lines and read
// back through the document model.
namespace XmlText {

// Escapes "&", "<" and ">", so that every value survives being written as element text and
// read back.
QString escape(const QString& value);

// The first descendant element of that name below the element, at any depth, or an empty node.
pugi::xml_node firstDescendant(const pugi::xml_node& element, const char* name);

// The element's value as any XML reader gives it: all of its text, however comments and CDATA
// sections divide it.
QString elementText(const pugi::xml_node& element);

// Record elements with, for each name, the first descendant element of that name below the
// record (an empty node when there is none).
using RecordFields = std::vector<pugi::xml_node>;

// Hands every element named `recordName` below `root`, in document order, to `take` with its
// fields and its position (1 for the first); stops early and returns false when `take` does.
// One walk of the tree, however records nest: a crafted file cannot make it quadratic.
bool forEachRecord(const pugi::xml_node& root, const char* recordName,
                   const std::vector<const char*>& names,
                   const std::function<bool(const RecordFields&, qsizetype)>& take);

} // namespace XmlText

// The text of the first descendant element of that name below the element, at any depth, or the
// default when there is none.
QString GetChildText(const pugi::xml_node& element, const char* name,
                     const QString& defaultText = {});
