#include "refdata/PayeeAccTab.h"

#include "files/FileChoosers.h"
#include "refdata/RefTabParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace RefTabParts;
using PayeeAccounts::Kind;

namespace {

QComboBox* makeCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void setComboText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
}

} // namespace

PayeeAccTab::PayeeAccTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent)
    : RefTab(db, prompter, status, PayeeAccounts::makeList(Kind::SameBank),
             QStringLiteral("PayeeAccList_"), QStringLiteral("PayeeAccList_lblPayeeAccIdx"), parent)
    , txtPayeeAccNo_(makeEdit(this, QStringLiteral("PayeeAccList_txtPayeeAccNo")))
    , txtPayeeAccName_(makeEdit(this, QStringLiteral("PayeeAccList_txtPayeeAccName")))
    , txtPayeeBankName_(makeEdit(this, QStringLiteral("PayeeAccList_txtPayeeBankName")))
    , txtSameCityLiquidateNo_(makeEdit(this, QStringLiteral("txtSameCityLiquidateNo")))
    , comboProvince_(makeCombo(this, QStringLiteral("comboProvince")))
    , comboCity_(makeCombo(this, QStringLiteral("comboCity")))
    , txtPresentPayBankNo_(makeEdit(this, QStringLiteral("payAccList_txtPresentPayBankNo")))
    , txtPayeeBankID_(makeEdit(this, QStringLiteral("PayeeAccList_txtPayeeBankID")))
    , txtPayeeAreaNo_(makeEdit(this, QStringLiteral("PayeeAccList_txtPayeeAreaNo")))
    , txtPayeeNetNo_(makeEdit(this, QStringLiteral("PayeeAccList_txtPayeeNetNo")))
    , exchangeNo_lblNotice_(makeNotice(
          this, QStringLiteral("exchangeNo_lblNotice"),
          QStringLiteral("同时清算行号：是收款银行在澄川市同城交换系统中对应的行号。如果输入此项，"
                         "可以加快跨行同城转账的到账速度。")))
    , unionBankNo_lblNotice_(makeNotice(
          this, QStringLiteral("unionBankNo_lblNotice"),
          QStringLiteral(
              "现代支付行号：是收款银行在现代支付系统中对应的行号。如果输入此项，可以加快"
              "跨行转账的到账速度。可以通过企业网银平台--客户服务--联行号查询中可以查"
              "询到行号。"))) {
    txtPayeeAccNo_->setMaxLength(PayeeAccounts::kAccNoMaxLength);
    auto* kinds = new QWidget(this);
    auto* kindRow = new QHBoxLayout(kinds);
    kindRow->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"行内", "跨行同城", "跨行异地"};
    for (int index = 0; index < 3; ++index) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[index]), kinds);
        option->setObjectName(QStringLiteral("OptBankProperty_%1").arg(index));
        group->addButton(option, index);
        kindRow->addWidget(option);
        OptBankProperty_[static_cast<size_t>(index)] = option;
        connect(option, &QRadioButton::clicked, this,
                [this, index] { OptBankProperty_Click(static_cast<Kind>(index)); });
    }
    kindRow->addStretch(1);

    std::vector<QPushButton*> buttons =
        editButtons(QStringLiteral("PayeeAccList_"),
                    {[this] { resetPayeeAccList(); }, [this] { PayeeAccList_cmdAdd_Click(); },
                     [this] { PayeeAccList_cmdUpdate_Click(); },
                     [this] {
                         PayeeAccList_cmdDelete_Click();
                     }});
    buttons.push_back(makeButton(this, QStringLiteral("payAccList_cmdPayeeListExport"),
                                 QStringLiteral("导出收款人名册"),
                                 [this] { payAccList_cmdPayeeListExport_Click(); }));
    std::vector<QWidget*> notices = {exchangeNo_lblNotice_, unionBankNo_lblNotice_};
    for (QWidget* notice : editNotices(this, QStringLiteral("PayeeAccList_"), 4))
        notices.push_back(notice);
    QGridLayout* form = layoutTab(this, QStringLiteral("PayeeAccList_"), grid_, notices, buttons);
    addFormRow(this, form, "lblBankProperty", "收款账号属性:", kinds);
    addFormRow(this, form, "PayeeAccList_lblNo", "序号：", index_);
    const struct {
        const char* labelName;
        const char* caption;
        QWidget* box;
        std::array<bool, 3> shownFor;
    } fields[] = {
        {"PayeeAccList_lblPayeeAccNo", "收款账号：*", txtPayeeAccNo_, {true, true, true}},
        {"PayeeAccList_lblPayeeAccName", "收款账户户名：*", txtPayeeAccName_, {true, true, true}},
        {"PayeeAccList_lblPayeeBankName",
         "收款银行名称：*",
         txtPayeeBankName_,
         {false, true, true}},
        {"lblSameCityLiquidateNo", "同城清算行号：", txtSameCityLiquidateNo_, {false, true, false}},
        {"lblProvince", "省份：*", comboProvince_, {false, false, true}},
        {"lblCity", "城市：*", comboCity_, {false, false, true}},
        {"payAccList_lblPresentPayBankNo",
         "现代支付行号：",
         txtPresentPayBankNo_,
         {false, false, true}},
        {"PayeeAccList_lblPayeeBankID",
         "收款账户开户网点号：*",
         txtPayeeBankID_,
         {false, false, false}},
        {"PayeeAccList_lblPayeeAreaNo",
         "收款账户地区号：*",
         txtPayeeAreaNo_,
         {false, false, false}},
        {"PayeeAccList_lblPayeeNetNo", "收款方联行号：*", txtPayeeNetNo_, {false, false, false}},
    };
    for (const auto& field : fields)
        kindFields_.push_back(
            {{addFormRow(this, form, field.labelName, field.caption, field.box), field.box},
             field.shownFor});
    chainEnter({OptBankProperty_[0], OptBankProperty_[1], OptBankProperty_[2], txtPayeeAccNo_,
                txtPayeeAccName_, txtPayeeBankName_, txtSameCityLiquidateNo_, comboProvince_,
                comboCity_, txtPresentPayBankNo_});

    connect(comboProvince_, &QComboBox::activated, this, [this] { comboProvince_Click(); });
    connect(comboProvince_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { comboProvince_Click(); });
    comboProvince_->addItems(PayeeAccounts::provinces(db_));
    comboProvince_->setCurrentIndex(-1);
    OptBankProperty_[0]->setChecked(true);
    OptBankProperty_Click(Kind::SameBank);
}

