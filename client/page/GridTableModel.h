#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QString>

#include <functional>

// The grid of a tab's list, read in place: 100 000 rows cost no widget per cell. The list has a
// header row 0 and at least one row below it (a blank one when the list is empty); column 0 is
// the running number, drawn like a fixed header column.
class GridTableModel : public QAbstractTableModel {
public:
    struct Source {
        std::function<qsizetype()> gridRowCount; // the header row included
        std::function<int()> columnCount;
        std::function<QString(int column)> header;
        std::function<QString(qsizetype row, int column)> cell; // row 1 is the first below
        QSet<int> rightAligned;                                 // amounts
    };

    explicit GridTableModel(Source source, QObject* parent = nullptr);

    // Call after the list was reloaded or its headers changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    Source source_;
};

// The source of a list with fixed headers (`List::kHeaders`, `List::kColumns`).
template <class List>
GridTableModel::Source fixedHeaderGrid(const List& list, QSet<int> rightAligned = {}) {
    return {[&list] { return list.gridRowCount(); }, [] { return int(List::kColumns); },
            [](int column) { return List::kHeaders[static_cast<size_t>(column)]; },
            [&list](qsizetype row, int column) { return list.cell(row, column); },
            std::move(rightAligned)};
}
