#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace {

// A program folder holding a copy of the delivered database.
class DBAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        folder = home.path() + '/';
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("PSD_USERDB"), folder + "userdb.db"));
    }

    int count(DBAccess& db, const QString& sql) {
        auto rows = db.Query(sql);
        return rows ? rows->value(0, 0).toInt() : -1;
    }

    QTemporaryDir home;
    QString folder;
    ScriptedPrompter prompter;
};

TEST_F(DBAccessTest, EmptyStatementsAreNoErrorsAndShowNothing) {
    DBAccess db(folder, prompter);
    EXPECT_FALSE(db.Query("").has_value());
    EXPECT_FALSE(db.Update(""));
    EXPECT_FALSE(db.Delete(""));
    EXPECT_FALSE(db.Insert(""));
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(DBAccessTest, FailedStatementShowsSqlErrorAndChangesNothing) {
    DBAccess db(folder, prompter);
    EXPECT_FALSE(db.Insert("insert into nosuchtable values ('1')"));
    EXPECT_FALSE(db.Query("select frm user_remark").has_value());
    ASSERT_EQ(prompter.boxes().size(), 2u);
    for (const auto& box : prompter.boxes()) {
        EXPECT_EQ(box.title, "SQL error");
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_FALSE(box.text.isEmpty());
    }
    EXPECT_TRUE(prompter.boxes()[0].text.contains("nosuchtable"));
    EXPECT_EQ(count(db, "select count(*) from user_remark"), 0);
}

TEST_F(DBAccessTest, StatementFailingHalfwayLeavesNoRowBehind) {
    DBAccess db(folder, prompter);
    // The first row is new, the second repeats a key: the whole statement is undone.
    EXPECT_FALSE(db.Insert("insert into tran_acc_type (tran_type, tran_desc) values (?, ?), (?, ?)",
                           {"09", "新", "00", "重复"}));
    ASSERT_EQ(prompter.boxes().size(), 1u);
    EXPECT_EQ(prompter.boxes()[0].title, "SQL error");
    EXPECT_TRUE(prompter.boxes()[0].text.contains("UNIQUE"))
        << prompter.boxes()[0].text.toStdString();
    EXPECT_EQ(count(db, "select count(*) from tran_acc_type"), 3);
}

TEST_F(DBAccessTest, ValuesWithQuotesAreStoredIntactAndNeverChangeTheStatement) {
    DBAccess db(folder, prompter);
    ASSERT_TRUE(db.Insert("insert into user_remark (remark) values (?)", {"工资'"}));
    ASSERT_TRUE(db.Insert("insert into user_remark (remark) values (?)", {"奖金"}));
    // A classic injection attempt deletes nothing but the row it names (none).
    ASSERT_TRUE(db.Delete("delete from user_remark where remark=?", {"x' or '1'='1"}));
    auto rows = db.Query("select remark from user_remark where remark=?", {"工资'"});
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->text("REMARK"), "工资'");
    EXPECT_EQ(count(db, "select count(*) from user_remark"), 2);
}

TEST_F(DBAccessTest, OnlyOneStatementRunsPerCall) {
    DBAccess db(folder, prompter);
    EXPECT_FALSE(db.Update("delete from acc_currency; delete from remit_type"));
    EXPECT_EQ(prompter.boxes().size(), 1u);
    EXPECT_GT(count(db, "select count(*) from acc_currency"), 0);
}

