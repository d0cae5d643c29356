#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text conversions for the client's files in code page 936, through iconv.

// The GBK bytes of the text; nothing when a character has no GBK form.
std::optional<QByteArray> encodeGbk(const QString& text);

// The text of bytes in the named encoding; GB2312 and GBK are read as GB18030, their superset.
// Nothing when the encoding is unknown or the bytes are not valid in it.
std::optional<QString> decodeText(const QByteArray& bytes, const QByteArray& encoding);
// The same as UTF-8 bytes, for large files read by a UTF-8 parser.
std::optional<QByteArray> decodeToUtf8(const QByteArray& bytes, const QByteArray& encoding);
