#include "payroll/PayrollFileCommands.h"
#include "files/XmlText.h"
#include "payroll/LaborageList.h"
#include "payroll/tests/PayrollFixture.h"

#include <QDate>
#include <QFile>
#include <QStringEncoder>

#include <array>

namespace {

using Status = FileCommandOutcome::Status;

class PayrollFileCommandsTest : public PayrollFixture {
protected:
    LaborageList list() const {
        LaborageList shown;
        shown.reload(*db_);
        return shown;
    }
    FileCommandOutcome write(const QString& file) {
        return writePayrollFile(*db_, messages_, list(), [&file] { return file; });
    }
    FileCommandOutcome load(const QString& file) {
        return loadPayrollFile(
            *db_, messages_, list(), [&file] { return file; }, [this] { reloaded_ = true; });
    }
    // A payroll file of the given records (account, name, money, comment), escaped, in GBK.
    QString file(const std::vector<std::array<QString, 4>>& records,
                 const char* name = "in.dfz") const {
        QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<GZFile>"
                                      "<Summary/><RecordList>");
        for (const auto& r : records)
            text += QStringLiteral("<Record><Date>20260105</Date><DetailSign>1</DetailSign>"
                                   "<OrderNo>9</OrderNo><RecAcc>%1</RecAcc><RecAccName>%2"
                                   "</RecAccName><Money>%3</Money><Comment>%4</Comment></Record>")
                        .arg(XmlText::escape(r[0]), XmlText::escape(r[1]), XmlText::escape(r[2]),
                             XmlText::escape(r[3]));
        text += QStringLiteral("</RecordList></GZFile>");
        const QString out = path(name);
        QFile bytes(out);
        EXPECT_TRUE(bytes.open(QIODevice::WriteOnly));
        QStringEncoder gbk("GB18030");
        bytes.write(gbk.encode(text));
        return out;
    }
    void addTwoInstructions() const {
        addInstruction("2026010512000000010001", "6222000011112222", "张三", "1000");
        addInstruction("2026010512000000020002", "6222000011113333", "李四", "234.5", "报销");
    }

    bool reloaded_ = false;
};

TEST_F(PayrollFileCommandsTest, WriteOfAnEmptyBatchSaysSoAndAsksForNoFile) {
    const FileCommandOutcome outcome = write(path("out.dfz"));
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{"无指令需要生成代发工资/代报销文件"});
    EXPECT_TRUE(prompter_.choosers().empty());
    EXPECT_FALSE(QFile::exists(path("out.dfz")));
}

TEST_F(PayrollFileCommandsTest, WriteTakesTheSummaryFromTheStatusFiguresAndOrdersBySerial) {
    addInstruction("2026010512000000030003", "6222000011114444", "王五", "0");
    addTwoInstructions();
    const QString out = path("out.dfz");
    ASSERT_EQ(write(out).status, Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"代发工资/代报销文件生成完毕"});

    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    const QString today = QDate::currentDate().toString("yyyyMMdd");
    EXPECT_EQ(lines[4], "\t\t<Date>" + today + "</Date>");
    EXPECT_EQ(lines[5], "\t\t<SumMoney>1,234.50</SumMoney>");
    EXPECT_EQ(lines[6], "\t\t<SumRecords>3</SumRecords>");
    QStringList order;
    for (const QString& line : lines)
        if (line.contains("<OrderNo>") || line.contains("<RecAcc>") || line.contains("<Money>"))
            order << line.trimmed();
    EXPECT_EQ(order, (QStringList{"<OrderNo>1</OrderNo>", "<RecAcc>6222000011112222</RecAcc>",
                                  "<Money>1000.00</Money>", "<OrderNo>2</OrderNo>",
                                  "<RecAcc>6222000011113333</RecAcc>", "<Money>234.50</Money>",
                                  "<OrderNo>3</OrderNo>", "<RecAcc>6222000011114444</RecAcc>",
                                  "<Money>0.00</Money>"}));
}

TEST_F(PayrollFileCommandsTest, WriteThenLoadGivesTheSameInstructionsWithNewSerials) {
    addTwoInstructions();
    const QString out = path("out.dfz");
    ASSERT_EQ(write(out).status, Status::Done);
    const QStringList before = batch();
    for (int round = 0; round < 2; ++round) {
        const QStringList oldSerials = rows("select serial_no from laborage order by serial_no");
        prompter_.clear();
        ASSERT_EQ(load(out).status, Status::Done);
        EXPECT_EQ(prompter_.texts(),
                  (QStringList{"文件导入时原有数据将被全部清空，请先用“生成上传文件”功能保存，"
                               "请确认是否要继续?",
                               "导入代发工资/代报销文件完毕"}));
        EXPECT_TRUE(reloaded_);
        EXPECT_EQ(batch(), (QStringList{"6222000011112222|张三|1000|工资",
                                        "6222000011113333|李四|234.5|报销"}));
        const QStringList serials = rows("select serial_no from laborage order by serial_no");
        for (const QString& serial : serials) {
            EXPECT_EQ(serial.size(), 22);
            EXPECT_FALSE(oldSerials.contains(serial));
        }
    }
    EXPECT_EQ(batch(), before);
}