TEST_F(DBAccessTest, RepeatedStatementsStayCorrectAcrossFailuresAndReconnects) {
    DBAccess db(folder, prompter);
    const QString insert =
        "insert into laborage (serial_no, acc_name, pay_amount) values (?, ?, ?)";
    ASSERT_TRUE(db.Insert(insert, {"1", "甲", "1.10"}));
    EXPECT_FALSE(db.Insert(insert, {"1", "重复", "9.99"})); // same key: refused
    EXPECT_FALSE(db.Insert(insert, {"2"}));                 // too few values: refused
    ASSERT_TRUE(db.Insert(insert, {"2", "乙", "2.20"}));
    db.Disconnect();
    ASSERT_TRUE(db.Insert(insert, {"3", QVariant(), "3.30"}));
    // Many different texts: older ones are dropped from the cache and prepared again.
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(db.Query(QStringLiteral("select %1 from laborage").arg(i)));
    ASSERT_TRUE(db.Insert(insert, {"4", "丁", "4.40"}));
    auto rows = db.Query("select serial_no, acc_name, pay_amount from laborage order by serial_no");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->rowCount(), 4);
    EXPECT_EQ(rows->text("acc_name"), "甲");
    EXPECT_FALSE(rows->value(2, "acc_name").isValid()); // a null stays null
    EXPECT_EQ(rows->value(3, "acc_name").toString(), "丁");
    EXPECT_DOUBLE_EQ(rows->value(1, "pay_amount").toDouble(), 2.2);
    EXPECT_EQ(prompter.boxes().size(), 2u);
}

TEST_F(DBAccessTest, DeletingAMissingRowSucceeds) {
    DBAccess db(folder, prompter);
    EXPECT_TRUE(db.Delete("delete from payment where serial_no=?", {"none"}));
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(DBAccessTest, ResultSetsAreWalkedByChineseAliasAndRewound) {
    DBAccess db(folder, prompter);
    auto rows = db.Query("select tran_type as 代码, tran_desc as 名称 from tran_acc_type "
                         "order by tran_type");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->columns(), (QStringList{"代码", "名称"}));
    QStringList codes;
    for (; !rows->atEnd(); rows->moveNext())
        codes << rows->text("代码");
    EXPECT_EQ(codes, (QStringList{"00", "01", "02"}));
    EXPECT_FALSE(rows->value("代码").isValid());
    rows->moveFirst();
    EXPECT_EQ(rows->text("名称"), "行内");
    EXPECT_FALSE(rows->value("nosuchcolumn").isValid());
}

// Texts from a few bytes to more than a megabyte, so fetched texts fill their storage blocks,
// spill into new ones and exceed a block on their own.
TEST_F(DBAccessTest, FetchedCellsOfEveryKindComeBackIntactHoweverLargeTheResult) {
    DBAccess db(folder, prompter);
    auto rows = db.Query("with recursive n(i) as (select 1 union all select i + 1 from n "
                         "where i < 12) select i as 号, i * 0.5 as 半, null as 空, "
                         "i || '收' || hex(zeroblob(i * 50000)) || '终' as 文 from n");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->rowCount(), 12);
    for (int row = 0; row < 12; ++row) {
        const int i = row + 1;
        EXPECT_EQ(rows->value(row, "号").toLongLong(), i);
        EXPECT_EQ(rows->value(row, "半").toDouble(), i * 0.5);
        EXPECT_FALSE(rows->value(row, "空").isValid());
        const QString text = rows->text("文");
        EXPECT_EQ(text.size(), QString::number(i).size() + 2 + i * 100000) << "row " << i;
        EXPECT_TRUE(text.startsWith(QString::number(i) + "收")) << "row " << i;
        EXPECT_TRUE(text.endsWith("0终")) << "row " << i;
        rows->moveNext();
    }
}

TEST_F(DBAccessTest, PayerAccountWithoutCurrencyJoinsCurrency01) {
    DBAccess db(folder, prompter);
    ASSERT_TRUE(db.Insert("insert into pay_acc (acc_no, acc_name) values (?, ?)",
                          {"6222000011112222", "澄川实业有限公司"}));
    auto rows = db.Query("select p.acc_no as 账号, c.currency_name as 币种 from pay_acc p, "
                         "acc_currency c where p.currency = c.currency_id");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->text("币种"), "人民币");
}

