#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QString>

#include <string>

namespace {

// Reads the delivered database directly, as shipped.
class DeliveredDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        const QByteArray path = qgetenv("PSD_USERDB");
        ASSERT_EQ(sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    }
    void TearDown() override { sqlite3_close(db); }

    std::string scalar(const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        std::string out;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0))
            out = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
        return out;
    }

    sqlite3* db = nullptr;
};

TEST_F(DeliveredDatabase, WorkingAndReferenceTablesAreEmpty) {
    for (const char* table :
         {"payment", "laborage", "pay_acc", "payee_acc", "person_payee_acc", "user_remark"}) {
        SCOPED_TRACE(table);
        EXPECT_EQ(scalar(("select count(*) from " + std::string(table)).c_str()), "0");
    }
}

TEST_F(DeliveredDatabase, CodeTablesHoldWhatTheProgramReliesOn) {
    EXPECT_EQ(scalar("select currency_name from acc_currency where currency_id='01'"), "人民币");
    EXPECT_EQ(scalar("select cert_desc from cert_type order by cert_type"), "居民身份证");
    // The program stores list positions, so the codes must run 1..n.
    EXPECT_EQ(scalar("select min(cert_type) = 1 and max(cert_type) = count(*) from cert_type"),
              "1");
    EXPECT_EQ(scalar("select group_concat(tran_type || tran_desc, ',') from "
                     "(select * from tran_acc_type order by tran_type)"),
              "00行内,01跨行同城,02跨行异地");
    EXPECT_EQ(scalar("select group_concat(remit_type_no || remit_type, ',') from "
                     "(select * from remit_type order by remit_type_no)"),
              "0普通,1加急");
    EXPECT_EQ(scalar("select count(*) from province"), "34");
}

TEST_F(DeliveredDatabase, HoldsOnePasswordRow) {
    EXPECT_EQ(scalar("select count(*) from logon_info"), "1");
}

TEST_F(DeliveredDatabase, PayerAccountsDefaultToCurrency01) {
    EXPECT_EQ(scalar("select dflt_value from pragma_table_info('pay_acc') where name='currency'"),
              "'01'");
}

} // namespace
