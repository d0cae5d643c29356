#pragma once

#include <QString>

#include <pugixml.hpp>

// XML files of the client on disk: read by their declared encoding, written as GBK bytes.

// Loads the file into the document (text held as UTF-8). False when the file cannot be read, its
// declared encoding is unknown, its bytes are not valid in that encoding or it is not well formed.
bool loadXmlFile(pugi::xml_document& doc, const QString& path);

// Writes `<?xml version='1.0' encoding='gb2312'?>`, CR LF, the document's nodes without any
// whitespace between them, CR LF, all as GBK bytes. The file is replaced only when everything was
// written: a character without a GBK form or a failing disk leaves the old file as it was.
bool saveGb2312Xml(const pugi::xml_document& doc, const QString& path);