TEST_F(DBAccessTest, AmountsGivenAsTextAreStoredAsNumbers) {
    DBAccess db(folder, prompter);
    ASSERT_TRUE(
        db.Insert("insert into laborage (serial_no, pay_amount) values (?, ?)", {"1", "1234.50"}));
    auto rows = db.Query("select pay_amount from laborage");
    ASSERT_TRUE(rows);
    EXPECT_DOUBLE_EQ(rows->value(0, 0).toDouble(), 1234.5);
}

TEST_F(DBAccessTest, RollbackUndoesAndCommitKeeps) {
    DBAccess db(folder, prompter);
    db.BeginTrans();
    ASSERT_TRUE(db.Insert("insert into user_remark (remark) values (?)", {"a"}));
    db.Rollback();
    EXPECT_EQ(count(db, "select count(*) from user_remark"), 0);
    db.BeginTrans();
    ASSERT_TRUE(db.Insert("insert into user_remark (remark) values (?)", {"b"}));
    db.Commit();
    db.Disconnect();
    DBAccess reopened(folder, prompter);
    EXPECT_EQ(count(reopened, "select count(*) from user_remark"), 1);
}

TEST_F(DBAccessTest, TransactionCommandsAfterDisconnectDoNothing) {
    DBAccess db(folder, prompter);
    db.Disconnect();
    EXPECT_NO_THROW(db.Commit());
    EXPECT_NO_THROW(db.Rollback());
    EXPECT_FALSE(db.isConnected());
    EXPECT_TRUE(db.Update("delete from user_remark")); // a statement connects again
    EXPECT_TRUE(db.isConnected());
}

TEST_F(DBAccessTest, UnopenableDatabasesShowDatabaseErrorAndThrow) {
    const auto writeFile = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto emptyDatabase = [](const QString& path) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "pragma user_version = 7", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    };
    const struct {
        const char* name;
        std::function<void(const QString&)> make; // leaves the file missing when empty
    } cases[] = {
        {"missing", {}},
        {"not a database",
         [&](const QString& path) {
             writeFile(path, QByteArray(4096, 'x'));
         }},
        {"empty file",
         [&](const QString& path) {
             writeFile(path, {});
         }},
        {"database without tables", emptyDatabase},
        {"a folder",
         [](const QString& path) {
             ASSERT_TRUE(QDir().mkpath(path));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir other;
        const QString otherFolder = other.path() + '/';
        if (c.make)
            c.make(otherFolder + "userdb.db");
        ScriptedPrompter boxes;
        EXPECT_THROW(DBAccess(otherFolder, boxes), DatabaseUnavailable);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].title, "Database error");
        EXPECT_EQ(boxes.boxes()[0].icon, MsgIcon::Critical);
        const QString& text = boxes.boxes()[0].text;
        EXPECT_TRUE(text.contains(otherFolder + "userdb.db")) << text.toStdString();
        EXPECT_TRUE(text.startsWith(c.make ? QStringLiteral("数据库文件无法打开或已损坏: ")
                                           : QStringLiteral("找不到数据库文件: ")))
            << text.toStdString();
        // SQLite must not have created the missing file.
        EXPECT_EQ(QFileInfo::exists(otherFolder + "userdb.db"), static_cast<bool>(c.make));
    }
}

} // namespace

TEST_F(DBAccessTest, ABriefLockByAnotherProgramIsWaitedOutFromTheFirstStatement) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "userdb.db").toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    std::promise<void> connecting;
    // Not a timing assertion: the lock is only released once the store is already trying.
    std::thread holder([&other, started = connecting.get_future()]() mutable {
        started.wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
    });
    connecting.set_value();
    bool opened = false;
    try {
        DBAccess db(folder, prompter);
        opened = db.isConnected();
    } catch (const DatabaseUnavailable&) {
    }
    holder.join();
    sqlite3_close(other);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(prompter.texts().isEmpty());
}
