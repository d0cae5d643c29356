#include "refdata/RefTabParts.h"

#include "page/FixedColumnTable.h"
#include "page/GridTableModel.h"
#include "page/InstructionDialog.h"
#include "page/StatusPanels.h"
#include "refdata/RefList.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace RefTabParts {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kButtonsPerRow = 3;

QString updateNotice() {
    return QStringLiteral("修改：单击左列您要修改的纪录（该条纪录变蓝色），然后在右边输入框中修改。"
                          "修改完毕后，点击“修改”按钮，再点击“确定”按钮保存。");
}

QString deleteNotice() {
    return QStringLiteral(
        "删除：单击左列您要删除的纪录（该条纪录变蓝色），点击“删除”按钮，再点击“确定”按钮保存。");
}

} // namespace

GridTableModel* makeRefModel(const RefList& list, QObject* parent) {
    return new GridTableModel({[&list] { return list.gridRowCount(); },
                               [&list] { return list.columnCount(); },
                               [&list](int column) { return list.headers()[column]; },
                               [&list](qsizetype row, int column) {
                                   return list.empty() ? QString() : list.cell(row, column);
                               },
                               {}},
                              parent);
}

QTableView* makeGrid(QWidget* parent, const QString& name, GridTableModel* model,
                     const std::function<void(int row)>& clicked) {
    auto* grid = new FixedColumnTable(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    // Tab leaves the grid for the form, as Enter on a row loads it there.
    grid->setTabKeyNavigation(false);
    const auto onRow = [clicked](const QModelIndex& index) {
        if (index.isValid())
            clicked(index.row() + 1);
    };
    QObject::connect(grid, &QTableView::clicked, parent, onRow);
    QObject::connect(grid, &QTableView::activated, parent, onRow);
    return grid;
}

void fitColumns(QTableView* grid, const std::vector<int>& twips) {
    for (int column = 0; column < static_cast<int>(twips.size()); ++column) {
        grid->resizeColumnToContents(column);
        grid->setColumnWidth(column, std::max(twips[static_cast<size_t>(column)] / kTwipsPerPixel,
                                              grid->columnWidth(column)));
    }
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* makeNotice(QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = makeLabel(parent, name, text);
    label->setWordWrap(true);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const std::function<void()>& run) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, parent, run);
    return button;
}

QGridLayout* layoutTab(QWidget* page, const QString& prefix, QTableView* grid,
                       const std::vector<QWidget*>& belowForm,
                       const std::vector<QPushButton*>& buttons) {
    page->setObjectName(prefix + QStringLiteral("Page"));
    auto* frame = new QFrame(page);
    frame->setObjectName(prefix + QStringLiteral("Frame"));
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    for (QWidget* widget : belowForm)
        side->addWidget(widget);
    auto* buttonRows = new QGridLayout;
    for (int column = 0; column < kButtonsPerRow; ++column)
        buttonRows->setColumnStretch(column, 1);
    const int count = static_cast<int>(buttons.size());
    for (int i = 0; i < count; ++i) {
        // The last button takes what is left of its row: the long export captions fit.
        const int span = i == count - 1 ? kButtonsPerRow - i % kButtonsPerRow : 1;
        buttonRows->addWidget(buttons[static_cast<size_t>(i)], i / kButtonsPerRow,
                              i % kButtonsPerRow, 1, span);
    }
    side->addLayout(buttonRows);
    side->addStretch(1);
    auto* sideWidget = new QWidget;
    sideWidget->setLayout(side);
    // A window smaller than the form scrolls it instead of squeezing its boxes.
    auto* sideArea = new QScrollArea(frame);
    sideArea->setObjectName(prefix + QStringLiteral("Form"));
    sideArea->setWidget(sideWidget);
    sideArea->setWidgetResizable(true);
    sideArea->setFrameShape(QFrame::NoFrame);
    sideArea->setFocusPolicy(Qt::NoFocus);
    sideArea->viewport()->setAutoFillBackground(false);
    sideWidget->setAutoFillBackground(false);
    sideArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideArea->setMinimumWidth(350);
    sideArea->setMaximumWidth(440);
    auto* inside = new QHBoxLayout(frame);
    grid->setParent(frame);
    inside->addWidget(grid, 1);
    inside->addWidget(sideArea);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    return form;
}

std::vector<QWidget*> editNotices(QWidget* parent, const QString& prefix, int first) {
    const QString name = prefix + QStringLiteral("lblNotice");
    return {makeNotice(parent, name + QString::number(first), updateNotice()),
            makeNotice(parent, name + QString::number(first + 1), deleteNotice())};
}

QLabel* addFormRow(QWidget* parent, QGridLayout* form, const char* labelName, const char* caption,
                   QWidget* field) {
    QLabel* label = makeLabel(parent, QLatin1String(labelName), QString::fromUtf8(caption));
    const int line = form->rowCount();
    form->addWidget(label, line, 0);
    form->addWidget(field, line, 1);
    return label;
}

namespace {

// Watches a tab's fields: Enter in one moves the focus to the next shown, enabled one with its text
// selected. A box of choices is watched like a text box, or the row would stop there; options are
// left by Enter but never landed on, so the options of one choice are a single stop.
class EnterChain : public QObject {
public:
    EnterChain(std::vector<QWidget*> fields, QObject* parent)
        : QObject(parent)
        , fields_(std::move(fields)) {
        for (QWidget* field : fields_)
            field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const auto at = std::find(fields_.begin(), fields_.end(), watched);
        if (at == fields_.end())
            return false;
        for (auto next = at + 1; next != fields_.end(); ++next) {
            QWidget* target = *next;
            if (!target->isVisibleTo(target->window()) || !target->isEnabled() ||
                qobject_cast<QAbstractButton*>(target))
                continue;
            focusAndSelect(target);
            return true;
        }
        return false;
    }

private:
    std::vector<QWidget*> fields_;
};

} // namespace

void chainEnter(const std::vector<QWidget*>& fields) {
    new EnterChain(fields, fields.front());
}

void showCount(StatusPanels& status, DBAccess& db, const QString& countQuery) {
    status.clearPanels();
    if (const std::optional<QString> count = countText(db, countQuery)) {
        status.setPanel(1, QStringLiteral("总笔数"));
        status.setPanel(2, *count);
    }
}

} // namespace RefTabParts
