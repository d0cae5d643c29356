#pragma once

#include <QTableView>

// A grid whose first column stays in place while the other columns scroll sideways: a second
// view over the same model and selection shows column 0 on top of the grid's left edge.
// Clicks, double-clicks and context menu requests on that column reach the grid's own signals.
class FixedColumnTable : public QTableView {
public:
    explicit FixedColumnTable(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The view that shows the fixed column.
    QTableView* fixedColumn() const { return fixed_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void showFirstColumnOnly();
    void placeFixedColumn();

    QTableView* fixed_;
};
