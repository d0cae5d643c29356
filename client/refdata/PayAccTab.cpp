#include "refdata/PayAccTab.h"

#include "files/FileChoosers.h"
#include "refdata/PayerAccounts.h"
#include "refdata/RefTabParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace RefTabParts;

PayAccTab::PayAccTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : RefTab(db, prompter, status, PayerAccounts::makeList(), QStringLiteral("PayAccList_"),
             QStringLiteral("PayAccList_lblPayAccIdx"), parent)
    , txtAccNo_(makeEdit(this, QStringLiteral("PayAccList_txtAccNo")))
    , txtAccName_(makeEdit(this, QStringLiteral("PayAccList_txtAccName")))
    , comboCurrency_(new QComboBox(this)) {
    comboCurrency_->setObjectName(QStringLiteral("PayAccList_comboCurrency"));

    std::vector<QPushButton*> buttons =
        editButtons(QStringLiteral("PayAccList_"),
                    {[this] { resetPayAccList(); }, [this] { PayAccList_cmdAdd_Click(); },
                     [this] { PayAccList_cmdUpdate_Click(); },
                     [this] {
                         PayAccList_cmdDelete_Click();
                     }});
    buttons.push_back(makeButton(this, QStringLiteral("PayAccList_cmdExport"),
                                 QStringLiteral("导出"), [this] { PayAccList_cmdExport_Click(); }));
    buttons.push_back(makeButton(this, QStringLiteral("PayAccList_cmdImport"),
                                 QStringLiteral("导入"), [this] { PayAccList_cmdImport_Click(); }));
    QGridLayout* form = layoutTab(this, QStringLiteral("PayAccList_"), grid_,
                                  editNotices(this, QStringLiteral("PayAccList_"), 1), buttons);
    addFormRow(this, form, "PayAccList_lblNo", "序号：", index_);
    addFormRow(this, form, "PayAccList_lblAccNo", "付款账号：*", txtAccNo_);
    addFormRow(this, form, "PayAccList_lblAccName", "付款账户户名：*", txtAccName_);
    addFormRow(this, form, "PayAccList_lblCurrency", "币种：人民币", comboCurrency_);
    chainEnter({txtAccNo_, txtAccName_});
}

void PayAccTab::resetPayAccList() {
    txtAccNo_->clear();
    txtAccNo_->setEnabled(true);
    txtAccName_->clear();
    comboCurrency_->clear();
    comboCurrency_->addItems(PayerAccounts::currencyNames(db_));
    if (comboCurrency_->count() > 0)
        comboCurrency_->setCurrentIndex(0);
    relist(PayerAccounts::countQuery(), [this](RefList& list) { PayerAccounts::reload(list, db_); },
           {420, 2200, 4600, 1000});
}

void PayAccTab::showRow(qsizetype row) {
    txtAccNo_->setText(list_.cell(row, 1));
    txtAccNo_->setEnabled(false);
    txtAccName_->setText(list_.cell(row, 2));
}

bool PayAccTab::PayAccList_checkForm() {
    return checkFields(
        {{txtAccNo_, PayerAccounts::kAccNoField}, {txtAccName_, PayerAccounts::kAccNameField}});
}

void PayAccTab::PayAccList_cmdAdd_Click() {
    if (!PayAccList_checkForm())
        return;
    if (PayerAccounts::add(db_, messages_, txtAccNo_->text().trimmed(),
                           txtAccName_->text().trimmed()))
        resetPayAccList();
}

void PayAccTab::PayAccList_cmdUpdate_Click() {
    if (rowToEdit(QStringLiteral("请先选择要修改的账户")) == 0 || !PayAccList_checkForm())
        return;
    if (PayerAccounts::rename(db_, messages_, txtAccNo_->text().trimmed(),
                              txtAccName_->text().trimmed()))
        resetPayAccList();
}

void PayAccTab::PayAccList_cmdDelete_Click() {
    if (rowToEdit(QStringLiteral("请先选择要删除的账户")) == 0 || !PayAccList_checkForm())
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
