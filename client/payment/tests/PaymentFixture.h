#pragma once

#include "ClientMessages.h"
#include "DBAccess.h"
#include "ScriptedPrompter.h"
#include "SharedConfig.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A program folder in a temporary directory holding a copy of the delivered database, a record
// store on it and a scripted prompter. The database is also read and written directly, beside the
// record store, so that tests see what the code under test really stored.
class PaymentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = folder();
        ASSERT_TRUE(QFile::copy(QStringLiteral(PSD_TEST_USERDB), folder() + "userdb.db"));
        QFile::setPermissions(folder() + "userdb.db", QFile::ReadOwner | QFile::WriteOwner);
        db_ = std::make_unique<DBAccess>(folder(), prompter_);
    }
    void TearDown() override {
        db_.reset();
        sharedConfig() = SharedConfig{};
    }

    QString folder() const { return dir_.path() + QStringLiteral("/"); }
    QString path(const char* name) const { return folder() + QLatin1String(name); }

    void sql(const QString& statement) const {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(QString(folder() + "userdb.db").toUtf8().constData(), &handle),
                  SQLITE_OK);
        char* error = nullptr;
        const int rc =
            sqlite3_exec(handle, statement.toUtf8().constData(), nullptr, nullptr, &error);
        EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << statement.toStdString();
        sqlite3_free(error);
        sqlite3_close(handle);
    }

    // Every row of a query, each as its columns' texts joined by "|".
    QStringList rows(const QString& query) const {
        QStringList out;
        sqlite3* handle = nullptr;
        sqlite3_open(QString(folder() + "userdb.db").toUtf8().constData(), &handle);
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(handle, query.toUtf8().constData(), -1, &stmt, nullptr),
                  SQLITE_OK)
            << query.toStdString();
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList columns;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* text = sqlite3_column_text(stmt, i);
                columns << (text ? QString::fromUtf8(reinterpret_cast<const char*>(text))
                                 : QStringLiteral("NULL"));
            }
            out << columns.join('|');
        }
        sqlite3_finalize(stmt);
        sqlite3_close(handle);
        return out;
    }
    int count(const QString& table) const {
        return rows("select count(*) from " + table).value(0).toInt();
    }

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

    QTemporaryDir dir_;
    ScriptedPrompter prompter_;
    ClientMessages messages_{prompter_};
    std::unique_ptr<DBAccess> db_;
};
