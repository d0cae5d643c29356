#include "files/LineFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Three records of which one value can be set.
struct Lines {
    QStringList values{"a & b", "<c>", "澄川"};
    void operator()(QString& out, qsizetype i) const {
        XmlLines::appendTag(out, 1, "<R>");
        XmlLines::appendElement(out, 2, "V", values[i]);
        XmlLines::appendTag(out, 1, "</R>");
    }
};

TEST(LineFileWriterTest, WritesEscapedGbkLinesWithTabsAndCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    QString head;
    XmlLines::appendTag(head, 0, "<F>");
    const LineFileResult result = writeGbkLineFile(path, head, 3, Lines{}, "</F>\r\n");
    ASSERT_EQ(result.status, LineFileResult::Status::Written);
    EXPECT_EQ(readAll(path), QByteArray("<F>\r\n"
                                        "\t<R>\r\n\t\t<V>a &amp; b</V>\r\n\t</R>\r\n"
                                        "\t<R>\r\n\t\t<V>&lt;c&gt;</V>\r\n\t</R>\r\n"
                                        "\t<R>\r\n\t\t<V>\xB3\xCE\xB4\xA8</V>\r\n\t</R>\r\n"
                                        "</F>\r\n"));
}

TEST(LineFileWriterTest, UnrepresentableValueNamesItsRecordAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Lines lines;
    lines.values[1] = "x😀";
    const LineFileResult result = writeGbkLineFile(path, "<F>\r\n", 3, lines, "</F>\r\n");
    EXPECT_EQ(result.status, LineFileResult::Status::Unrepresentable);
    EXPECT_EQ(result.record, 1);
    EXPECT_EQ(readAll(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.txt"});
    EXPECT_EQ(firstNonGbkCharacter(lines.values[1]), "😀");
    EXPECT_EQ(firstNonGbkCharacter("澄川 & <>"), "");
}

TEST(LineFileWriterTest, MissingFolderIsAFileError) {
    QTemporaryDir dir;
    const LineFileResult result =
        writeGbkLineFile(dir.filePath("none/out.txt"), "<F>\r\n", 3, Lines{}, "</F>\r\n");
    EXPECT_EQ(result.status, LineFileResult::Status::FileError);
    EXPECT_FALSE(result.detail.isEmpty());
}

} // namespace
