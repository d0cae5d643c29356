#include "refdata/PayerAccounts.h"
#include "refdata/tests/RefFixture.h"

namespace {

const QString kNo1 = QStringLiteral("6222000000000000000001");
const QString kNo2 = QStringLiteral("6222000000000000000002");

class PayerAccountsFileTest : public RefFixture {
protected:
    FileCommandOutcome exportTo(const QString& file) {
        RefList list = PayerAccounts::makeList();
        PayerAccounts::reload(list, *db_);
        return PayerAccounts::exportFile(messages_, list, [file] { return file; });
    }
    FileCommandOutcome importFrom(const QString& file) {
        return PayerAccounts::importFile(
            *db_, messages_, [file] { return file; }, [this] { ++reloads_; });
    }
    QStringList payers() const {
        return rows(QStringLiteral("select acc_no,acc_name,currency from pay_acc order by acc_no"));
    }
    // An AccountSet file of the given records (number, name), as UTF-8.
    QString accountSet(const std::vector<std::pair<QString, QString>>& records) const {
        QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><AccountSet>";
        for (const auto& [number, name] : records)
            text += "<Account><AccountNO>" + number.toUtf8() +
                    "</AccountNO><Currency>人民币</Currency><AccountName>" + name.toUtf8() +
                    "</AccountName></Account>";
        text += "</AccountSet>";
        writeFile(QStringLiteral("in.xml"), text);
        return path(QStringLiteral("in.xml"));
    }

    int reloads_ = 0;
};

TEST_F(PayerAccountsFileTest, ExportWritesTheListLineForLineWithEscapedValues) {
    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo2 + "','A&B<东>'),('" + kNo1 +
        "','澄川贸易有限公司')");
    const QString file = path("out.xml");
    EXPECT_EQ(exportTo(file).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"导出付款账号完毕"});
    EXPECT_EQ(bytes(file), fixture("account_set.xml"));
}

TEST_F(PayerAccountsFileTest, ExportThenImportKeepsNumbersAndNames) {
    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo1 + "','甲&乙<丙>'),('" + kNo2 +
        "','丁 & 戊')");
    const QStringList before = payers();
    const QString file = path("round.xml");
    ASSERT_EQ(exportTo(file).status, FileCommandOutcome::Status::Done);
    sql(QStringLiteral("delete from pay_acc"));
    prompter_.clear();
    EXPECT_EQ(importFrom(file).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"导入付款账号完毕"});
    EXPECT_EQ(payers(), before);
}

TEST_F(PayerAccountsFileTest, ImportStopsAtTheFirstRefusedRecordKeepingThoseBefore) {
    const struct {
        QString number;
        QString name;
        QString message;
    } cases[] = {
        {"622200000000000000001", "乙", "付款账号长度错误[622200000000000000001]，文件导入中止"},
        {"62220000000000000000.1", "乙", "付款账号格式错误[62220000000000000000.1]，文件导入中止"},
        {kNo2, "  ", "付款账号户名为空[" + kNo2 + "]，文件导入中止"},
    };
    for (const auto& c : cases) {
        sql(QStringLiteral("delete from pay_acc"));
        prompter_.clear();
        const QString file =
            accountSet({{kNo1, " 甲 "}, {c.number, c.name}, {"6222000000000000000003", "丙"}});
        EXPECT_EQ(importFrom(file).status, FileCommandOutcome::Status::Failed);
        EXPECT_EQ(prompter_.texts(), QStringList{c.message});
        EXPECT_EQ(payers(), QStringList{kNo1 + "|甲|01"}) << c.message.toStdString();
    }
}

TEST_F(PayerAccountsFileTest, ImportReplacesStoredAccountsAndFindsAccountsAtAnyDepth) {
    sql("insert into pay_acc (acc_no,acc_name,currency) values ('" + kNo1 + "','旧','14')");
    writeFile("deep.xml", "<?xml version=\"1.0\"?><Other><Group><Account><X><AccountNO>" +
                              kNo1.toUtf8() +
                              "</AccountNO></X><AccountName>新</AccountName></Account>"
                              "</Group></Other>");
    EXPECT_EQ(importFrom(path("deep.xml")).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(payers(), QStringList{kNo1 + "|新|01"});
    EXPECT_EQ(reloads_, 1);

    prompter_.clear();
    writeFile("none.xml", "<?xml version=\"1.0\"?><AccountSet/>");
    EXPECT_EQ(importFrom(path("none.xml")).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"导入付款账号完毕"});

    prompter_.clear();
    writeFile("broken.xml", "<AccountSet><Account>");
    EXPECT_EQ(importFrom(path("broken.xml")).status, FileCommandOutcome::Status::Stopped);
    EXPECT_EQ(importFrom(path("missing.xml")).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{"文件读写错误，导入付款账号失败"});
    EXPECT_EQ(payers(), QStringList{kNo1 + "|新|01"});
}

TEST_F(PayerAccountsFileTest, AFailingInsertKeepsTheRowItWouldHaveReplaced) {
    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo1 + "','旧')");
    sql("create trigger refuse before insert on pay_acc when new.acc_name='坏' begin select "
        "raise(abort,'refused'); end");
    const QString file = accountSet({{kNo1, "坏"}});
    EXPECT_EQ(importFrom(file).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts().last(), "导入付款账号发生错误[" + kNo1 + "]");
    EXPECT_EQ(payers(), QStringList{kNo1 + "|旧|01"});
}

TEST_F(PayerAccountsFileTest, ExportRefusesWhatGbkCannotHoldBeforeWriting) {
    sql("insert into pay_acc (acc_no,acc_name) values ('" + kNo1 + "','笑😀')");
    const QString file = path("emoji.xml");
    writeFile("emoji.xml", "old");
    EXPECT_EQ(exportTo(file).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(),
              QStringList{"付款账号[" + kNo1 +
                          "]的“户名”含有GBK编码无法表示的字符“😀”，导出付款账号失败"});
    EXPECT_EQ(bytes(file), "old");
}

TEST_F(PayerAccountsFileTest, AnEmptyKeyDoesNotHideTheList) {
    sql("insert into pay_acc (acc_no,acc_name) values ('','无号'),('" + kNo1 + "','甲')");
    const QString file = path("keys.xml");
    EXPECT_EQ(exportTo(file).status, FileCommandOutcome::Status::Done);
    EXPECT_TRUE(bytes(file).contains("<AccountNO>" + kNo1.toUtf8() + "</AccountNO>"));

    RefList empty = PayerAccounts::makeList();
    prompter_.clear();
    PayerAccounts::exportFile(messages_, empty, [] { return QStringLiteral("/nonexistent"); });
    EXPECT_EQ(prompter_.texts(), QStringList{"没有记录可以导出"});
    EXPECT_TRUE(prompter_.choosers().empty());
}

} // namespace
