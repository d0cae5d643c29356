#pragma once

#include "store/Prompter.h"
#include "store/RecordSet.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantList>

#include <optional>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

// The database could not be opened: the "Database error" box has been shown and the program
// must end. Caught at the program's edge.
class DatabaseUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A transaction command failed; it goes to the caller as an error.
class TransactionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one gateway to the client's database file "userdb.db" in the program folder. Statements
// keep their texts, but every value travels as a bound parameter ("?"), so a value can never
// change what a statement does and names with quotes are stored intact.
class DBAccess {
public:
    static constexpr const char* kFileName = "userdb.db";

    // Connects at once; throws DatabaseUnavailable when the file cannot be opened.
    DBAccess(const QString& programFolder, Prompter& prompter);
    ~DBAccess();
    DBAccess(const DBAccess&) = delete;
    DBAccess& operator=(const DBAccess&) = delete;

    void Connect();
    void Disconnect();
    bool isConnected() const { return db_ != nullptr; }

    // Nothing for an empty text (no message) or a failed statement ("SQL error" shown).
    std::optional<RecordSet> Query(const QString& sql, const QVariantList& params = {});

    // Three names for one action: run one data-changing statement. False for an empty text or a
    // failed statement ("SQL error" shown); a statement matching no row is still true.
    bool Update(const QString& sql, const QVariantList& params = {});
    bool Delete(const QString& sql, const QVariantList& params = {});
    bool Insert(const QString& sql, const QVariantList& params = {});

    void BeginTrans();
    void Commit();
    void Rollback();

    QString databasePath() const { return path_; }

private:
    static constexpr qsizetype kStatementCacheSize = 64;

    std::optional<RecordSet> run(const QString& sql, const QVariantList& params);
    sqlite3_stmt* prepared(const QString& sql);
    void forgetStatements();
    bool change(const QString& sql, const QVariantList& params);
    void transactionCommand(const char* sql);
    // The box text for a database file that exists but cannot be used: Chinese, naming the file,
    // with the engine's own words after it.
    QString unusableFile(const QString& engineText) const;
    [[noreturn]] void failConnect(const QString& description);
    void reportSqlError(const QString& description);

    QString path_;
    Prompter& prompter_;
    sqlite3* db_ = nullptr;
    QHash<QByteArray, sqlite3_stmt*> statements_;
};
