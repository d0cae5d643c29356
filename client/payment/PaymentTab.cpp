#include "payment/PaymentTab.h"

#include "files/FileChoosers.h"
#include "page/FixedColumnTable.h"
#include "page/GridTableModel.h"
#include "page/StatusPanels.h"
#include "payment/PaymentEditing.h"
#include "payment/PaymentFileCommands.h"
#include "payment/frmPayAcc.h"
#include "payment/frmPaymentB2B.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include <functional>

namespace {

const int kColumnWidths[PaymentList::kColumns] = {48,  180, 130, 160, 90,  130, 160, 70,
                                                  150, 100, 80,  80,  100, 110, 160};

// Wide enough for the longest text a column must show whole in the grid's font: the 22-digit
// serial and account numbers, and the largest amount.
void setColumnWidths(QTableView& grid) {
    const QFontMetrics metrics(grid.font());
    const int padding =
        2 * grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 12;
    const int digits22 = metrics.horizontalAdvance(QString(22, u'0')) + padding;
    const int amount = metrics.horizontalAdvance(QStringLiteral("100,000,000,000.00")) + padding;
    for (int column = 0; column < PaymentList::kColumns; ++column) {
        int width = kColumnWidths[column];
        if (column == PaymentList::kSerialColumn || column == PaymentList::kPayAccColumn ||
            column == PaymentList::kRecAccColumn)
            width = std::max(width, digits22);
        else if (column == PaymentList::kAmountColumn)
            width = std::max(width, amount);
        grid.setColumnWidth(column, width);
    }
}

} // namespace

PaymentTab::PaymentTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : BatchGridTab(QStringLiteral("批量支付(&P)"), status, parent)
    , db_(db)
    , messages_(prompter)
    , store_(db) {
    setUpGrid("PaymentB2B_", fixedHeaderGrid(list_, {PaymentList::kAmountColumn}));
    setColumnWidths(*grid_);
    buildPage("PaymentB2B_", "menuPaymentB2B",
              {{
                  {"menuNewB2BRec", "PaymentB2B_cmdNewBut",
                   std::bind_front(&PaymentTab::menuNewB2BRec_Click, this)},
                  {"menuUpdateB2BRec", "PaymentB2B_cmdUpdateBut",
                   std::bind_front(&PaymentTab::menuUpdateB2BRec_Click, this)},
                  {"menuDelB2BRec", "PaymentB2B_cmdDeleteBut",
                   std::bind_front(&PaymentTab::menuDelB2BRec_Click, this)},
                  {"menuWriteB2BFile", "PaymentB2B_cmdWriteB2BFileBut",
                   std::bind_front(&PaymentTab::menuWriteB2BFile_Click, this)},
                  {nullptr, "PaymentB2B_cmdLoadB2BFileBut",
                   std::bind_front(&PaymentTab::cmdLoadB2BFileBut_Click, this)},
              }},
              {{"PaymentB2B_cmdPayAccSetup", "付款账户",
                std::bind_front(&PaymentTab::cmdPayAccSetup_Click, this)}});
    // The main window does not offer the payer account button.
    findChild<QPushButton*>(QStringLiteral("PaymentB2B_cmdPayAccSetup"))->hide();
}

void PaymentTab::resetPaymentB2B() {
    const int keptRow = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
    list_.reload(db_);
    model_->refresh();
    grid_->setCurrentIndex(model_->index(std::min(keptRow, model_->rowCount() - 1), 1));
    showTotals(list_.countText(), list_.totalText(), list_.capitalText());
    payer_ = {list_.cell(1, 2), list_.cell(1, 3)};
}

void PaymentTab::clearList() {
    list_ = PaymentList();
    model_->refresh();
}

qsizetype PaymentTab::currentGridRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString PaymentTab::currentSerial() const {
    const qsizetype row = currentGridRow();
    return row < 1 ? QString() : list_.cell(row, PaymentList::kSerialColumn).trimmed();
}

void PaymentTab::menuNewB2BRec_Click() {
    frmPaymentB2B editor(db_, messages_.prompter(), this);
    editor.setParentForm(this);
    editor.setPayIdx(list_.empty() ? 1 : static_cast<int>(list_.gridRowCount()));
    editor.enableChange(false);
    editor.exec();
}

void PaymentTab::menuUpdateB2BRec_Click() {
    const QString serial = currentSerial();
    if (list_.empty() || serial.isEmpty()) {
        messages_.show(QStringLiteral("请先选择批量付款指令"));
        return;
    }
    const qsizetype row = currentGridRow();
    frmPaymentB2B editor(db_, messages_.prompter(), this);
    editor.setParentForm(this);
    editor.setPayIdx(static_cast<int>(row));
    editor.fillFromRow(list_.row(row));
    editor.enableSave(false);
    editor.exec();
}

void PaymentTab::menuDelB2BRec_Click() {
    const QString serial = currentSerial();
    if (serial.isEmpty())
        return;
    if (deletePayment(store_, messages_, serial) != DeleteOutcome::Cancelled)
        resetPaymentB2B();
}

void PaymentTab::menuWriteB2BFile_Click() {
    writePaymentFile(db_, messages_, list_,
                     [this] { return getSaveFileName(messages_, QStringLiteral("plz")); });
}

void PaymentTab::cmdLoadB2BFileBut_Click() {
    loadPaymentFile(
        db_, messages_, list_, [this] { return getOpenFileName(messages_, QStringLiteral("plz")); },
        std::bind_front(&PaymentTab::resetPaymentB2B, this));
}

void PaymentTab::cmdPayAccSetup_Click() {
    {
        frmPayAcc chooser(store_, messages_, payer_, this);
        chooser.setAcc(payer_.accNo);
        if (!payer_.accNo.isEmpty())
            chooser.setPayCount(status_.panel(2).toInt());
        chooser.setParentForm(this);
        chooser.exec();
    }
    if (!payer_.accNo.isEmpty())
        messages_.show(QStringLiteral("批量付款账号保存成功\n本次批量付款的付款账号为：") +
                       payer_.accNo + QStringLiteral("\n请点击 '新增指令' 按钮添加付款记录"));
}
