#include "payroll/LaborageTab.h"

#include "files/FileChoosers.h"
#include "page/FixedColumnTable.h"
#include "page/GridTableModel.h"
#include "payroll/LaborageEditing.h"
#include "payroll/PayrollFileCommands.h"
#include "payroll/frmLaborage.h"

#include <QHeaderView>
#include <QTableView>

#include <functional>

namespace {

// Wide enough for the headers and for 22-digit numbers; the serial column is never shown.
const int kColumnWidths[LaborageList::kColumns] = {48, 0, 200, 150, 130, 260};

} // namespace

LaborageTab::LaborageTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : BatchGridTab(QStringLiteral("代发工资/代报销(&L)"), status, parent)
    , db_(db)
    , messages_(prompter)
    , store_(db) {
    setUpGrid("Laborage_", fixedHeaderGrid(list_));
    grid_->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < LaborageList::kColumns; ++column)
        grid_->setColumnWidth(column, kColumnWidths[column]);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    grid_->setColumnHidden(LaborageList::kSerialColumn, true);
    buildPage("Laborage_", "menuLaborage",
              {{
                  {"menuNewLaborage", "Laborage_cmdNewBut",
                   std::bind_front(&LaborageTab::menuNewLaborage_Click, this)},
                  {"menuUpdateLaborage", "Laborage_cmdUpdateBut",
                   std::bind_front(&LaborageTab::menuUpdateLaborage_Click, this)},
                  {"menuDeleteLaborage", "Laborage_cmdDeleteBut",
                   std::bind_front(&LaborageTab::menuDeleteLaborage_Click, this)},
                  {"menuWriteLaborageFile", "Laborage_cmdWriteFileBut",
                   std::bind_front(&LaborageTab::menuWriteLaborageFile_Click, this)},
                  {nullptr, "Laborage_cmdLoadFileBut",
                   std::bind_front(&LaborageTab::cmdLoadLaborageFile_Click, this)},
              }});
}

void LaborageTab::resetLaborage() {
    list_.reload(db_);
    model_->refresh();
    // Column 0 is the selection mark: nothing is chosen until a data cell is clicked.
    grid_->setCurrentIndex(model_->index(0, 0));
    showTotals(list_.countText(), list_.totalText(), list_.capitalText());
}

void LaborageTab::clearList() {
    list_ = LaborageList();
    model_->refresh();
}

qsizetype LaborageTab::currentGridRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

QString LaborageTab::currentSerial() const {
    return list_.cell(currentGridRow(), LaborageList::kSerialColumn).trimmed();
}

void LaborageTab::menuNewLaborage_Click() {
    frmLaborage editor(db_, messages_.prompter(), this);
    editor.setParentForm(this);
    editor.setPayIdx(list_.showsInstructions() ? static_cast<int>(list_.gridRowCount()) : 1);
    editor.enableChange(false);
    editor.exec();
}

void LaborageTab::menuUpdateLaborage_Click() {
    if (currentSerial().isEmpty())
        return;
    if (grid_->currentIndex().column() < 1) {
        messages_.show(QStringLiteral("请先选择代发工资/代报销指令"));
        return;
    }
    const qsizetype row = currentGridRow();
    const auto cell = [this, row](int column) {
        return list_.cell(row, column);
    };
    frmLaborage editor(db_, messages_.prompter(), this);
    editor.setParentForm(this);
    editor.setPayIdx(static_cast<int>(row));
    editor.setRecordValue(cell(LaborageList::kSerialColumn), cell(LaborageList::kAccountColumn),
                          cell(LaborageList::kNameColumn), cell(LaborageList::kAmountColumn),
                          cell(LaborageList::kRemarkColumn));
    editor.enableSave(false);
    editor.exec();
}

void LaborageTab::menuDeleteLaborage_Click() {
    const QString serial = currentSerial();
    if (serial.isEmpty())
        return;
    if (deleteLaborage(store_, messages_, serial))
        resetLaborage();
}

void LaborageTab::menuWriteLaborageFile_Click() {
    writePayrollFile(db_, messages_, list_,
                     [this] { return getSaveFileName(messages_, QStringLiteral("dfz")); });
}

void LaborageTab::cmdLoadLaborageFile_Click() {
    loadPayrollFile(
        db_, messages_, list_, [this] { return getOpenFileName(messages_, QStringLiteral("dfz")); },
        std::bind_front(&LaborageTab::resetLaborage, this));
}
