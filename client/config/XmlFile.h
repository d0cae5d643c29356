#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

// XML files of the client on disk: read by their declared encoding, written as GBK bytes.

// A document parsed in place from its file's text (UTF-8), which it keeps alive: a batch file of
// 100 000 records is tens of megabytes, and a second copy of it costs more than the parse.
struct XmlFileDocument {
    QByteArray text;
    pugi::xml_document doc;
};

// No upload or list file comes near this; anything larger is not one of the client's files.
constexpr qint64 kMaxXmlFileSize = qint64(1) << 30;

struct XmlLoadResult {
    // Refused: not a regular file, or larger than any file of the client.
    enum class Status { Loaded, Unreadable, Refused, NotWellFormed };
    Status status = Status::Loaded;
    // For Unreadable and Refused: why, naming the file.
    QString message;

    explicit operator bool() const { return status == Status::Loaded; }
};

// Loads the file into the document. Only a regular file up to kMaxXmlFileSize is read (a named
// pipe or a device is refused before it is read). NotWellFormed when its declared encoding is
// unknown, its bytes are not valid in that encoding or it is not well-formed XML.
XmlLoadResult loadXmlFile(XmlFileDocument& file, const QString& path);

// Writes `<?xml version='1.0' encoding='gb2312'?>`, CR LF, the document's nodes without any
// whitespace between them, CR LF, all as GBK bytes. The file is replaced only when everything was
// written: a character without a GBK form or a failing disk leaves the old file as it was.
bool saveGb2312Xml(const pugi::xml_document& doc, const QString& path);
