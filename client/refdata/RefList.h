#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

class DBAccess;

// A reference list as its tab's grid shows it: a header row, then one row per listed record
// with its running number in column 0 and the trimmed values of the list query's columns, which
// the query names after the headers. An empty list still shows one blank row.
class RefList {
public:
    // headers: "序号" first, then the list query's column names.
    explicit RefList(QStringList headers);

    // Reruns the query; a failed query lists nothing.
    void reload(DBAccess& db, const QString& query);
    void clear() { rows_.clear(); }

    const QStringList& headers() const { return headers_; }
    int columnCount() const { return static_cast<int>(headers_.size()); }
    // Listed records. Emptiness is decided by this count, never by a blank first key: a record
    // stored with an empty key still sorts first and must stay reachable.
    qsizetype size() const { return static_cast<qsizetype>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    // Rows of the grid, the header row included (at least 2).
    qsizetype gridRowCount() const { return 1 + std::max<qsizetype>(1, size()); }
    // By grid position: row 1 is the first record, column 0 its number; "" outside the list.
    QString cell(qsizetype row, int column) const;

private:
    QStringList headers_;
    std::vector<QStringList> rows_;
};

// The trimmed count of a "select count(...) as totalNum" statement; nothing when the
// statement fails.
std::optional<QString> countText(DBAccess& db, const QString& countQuery);