TEST_F(PayrollFileCommandsTest, LoadIntoAnEmptyBatchAsksNothingKeepsFileOrderAndAddsPersons) {
    addPerson("6222000011113333", "李四（名册）");
    std::vector<std::array<QString, 4>> records;
    for (int i = 0; i < 12; ++i)
        records.push_back(
            {QStringLiteral("62220000111199%1").arg(99 - i), "员工" + QString::number(i), "1", ""});
    records.push_back({"6222000011113333", "李四", "1,234.5", "报销"});
    records.push_back({"6222000011115555", "周七", "0", "补发 & 调整"});
    ASSERT_EQ(load(file(records)).status, Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"导入代发工资/代报销文件完毕"});
    const QStringList stored = batch();
    ASSERT_EQ(stored.size(), 14);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(stored[i], QStringLiteral("62220000111199%1|员工%2|1|").arg(99 - i).arg(i));
    EXPECT_EQ(stored[12], "6222000011113333|李四|1234.5|报销");
    EXPECT_EQ(stored[13], "6222000011115555|周七|0|补发 & 调整");
    // Known persons keep their roster entry; unknown ones come with number and name only.
    const QStringList persons = roster();
    EXPECT_EQ(persons.size(), 14);
    EXPECT_TRUE(persons.contains("6222000011113333|李四（名册）|1"));
    EXPECT_TRUE(persons.contains("6222000011115555|周七|NULL"));
}

TEST_F(PayrollFileCommandsTest, RefusedRecordStopsTheLoadAndKeepsBatchAndRoster) {
    const QString name30(30, QChar(0x5F20));
    const QString comment60(60, QChar(0x8D44));
    const struct {
        std::array<QString, 4> fourth;
        const char* message;
    } cases[] = {
        {{"6222000011119999", "赵六", "10", comment60 + "x"},
         "第4条记录中的备注长度过长，文件导入被中止"},
        {{"6222000011119999", name30 + "x", "10", ""},
         "第4条记录中的收款户名数据长度错误，文件导入被中止"},
        {{"6222000011119999", "", "10", ""}, "第4条记录中的收款户名数据长度错误，文件导入被中止"},
        {{"6222000011119999", "赵六", "", ""}, "第4条记录中的金额为空，文件导入被中止"},
        {{"6222000011119999", "赵六", "1.234", ""}, "第4条记录中的金额格式错误，文件导入被中止"},
        {{"6222000011119999", "赵六", "-5", ""}, "第4条记录中的金额格式错误，文件导入被中止"},
        {{"6222000011119999", "赵六", "100000000000.01", ""},
         "第4条记录中的金额范围超过系统限制，文件导入被中止"},
        {{"", "赵六", "10", ""}, "第4条记录中的收款账号格式错误，文件导入被中止"},
    };
    addTwoInstructions();
    addPerson("6222000011110000", "名册");
    const QStringList batchBefore = batch();
    const QStringList rosterBefore = roster();
    for (const auto& c : cases) {
        prompter_.clear();
        const QString in = file({{"6222000011117777", "新人一", "1", ""},
                                 {"6222000011118888", name30, "2", comment60},
                                 {"6222000011110000", "名册", "3", ""},
                                 c.fourth});
        EXPECT_EQ(load(in).status, Status::Failed);
        EXPECT_EQ(prompter_.texts().value(1), QString::fromUtf8(c.message));
        EXPECT_EQ(batch(), batchBefore);
        EXPECT_EQ(roster(), rosterBefore);
    }
    EXPECT_FALSE(reloaded_);
}

TEST_F(PayrollFileCommandsTest, CancelledQuestionOrFileChangesNothing) {
    addTwoInstructions();
    const QStringList before = batch();
    const QString in = file({{"6222000011117777", "新人一", "1", ""}});
    prompter_.answer(MsgAnswer::Cancel);
    EXPECT_EQ(load(in).status, Status::Stopped);
    EXPECT_EQ(load(QString()).status, Status::Stopped);
    EXPECT_EQ(batch(), before);
    EXPECT_FALSE(reloaded_);
}

TEST_F(PayrollFileCommandsTest, FileThatIsNotXmlChangesNothingWithoutAMessage) {
    addTwoInstructions();
    const QStringList before = batch();
    QFile broken(path("broken.dfz"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<GZFile><Record>");
    broken.close();
    const FileCommandOutcome outcome = load(path("broken.dfz"));
    EXPECT_EQ(outcome.status, Status::Stopped);
    EXPECT_FALSE(outcome.detail.isEmpty());
    EXPECT_EQ(prompter_.texts().size(), 1); // the replace question only
    EXPECT_EQ(load(path("missing.dfz")).status, Status::Failed);
    EXPECT_EQ(prompter_.texts().last(), "文件读写错误，导入代发工资/代报销文件失败");
    EXPECT_EQ(batch(), before);
}

} // namespace
