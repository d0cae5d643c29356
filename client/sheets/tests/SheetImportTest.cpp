#include "sheets/SheetImport.h"
#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "sheets/SheetFile.h"
#include "sheets/tests/SheetMaker.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/ClientFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SheetImportTest : public ClientFixture {
protected:
    // Reads, matches and stores the sheet as the command line does.
    FileCommandOutcome import(const QString& file, BatchKind kind,
                              ImportMode mode = ImportMode::Replace) {
        const SheetReadResult read = readSheetFile(file);
        EXPECT_TRUE(read.ok) << read.message.toStdString();
        const ColumnMapping mapping = matchColumns(kind, read.table.rows.at(0));
        EXPECT_TRUE(missingFields(kind, mapping).isEmpty());
        prepared_ = prepareSheetImport(*db_, kind, read.table, mapping);
        return storeSheetImport(*db_, messages_, prepared_, mode);
    }
    QStringList payroll() const {
        return home_.rows("select acc_no,acc_name,pay_amount,remark from laborage "
                          "order by serial_no");
    }
    QStringList shown() const { return prompter_.texts(); }

    SheetImport prepared_;
};

TEST_F(SheetImportTest, HeadersInAnotherOrderAndSynonymsAreMatched) {
    makeXlsx(path("p.xlsx"), {{"用途", "实发金额", "姓名", "卡号"},
                              {"工资", 1234.1, "张三", "6222000011111111"},
                              {"奖金", 0.1 + 0.2, "李四", "6222000011112222"},
                              {std::monostate{}, QString("1,000.5"), "王五", "6222000011113333"}});
    const FileCommandOutcome outcome = import(path("p.xlsx"), BatchKind::Payroll);
    EXPECT_EQ(outcome.status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(payroll(),
              (QStringList{"6222000011111111|张三|1234.1|工资", "6222000011112222|李四|0.3|奖金",
                           "6222000011113333|王五|1000.5|"}));
    EXPECT_EQ(home_.rows("select sum(cast(round(pay_amount*100) as integer)) from laborage"),
              QStringList{"223490"});
    EXPECT_EQ(home_.count("person_payee_acc"), 3);
}

// Spreadsheets store a number's double with 17 digits, as libxlsxwriter does not.
TEST_F(SheetImportTest, NumbersStoredWithAllTheirBinaryDigitsGiveTheFen) {
    makeZip(path("raw.xlsx"),
            {{"xl/workbook.xml", "<workbook><sheets><sheet name=\"S\"/></sheets></workbook>"},
             {"xl/worksheets/sheet1.xml",
              "<worksheet><sheetData>"
              "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>账号</t></is></c>"
              "<c r=\"B1\" t=\"inlineStr\"><is><t>户名</t></is></c>"
              "<c r=\"C1\" t=\"inlineStr\"><is><r><t>金</t></r><r><t>额</t></r></is></c></row>"
              "<row r=\"2\"><c r=\"A2\"><v>622200001111111</v></c>"
              "<c r=\"B2\" t=\"str\"><v>张三</v></c><c r=\"C2\"><v>1234.0999999999999</v></c></row>"
              "<row r=\"3\"><c r=\"A3\" t=\"inlineStr\"><is><t>6222</t></is></c>"
              "<c r=\"B3\" t=\"inlineStr\"><is><t>李四</t></is></c>"
              "<c r=\"C3\"><v>0.30000000000000004</v></c></row>"
              "</sheetData></worksheet>"}});
    EXPECT_EQ(import(path("raw.xlsx"), BatchKind::Payroll).status,
              FileCommandOutcome::Status::Done);
    EXPECT_EQ(payroll(), (QStringList{"622200001111111|张三|1234.1|", "6222|李四|0.3|"}));
    EXPECT_EQ(home_.rows("select sum(cast(round(pay_amount*100) as integer)) from laborage"),
              QStringList{"123440"});
}

TEST_F(SheetImportTest, AccountsTypedIntoNumberCellsPastFifteenDigitsAreRefused) {
    makeXlsx(path("digits.xlsx"), {{"账号", "户名", "金额"},
                                   {622202020000123.0, "张三", 1.0},
                                   {6222020200001234567.0, "李四", 1.0}});
    EXPECT_EQ(import(path("digits.xlsx"), BatchKind::Payroll).status,
              FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prepared_.rows.at(0).refusal, QString());
    EXPECT_EQ(prepared_.rows.at(0).values.at(0), QStringLiteral("622202020000123"));
    EXPECT_EQ(shown(), QStringList{"第3条记录中的账号在表格中存为数字，超过15位的部分已丢失，"
                                   "文件导入被中止"});
    EXPECT_EQ(home_.count("laborage"), 0);
}

TEST_F(SheetImportTest, ABadRowIsNamedByItsSheetRowAndNothingIsStored) {
    home_.sql("insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) values "
              "('2026010512000000010001','6222','旧','1','')");
    std::vector<MadeRow> rows = {{"账号", "户名", "金额", "备注"}};
    for (int r = 2; r <= 9; ++r)
        rows.push_back({QString("62220000%1").arg(r), "张三", r == 7 ? MadeCell{"12.345"} : 10.0});
    makeXlsx(path("bad.xlsx"), rows);
    const FileCommandOutcome outcome = import(path("bad.xlsx"), BatchKind::Payroll);
    EXPECT_EQ(outcome.status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(shown(), QStringList{"第7条记录中的金额格式错误，文件导入被中止"});
    EXPECT_EQ(payroll(), QStringList{"6222|旧|1|"});
    EXPECT_EQ(prepared_.refusedCount(), 1);
    EXPECT_EQ(prepared_.rows.at(5).sheetRow, 7);
}

TEST_F(SheetImportTest, EveryRefusedRowHasTheLoadersMessage) {
    writeBytes(path("r.csv"), QStringLiteral("账号,户名,金额,备注\n"
                                             ",张三,1,\n"
                                             "6222,,1,\n"
                                             "6223,李四,,\n"
                                             "6224,王五,200000000000,\n"
                                             "6225,赵六,1,%1\n")
                                  .arg(QString(61, QChar(0x5907)))
                                  .toUtf8());
    const FileCommandOutcome outcome = import(path("r.csv"), BatchKind::Payroll);
    EXPECT_EQ(outcome.status, FileCommandOutcome::Status::Failed);
    QStringList refusals;
    for (const ImportRow& row : prepared_.rows)
        refusals << row.refusal;
    EXPECT_EQ(refusals, (QStringList{"第2条记录中的收款账号格式错误，文件导入被中止",
                                     "第3条记录中的收款户名数据长度错误，文件导入被中止",
                                     "第4条记录中的金额为空，文件导入被中止",
                                     "第5条记录中的金额范围超过系统限制，文件导入被中止",
                                     "第6条记录中的备注长度过长，文件导入被中止"}));
    EXPECT_EQ(shown(), QStringList{refusals.first()});
    EXPECT_EQ(outcome.detail.count('\n'), 3);
    EXPECT_EQ(home_.count("laborage"), 0);
}

TEST_F(SheetImportTest, ReplaceAsksFirstAndAppendKeepsTheBatch) {
    home_.sql("insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) values "
              "('2026010512000000010001','6222','旧','1','')");
    makeXlsx(path("n.xlsx"), {{"账号", "户名", "金额"}, {"6229", "新", 2.0}});

    prompter_.answer(MsgAnswer::Cancel);
    EXPECT_EQ(import(path("n.xlsx"), BatchKind::Payroll).status,
              FileCommandOutcome::Status::Stopped);
    EXPECT_EQ(payroll(), QStringList{"6222|旧|1|"});

    EXPECT_EQ(import(path("n.xlsx"), BatchKind::Payroll, ImportMode::Append).status,
              FileCommandOutcome::Status::Done);
    EXPECT_EQ(payroll(), (QStringList{"6222|旧|1|", "6229|新|2|"}));
    // Appended rows follow even an instruction whose serial lies ahead of the clock.
    home_.sql("insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) values "
              "('2099123123595999999999','6230','未来','5','')");
    EXPECT_EQ(import(path("n.xlsx"), BatchKind::Payroll, ImportMode::Append).status,
              FileCommandOutcome::Status::Done);
    EXPECT_EQ(payroll(), (QStringList{"6222|旧|1|", "6229|新|2|", "6230|未来|5|", "6229|新|2|"}));

    prompter_.answer(MsgAnswer::Ok);
    EXPECT_EQ(import(path("n.xlsx"), BatchKind::Payroll).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(payroll(), QStringList{"6229|新|2|"});
}

TEST_F(SheetImportTest, PaymentsTakeKindsByNameOrCodeAndDefaults) {
    makeXlsx(path("pay.xlsx"),
             {{"付款人账号", "付款人名称", "收款人账号", "收款人名称", "金额", "行别", "汇款方式",
               "用途"},
              {"1001", "甲公司", "2001", "乙公司", 1234.1, "跨行异地", "加急", "货款"},
              {"1001", "甲公司", "2002", "丙公司", 5.0, std::monostate{}, std::monostate{}},
              {"1001", "甲公司", "2003", "丁公司", 5.0, "火星", std::monostate{}}});
    const FileCommandOutcome outcome = import(path("pay.xlsx"), BatchKind::Payment);
    EXPECT_EQ(outcome.status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(shown(), QStringList{"第4条记录中的收款账户行别错误，文件导入被中止"});
    EXPECT_EQ(home_.count("payment"), 0);

    makeXlsx(path("pay2.xlsx"),
             {{"付款账号", "付款账户户名", "收款账号", "收款账户户名", "付款金额", "收款账户行别"},
              {"1001", "甲公司", "2001", "乙公司", 1234.1, "02"},
              {"1001", "甲公司", "2002", "丙公司", 0.1 + 0.2}});
    EXPECT_EQ(import(path("pay2.xlsx"), BatchKind::Payment).status,
              FileCommandOutcome::Status::Done);
    EXPECT_EQ(home_.rows("select pay_acc_no,rec_acc_type,rec_acc_no,pay_amt,remit_type "
                         "from payment order by serial_no"),
              (QStringList{"1001|02|2001|1234.1|0", "1001|00|2002|0.3|0"}));
}

TEST_F(SheetImportTest, MissingRequiredColumnsAreNamed) {
    SheetRow header{1, {{"姓名", false}, {"备注", false}}};
    EXPECT_EQ(missingFields(BatchKind::Payroll, matchColumns(BatchKind::Payroll, header)),
              (QStringList{"账号", "金额"}));
    SheetRow marked{1, {{" 账 号* ", false}, {"户名", false}, {"金额（元）", false}}};
    EXPECT_TRUE(
        missingFields(BatchKind::Payroll, matchColumns(BatchKind::Payroll, marked)).isEmpty());
}

} // namespace
