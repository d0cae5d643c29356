#include "refdata/PayAccTab.h"

#include "config/QtFieldControl.h"
#include "files/FileChoosers.h"
#include "page/GridTableModel.h"
#include "page/StatusPanels.h"
#include "refdata/PayerAccounts.h"
#include "refdata/RefTabParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace RefTabParts;

PayAccTab::PayAccTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : TabPage(parent)
    , db_(db)
    , messages_(prompter)
    , status_(status)
    , list_(PayerAccounts::makeList())
    , model_(makeRefModel(list_, this))
    , grid_(makeGrid(this, QStringLiteral("PayAccList_DataGrid"), model_,
                     [this](int row) { PayAccList_DataGrid_Click(row); }))
    , lblPayAccIdx_(makeLabel(this, QStringLiteral("PayAccList_lblPayAccIdx"), {}))
    , txtAccNo_(makeEdit(this, QStringLiteral("PayAccList_txtAccNo")))
    , txtAccName_(makeEdit(this, QStringLiteral("PayAccList_txtAccName")))
    , comboCurrency_(new QComboBox(this)) {
    comboCurrency_->setObjectName(QStringLiteral("PayAccList_comboCurrency"));

    const std::vector<QPushButton*> buttons = {
        makeButton(this, QStringLiteral("PayAccList_cmdReflush"), QStringLiteral("重置"),
                   [this] { resetPayAccList(); }),
        makeButton(this, QStringLiteral("PayAccList_cmdAdd"), QStringLiteral("新增"),
                   [this] { PayAccList_cmdAdd_Click(); }),
        makeButton(this, QStringLiteral("PayAccList_cmdUpdate"), QStringLiteral("修改"),
                   [this] { PayAccList_cmdUpdate_Click(); }),
        makeButton(this, QStringLiteral("PayAccList_cmdDelete"), QStringLiteral("删除"),
                   [this] { PayAccList_cmdDelete_Click(); }),
        makeButton(this, QStringLiteral("PayAccList_cmdExport"), QStringLiteral("导出"),
                   [this] { PayAccList_cmdExport_Click(); }),
        makeButton(this, QStringLiteral("PayAccList_cmdImport"), QStringLiteral("导入"),
                   [this] { PayAccList_cmdImport_Click(); }),
    };
    QGridLayout* form =
        layoutTab(this, QStringLiteral("PayAccList_"), grid_,
                  {makeNotice(this, QStringLiteral("PayAccList_lblNotice1"), updateNotice()),
                   makeNotice(this, QStringLiteral("PayAccList_lblNotice2"), deleteNotice())},
                  buttons);
    form->addWidget(makeLabel(this, QStringLiteral("PayAccList_lblNo"), QStringLiteral("序号：")),
                    0, 0);
    form->addWidget(lblPayAccIdx_, 0, 1);
    form->addWidget(
        makeLabel(this, QStringLiteral("PayAccList_lblAccNo"), QStringLiteral("付款账号：*")), 1,
        0);
    form->addWidget(txtAccNo_, 1, 1);
    form->addWidget(
        makeLabel(this, QStringLiteral("PayAccList_lblAccName"), QStringLiteral("付款账户户名：*")),
        2, 0);
    form->addWidget(txtAccName_, 2, 1);
    form->addWidget(
        makeLabel(this, QStringLiteral("PayAccList_lblCurrency"), QStringLiteral("币种：人民币")),
        3, 0);
    form->addWidget(comboCurrency_, 3, 1);
    chainEnter({txtAccNo_, txtAccName_});
}

void PayAccTab::resetPayAccList() {
    lblPayAccIdx_->clear();
    txtAccNo_->clear();
    txtAccNo_->setEnabled(true);
    txtAccName_->clear();
    comboCurrency_->clear();
    comboCurrency_->addItems(PayerAccounts::currencyNames(db_));
    if (comboCurrency_->count() > 0)
        comboCurrency_->setCurrentIndex(0);
    showCount(status_, db_, PayerAccounts::countQuery());
    PayerAccounts::reload(list_, db_);
    model_->refresh();
    fitColumns(grid_, {420, 2200, 4600, 1000});
}

void PayAccTab::clearList() {
    list_.clear();
    model_->refresh();
}

bool PayAccTab::selected() const {
    return !lblPayAccIdx_->text().trimmed().isEmpty();
}

void PayAccTab::PayAccList_DataGrid_Click(int row) {
    if (list_.empty() || row < 1 || row > list_.size())
        return;
    lblPayAccIdx_->setText(QString::number(row));
    txtAccNo_->setText(list_.cell(row, 1));
    txtAccNo_->setEnabled(false);
    txtAccName_->setText(list_.cell(row, 2));
}

bool PayAccTab::PayAccList_checkForm() {
    return CheckField(*txtAccNo_, PayerAccounts::kAccNoField, messages_.prompter()) &&
           CheckField(*txtAccName_, PayerAccounts::kAccNameField, messages_.prompter());
}

void PayAccTab::PayAccList_cmdAdd_Click() {
    if (!PayAccList_checkForm())
        return;
    if (PayerAccounts::add(db_, messages_, txtAccNo_->text().trimmed(),
                           txtAccName_->text().trimmed()))
        resetPayAccList();
}

void PayAccTab::PayAccList_cmdUpdate_Click() {
    if (!selected()) {
        messages_.show(QStringLiteral("请先选择要修改的账户"));
        return;
    }
    if (!PayAccList_checkForm())
        return;
    if (PayerAccounts::rename(db_, messages_, txtAccNo_->text().trimmed(),
                              txtAccName_->text().trimmed()))
        resetPayAccList();
}

void PayAccTab::PayAccList_cmdDelete_Click() {
    if (!selected()) {
        messages_.show(QStringLiteral("请先选择要删除的账户"));
        return;
    }
    if (!PayAccList_checkForm())
        return;
    if (PayerAccounts::remove(db_, messages_, txtAccNo_->text().trimmed()))
        resetPayAccList();
}

void PayAccTab::PayAccList_cmdExport_Click() {
    PayerAccounts::exportFile(messages_, list_,
                              [this] { return getSaveFileName(messages_, QStringLiteral("xml")); });
}

void PayAccTab::PayAccList_cmdImport_Click() {
    PayerAccounts::importFile(
        db_, messages_, [this] { return getOpenFileName(messages_, QStringLiteral("xml")); },
        [this] { resetPayAccList(); });
}
