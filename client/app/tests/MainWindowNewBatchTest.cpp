#include "app/tests/MainWindowFixture.h"

#include <QLabel>
#include <QTabWidget>

namespace {

const QString kAppTitle = QStringLiteral("澄川银行企业网上银行批量制单工具v1.2");
const QString kQuestion = QStringLiteral("原有数据将被全部清空，请确认是否要继续?");

struct Batch {
    int tab;
    const char* table;
    const char* failure;
};

const Batch kBatches[] = {
    {0, "payment", "无法新建批量支付数据,数据库发生错误"},
    {1, "laborage", "无法新建代发工资/代报销数据,数据库发生错误"},
};

class MainWindowNewBatch : public MainWindowFixture {
protected:
    void fill(const Batch& batch, int rows) const {
        if (batch.tab == 0)
            addPayments(rows);
        else
            addPayroll(rows);
    }
    void openOn(const Batch& batch) {
        open();
        find<QTabWidget>("SSTabMain")->setCurrentIndex(batch.tab);
    }
    QString shownCount() const { return find<QLabel>("StatusBar1_Panel2")->text(); }
};

TEST_F(MainWindowNewBatch, EmptyListIsClearedWithoutAsking) {
    for (const Batch& batch : kBatches) {
        SCOPED_TRACE(batch.table);
        openOn(batch);
        // Rows added behind the shown list: the question follows the list, the delete the table.
        fill(batch, 2);
        action("menuNew")->trigger();
        EXPECT_TRUE(prompter_.boxes().empty());
        EXPECT_EQ(count(batch.table), 0);
    }
}

TEST_F(MainWindowNewBatch, ConfirmedClearEmptiesTheBatch) {
    for (const Batch& batch : kBatches) {
        SCOPED_TRACE(batch.table);
        fill(batch, 3);
        openOn(batch);
        ASSERT_EQ(shownCount(), QStringLiteral("3"));
        prompter_.clear();
        prompter_.answer(MsgAnswer::Ok);
        action("mainToolbar_Button1")->trigger();
        ASSERT_EQ(prompter_.boxes().size(), 1u);
        const ScriptedPrompter::Box& box = prompter_.boxes().front();
        EXPECT_EQ(box.title, kAppTitle);
        EXPECT_EQ(box.text, kQuestion);
        EXPECT_EQ(box.icon, MsgIcon::Question);
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
        EXPECT_EQ(count(batch.table), 0);
        EXPECT_EQ(shownCount(), QStringLiteral("0"));
    }
}

TEST_F(MainWindowNewBatch, CancelLeavesTheBatch) {
    for (const Batch& batch : kBatches) {
        SCOPED_TRACE(batch.table);
        fill(batch, 2);
        openOn(batch);
        prompter_.clear();
        prompter_.answer(MsgAnswer::Cancel);
        action("menuNew")->trigger();
        EXPECT_EQ(prompter_.texts(), QStringList{kQuestion});
        EXPECT_EQ(count(batch.table), 2);
        EXPECT_EQ(shownCount(), QStringLiteral("2"));
        sql(QByteArray("delete from ") + batch.table);
    }
}

TEST_F(MainWindowNewBatch, FailedClearShowsItsMessageAndReloads) {
    for (const Batch& batch : kBatches) {
        SCOPED_TRACE(batch.table);
        fill(batch, 2);
        sql(QByteArray("create trigger keep_") + batch.table + " before delete on " + batch.table +
            " begin select raise(abort, 'kept'); end");
        openOn(batch);
        prompter_.clear();
        prompter_.answer(MsgAnswer::Ok);
        action("menuNew")->trigger();
        ASSERT_EQ(prompter_.boxes().size(), 3u);
        EXPECT_EQ(prompter_.boxes()[0].text, kQuestion);
        EXPECT_EQ(prompter_.boxes()[1].title, QStringLiteral("SQL error"));
        EXPECT_EQ(prompter_.boxes()[1].icon, MsgIcon::Critical);
        const ScriptedPrompter::Box& failure = prompter_.boxes()[2];
        EXPECT_EQ(failure.title, kAppTitle);
        EXPECT_EQ(failure.text, QString::fromUtf8(batch.failure));
        EXPECT_EQ(failure.icon, MsgIcon::None);
        EXPECT_EQ(failure.buttons, MsgButtons::Ok);
        EXPECT_EQ(count(batch.table), 2);
        EXPECT_EQ(shownCount(), QStringLiteral("2"));
    }
}

TEST_F(MainWindowNewBatch, ClearingOneBatchLeavesTheOther) {
    addPayments(2);
    addPayroll(2);
    openOn(kBatches[1]);
    prompter_.answer(MsgAnswer::Ok);
    action("menuNew")->trigger();
    EXPECT_EQ(count("laborage"), 0);
    EXPECT_EQ(count("payment"), 2);
}

TEST_F(MainWindowNewBatch, ExitDisconnectsAndClosesTheWindow) {
    frmMain& window = open();
    window.show();
    action("menuExit")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(db_->isConnected());
}

} // namespace
