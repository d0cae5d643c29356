#include "payroll/frmLaborage.h"

#include "amount/AmountChecks.h"
#include "amount/AmountConvert.h"
#include "amount/AmountField.h"
#include "amount/AmountText.h"
#include "config/QtFieldControl.h"
#include "config/SharedConfig.h"
#include "payroll/LaborageEditing.h"
#include "payroll/LaborageList.h"
#include "payroll/LaborageListOwner.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The roster's name box and the loader take 30 characters, a remark 60: what is stored here can
// always be loaded back from the upload file.
const qsizetype kNameMaxLength = 30;
const qsizetype kRemarkMaxLength = 60;

QLabel* caption(QWidget* parent, const char* name, const char* text) {
    QLabel* label = named<QLabel>(parent, name);
    label->setText(QString::fromUtf8(text));
    return label;
}

// The boxes of the roster's person: the prompt is also their tip.
QComboBox* personCombo(QWidget* parent, const char* name, const QString& tip) {
    QComboBox* combo = editableCombo(parent, name, 260, tip);
    combo->setToolTip(tip);
    return combo;
}

} // namespace

frmLaborage::frmLaborage(DBAccess& db, Prompter& prompter, QWidget* parent)
    : InstructionDialog("frmLaborage", QStringLiteral("代发工资指令"), sharedConfig().iconPath,
                        parent)
    , messages_(prompter)
    , store_(db) {
    buildControls();
    layOutControls();
    connectControls();
    loadLists();
}

void frmLaborage::buildControls() {
    comboAccNo_ = personCombo(this, "comboAccNo", QStringLiteral("请选择或输入收款人账号"));
    comboName_ = personCombo(this, "comboName", QStringLiteral("请选择或输入收款人名称"));
    txtAmount_ = named<QLineEdit>(this, "txtAmount");
    lblCnPayAmount_ = named<QLabel>(this, "lblCnPayAmount");
    lblCnPayAmount_->setMinimumWidth(260);
    comboRemark_ = editableCombo(this, "comboRemark", 260);
    buildCommands();
}

void frmLaborage::layOutControls() {
    auto* head = new QHBoxLayout;
    head->addWidget(caption(this, "lblPayNo", "指令序号："));
    head->addWidget(lblPayIdx_);
    head->addSpacing(24);
    head->addWidget(caption(this, "lblSerialNoTitle", "流水号："));
    head->addWidget(lblPaySerialNo_, 1);

    auto* fields = new QGridLayout;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {caption(this, "lblPayAccNo", "收款人账号：*"), comboAccNo_},
        {caption(this, "lblEmpName", "收款人名称：*"), comboName_},
        {caption(this, "lblPayAmount", "金额：*"), txtAmount_},
        {caption(this, "lblCnPayAmountTitle", "大写金额：*"), lblCnPayAmount_},
        {caption(this, "lblRemark", "备注："), comboRemark_},
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        label->setBuddy(field);
        fields->addWidget(label, row, 0, Qt::AlignRight);
        fields->addWidget(field, row++, 1);
    }
    fields->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(fields);
    layout->addWidget(caption(this, "lblNotes", "注：*为必输项目"));
    layout->addStretch(1);
    layout->addLayout(commandRow());
}

void frmLaborage::connectControls() {
    // A person chosen from either list brings the other half of the same roster entry.
    connect(comboAccNo_, &QComboBox::activated, comboName_, &QComboBox::setCurrentIndex);
    connect(comboName_, &QComboBox::activated, comboAccNo_, &QComboBox::setCurrentIndex);
    connectCommands();
    for (QWidget* control : std::initializer_list<QWidget*>{
             comboAccNo_, comboName_, comboRemark_, cmdAdd_, cmdUpdate_, cmdDelete_, cmdClose_})
        control->installEventFilter(this);
    // Leaving the amount box or Enter in it refreshes the amount and its capital spelling.
    new AmountField(*txtAmount_, *lblCnPayAmount_, messages_.prompter());
}

