#include "payment/BPFile.h"
#include "testsupport/UploadFileTesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

BPRecord sampleRecord(const QString& serial) {
    BPRecord record;
    record.serialNo = serial;
    record.payAcc = "622200001111";
    record.payAccName = "澄川贸易有限公司";
    record.transferType = "01";
    record.recAcc = "955880002222";
    record.recAccName = "A&B <商行> 有限公司";
    record.money = "1234.5";
    record.usage = "货款 & 运费 <三月>";
    record.remitType = "0";
    record.recAccountOpenBank = "工商银行 & 分行";
    record.sameCityLiquidateNo = "102";
    record.province = "";
    record.city = "";
    record.presentPayNo = "";
    return record;
}

const BPSummary kSummary{"20260105", "1,234.50", "1"};

BPWriteResult write(const QString& path, const std::vector<BPRecord>& records) {
    return writeRecords(writeBPFile, path, kSummary, records);
}

using Read = ReadRecords<BPFileDocument, BPRecord>;

Read read(const QString& path) {
    return readRecords<BPFileDocument, BPRecord>(path);
}

} // namespace

TEST(BPFileTest, WriteThenReadKeepsEveryValueIncludingMarkup) {
    QTemporaryDir dir;
    const QString path = dir.filePath("batch.plz");
    const std::vector<BPRecord> written = {sampleRecord("s1"), sampleRecord("s2")};
    ASSERT_EQ(write(path, written).status, BPWriteResult::Status::Written);

    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(bytes.contains("&amp;"));
    EXPECT_TRUE(bytes.contains("&lt;"));
    EXPECT_FALSE(bytes.contains("<三月>"));

    const Read got = read(path);
    ASSERT_EQ(got.status, BPFileDocument::Status::Loaded);
    ASSERT_EQ(got.records.size(), 2u);
    for (const BPRecord& record : got.records) {
        EXPECT_EQ(record.currencyType, "01");
        for (const BPField& field : kBPValueFields) {
            const QString expected =
                field.member == &BPRecord::money ? QString("1234.50") : written[0].*field.member;
            EXPECT_EQ(record.*field.member, expected) << field.element;
        }
    }
}

TEST(BPFileTest, ValueGbkCannotHoldStopsTheWriteAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("batch.plz");
    writeBytes(path, "old upload file");
    std::vector<BPRecord> records = {sampleRecord("s1"), sampleRecord("20260105101010-0001-0002")};
    records[1].recAccName = "收款人😀";

    const BPWriteResult result = write(path, records);

    EXPECT_EQ(result.status, BPWriteResult::Status::Unrepresentable);
    EXPECT_EQ(result.message, "第2条指令（流水号20260105101010-0001-0002）的“收款账户户名”"
                              "含有GBK编码无法表示的字符“😀”，批量支付文件未生成");
    EXPECT_EQ(readAll(path), "old upload file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"batch.plz"});
}

TEST(BPFileTest, UnwritableFolderIsAFileError) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/batch.plz");
    EXPECT_EQ(write(path, {sampleRecord("s1")}).status, BPWriteResult::Status::FileError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(BPFileTest, ReadsFieldsAtAnyDepthTrimmedAndMissingOnesEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("in.plz");
    writeBytes(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<BPFile><RecordList><Record><CurrencyType> 01 </CurrencyType>"
                     "<Extra><PayAcc> 123 </PayAcc></Extra><PayAcc>999</PayAcc>"
                     "<Usage>a &amp; b</Usage><A><B><RecAcc>77</RecAcc></B></A>"
                     "</Record><Record><Money>5</Money></Record></RecordList></BPFile>");
    const Read got = read(path);
    ASSERT_EQ(got.status, BPFileDocument::Status::Loaded);
    ASSERT_EQ(got.records.size(), 2u);
    EXPECT_EQ(got.records[0].currencyType, "01");
    EXPECT_EQ(got.records[0].payAcc, "123"); // the first in document order
    EXPECT_EQ(got.records[0].usage, "a & b");
    EXPECT_EQ(got.records[0].recAcc, "77");
    EXPECT_EQ(got.records[0].money, ""); // never taken from the next record
    EXPECT_EQ(got.records[1].money, "5");
    EXPECT_EQ(got.records[1].payAcc, "");
}

TEST(BPFileTest, ReadStatusesForBadFiles) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.plz");
    writeBytes(broken, "<?xml version=\"1.0\"?><BPFile><RecordList>");
    const QString noList = dir.filePath("nolist.plz");
    writeBytes(noList, "<?xml version=\"1.0\"?><BPFile><Summary/></BPFile>");
    const QString gbk = dir.filePath("gbk.plz");
    writeBytes(gbk, "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<BPFile><RecordList><Record>"
                    "<RecAccName>\xB3\xCE\xB4\xA8</RecAccName></Record></RecordList></BPFile>");

    EXPECT_EQ(read(dir.filePath("none.plz")).status, BPFileDocument::Status::Unreadable);
    EXPECT_EQ(read(broken).status, BPFileDocument::Status::NotWellFormed);
    EXPECT_EQ(read(noList).status, BPFileDocument::Status::NoRecordList);
    const Read got = read(gbk);
    ASSERT_EQ(got.records.size(), 1u);
    EXPECT_EQ(got.records[0].recAccName, "澄川");
}
