#include "files/ListFile.h"

#include "files/LineFileWriter.h"

QString listFileRefusal(const ListFile& file, const QString& failure) {
    for (const ListFileRecord& record : file.records)
        for (const ListFileField& field : record.fields)
            if (const QString character = firstNonGbkCharacter(field.value); !character.isEmpty())
                return record.label + QStringLiteral("的“") + field.caption +
                       QStringLiteral("”含有GBK编码无法表示的字符“") + character +
                       QStringLiteral("”，") + failure;
    return {};
}

ListFileWriteResult writeListFile(const QString& path, const ListFile& file,
                                  const QString& failure) {
    using Status = ListFileWriteResult::Status;
    const QByteArray root = file.root.toLatin1();
    const QByteArray recordElement = file.recordElement.toLatin1();
    QString head = QStringLiteral("<?xml version=\"1.0\" encoding=\"") + file.encoding +
                   QStringLiteral("\"?>\r\n");
    XmlLines::appendTag(head, 0, "<" + root + ">");
    QString tail;
    XmlLines::appendTag(tail, 0, "</" + root + ">");
    const QByteArray open = "<" + recordElement + ">";
    const QByteArray close = "</" + recordElement + ">";
    const LineFileResult written = writeGbkLineFile(
        path, head, static_cast<qsizetype>(file.records.size()),
        [&](QString& out, qsizetype index) {
            XmlLines::appendTag(out, 1, open.constData());
            for (const ListFileField& field : file.records[static_cast<size_t>(index)].fields)
                XmlLines::appendElement(out, 2, field.element.toLatin1().constData(), field.value);
            XmlLines::appendTag(out, 1, close.constData());
        },
        tail);
    switch (written.status) {
    case LineFileResult::Status::Written:
        break;
    case LineFileResult::Status::Unrepresentable:
        return {Status::Unrepresentable, listFileRefusal(file, failure)};
    case LineFileResult::Status::FileError:
        return {Status::FileError, written.detail};
    }
    return {Status::Written, {}};
}
