#include "payroll/GZFile.h"
#include "testsupport/UploadFileTesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::vector<GZRecord> kRecords = {
    {"s1", "6222000011112222", "张三 & <李四>", "1234.5", "工资<三月>&奖金"},
    {"s2", "6222000011113333", "王五", "0.5", ""},
    {"s3", "6222000011114444", "赵六", "100000000000", "报销"},
};
const GZSummary kSummary{"20260105", "100,000,001,235.00", "3"};

GZWriteResult write(const QString& path, const std::vector<GZRecord>& records) {
    return writeRecords(writeGZFile, path, kSummary, records);
}

using Read = ReadRecords<GZFileDocument, GZRecord>;

Read read(const QString& path) {
    return readRecords<GZFileDocument, GZRecord>(path);
}

} // namespace

TEST(GZFileTest, WritesTheFileLineForLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("batch.dfz");
    ASSERT_EQ(write(path, kRecords).status, GZWriteResult::Status::Written);
    EXPECT_EQ(readAll(path), readAll(QStringLiteral(PSD_PAYROLL_FIXTURES "/expected_payroll.dfz")));
}

TEST(GZFileTest, WrittenValuesReadBackIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath("batch.dfz");
    ASSERT_EQ(write(path, kRecords).status, GZWriteResult::Status::Written);
    const Read got = read(path);
    ASSERT_EQ(got.status, GZFileDocument::Status::Loaded);
    ASSERT_EQ(got.records.size(), 3u);
    const char* money[] = {"1234.50", "0.50", "100000000000.00"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(got.records[i].recAcc, kRecords[i].recAcc);
        EXPECT_EQ(got.records[i].recAccName, kRecords[i].recAccName);
        EXPECT_EQ(got.records[i].money, money[i]);
        EXPECT_EQ(got.records[i].comment, kRecords[i].comment);
    }
}

TEST(GZFileTest, ValueGbkCannotHoldStopsTheWriteAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("batch.dfz");
    writeBytes(path, "old upload file");
    std::vector<GZRecord> records = kRecords;
    records[2].comment = "奖金😀";

    const GZWriteResult result = write(path, records);

    EXPECT_EQ(result.status, GZWriteResult::Status::Unrepresentable);
    EXPECT_EQ(result.message.toStdString(),
              "第3条指令（流水号s3）的“备注”含有GBK编码无法表示的字符“😀”，"
              "代发工资/代报销文件未生成");
    EXPECT_EQ(readAll(path), "old upload file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"batch.dfz"});
}

TEST(GZFileTest, UnwritableFolderIsAFileError) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/batch.dfz");
    EXPECT_EQ(write(path, kRecords).status, GZWriteResult::Status::FileError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(GZFileTest, ReadsRecordsAtAnyDepthWithFieldsTrimmedAndMissingOnesEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("in.dfz");
    writeBytes(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<Other><Record><A><RecAcc> 123 </RecAcc></A><RecAcc>999</RecAcc>"
                     "<Comment>a &amp; b</Comment><Money> 1,234.5 </Money></Record>"
                     "<Deep><Record><RecAccName>李四</RecAccName></Record></Deep></Other>");
    const Read got = read(path);
    ASSERT_EQ(got.status, GZFileDocument::Status::Loaded);
    ASSERT_EQ(got.records.size(), 2u);
    EXPECT_EQ(got.records[0].recAcc, "123"); // the first in document order
    EXPECT_EQ(got.records[0].comment, "a & b");
    EXPECT_EQ(got.records[0].money, "1,234.5");
    EXPECT_EQ(got.records[0].recAccName, ""); // never taken from the next record
    EXPECT_EQ(got.records[1].recAccName, "李四");
    EXPECT_EQ(got.records[1].recAcc, "");
}

TEST(GZFileTest, ReadStatusesForBadFiles) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.dfz");
    writeBytes(broken, "<?xml version=\"1.0\"?><GZFile><RecordList>");
    const QString noRoot = dir.filePath("noroot.dfz");
    writeBytes(noRoot, "<?xml version=\"1.0\"?>");
    const QString gbk = dir.filePath("gbk.dfz");
    writeBytes(gbk, "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<GZFile><RecordList><Record>"
                    "<RecAccName>\xB3\xCE\xB4\xA8</RecAccName></Record></RecordList></GZFile>");

    EXPECT_EQ(read(dir.filePath("none.dfz")).status, GZFileDocument::Status::Unreadable);
    EXPECT_EQ(read(broken).status, GZFileDocument::Status::NotWellFormed);
    EXPECT_EQ(read(noRoot).status, GZFileDocument::Status::NotWellFormed);
    const Read got = read(gbk);
    ASSERT_EQ(got.records.size(), 1u);
    EXPECT_EQ(got.records[0].recAccName, "澄川");
}
