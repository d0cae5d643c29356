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
class PaymentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = folder();
        db_ = std::make_unique<DBAccess>(folder(), prompter_);
    }
    void TearDown() override {
        db_.reset();
        sharedConfig() = SharedConfig{};
    }

    QString folder() const { return home_.folder(); }
    QString path(const char* name) const { return home_.path(QLatin1String(name)); }
    void sql(const QString& statement) const { home_.sql(statement); }
    QStringList rows(const QString& query) const { return home_.rows(query); }
    int count(const QString& table) const { return home_.count(table); }

    // One instruction, stored as the editor stores it.
    void addPayment(const QString& serial, const QString& kind, const QString& recAcc,
                    const QString& amount, const QString& remark = QStringLiteral("货款"),
                    const QString& remit = QStringLiteral("0")) const {
        sql(QStringLiteral("insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,"
                           "rec_acc_no,rec_acc_name,rec_bank_name,same_city_liquidate_no,province,"
                           "city,presentBankNo,pay_amt,remark,user_remark,remit_type) values "
                           "('%1','622200001111','澄川贸易有限公司','%2','%3','收款人%3',"
                           "'%4','%5','%6','%7','%8','%9','%10','','%11')")
                .arg(serial, kind, recAcc, kind == "00" ? "澄川银行" : "工商银行",
                     kind == "01" ? "102" : "", kind == "02" ? "广东省" : "",
                     kind == "02" ? "广州市" : "", kind == "02" ? "102581000013" : "", amount)
                .arg(remark, remit));
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
    ScriptedPrompter prompter_;
    ClientMessages messages_{prompter_};
    std::unique_ptr<DBAccess> db_;
};
