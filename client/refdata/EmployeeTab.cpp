#include "refdata/EmployeeTab.h"

#include "files/FileChoosers.h"
#include "refdata/RefTabParts.h"
#include "refdata/Roster.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace RefTabParts;

EmployeeTab::EmployeeTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : RefTab(db, prompter, status, Roster::makeList(), QStringLiteral("EmployeeList_"),
             QStringLiteral("EmployeeList_lblEmployeeIdx"), parent)
    , txtAccNo_(makeEdit(this, QStringLiteral("EmployeeList_txtAccNo")))
    , txtAccName_(makeEdit(this, QStringLiteral("EmployeeList_txtAccName")))
    , comboCertType_(new QComboBox(this))
    , txtCertCode_(makeEdit(this, QStringLiteral("EmployeeList_txtCertCode"))) {
    comboCertType_->setObjectName(QStringLiteral("EmployeeList_comboCertType"));
    setTabOrder(txtAccName_, comboCertType_);
    setTabOrder(comboCertType_, txtCertCode_);
    std::vector<QPushButton*> buttons =
        editButtons(QStringLiteral("EmployeeList_"),
                    {[this] { resetEmployeeList(); }, [this] { EmployeeList_cmdAdd_Click(); },
                     [this] { EmployeeList_cmdUpdate_Click(); },
                     [this] {
                         EmployeeList_cmdDelete_Click();
                     }});
    buttons.push_back(makeButton(this, QStringLiteral("EmployeeList_cmdExport"),
                                 QStringLiteral("导出代发工资/代报销名册"),
                                 [this] { EmployeeList_cmdExport_Click(); }));
    QGridLayout* form = layoutTab(this, QStringLiteral("EmployeeList_"), grid_,
                                  editNotices(this, QStringLiteral("EmployeeList_"), 1), buttons);
    addFormRow(this, form, "EmployeeList_lblNo", "序号：", index_);
    addFormRow(this, form, "EmployeeList_lblAccNo", "个人账号：*", txtAccNo_);
    addFormRow(this, form, "EmployeeList_lblAccName", "户名：*", txtAccName_);
    addFormRow(this, form, "EmployeeList_lblCertType", "证件类型：*", comboCertType_);
    addFormRow(this, form, "EmployeeList_lblCertCode", "证件号码：*", txtCertCode_);
    chainEnter({txtAccNo_, txtAccName_, comboCertType_, txtCertCode_});
}

void EmployeeTab::resetEmployeeList() {
    txtAccNo_->clear();
    txtAccName_->clear();
    txtCertCode_->clear();
    comboCertType_->clear();
    comboCertType_->addItems(Roster::certificateKinds(db_));
    if (comboCertType_->count() > 0)
        comboCertType_->setCurrentIndex(0);
    relist(Roster::countQuery(), [this](RefList& list) { Roster::reload(list, db_); },
           {420, 2200, 2500});
}

void EmployeeTab::showRow(qsizetype row) {
    txtAccNo_->setText(list_.cell(row, 1));
    txtAccName_->setText(list_.cell(row, 2));
    // The person's own certificate, so that a rename keeps it.
    const auto stored = Roster::certificate(db_, list_.cell(row, 1));
    const int kind = stored ? stored->first : 0;
    comboCertType_->setCurrentIndex(kind >= 1 && kind <= comboCertType_->count() ? kind - 1 : 0);
    txtCertCode_->setText(stored ? stored->second : QString());
}

bool EmployeeTab::EmployeeList_checkForm() {
    return checkFields({{txtAccNo_, Roster::kAccNoField},
                        {txtAccName_, Roster::kAccNameField},
                        {txtCertCode_, Roster::kCertCodeField}});
}

Roster::Person EmployeeTab::formPerson() const {
    return {txtAccNo_->text().trimmed(), txtAccName_->text().trimmed(),
            comboCertType_->currentIndex() + 1, txtCertCode_->text().trimmed()};
}

void EmployeeTab::EmployeeList_cmdAdd_Click() {
    if (!EmployeeList_checkForm())
        return;
    if (Roster::add(db_, messages_, formPerson()))
        resetEmployeeList();
}

void EmployeeTab::EmployeeList_cmdUpdate_Click() {
    const qsizetype row = rowToEdit(QStringLiteral("请先选择要修改的账户"));
    if (row == 0 || !EmployeeList_checkForm())
        return;
    if (list_.cell(row, 1) != txtAccNo_->text().trimmed()) {
        messages_.show(QStringLiteral("个人账号不可修改，请删除后再添加"));
        return;
    }
    if (Roster::rename(db_, messages_, formPerson()))
        resetEmployeeList();
}

void EmployeeTab::EmployeeList_cmdDelete_Click() {
    const qsizetype row = rowToEdit(QStringLiteral("请先选择要删除的账户"));
    if (row == 0 || !EmployeeList_checkForm())
        return;
    if (Roster::remove(db_, messages_, list_.cell(row, 1)))
        resetEmployeeList();
}

void EmployeeTab::EmployeeList_cmdExport_Click() {
    Roster::exportFile(db_, messages_,
                       [this] { return getSaveFileName(messages_, QStringLiteral("xml")); });
}