void PayeeAccTab::OptBankProperty_Click(Kind kind) {
    kind_ = kind;
    const auto index = static_cast<size_t>(kind);
    OptBankProperty_[index]->setChecked(true);
    for (const auto& [field, shownFor] : kindFields_) {
        field.label->setVisible(shownFor[index]);
        field.box->setVisible(shownFor[index]);
    }
    exchangeNo_lblNotice_->setVisible(kind == Kind::SameCity);
    unionBankNo_lblNotice_->setVisible(kind == Kind::OtherCity);
    list_ = PayeeAccounts::makeList(kind);
    resetPayeeAccList();
}

void PayeeAccTab::resetPayeeAccList() {
    for (QLineEdit* box :
         {txtPayeeAccNo_, txtPayeeAccName_, txtPayeeBankID_, txtPayeeAreaNo_, txtPayeeNetNo_})
        box->clear();
    relist(
        PayeeAccounts::countQuery(kind_),
        [this](RefList& list) { PayeeAccounts::reload(list, db_, kind_); },
        PayeeAccounts::columnWidths(kind_));
}

void PayeeAccTab::comboProvince_Click() {
    comboCity_->clear();
    comboCity_->addItems(PayeeAccounts::cities(db_, comboProvince_->currentText().trimmed()));
    comboCity_->setCurrentIndex(-1);
}

void PayeeAccTab::showRow(qsizetype row) {
    const PayeeAccounts::Payee payee = PayeeAccounts::rowPayee(list_, row, kind_);
    txtPayeeAccNo_->setText(payee.accNo);
    txtPayeeAccName_->setText(payee.accName);
    if (kind_ == Kind::SameCity) {
        txtPayeeBankName_->setText(payee.bankName);
        txtSameCityLiquidateNo_->setText(payee.clearingNo);
    } else if (kind_ == Kind::OtherCity) {
        setComboText(comboProvince_, payee.province);
        // The province's cities first, so that the row's city can be chosen among them.
        comboProvince_Click();
        setComboText(comboCity_, payee.city);
        txtPayeeBankName_->setText(payee.bankName);
        txtPresentPayBankNo_->setText(payee.presentBankNo);
    }
}

bool PayeeAccTab::PayeeAccList_checkForm() {
    return checkFields({
        {txtPayeeAccNo_, PayeeAccounts::kAccNoField},
        {txtPayeeAccName_, PayeeAccounts::kAccNameField},
        {txtPayeeBankID_, PayeeAccounts::kNetNoField},
        {txtPayeeBankName_, PayeeAccounts::kBankNameField},
        {txtSameCityLiquidateNo_, PayeeAccounts::kClearingNoField},
        {comboCity_, PayeeAccounts::kCityField},
        {txtPresentPayBankNo_, PayeeAccounts::kPresentBankNoField},
    });
}

PayeeAccounts::Payee PayeeAccTab::formPayee() const {
    return {txtPayeeAccNo_->text().trimmed(),        txtPayeeAccName_->text().trimmed(),
            txtPayeeBankName_->text().trimmed(),     txtSameCityLiquidateNo_->text().trimmed(),
            comboProvince_->currentText().trimmed(), comboCity_->currentText().trimmed(),
            txtPresentPayBankNo_->text().trimmed()};
}

void PayeeAccTab::PayeeAccList_cmdAdd_Click() {
    if (!PayeeAccList_checkForm())
        return;
    if (PayeeAccounts::add(db_, messages_, kind_, formPayee()))
        resetPayeeAccList();
}

void PayeeAccTab::PayeeAccList_cmdUpdate_Click() {
    const qsizetype row = rowToEdit(QStringLiteral("请先选择要修改的账户"));
    if (row == 0 || !PayeeAccList_checkForm())
        return;
    const QString selected = list_.cell(row, 1);
    if (txtPayeeAccNo_->text().trimmed() != selected) {
        messages_.show(QStringLiteral("账号不可修改，请删除后重新添加"));
        txtPayeeAccNo_->setText(selected);
        return;
    }
    if (PayeeAccounts::rename(db_, messages_, kind_, formPayee()))
        resetPayeeAccList();
}

void PayeeAccTab::PayeeAccList_cmdDelete_Click() {
    const qsizetype row = rowToEdit(QStringLiteral("请先选择要删除的账户"));
    if (row == 0 || !PayeeAccList_checkForm())
        return;
    // The selected row's number under the shown kind, whatever the box holds by now.
    if (PayeeAccounts::remove(db_, messages_, kind_, list_.cell(row, 1)))
        resetPayeeAccList();
}

void PayeeAccTab::payAccList_cmdPayeeListExport_Click() {
    PayeeAccounts::exportFile(db_, messages_,
                              [this] { return getSaveFileName(messages_, QStringLiteral("xml")); });
}
