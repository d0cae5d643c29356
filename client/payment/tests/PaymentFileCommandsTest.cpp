#include "payment/PaymentFileCommands.h"
#include "payment/BPFile.h"
#include "payment/PaymentList.h"
#include "payment/tests/PaymentFixture.h"

#include <QDate>
#include <QDir>

#include <sys/stat.h>

namespace {

class PaymentFileCommandsTest : public PaymentFixture {
protected:
    FileCommandOutcome write(const QString& target) {
        list_.reload(*db_);
        return writePaymentFile(*db_, messages_, list_, [target] { return target; });
    }
    FileCommandOutcome load(const QString& source) {
        list_.reload(*db_);
        return loadPaymentFile(
            *db_, messages_, list_, [source] { return source; }, [this] { ++reloads_; });
    }
    QByteArray bytes(const QString& file) const {
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
        return in.readAll();
    }
    void writeFile(const QString& file, const QByteArray& content) const {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    // The stored batch without serial numbers, amounts as two-decimal numbers, in a stable order.
    QStringList batch() const {
        return rows("select pay_acc_no,pay_acc_name,rec_acc_type,rec_acc_no,rec_acc_name,"
                    "ifnull(rec_bank_id,''),ifnull(rec_area_no,''),ifnull(rec_net_no,''),"
                    "rec_bank_name,same_city_liquidate_no,province,city,presentBankNo,"
                    "printf('%.2f',pay_amt),remark,user_remark,remit_type "
                    "from payment order by rec_acc_no");
    }
    void addSampleBatch() const {
        addPayment("2024010112000000010001", "00", "6222000000000001", "1000",
                   "货款 & 运费 <一月>");
        addPayment("2024010112000000020002", "02", "6222000000000002", "0.5", "货款", "1");
        addPayment("2024010112000000030003", "01", "6222000000000003", "200");
    }
    static QByteArray recordFile(const QList<QByteArray>& records) {
        QByteArray out = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<BPFile><Summary/>"
                         "<RecordList>";
        for (const QByteArray& record : records)
            out += "<Record>" + record + "</Record>";
        return out + "</RecordList></BPFile>\r\n";
    }

    PaymentList list_;
    int reloads_ = 0;
};

// A record of a loaded file, valid unless the arguments make it otherwise.
QByteArray loadedRecord(const QByteArray& kind, const QByteArray& money,
                        const QByteArray& remit = "0") {
    return "<CurrencyType>01</CurrencyType><PayAcc>1001</PayAcc><transferType>" + kind +
           "</transferType><RecAcc>2002</RecAcc>" + money + "<remitType>" + remit + "</remitType>";
}

TEST_F(PaymentFileCommandsTest, WrittenFileMatchesTheExpectedFileLineForLine) {
    addSampleBatch();
    const QString target = path("batch.plz");

    EXPECT_EQ(write(target).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(prompter_.texts(), QStringList{"批量支付文件生成完毕"});
    QByteArray expected = bytes(QStringLiteral(PSD_PAYMENT_FIXTURES "/expected_batch.plz"));
    expected.replace("@DATE@", QDate::currentDate().toString("yyyyMMdd").toLatin1());
    const QList<QByteArray> wanted = expected.split('\n');
    const QList<QByteArray> got = bytes(target).split('\n');
    ASSERT_EQ(got.size(), wanted.size());
    for (qsizetype i = 0; i < wanted.size(); ++i)
        EXPECT_EQ(got[i], wanted[i]) << "line " << i + 1;
}

TEST_F(PaymentFileCommandsTest, WriteThenLoadKeepsEveryValue) {
    addPayment("2024010112000000010001", "00", "6222000000000001", "1000", "A&B <公司> 货款");
    addPayment("2024010112000000020002", "01", "6222000000000002", "12.34", "运费", "1");
    addPayment("2024010112000000030003", "02", "6222000000000003", "0.5", "&lt; 字面");
    const QStringList before = batch();
    const QString file = path("round.plz");
    ASSERT_EQ(write(file).status, FileCommandOutcome::Status::Done);
    prompter_.clear();

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(
        prompter_.texts(),
        (QStringList{"文件导入时原有数据将被全部清空，请先用“生成上传文件”功能保存，请确认是否"
                     "要继续?",
                     "导入批量付款文件完毕"}));
    EXPECT_EQ(prompter_.boxes().front().icon, MsgIcon::Question);
    EXPECT_EQ(reloads_, 1);
    const QStringList after = batch();
    EXPECT_EQ(after, before);
    ASSERT_EQ(after.size(), 3);
    EXPECT_TRUE(after[0].contains("A&B <公司> 货款"));
    EXPECT_TRUE(after[2].contains("&lt; 字面"));
    EXPECT_EQ(rows("select count(distinct serial_no) from payment"), QStringList{"3"});
}

TEST_F(PaymentFileCommandsTest, CurrencyOfTheThirdRecordStopsTheLoadAndKeepsTheOldBatch) {
    addSampleBatch();
    const QStringList before = batch();
    const QString file = path("currency.plz");
    QByteArray third = loadedRecord("00", "<Money>1</Money>");
    third.replace("<CurrencyType>01", "<CurrencyType>02");
    writeFile(file, recordFile({loadedRecord("00", "<Money>1</Money>"),
                                loadedRecord("00", "<Money>2</Money>"), third}));

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Failed);

    EXPECT_EQ(prompter_.texts().last(), "第3条记录中的币种不支持，文件导入被中止");
    EXPECT_EQ(batch(), before);
    EXPECT_EQ(reloads_, 0);
}

TEST_F(PaymentFileCommandsTest, EmptyRecordListEmptiesTheBatch) {
    addSampleBatch();
    const QString file = path("empty.plz");
    writeFile(file, recordFile({}));

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(count("payment"), 0);
    EXPECT_EQ(prompter_.texts().last(), "导入批量付款文件完毕");
}

TEST_F(PaymentFileCommandsTest, EmptyBatchIsReplacedWithoutAsking) {
    const QString file = path("one.plz");
    writeFile(file, recordFile({"<CurrencyType>01</CurrencyType><PayAcc>1001</PayAcc>"
                                "<transferType>00</transferType><RecAcc>2002</RecAcc>"
                                "<Money>5</Money><remitType>0</remitType>"}));

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(prompter_.texts(), QStringList{"导入批量付款文件完毕"});
    EXPECT_EQ(rows("select pay_amt, rec_bank_id, user_remark, length(serial_no) from payment"),
              QStringList{"5|||22"});
}

TEST_F(PaymentFileCommandsTest, AmountsAreStoredPlainSoTheTotalsAreTheSumOfTheListedRows) {
    const QString file = path("amounts.plz");
    writeFile(file, recordFile({loadedRecord("00", "<Money>1,234.50</Money>"),
                                loadedRecord("01", "<Money>12.34</Money>"),
                                loadedRecord("02", "<Money>100,000,000,000.00</Money>")}));

    ASSERT_EQ(load(file).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(rows("select printf('%.2f',pay_amt) from payment order by serial_no"),
              (QStringList{"1234.50", "12.34", "100000000000.00"}));
    list_.reload(*db_);
    EXPECT_EQ(list_.countText(), "3");
    EXPECT_EQ(list_.totalText(), "100,000,001,246.84");
    const QString written = path("again.plz");
    ASSERT_EQ(write(written).status, FileCommandOutcome::Status::Done);
    EXPECT_TRUE(bytes(written).contains("<SumMoney>100,000,001,246.84</SumMoney>"));
}

// Each refused record is the second of three; the batch before the load stays.
TEST_F(PaymentFileCommandsTest, RefusedRecordStopsTheLoadByNumberAndKeepsTheOldBatch) {
    addSampleBatch();
    const QStringList before = batch();
    const struct {
        QByteArray record;
        const char* message;
    } cases[] = {
        {loadedRecord("00", ""), "第2条记录中的金额为空，文件导入被中止"},
        {loadedRecord("00", "<Money>,</Money>"), "第2条记录中的金额为空，文件导入被中止"},
        {loadedRecord("00", "<Money>12.345</Money>"), "第2条记录中的金额格式错误，文件导入被中止"},
        {loadedRecord("00", "<Money>-5</Money>"), "第2条记录中的金额格式错误，文件导入被中止"},
        {loadedRecord("00", "<Money>99999999999999999999</Money>"),
         "第2条记录中的金额范围超过系统限制，文件导入被中止"},
        {loadedRecord("09", "<Money>1</Money>"), "第2条记录中的收款账户行别不支持，文件导入被中止"},
        {loadedRecord("", "<Money>1</Money>"), "第2条记录中的收款账户行别不支持，文件导入被中止"},
        {loadedRecord("01", "<Money>1</Money>", "2"),
         "第2条记录中的转账类型不支持，文件导入被中止"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        prompter_.clear();
        const QString file = path("refused.plz");
        writeFile(file, recordFile({loadedRecord("00", "<Money>1</Money>"), c.record,
                                    loadedRecord("00", "<Money>1</Money>")}));

        EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Failed);

        EXPECT_EQ(prompter_.texts().last(), QString::fromUtf8(c.message));
        EXPECT_EQ(batch(), before);
        EXPECT_EQ(reloads_, 0);
    }
}

TEST_F(PaymentFileCommandsTest, BatchHoldingAnUnlistedRowIsNotWrittenAndTheRowIsNamed) {
    addSampleBatch();
    addPayment("2024010112000000040004", "09", "6222000000000004", "300");
    addPayment("2024010112000000050005", "00", "6222000000000005", "300", "货款", "7");
    const QString target = path("unlisted.plz");
    bool asked = false;
    list_.reload(*db_);

    const FileCommandOutcome outcome = writePaymentFile(*db_, messages_, list_, [&] {
        asked = true;
        return target;
    });

    EXPECT_EQ(outcome.status, FileCommandOutcome::Status::Failed);
    EXPECT_FALSE(asked);
    EXPECT_EQ(prompter_.texts(),
              QStringList{"流水号2024010112000000040004的指令收款账户行别或转账类型无法识别，"
                          "不能写入文件，批量支付文件未生成"});
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(PaymentFileCommandsTest, FilesThatCannotBeLoadedChangeNothing) {
    addSampleBatch();
    const QStringList before = batch();
    const QString broken = path("broken.plz");
    writeFile(broken, "<?xml version=\"1.0\"?><BPFile><RecordList><Record>");
    const QString noList = path("nolist.plz");
    writeFile(noList, "<?xml version=\"1.0\"?><BPFile><Summary/></BPFile>");

    const struct {
        QString file;
        FileCommandOutcome::Status status;
        QStringList messages;
    } cases[] = {
        {broken, FileCommandOutcome::Status::Stopped, {}},
        {noList, FileCommandOutcome::Status::Failed, {"文件读写错误，导入批量付款文件失败"}},
        {path("missing.plz"),
         FileCommandOutcome::Status::Failed,
         {"文件读写错误，导入批量付款文件失败"}},
        {QString(), FileCommandOutcome::Status::Stopped, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        prompter_.clear();
        EXPECT_EQ(load(c.file).status, c.status);
        QStringList shown = prompter_.texts();
        shown.removeFirst(); // the replace question
        EXPECT_EQ(shown, c.messages);
        EXPECT_EQ(batch(), before);
    }
}

TEST_F(PaymentFileCommandsTest, CancelledQuestionLoadsNothing) {
    addSampleBatch();
    const QString file = path("empty.plz");
    writeFile(file, recordFile({}));
    prompter_.answer(MsgAnswer::Cancel);

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Stopped);

    EXPECT_EQ(count("payment"), 3);
    EXPECT_EQ(prompter_.texts().size(), 1);
}

TEST_F(PaymentFileCommandsTest, EmptyBatchWritesNoFileAndAsksNothing) {
    const QString target = path("none.plz");
    bool asked = false;
    list_.reload(*db_);

    const FileCommandOutcome outcome = writePaymentFile(*db_, messages_, list_, [&] {
        asked = true;
        return target;
    });

    EXPECT_EQ(outcome.status, FileCommandOutcome::Status::Stopped);
    EXPECT_FALSE(asked);
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(PaymentFileCommandsTest, BatchOfOnlyUndescribedKindsListsNothingAndWritesNothing) {
    addPayment("2024010112000000030003", "09", "6222000000000003", "200");
    EXPECT_EQ(write(path("x.plz")).status, FileCommandOutcome::Status::Stopped);
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_FALSE(QFile::exists(path("x.plz")));
}

TEST_F(PaymentFileCommandsTest, ValueGbkCannotHoldStopsTheWrite) {
    addPayment("2024010112000000010001", "00", "6222000000000001", "10", "表情😀");
    const QString target = path("gbk.plz");
    writeFile(target, "previous file");

    EXPECT_EQ(write(target).status, FileCommandOutcome::Status::Failed);

    EXPECT_EQ(prompter_.texts(),
              QStringList{"第1条指令（流水号2024010112000000010001）的“备注”含有GBK编码无法表示的"
                          "字符“😀”，批量支付文件未生成"});
    EXPECT_EQ(bytes(target), "previous file");
    EXPECT_EQ(QDir(folder()).entryList({"*.plz*"}, QDir::Files), QStringList{"gbk.plz"});
}

TEST_F(PaymentFileCommandsTest, UnwritableTargetReportsTheFileError) {
    addSampleBatch();
    EXPECT_EQ(write(path("no-such-folder/batch.plz")).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{"文件读写错误，批量支付文件生成失败"});
}

} // namespace

namespace {

// Serials made within one second share their time digits; their random digits repeat within a
// few thousand records and fall in any order, yet every record must be stored and the batch
// listed and written in the order of the file.
TEST_F(PaymentFileCommandsTest, ManyRecordsLoadedInOneSecondKeepTheFileOrderWithTheirOwnSerials) {
    const qsizetype records = 30000;
    const QString file = path("many.plz");
    BPRecord record;
    record.payAcc = "1001";
    record.transferType = "00";
    record.money = "1";
    record.remitType = "0";
    ASSERT_EQ(writeBPFile(file, {"20240101", "30,000.00", "30000"}, records,
                          [&record](qsizetype i) {
                              BPRecord r = record;
                              r.recAcc = QString::number(i);
                              return r;
                          })
                  .status,
              BPWriteResult::Status::Written);

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(rows("select count(*), count(distinct serial_no), min(length(serial_no)), "
                   "max(length(serial_no)) from payment"),
              QStringList{"30000|30000|22|22"});
    const QStringList order = rows("select rec_acc_no from payment order by serial_no");
    ASSERT_EQ(order.size(), records);
    for (qsizetype i = 0; i < records; ++i)
        ASSERT_EQ(order[i], QString::number(i)) << "position " << i;
}

} // namespace

namespace {

TEST_F(PaymentFileCommandsTest, ValuesDividedByCommentsOrCdataAreLoadedWhole) {
    const QString file = path("divided.plz");
    writeFile(file, recordFile({"<CurrencyType>01</CurrencyType><RecAcc>2002</RecAcc>"
                                "<transferType>00</transferType><remitType>0</remitType>"
                                "<Money>1<!-- thousand -->000.00</Money>"
                                "<Usage><![CDATA[pay]]><![CDATA[<Jan>]]></Usage>"}));

    EXPECT_EQ(load(file).status, FileCommandOutcome::Status::Done);

    EXPECT_EQ(rows("select pay_amt, remark from payment"), QStringList{"1000|pay<Jan>"});
}

TEST_F(PaymentFileCommandsTest, HostileFilesAreRefusedAndChangeNothing) {
    addSampleBatch();
    const QStringList before = batch();
    const QByteArray good = "<CurrencyType>01</CurrencyType><RecAcc>2002</RecAcc>";
    const QString rawAmpersand = path("amp.plz");
    writeFile(rawAmpersand, recordFile({good + "<Usage>A & B</Usage>"}));
    const QString cutByNul = path("nul.plz");
    writeFile(cutByNul, recordFile({good + "<Money>1&#0;00</Money>"}));
    const QString secondRoot = path("roots.plz");
    writeFile(secondRoot, recordFile({good}) + "<BPFile/>");
    const QString pipe = path("pipe.plz");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const struct {
        QString file;
        FileCommandOutcome::Status status;
        QStringList messages;
    } cases[] = {
        {rawAmpersand, FileCommandOutcome::Status::Stopped, {}},
        {cutByNul, FileCommandOutcome::Status::Stopped, {}},
        {secondRoot, FileCommandOutcome::Status::Stopped, {}},
        {pipe, FileCommandOutcome::Status::Failed, {pipe + " 不是普通文件，不能读取"}},
        {QStringLiteral("/dev/zero"),
         FileCommandOutcome::Status::Failed,
         {"/dev/zero 不是普通文件，不能读取"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        prompter_.clear();
        EXPECT_EQ(load(c.file).status, c.status);
        QStringList shown = prompter_.texts();
        shown.removeFirst(); // the replace question
        EXPECT_EQ(shown, c.messages);
        EXPECT_EQ(batch(), before);
    }
}

} // namespace
