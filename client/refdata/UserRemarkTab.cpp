#include "refdata/UserRemarkTab.h"

#include "files/FileChoosers.h"
#include "refdata/RefTabParts.h"
#include "refdata/Remarks.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace RefTabParts;

UserRemarkTab::UserRemarkTab(DBAccess& db, Prompter& prompter, StatusPanels& status,
                             QWidget* parent)
    : RefTab(db, prompter, status, Remarks::makeList(), QStringLiteral("UserRemarkList_"),
             QStringLiteral("UserRemarkList_lblUserRemarkIdx"), parent)
    , txtUserRemark_(makeEdit(this, QStringLiteral("UserRemarkList_txtUserRemark"))) {
    std::vector<QPushButton*> buttons =
        editButtons(QStringLiteral("UserRemarkList_"),
                    {[this] { resetUserRemarkList(); }, [this] { UserRemarkList_cmdAdd_Click(); },
                     [this] { UserRemarkList_cmdUpdate_Click(); },
                     [this] {
                         UserRemarkList_cmdDelete_Click();
                     }});
    buttons.push_back(makeButton(this, QStringLiteral("UserRemarkList_cmdExport"),
                                 QStringLiteral("导出"),
                                 [this] { UserRemarkList_cmdExport_Click(); }));
    buttons.push_back(makeButton(this, QStringLiteral("UserRemarkList_cmdImport"),
                                 QStringLiteral("导入"),
                                 [this] { UserRemarkList_cmdImport_Click(); }));
    QGridLayout* form = layoutTab(this, QStringLiteral("UserRemarkList_"), grid_,
                                  editNotices(this, QStringLiteral("UserRemarkList_"), 1), buttons);
    addFormRow(this, form, "UserRemarkList_lblNo", "序号：", index_);
    addFormRow(this, form, "UserRemarkList_lblUserRemark", "备注：*", txtUserRemark_);
}

void UserRemarkTab::resetUserRemarkList() {
    txtUserRemark_->clear();
    relist(Remarks::countQuery(), [this](RefList& list) { Remarks::reload(list, db_); },
           {420, 4600});
}

void UserRemarkTab::showRow(qsizetype row) {
    txtUserRemark_->setText(list_.cell(row, 1));
}

bool UserRemarkTab::checkPhrase() {
    return checkFields({{txtUserRemark_, Remarks::kRemarkField}});
}

void UserRemarkTab::UserRemarkList_cmdAdd_Click() {
    if (!checkPhrase())
        return;
    if (Remarks::add(db_, messages_, txtUserRemark_->text().trimmed()))
        resetUserRemarkList();
}

void UserRemarkTab::UserRemarkList_cmdUpdate_Click() {
    const qsizetype row = rowToEdit(QStringLiteral("请先选择要修改的备注"));
    if (row == 0 || !checkPhrase())
        return;
    const QString oldPhrase = list_.cell(row, 1);
    switch (Remarks::change(db_, messages_, oldPhrase, txtUserRemark_->text().trimmed())) {
    case Remarks::ChangeResult::Changed:
        resetUserRemarkList();
        break;
    case Remarks::ChangeResult::NewExists:
        txtUserRemark_->setText(oldPhrase);
        break;
    case Remarks::ChangeResult::Failed:
        break;
    }
}

void UserRemarkTab::UserRemarkList_cmdDelete_Click() {
    const qsizetype row = rowToEdit(QStringLiteral("请先选择要删除的备注"));
    if (row == 0 || !checkPhrase())
        return;
    // The selected phrase, whatever the box holds by now.
    if (Remarks::remove(db_, messages_, list_.cell(row, 1)))
        resetUserRemarkList();
}

void UserRemarkTab::UserRemarkList_cmdExport_Click() {
    Remarks::exportFiles(messages_, list_,
                         [this] { return getSaveFileName(messages_, QStringLiteral("xml")); });
}

void UserRemarkTab::UserRemarkList_cmdImport_Click() {
    Remarks::importFile(
        db_, messages_, [this] { return getOpenFileName(messages_, QStringLiteral("xml")); },
        [this] { resetUserRemarkList(); });
}
