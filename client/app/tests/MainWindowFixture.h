#pragma once

#include "app/frmMain.h"
#include "config/SharedConfig.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/TempProgramFolder.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include <memory>

// A program folder in a temporary directory with a copy of the delivered database, a record store
// on it, a scripted prompter, and the main window opened on them.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = folder();
    }
    void TearDown() override {
        window_.reset();
        db_.reset();
        sharedConfig() = SharedConfig{};
    }

    QString folder() const { return home_.folder(); }

    frmMain& open() {
        window_.reset();
        db_ = std::make_unique<DBAccess>(folder(), prompter_);
        window_ = std::make_unique<frmMain>(*db_, prompter_);
        return *window_;
    }

    template <class T> T* find(const char* name) const {
        T* found = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QAction* menu(const char* name) const { return find<QMenu>(name)->menuAction(); }

    // Statements on the database file itself, beside the record store.
    void sql(const QString& statement) const { home_.sql(statement); }
    int count(const QString& table) const { return home_.count(table); }
    void addPayments(int n) const {
        for (int i = 0; i < n; ++i)
            sql(QByteArray("insert into payment(serial_no, pay_acc_no, pay_acc_name, rec_acc_type, "
                           "rec_acc_no, rec_acc_name, pay_amt, remit_type) values('2024010112000000"
                           "00000") +
                QByteArray::number(i) + "', '1001', '甲', '00', '2002', '乙', 10.5, '0')");
    }
    void addPayroll(int n) const {
        for (int i = 0; i < n; ++i)
            sql(QByteArray("insert into laborage(serial_no, acc_no, acc_name, pay_amount, remark) "
                           "values('202401011200000000000") +
                QByteArray::number(i) + "', '62220" + QByteArray::number(i) + "', '丙', 100, '')");
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
    ScriptedPrompter prompter_;
    std::unique_ptr<DBAccess> db_;
    std::unique_ptr<frmMain> window_;
};
