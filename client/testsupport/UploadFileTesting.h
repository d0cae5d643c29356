#pragma once

#include "files/UploadFile.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <vector>

// What the tests of both upload files do with a file: read and write its bytes, write records
// through the kind's writer and read them back through its document.

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

template <class Record>
UploadWriteResult writeRecords(UploadWriteResult (*writer)(const QString&, const UploadSummary&,
                                                           qsizetype,
                                                           const UploadRecordAt<Record>&),
                               const QString& path, const UploadSummary& summary,
                               const std::vector<Record>& records) {
    return writer(path, summary, static_cast<qsizetype>(records.size()),
                  [&records](qsizetype i) { return records[static_cast<size_t>(i)]; });
}

template <class Document, class Record> struct ReadRecords {
    typename Document::Status status;
    std::vector<Record> records;
};

// Loads the file and collects its records, checking that they come numbered 1, 2, ...
template <class Document, class Record>
ReadRecords<Document, Record> readRecords(const QString& path) {
    Document document;
    ReadRecords<Document, Record> result{document.load(path), {}};
    document.forEachRecord([&result](const Record& record, qsizetype position) {
        EXPECT_EQ(position, static_cast<qsizetype>(result.records.size()) + 1);
        result.records.push_back(record);
        return true;
    });
    return result;
}
