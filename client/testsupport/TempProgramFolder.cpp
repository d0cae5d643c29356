#include "testsupport/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The database file opened for one statement and closed again.
class Handle {
public:
    explicit Handle(const QString& path) {
        EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db_), SQLITE_OK) << path.toStdString();
    }
    ~Handle() { sqlite3_close(db_); }
    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

TempProgramFolder::TempProgramFolder(const QString& deliveredDatabase) {
    EXPECT_TRUE(dir_.isValid());
    EXPECT_TRUE(QFile::copy(deliveredDatabase, database())) << deliveredDatabase.toStdString();
    QFile::setPermissions(database(), QFile::ReadOwner | QFile::WriteOwner);
}

void TempProgramFolder::sql(const QString& statement) const {
    const Handle handle(database());
    char* error = nullptr;
    const int rc =
        sqlite3_exec(handle.get(), statement.toUtf8().constData(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << statement.toStdString();
    sqlite3_free(error);
}

QStringList TempProgramFolder::rows(const QString& query) const {
    const Handle handle(database());
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(handle.get(), query.toUtf8().constData(), -1, &stmt, nullptr),
              SQLITE_OK)
        << query.toStdString();
    QStringList out;
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
    return out;
}

int TempProgramFolder::count(const QString& table) const {
    const QStringList found = rows(QStringLiteral("select count(*) from ") + table);
    return found.isEmpty() ? -1 : found.first().toInt();
}
