#include "store/DBAccess.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <cstdlib>

namespace {

// Resets a cached statement when a run ends, however it ends.
struct StatementRun {
    sqlite3_stmt* handle;
    ~StatementRun() {
        sqlite3_reset(handle);
        sqlite3_clear_bindings(handle);
    }
};

void appendColumn(RecordSet& rows, sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        rows.appendInteger(sqlite3_column_int64(stmt, column));
        break;
    case SQLITE_FLOAT:
        rows.appendReal(sqlite3_column_double(stmt, column));
        break;
    case SQLITE_NULL:
        rows.appendNull();
        break;
    default:
        rows.appendText(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                        sqlite3_column_bytes(stmt, column));
    }
}

int bind(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                                 SQLITE_TRANSIENT);
    }
    }
}

} // namespace

DBAccess::DBAccess(const QString& programFolder, Prompter& prompter)
    : path_(programFolder + kFileName)
    , prompter_(prompter) {
    Connect();
}

DBAccess::~DBAccess() {
    Disconnect();
}

void DBAccess::Connect() {
    if (db_)
        return;
    // SQLite would quietly create a missing file; a missing database is an error here.
    if (!QFileInfo::exists(path_))
        failConnect(QStringLiteral("找不到数据库文件: %1").arg(path_));
    if (!QFileInfo(path_).isFile())
        failConnect(unusableFile(QStringLiteral("not a file")));
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString description =
            unusableFile(QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        sqlite3_close(db);
        failConnect(description);
    }
    // Before the first statement: a brief lock by another program is waited out from the start.
    sqlite3_busy_timeout(db, 5000);
    // Opening is lazy: reading the schema proves the file really is a database, and an empty
    // file (which SQLite takes for an empty database) holds no tables.
    int tables = 0;
    char* error = nullptr;
    const auto countTables = [](void* count, int, char** values, char**) {
        *static_cast<int*>(count) = values[0] ? std::atoi(values[0]) : 0;
        return 0;
    };
    if (sqlite3_exec(db, "select count(*) from sqlite_master", countTables, &tables, &error) !=
            SQLITE_OK ||
        tables == 0) {
        const QString description =
            unusableFile(QString::fromUtf8(error ? error : sqlite3_errstr(SQLITE_NOTADB)));
        sqlite3_free(error);
        sqlite3_close(db);
        failConnect(description);
    }
    db_ = db;
}

QString DBAccess::unusableFile(const QString& engineText) const {
    return QStringLiteral("数据库文件无法打开或已损坏: %1 (%2)").arg(path_, engineText);
}

void DBAccess::failConnect(const QString& description) {
    prompter_.message(QStringLiteral("Database error"), description, MsgIcon::Critical);
    throw DatabaseUnavailable(description.toStdString());
}

void DBAccess::Disconnect() {
    if (!db_)
        return;
    forgetStatements();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void DBAccess::reportSqlError(const QString& description) {
    prompter_.message(QStringLiteral("SQL error"), description, MsgIcon::Critical);
}

void DBAccess::forgetStatements() {
    for (sqlite3_stmt* stmt : std::as_const(statements_))
        sqlite3_finalize(stmt);
    statements_.clear();
}

sqlite3_stmt* DBAccess::prepared(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_stmt* cached = statements_.value(text))
        return cached;
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &stmt, &tail) !=
        SQLITE_OK) {
        reportSqlError(QString::fromUtf8(sqlite3_errmsg(db_)));
        return nullptr;
    }
    // One statement per call: trailing text would otherwise be silently ignored.
    if (!stmt || !QByteArray(tail).trimmed().isEmpty()) {
        sqlite3_finalize(stmt);
        reportSqlError(QStringLiteral("只能执行一条语句: %1").arg(sql));
        return nullptr;
    }
    // Callers repeat a handful of texts (a loader runs the same insert for every record), so
    // keeping them prepared saves most of the work; the bound keeps odd callers from piling up.
    if (statements_.size() >= kStatementCacheSize)
        forgetStatements();
    statements_.insert(text, stmt);
    return stmt;
}

std::optional<RecordSet> DBAccess::run(const QString& sql, const QVariantList& params) {
    Connect();
    sqlite3_stmt* stmt = prepared(sql);
    if (!stmt)
        return std::nullopt;
    const StatementRun run{stmt};
    if (sqlite3_bind_parameter_count(stmt) != params.size()) {
        reportSqlError(QStringLiteral("参数个数不符: %1").arg(sql));
        return std::nullopt;
    }
    for (int i = 0; i < params.size(); ++i) {
        if (bind(stmt, i + 1, params[i]) != SQLITE_OK) {
            reportSqlError(QString::fromUtf8(sqlite3_errmsg(db_)));
            return std::nullopt;
        }
    }
    const int columnCount = sqlite3_column_count(stmt);
    QStringList columns;
    for (int c = 0; c < columnCount; ++c)
        columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
    RecordSet rows(std::move(columns));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < columnCount; ++c)
            appendColumn(rows, stmt, c);
    }
    if (rc != SQLITE_DONE) {
        reportSqlError(QString::fromUtf8(sqlite3_errmsg(db_)));
        return std::nullopt;
    }
    return rows;
}

std::optional<RecordSet> DBAccess::Query(const QString& sql, const QVariantList& params) {
    Connect();
    if (sql.isEmpty())
        return std::nullopt;
    return run(sql, params);
}

bool DBAccess::change(const QString& sql, const QVariantList& params) {
    Connect();
    if (sql.isEmpty())
        return false;
    return run(sql, params).has_value();
}

bool DBAccess::Update(const QString& sql, const QVariantList& params) {
    return change(sql, params);
}
bool DBAccess::Delete(const QString& sql, const QVariantList& params) {
    return change(sql, params);
}
bool DBAccess::Insert(const QString& sql, const QVariantList& params) {
    return change(sql, params);
}

void DBAccess::transactionCommand(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string description = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw TransactionError(description);
    }
}

void DBAccess::BeginTrans() {
    Connect();
    transactionCommand("begin");
}

void DBAccess::Commit() {
    if (db_)
        transactionCommand("commit");
}

void DBAccess::Rollback() {
    if (db_)
        transactionCommand("rollback");
}
