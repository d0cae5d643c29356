#include "refdata/RefList.h"

#include "store/DBAccess.h"

RefList::RefList(QStringList headers)
    : headers_(std::move(headers)) {}

void RefList::reload(DBAccess& db, const QString& query) {
    rows_.clear();
    const std::optional<RecordSet> result = db.Query(query);
    if (!result)
        return;
    std::vector<int> sources;
    for (int column = 1; column < columnCount(); ++column)
        sources.push_back(result->columnIndex(headers_[column]));
    rows_.reserve(static_cast<size_t>(result->rowCount()));
    for (int row = 0; row < result->rowCount(); ++row) {
        QStringList cells;
        for (const int source : sources)
            cells << result->value(row, source).toString().trimmed();
        rows_.push_back(std::move(cells));
    }
}

QString RefList::cell(qsizetype row, int column) const {
    if (row < 1 || column < 0 || column >= columnCount())
        return {};
    if (column == 0)
        return QString::number(row);
    if (row > size())
        return {};
    return rows_[static_cast<size_t>(row - 1)][column - 1];
}

std::optional<QString> countText(DBAccess& db, const QString& countQuery) {
    const std::optional<RecordSet> result = db.Query(countQuery);
    if (!result || result->atEnd())
        return std::nullopt;
    return result->text(QStringLiteral("totalNum")).trimmed();
}
