#include "page/FixedColumnTable.h"

#include <QHeaderView>
#include <QScrollBar>

FixedColumnTable::FixedColumnTable(QWidget* parent)
    : QTableView(parent)
    , fixed_(new QTableView(this)) {
    fixed_->setObjectName(QStringLiteral("fixedColumn"));
    fixed_->setFocusPolicy(Qt::NoFocus);
    fixed_->setFrameShape(QFrame::NoFrame);
    fixed_->verticalHeader()->hide();
    fixed_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fixed_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Whole pixels on both views, so the fixed column's rows stay level with the grid's.
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    fixed_->setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(fixed_);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section == 0) {
                    fixed_->setColumnWidth(0, size);
                    placeFixedColumn();
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { fixed_->setRowHeight(section, size); });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, fixed_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(fixed_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(fixed_, &QTableView::clicked, this, &QTableView::clicked);
    connect(fixed_, &QTableView::activated, this, &QTableView::activated);
    connect(fixed_, &QTableView::doubleClicked, this, &QTableView::doubleClicked);
    connect(fixed_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (contextMenuPolicy() == Qt::CustomContextMenu)
            emit customContextMenuRequested(
                viewport()->mapFromGlobal(fixed_->viewport()->mapToGlobal(at)));
    });
}

void FixedColumnTable::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    fixed_->setModel(model);
    fixed_->setSelectionModel(selectionModel());
    // A reset model brings every column back into the fixed view.
    connect(model, &QAbstractItemModel::modelReset, this, &FixedColumnTable::showFirstColumnOnly);
    connect(model, &QAbstractItemModel::columnsInserted, this,
            &FixedColumnTable::showFirstColumnOnly);
    showFirstColumnOnly();
}

void FixedColumnTable::showFirstColumnOnly() {
    if (!model())
        return;
    fixed_->setSelectionBehavior(selectionBehavior());
    fixed_->setSelectionMode(selectionMode());
    for (int column = 1; column < model()->columnCount(); ++column)
        fixed_->setColumnHidden(column, true);
    fixed_->setColumnWidth(0, columnWidth(0));
    fixed_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    placeFixedColumn();
}

void FixedColumnTable::placeFixedColumn() {
    const int left = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
    fixed_->setGeometry(left + frameWidth(), frameWidth(), columnWidth(0),
                        viewport()->height() + horizontalHeader()->height());
}

void FixedColumnTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeFixedColumn();
}

void FixedColumnTable::updateGeometries() {
    QTableView::updateGeometries();
    placeFixedColumn();
}

QModelIndex FixedColumnTable::moveCursor(CursorAction cursorAction,
                                         Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Moving left must not hide the new cell under the fixed column.
    if (cursorAction == MoveLeft && current.column() > 0 &&
        visualRect(current).left() < fixed_->columnWidth(0))
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                        visualRect(current).left() - fixed_->columnWidth(0));
    return current;
}

void FixedColumnTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
}
