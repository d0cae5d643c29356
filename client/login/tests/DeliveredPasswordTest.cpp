#include "login/Password.h"

#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The delivered database holds exactly one password row: the scrambled form of the initial
// password that the README names.
TEST(DeliveredPassword, IsTheScrambledInitialPassword) {
    sqlite3* db = nullptr;
    ASSERT_EQ(
        sqlite3_open_v2(qgetenv("PSD_USERDB").constData(), &db, SQLITE_OPEN_READONLY, nullptr),
        SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "select passwd from logon_info", -1, &stmt, nullptr),
              SQLITE_OK);
    QStringList rows;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    EXPECT_EQ(rows, QStringList{ScramblePassword(QStringLiteral("12345678"))});
}

} // namespace
