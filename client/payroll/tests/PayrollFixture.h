#pragma once

#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/TempProgramFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A program folder with a copy of the delivered database, a record store on it and a scripted
// prompter.
class PayrollFixture : public ::testing::Test {
protected:
    void SetUp() override {
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = home_.folder();
        db_ = std::make_unique<DBAccess>(home_.folder(), prompter_);
    }
    void TearDown() override {
        db_.reset();
        sharedConfig() = SharedConfig{};
    }

    QString path(const char* name) const { return home_.path(QLatin1String(name)); }
    void sql(const QString& statement) const { home_.sql(statement); }
    QStringList rows(const QString& query) const { return home_.rows(query); }
    int count(const QString& table) const { return home_.count(table); }
    QStringList batch() const {
        return rows("select acc_no,acc_name,pay_amount,remark from laborage order by serial_no");
    }
    QStringList roster() const {
        return rows("select acc_no,acc_name,cert_type from person_payee_acc order by acc_no");
    }

    // One instruction, stored as the editor stores it.
    void addInstruction(const QString& serial, const QString& accNo, const QString& accName,
                        const QString& amount,
                        const QString& remark = QStringLiteral("工资")) const {
        sql(QStringLiteral("insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) "
                           "values ('%1','%2','%3','%4','%5')")
                .arg(serial, accNo, accName, amount, remark));
    }
    void addPerson(const QString& accNo, const QString& accName) const {
        sql(QStringLiteral("insert into person_payee_acc (acc_no,acc_name,cert_type,cert_code) "
                           "values ('%1','%2','1','110101199001011234')")
                .arg(accNo, accName));
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
    ScriptedPrompter prompter_;
    ClientMessages messages_{prompter_};
    std::unique_ptr<DBAccess> db_;
};
