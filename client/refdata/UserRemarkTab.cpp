#include "refdata/UserRemarkTab.h"

#include "config/QtFieldControl.h"
#include "files/FileChoosers.h"
#include "page/GridTableModel.h"
#include "refdata/RefTabParts.h"
#include "refdata/Remarks.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace RefTabParts;

UserRemarkTab::UserRemarkTab(DBAccess& db, Prompter& prompter, StatusPanels& status,
                             QWidget* parent)
    : TabPage(parent)
    , db_(db)
    , messages_(prompter)
    , status_(status)
    , list_(Remarks::makeList())
    , model_(makeRefModel(list_, this))
    , grid_(makeGrid(this, QStringLiteral("UserRemarkList_DataGrid"), model_,
                     [this](int row) { UserRemarkList_DataGrid_Click(row); }))
    , lblUserRemarkIdx_(makeLabel(this, QStringLiteral("UserRemarkList_lblUserRemarkIdx"), {}))
    , txtUserRemark_(makeEdit(this, QStringLiteral("UserRemarkList_txtUserRemark"))) {
    const std::vector<QPushButton*> buttons = {
        makeButton(this, QStringLiteral("UserRemarkList_cmdReflush"), QStringLiteral("重置"),
                   [this] { resetUserRemarkList(); }),
        makeButton(this, QStringLiteral("UserRemarkList_cmdAdd"), QStringLiteral("新增"),
                   [this] { UserRemarkList_cmdAdd_Click(); }),
        makeButton(this, QStringLiteral("UserRemarkList_cmdUpdate"), QStringLiteral("修改"),
                   [this] { UserRemarkList_cmdUpdate_Click(); }),
        makeButton(this, QStringLiteral("UserRemarkList_cmdDelete"), QStringLiteral("删除"),
                   [this] { UserRemarkList_cmdDelete_Click(); }),
        makeButton(this, QStringLiteral("UserRemarkList_cmdExport"), QStringLiteral("导出"),
                   [this] { UserRemarkList_cmdExport_Click(); }),
        makeButton(this, QStringLiteral("UserRemarkList_cmdImport"), QStringLiteral("导入"),
                   [this] { UserRemarkList_cmdImport_Click(); }),
    };
    QGridLayout* form =
        layoutTab(this, QStringLiteral("UserRemarkList_"), grid_,
                  {makeNotice(this, QStringLiteral("UserRemarkList_lblNotice1"), updateNotice()),
                   makeNotice(this, QStringLiteral("UserRemarkList_lblNotice2"), deleteNotice())},
                  buttons);
    form->addWidget(
        makeLabel(this, QStringLiteral("UserRemarkList_lblNo"), QStringLiteral("序号：")), 0, 0);
    form->addWidget(lblUserRemarkIdx_, 0, 1);
    form->addWidget(
        makeLabel(this, QStringLiteral("UserRemarkList_lblUserRemark"), QStringLiteral("备注：*")),
        1, 0);
    form->addWidget(txtUserRemark_, 1, 1);
}

void UserRemarkTab::resetUserRemarkList() {
    lblUserRemarkIdx_->clear();
    txtUserRemark_->clear();
    showCount(status_, db_, Remarks::countQuery());
    Remarks::reload(list_, db_);
    model_->refresh();
    fitColumns(grid_, {420, 4600});
}

void UserRemarkTab::clearList() {
    list_.clear();
    model_->refresh();
}

qsizetype UserRemarkTab::selectedRow() const {
    const qsizetype row = lblUserRemarkIdx_->text().trimmed().toLongLong();
    return row >= 1 && row <= list_.size() ? row : 0;
}

void UserRemarkTab::UserRemarkList_DataGrid_Click(int row) {
    if (list_.empty() || row < 1 || row > list_.size())
        return;
    lblUserRemarkIdx_->setText(QString::number(row));
    txtUserRemark_->setText(list_.cell(row, 1));
}

bool UserRemarkTab::checkPhrase() {
    return CheckField(*txtUserRemark_, Remarks::kRemarkField, messages_.prompter());
}

void UserRemarkTab::UserRemarkList_cmdAdd_Click() {
    if (!checkPhrase())
        return;
    if (Remarks::add(db_, messages_, txtUserRemark_->text().trimmed()))
        resetUserRemarkList();
}

void UserRemarkTab::UserRemarkList_cmdUpdate_Click() {
    const qsizetype row = selectedRow();
    if (row == 0) {
        messages_.show(QStringLiteral("请先选择要修改的备注"));
        return;
    }
    if (!checkPhrase())
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
    const qsizetype row = selectedRow();
    if (row == 0) {
        messages_.show(QStringLiteral("请先选择要删除的备注"));
        return;
    }
    if (!checkPhrase())
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