void frmLaborage::loadLists() {
    for (const Person& person : store_.persons()) {
        comboAccNo_->addItem(person.accNo);
        comboName_->addItem(person.accName);
    }
    comboRemark_->addItems(store_.remarks());
    for (QComboBox* combo : {comboAccNo_, comboName_, comboRemark_})
        clearField(combo);
}

void frmLaborage::setRecordValue(const QString& serial_no, const QString& acc_no,
                                 const QString& acc_name, const QString& pay_amt,
                                 const QString& remark) {
    lblPaySerialNo_->setText(serial_no);
    const int known = comboAccNo_->findText(acc_no, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (known >= 0) {
        comboAccNo_->setCurrentIndex(known);
        comboName_->setCurrentIndex(known);
    } else {
        comboAccNo_->setEditText(acc_no);
    }
    // The instruction's own holder name, even where the roster now spells it otherwise.
    comboName_->setEditText(acc_name);
    const QString plain = removeThousandSeparators(pay_amt.trimmed());
    const bool amount = isAmountFormat(plain);
    txtAmount_->setText(amount ? formatAmount(plain) : pay_amt);
    lblCnPayAmount_->setText(amount ? convertToCapital(plain) : QString());
    comboRemark_->setEditText(remark);
}

bool frmLaborage::checkForm() {
    const std::pair<QWidget*, int> ruled[] = {
        {comboName_, 8}, {comboAccNo_, 9}, {txtAmount_, 10}, {comboRemark_, 11}};
    for (const auto& [field, id] : ruled) {
        if (!field->isEnabled())
            continue;
        if (!CheckField(*field, id, messages_.prompter())) {
            focusAndSelect(field);
            return false;
        }
    }
    if (const QString refused = formAmountRefusal(txtAmount_->text()); !refused.isEmpty()) {
        messages_.show(refused);
        if (!txtAmount_->text().trimmed().isEmpty()) {
            txtAmount_->clear();
            lblCnPayAmount_->clear();
        }
        focusAndSelect(txtAmount_);
        return false;
    }
    const struct {
        QComboBox* field;
        qsizetype maximum;
        const char* message;
    } lengths[] = {{comboName_, kNameMaxLength, "收款人名称长度超过最长30位的长度"},
                   {comboRemark_, kRemarkMaxLength, "备注长度超过最长60位的长度"}};
    for (const auto& [field, maximum, message] : lengths) {
        if (field->currentText().trimmed().toUcs4().size() > maximum) {
            messages_.show(QString::fromUtf8(message));
            focusAndSelect(field);
            return false;
        }
    }
    return true;
}

LaborageInstruction frmLaborage::instruction() const {
    return {comboAccNo_->currentText(), comboName_->currentText(), txtAmount_->text(),
            comboRemark_->currentText()};
}

void frmLaborage::clearForm() {
    for (QComboBox* combo : {comboName_, comboAccNo_, comboRemark_})
        clearField(combo);
    txtAmount_->clear();
    lblCnPayAmount_->clear();
    comboAccNo_->setFocus();
}

void frmLaborage::refreshList() {
    if (parentForm_)
        parentForm_->resetLaborage();
}

void frmLaborage::cmdAdd_Click() {
    if (!checkForm() || !addLaborage(store_, messages_, instruction()))
        return;
    refreshList();
    clearForm();
    const bool listed = parentForm_ && parentForm_->laborageList().showsInstructions();
    setPayIdx(listed ? static_cast<int>(parentForm_->laborageList().gridRowCount()) : 1);
}

void frmLaborage::cmdUpdate_Click() {
    if (!checkForm() || !changeLaborage(store_, messages_, lblPaySerialNo_->text(), instruction()))
        return;
    refreshList();
    accept();
}

void frmLaborage::cmdDelete_Click() {
    if (!deleteLaborage(store_, messages_, lblPaySerialNo_->text()))
        return;
    refreshList();
    accept();
}
