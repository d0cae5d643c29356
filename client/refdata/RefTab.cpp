#include "refdata/RefTab.h"

#include "config/QtFieldControl.h"
#include "page/GridTableModel.h"
#include "page/InstructionDialog.h"
#include "refdata/RefTabParts.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace RefTabParts;

RefTab::RefTab(DBAccess& db, Prompter& prompter, StatusPanels& status, RefList list,
               const QString& prefix, const QString& indexName, QWidget* parent)
    : TabPage(parent)
    , db_(db)
    , messages_(prompter)
    , status_(status)
    , list_(std::move(list))
    , model_(makeRefModel(list_, this))
    , grid_(makeGrid(this, prefix + QStringLiteral("DataGrid"), model_,
                     [this](int row) { gridClicked(row); }))
    , index_(makeLabel(this, indexName, {})) {}

void RefTab::clearList() {
    list_.clear();
    model_->refresh();
}

void RefTab::relist(const QString& countQuery, const std::function<void(RefList&)>& reload,
                    const std::vector<int>& twips) {
    index_->clear();
    showCount(status_, db_, countQuery);
    reload(list_);
    model_->refresh();
    fitColumns(grid_, twips);
}

qsizetype RefTab::selectedRow() const {
    const qsizetype row = index_->text().trimmed().toLongLong();
    return row >= 1 && row <= list_.size() ? row : 0;
}

qsizetype RefTab::rowToEdit(const QString& notSelected) {
    const qsizetype row = selectedRow();
    if (row == 0)
        messages_.show(notSelected);
    return row;
}

bool RefTab::checkFields(std::initializer_list<std::pair<QWidget*, int>> boxes) {
    for (const auto& [box, field] : boxes) {
        if (!CheckField(*box, field, messages_.prompter())) {
            focusAndSelect(box);
            return false;
        }
    }
    return true;
}

std::vector<QPushButton*> RefTab::editButtons(const QString& prefix, const Edits& edits) {
    return {
        makeButton(this, prefix + QStringLiteral("cmdReflush"), QStringLiteral("重置"),
                   edits.reset),
        makeButton(this, prefix + QStringLiteral("cmdAdd"), QStringLiteral("新增"), edits.add),
        makeButton(this, prefix + QStringLiteral("cmdUpdate"), QStringLiteral("修改"),
                   edits.update),
        makeButton(this, prefix + QStringLiteral("cmdDelete"), QStringLiteral("删除"),
                   edits.remove),
    };
}

void RefTab::gridClicked(int row) {
    if (list_.empty() || row < 1 || row > list_.size())
        return;
    index_->setText(QString::number(row));
    showRow(row);
}
