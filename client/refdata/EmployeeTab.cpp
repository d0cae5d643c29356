#include "refdata/EmployeeTab.h"

#include "config/QtFieldControl.h"
#include "files/FileChoosers.h"
#include "page/GridTableModel.h"
#include "refdata/RefTabParts.h"
#include "refdata/Roster.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace RefTabParts;

EmployeeTab::EmployeeTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : TabPage(parent)
    , db_(db)
    , messages_(prompter)
    , status_(status)
    , list_(Roster::makeList())
    , model_(makeRefModel(list_, this))
    , grid_(makeGrid(this, QStringLiteral("EmployeeList_DataGrid"), model_,
                     [this](int row) { EmployeeList_DataGrid_Click(row); }))
    , lblEmployeeIdx_(makeLabel(this, QStringLiteral("EmployeeList_lblEmployeeIdx"), {}))
    , txtAccNo_(makeEdit(this, QStringLiteral("EmployeeList_txtAccNo")))
    , txtAccName_(makeEdit(this, QStringLiteral("EmployeeList_txtAccName")))
    , comboCertType_(new QComboBox(this))
    , txtCertCode_(makeEdit(this, QStringLiteral("EmployeeList_txtCertCode"))) {
    comboCertType_->setObjectName(QStringLiteral("EmployeeList_comboCertType"));
    setTabOrder(txtAccName_, comboCertType_);
    setTabOrder(comboCertType_, txtCertCode_);
    const std::vector<QPushButton*> buttons = {
        makeButton(this, QStringLiteral("EmployeeList_cmdReflush"), QStringLiteral("重置"),
                   [this] { resetEmployeeList(); }),
        makeButton(this, QStringLiteral("EmployeeList_cmdAdd"), QStringLiteral("新增"),
                   [this] { EmployeeList_cmdAdd_Click(); }),
        makeButton(this, QStringLiteral("EmployeeList_cmdUpdate"), QStringLiteral("修改"),
                   [this] { EmployeeList_cmdUpdate_Click(); }),
        makeButton(this, QStringLiteral("EmployeeList_cmdDelete"), QStringLiteral("删除"),
                   [this] { EmployeeList_cmdDelete_Click(); }),
        makeButton(this, QStringLiteral("EmployeeList_cmdExport"),
                   QStringLiteral("导出代发工资/代报销名册"),
                   [this] { EmployeeList_cmdExport_Click(); }),
    };
    QGridLayout* form =
        layoutTab(this, QStringLiteral("EmployeeList_"), grid_,
                  {makeNotice(this, QStringLiteral("EmployeeList_lblNotice1"), updateNotice()),
                   makeNotice(this, QStringLiteral("EmployeeList_lblNotice2"), deleteNotice())},
                  buttons);
    const struct {
        const char* name;
        const char* caption;
        QWidget* field;
    } rows[] = {
        {"EmployeeList_lblNo", "序号：", lblEmployeeIdx_},
        {"EmployeeList_lblAccNo", "个人账号：*", txtAccNo_},
        {"EmployeeList_lblAccName", "户名：*", txtAccName_},
        {"EmployeeList_lblCertType", "证件类型：*", comboCertType_},
        {"EmployeeList_lblCertCode", "证件号码：*", txtCertCode_},
    };
    int line = 0;
    for (const auto& row : rows) {
        form->addWidget(makeLabel(this, QLatin1String(row.name), QString::fromUtf8(row.caption)),
                        line, 0);
        form->addWidget(row.field, line++, 1);
    }
    chainEnter({txtAccNo_, txtAccName_, comboCertType_, txtCertCode_});
}

void EmployeeTab::resetEmployeeList() {
    lblEmployeeIdx_->clear();
    txtAccNo_->clear();
    txtAccName_->clear();
    txtCertCode_->clear();
    comboCertType_->clear();
    comboCertType_->addItems(Roster::certificateKinds(db_));
    if (comboCertType_->count() > 0)
        comboCertType_->setCurrentIndex(0);
    showCount(status_, db_, Roster::countQuery());
    Roster::reload(list_, db_);
    model_->refresh();
    fitColumns(grid_, {420, 2200, 2500});
}

void EmployeeTab::clearList() {
    list_.clear();
    model_->refresh();
}

qsizetype EmployeeTab::selectedRow() const {
    const qsizetype row = lblEmployeeIdx_->text().trimmed().toLongLong();
    return row >= 1 && row <= list_.size() ? row : 0;
}

void EmployeeTab::EmployeeList_DataGrid_Click(int row) {
    if (list_.empty() || row < 1 || row > list_.size())
        return;
    lblEmployeeIdx_->setText(QString::number(row));
    txtAccNo_->setText(list_.cell(row, 1));
    txtAccName_->setText(list_.cell(row, 2));
    // The person's own certificate, so that a rename keeps it.
    const auto stored = Roster::certificate(db_, list_.cell(row, 1));
    const int kind = stored ? stored->first : 0;
    comboCertType_->setCurrentIndex(kind >= 1 && kind <= comboCertType_->count() ? kind - 1 : 0);
    txtCertCode_->setText(stored ? stored->second : QString());
}

bool EmployeeTab::EmployeeList_checkForm() {
    return CheckField(*txtAccNo_, Roster::kAccNoField, messages_.prompter()) &&
           CheckField(*txtAccName_, Roster::kAccNameField, messages_.prompter()) &&
           CheckField(*txtCertCode_, Roster::kCertCodeField, messages_.prompter());
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
    const qsizetype row = selectedRow();
    if (row == 0) {
        messages_.show(QStringLiteral("请先选择要修改的账户"));
        return;
    }
    if (!EmployeeList_checkForm())
        return;
    if (list_.cell(row, 1) != txtAccNo_->text().trimmed()) {
        messages_.show(QStringLiteral("个人账号不可修改，请删除后再添加"));
        return;
    }
    if (Roster::rename(db_, messages_, formPerson()))
        resetEmployeeList();
}

void EmployeeTab::EmployeeList_cmdDelete_Click() {
    const qsizetype row = selectedRow();
    if (row == 0) {
        messages_.show(QStringLiteral("请先选择要删除的账户"));
        return;
    }
    if (!EmployeeList_checkForm())
        return;
    if (Roster::remove(db_, messages_, list_.cell(row, 1)))
        resetEmployeeList();
}

void EmployeeTab::EmployeeList_cmdExport_Click() {
    Roster::exportFile(db_, messages_,
                       [this] { return getSaveFileName(messages_, QStringLiteral("xml")); });
}
