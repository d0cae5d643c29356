#pragma once

#include <QString>

#include <pugixml.hpp>

#include <vector>

// XML pieces shared by the upload and list files that are written as plain text lines and read
// back through the document model.
namespace XmlText {

// Escapes "&", "<" and ">", so that every value survives being written as element text and
// read back.
QString escape(const QString& value);

// The first descendant element of that name below the element, at any depth, or an empty node.
pugi::xml_node firstDescendant(const pugi::xml_node& element, const char* name);

// For each name, the text of the first descendant element of that name (null when there is none),
// found in a single walk below the element: a large file has hundreds of thousands of records.
void firstDescendantTexts(const pugi::xml_node& element, const std::vector<const char*>& names,
                          std::vector<const char*>& texts);

} // namespace XmlText

// The text of the first descendant element of that name below the element, at any depth, or the
// default when there is none.
QString GetChildText(const pugi::xml_node& element, const char* name,
                     const QString& defaultText = {});
