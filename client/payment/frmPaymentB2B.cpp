#include "payment/frmPaymentB2B.h"

#include "amount/AmountConvert.h"
#include "amount/AmountField.h"
#include "amount/AmountText.h"
#include "config/QtFieldControl.h"
#include "config/SharedConfig.h"
#include "payment/PaymentEditing.h"
#include "payment/PaymentListOwner.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kOwnBankName = QStringLiteral("澄川银行");
const QString kKindCodes[3] = {QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("02")};
const int kRemarkMaxLength = 60;
const int kComboWidth = 220;

} // namespace

frmPaymentB2B::frmPaymentB2B(DBAccess& db, Prompter& prompter, QWidget* parent)
    : InstructionDialog("frmPaymentB2B", QStringLiteral("付款指令"), sharedConfig().iconPath,
                        parent)
    , messages_(prompter)
    , store_(db) {
    // A dialog of fixed size: no minimise or maximise, and its layout is the one shown.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    layOutControls();
    connectControls();
    loadLists();
}

frmPaymentB2B::~frmPaymentB2B() = default;

void frmPaymentB2B::buildControls() {
    comboPayAccNo_ =
        editableCombo(this, "comboPayAccNo", kComboWidth, QStringLiteral("请选择或输入付款账号"));
    comboPayAccName_ = editableCombo(this, "comboPayAccName", kComboWidth,
                                     QStringLiteral("请选择或输入付款账户户名"));
    const char* kindNames[3] = {"optRecAccType_0", "optRecAccType_1", "optRecAccType_2"};
    const QString kindCaptions[3] = {QStringLiteral("行内"), QStringLiteral("跨行同城"),
                                     QStringLiteral("跨行异地")};
    for (int i = 0; i < 3; ++i) {
        optRecAccType_[i] = named<QRadioButton>(this, kindNames[i]);
        optRecAccType_[i]->setText(kindCaptions[i]);
    }
    comboRecAccNo_ =
        editableCombo(this, "comboRecAccNo", kComboWidth, QStringLiteral("请选择或输入收款账号"));
    comboRecAccName_ = editableCombo(this, "comboRecAccName", kComboWidth,
                                     QStringLiteral("请选择或输入收款账户户名"));
    comboRecAccType_ = named<QComboBox>(this, "comboRecAccType");
    comboRecBankName_ = named<QComboBox>(this, "comboRecBankName");
    comboSameCityLiquidateNo_ = named<QComboBox>(this, "comboSameCityLiquidateNo");
    comboProvince1_ = named<QComboBox>(this, "comboProvince1");
    comboCity1_ = named<QComboBox>(this, "comboCity1");
    comboPresentBankNo_ = named<QComboBox>(this, "comboPresentBankNo");
    const char* remitNames[2] = {"optRemitType_0", "optRemitType_1"};
    const QString remitCaptions[2] = {QStringLiteral("普通"), QStringLiteral("加急")};
    for (int i = 0; i < 2; ++i) {
        optRemitType_[i] = named<QRadioButton>(this, remitNames[i]);
        optRemitType_[i]->setText(remitCaptions[i]);
    }
    optRemitType_[0]->setChecked(true);
    txtRecBankName_ = named<QLineEdit>(this, "txtRecBankName");
    txtSameCityLiquidateNo_ = named<QLineEdit>(this, "txtSameCityLiquidateNo");
    txtPresentPayBankNo_ = named<QLineEdit>(this, "txtPresentPayBankNo");
    comboProvince_ = editableCombo(this, "comboProvince", kComboWidth);
    comboCity_ = editableCombo(this, "comboCity", kComboWidth);
    comboRegion_ = editableCombo(this, "comboRegion", kComboWidth);
    txtRecBankId_ = named<QLineEdit>(this, "txtRecBankId");
    txtAreaNo_ = named<QLineEdit>(this, "txtAreaNo");
    txtNetNo_ = named<QLineEdit>(this, "txtNetNo");
    lblRecBankId_ = named<QLabel>(this, "lblRecBankId");
    lblAreaNo_ = named<QLabel>(this, "lblAreaNo");
    txtAmount_ = named<QLineEdit>(this, "txtAmount");
    lblCnPayAmount_ = named<QLabel>(this, "lblCnPayAmount");
    comboRemark_ = editableCombo(this, "comboRemark", kComboWidth);
    blockText_ = named<QLineEdit>(this, "blockText");
    QPalette block = blockText_->palette();
    block.setColor(QPalette::Base, QColor(0xD4, 0xD0, 0xC8));
    blockText_->setPalette(block);
    buildCommands();

    // Never shown: the older bank detail fields, the hidden payee columns and the colour source.
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             comboRecAccType_, comboRecBankName_, comboSameCityLiquidateNo_, comboProvince1_,
             comboCity1_, comboPresentBankNo_, txtRecBankId_, txtAreaNo_, txtNetNo_, lblRecBankId_,
             lblAreaNo_, blockText_, comboRegion_})
        hidden->setVisible(false);
}

void frmPaymentB2B::layOutControls() {
    const auto label = [this](const char* caption) {
        return new QLabel(QString::fromUtf8(caption), this);
    };
    auto* head = new QHBoxLayout;
    head->addWidget(label("流水号："));
    head->addWidget(lblPaySerialNo_, 1);
    head->addWidget(label("指令序号："));
    head->addWidget(lblPayIdx_);

    auto* payer = new QGroupBox(QStringLiteral("付款方"), this);
    auto* payerGrid = new QGridLayout(payer);
    payerGrid->addWidget(label("*付款账号："), 0, 0);
    payerGrid->addWidget(comboPayAccNo_, 0, 1);
    payerGrid->addWidget(label("*付款账户户名："), 1, 0);
    payerGrid->addWidget(comboPayAccName_, 1, 1);

    auto* payee = new QGroupBox(QStringLiteral("收款方"), this);
    auto* payeeGrid = new QGridLayout(payee);
    auto* kinds = new QHBoxLayout;
    for (QRadioButton* option : optRecAccType_)
        kinds->addWidget(option);
    kinds->addStretch(1);
    auto* remits = new QHBoxLayout;
    for (QRadioButton* option : optRemitType_)
        remits->addWidget(option);
    remits->addStretch(1);
    auto* kindGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i)
        kindGroup->addButton(optRecAccType_[i], i);
    auto* remitGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i)
        remitGroup->addButton(optRemitType_[i], i);
    int row = 0;
    payeeGrid->addWidget(label("收款账户行别："), row, 0);
    payeeGrid->addLayout(kinds, row++, 1);
    payeeGrid->addWidget(label("*收款账号："), row, 0);
    payeeGrid->addWidget(comboRecAccNo_, row++, 1);
    payeeGrid->addWidget(label("*收款账户户名："), row, 0);
    payeeGrid->addWidget(comboRecAccName_, row++, 1);
    payeeGrid->addWidget(label("转账类型："), row, 0);
    payeeGrid->addLayout(remits, row++, 1);
    payeeGrid->addWidget(label("收款银行名称："), row, 0);
    payeeGrid->addWidget(txtRecBankName_, row++, 1);
    payeeGrid->addWidget(label("同城清算行号："), row, 0);
    payeeGrid->addWidget(txtSameCityLiquidateNo_, row++, 1);
    payeeGrid->addWidget(label("汇入省："), row, 0);
    payeeGrid->addWidget(comboProvince_, row++, 1);
    payeeGrid->addWidget(label("汇入市："), row, 0);
    payeeGrid->addWidget(comboCity_, row++, 1);
    payeeGrid->addWidget(label("现代支付行号："), row, 0);
    payeeGrid->addWidget(txtPresentPayBankNo_, row++, 1);

    auto* amount = new QGridLayout;
    amount->addWidget(label("*付款金额："), 0, 0);
    amount->addWidget(txtAmount_, 0, 1);
    amount->addWidget(lblCnPayAmount_, 1, 1);
    amount->addWidget(label("备注："), 2, 0);
    amount->addWidget(comboRemark_, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(head);
    layout->addWidget(payer);
    layout->addWidget(payee);
    layout->addLayout(amount);
    layout->addWidget(label("注：1. *为必输项目"));
    layout->addWidget(label("2. 系统将自动保存手动输入的新付款账号"));
    layout->addLayout(commandRow());
}

void frmPaymentB2B::connectControls() {
    for (int i = 0; i < 3; ++i)
        connect(optRecAccType_[i], &QRadioButton::clicked, this,
                [this, i] { optRecAccType_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(optRemitType_[i], &QRadioButton::clicked, this,
                [this, i] { optRemitType_Click(i); });
    connect(comboPayAccNo_, &QComboBox::activated, comboPayAccName_, &QComboBox::setCurrentIndex);
    connect(comboPayAccName_, &QComboBox::activated, comboPayAccNo_, &QComboBox::setCurrentIndex);
    connect(comboRecAccNo_, &QComboBox::activated, this, &frmPaymentB2B::selectPayee);
    connect(comboRecAccName_, &QComboBox::activated, this, &frmPaymentB2B::selectPayee);
    connect(comboRecAccNo_->lineEdit(), &QLineEdit::textEdited, this,
            [this] { recAccPicked_ = false; });
    connect(comboProvince_, &QComboBox::activated, this, &frmPaymentB2B::loadCities);
    connectCommands();
    for (QWidget* field : std::initializer_list<QWidget*>{
             comboPayAccNo_, comboPayAccName_, comboRecAccNo_, comboRecAccName_, txtRecBankName_,
             txtSameCityLiquidateNo_, comboProvince_, comboCity_, txtPresentPayBankNo_,
             comboRemark_, optRecAccType_[0], optRecAccType_[1], optRecAccType_[2],
             optRemitType_[0], optRemitType_[1]})
        field->installEventFilter(this);
    // Leaving the amount box or Enter in it refreshes the amount and its capital spelling.
    new AmountField(*txtAmount_, *lblCnPayAmount_, messages_.prompter());
}

void frmPaymentB2B::loadLists() {
    const bool editable[3] = {sharedConfig().FieldRule[3].can_edit,
                              sharedConfig().FieldRule[4].can_edit,
                              sharedConfig().FieldRule[5].can_edit};
    txtRecBankId_->setEnabled(editable[0]);
    txtAreaNo_->setEnabled(editable[1]);
    txtNetNo_->setEnabled(editable[2]);
    for (const PayAccount& account : store_.payAccounts()) {
        comboPayAccNo_->addItem(account.accNo);
        comboPayAccName_->addItem(account.accName);
    }
    comboPayAccNo_->setCurrentIndex(-1);
    comboPayAccName_->setCurrentIndex(-1);
    comboRemark_->addItems(store_.remarks());
    comboRemark_->setCurrentIndex(-1);
    optRecAccType_[0]->setChecked(true);
    optRecAccType_Click(0);
}

bool frmPaymentB2B::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (event->type() == QEvent::FocusOut || enter) {
        if (watched == comboRecAccNo_)
            comboRecAccNo_LostFocus();
        else if (watched == comboProvince_)
            loadCities();
    }
    // Only fields and options are watched here: Enter moves on.
    return InstructionDialog::eventFilter(watched, event);
}

QString frmPaymentB2B::recAccType() const {
    for (int i = 0; i < 3; ++i)
        if (optRecAccType_[i]->isChecked())
            return kKindCodes[i];
    return kKindCodes[0];
}

void frmPaymentB2B::setFieldOn(QWidget* field, bool on) {
    field->setEnabled(on);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base,
                     on ? QColor(Qt::white) : blockText_->palette().color(QPalette::Base));
    field->setPalette(palette);
}

void frmPaymentB2B::optRecAccType_Click(int index) {
    for (QWidget* field :
         std::initializer_list<QWidget*>{txtRecBankName_, txtSameCityLiquidateNo_,
                                         txtPresentPayBankNo_, comboProvince_, comboCity_})
        clearField(field);
    comboCity_->clear();
    comboProvince_->clear();
    for (QRadioButton* option : optRemitType_)
        option->setEnabled(index == 1);
    // Only 跨行同城 offers a choice; every other kind is an ordinary remittance.
    if (index != 1)
        optRemitType_[0]->setChecked(true);
    setFieldOn(txtRecBankName_, index != 0);
    setFieldOn(txtSameCityLiquidateNo_, index == 1);
    setFieldOn(comboProvince_, index == 2);
    setFieldOn(comboCity_, index == 2);
    if (index != 2)
        setFieldOn(comboRegion_, false);
    setFieldOn(txtPresentPayBankNo_, index == 2);
    if (index == 2) {
        comboProvince_->addItems(store_.provinces());
        comboProvince_->setCurrentIndex(-1);
    }
    if (index == 1)
        optRemitType_Click(optRemitType_[1]->isChecked() ? 1 : 0);
    loadPayees();
}

void frmPaymentB2B::optRemitType_Click(int index) {
    if (!optRecAccType_[1]->isChecked())
        return;
    QLineEdit* on = index == 0 ? txtSameCityLiquidateNo_ : txtPresentPayBankNo_;
    QLineEdit* off = index == 0 ? txtPresentPayBankNo_ : txtSameCityLiquidateNo_;
    setFieldOn(on, true);
    setFieldOn(off, false);
    off->clear();
}

void frmPaymentB2B::loadPayees() {
    QComboBox* lists[] = {comboRecAccNo_,    comboRecAccName_,          comboRecAccType_,
                          comboRecBankName_, comboSameCityLiquidateNo_, comboProvince1_,
                          comboCity1_,       comboPresentBankNo_};
    for (QComboBox* list : lists)
        list->clear();
    for (const PayeeAccount& payee : store_.payees(recAccType())) {
        const QString values[] = {payee.accNo,
                                  payee.accName,
                                  payee.accType,
                                  payee.recBankName,
                                  payee.sameCityLiquidateNo,
                                  payee.province,
                                  payee.city,
                                  payee.presentBankNo};
        for (size_t i = 0; i < std::size(lists); ++i)
            lists[i]->addItem(values[i]);
    }
    for (QComboBox* list : lists)
        list->setCurrentIndex(-1);
    recAccPicked_ = false;
}

void frmPaymentB2B::selectPayee(int index) {
    for (QComboBox* list :
         {comboRecAccNo_, comboRecAccName_, comboRecAccType_, comboRecBankName_,
          comboSameCityLiquidateNo_, comboProvince1_, comboCity1_, comboPresentBankNo_})
        list->setCurrentIndex(index);
    txtRecBankName_->setText(comboRecBankName_->currentText());
    txtSameCityLiquidateNo_->setText(comboSameCityLiquidateNo_->currentText());
    comboProvince_->setEditText(comboProvince1_->currentText());
    loadCities();
    comboCity_->setEditText(comboCity1_->currentText());
    txtPresentPayBankNo_->setText(comboPresentBankNo_->currentText());
    recAccPicked_ = index >= 0;
}

void frmPaymentB2B::comboRecAccNo_LostFocus() {
    if (recAccPicked_)
        return;
    const int match = comboRecAccNo_->findText(comboRecAccNo_->currentText(),
                                               Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match >= 0)
        selectPayee(match);
}

void frmPaymentB2B::loadCities() {
    const QString city = comboCity_->currentText();
    comboCity_->clear();
    const QString province = comboProvince_->currentText().trimmed();
    if (!province.isEmpty())
        comboCity_->addItems(store_.cities(province));
    comboCity_->setCurrentIndex(-1);
    comboCity_->setEditText(comboCity_->findText(city) >= 0 ? city : QString());
}

void frmPaymentB2B::fillFromRow(const PaymentList::Row& row) {
    // Row columns: serial, payer no, payer name, kind description, payee no, payee name, remit
    // description, bank, clearing no, province, city, modern no, amount, remark.
    const QString& kind = row[3];
    const int kindIndex = kind == QStringLiteral("行内")          ? 0
                          : kind.contains(QStringLiteral("同城")) ? 1
                                                                  : 2;
    optRecAccType_[kindIndex]->setChecked(true);
    // The list shows the remit description, not its code: both select 普通.
    const bool ordinary = row[6] == QStringLiteral("0") || row[6] == QStringLiteral("普通");
    optRemitType_[ordinary ? 0 : 1]->setChecked(true);
    optRecAccType_Click(kindIndex);
    lblPaySerialNo_->setText(row[0]);
    comboPayAccNo_->setEditText(row[1]);
    comboPayAccName_->setEditText(row[2]);
    comboRecAccNo_->setEditText(row[4]);
    comboRecAccName_->setEditText(row[5]);
    recAccPicked_ = true;
    txtRecBankName_->setText(kindIndex == 0 ? QString() : row[7]);
    txtSameCityLiquidateNo_->setText(row[8]);
    comboProvince_->setEditText(row[9]);
    loadCities();
    comboCity_->setEditText(row[10]);
    txtPresentPayBankNo_->setText(row[11]);
    const QString plain = removeThousandSeparators(row[12].trimmed());
    txtAmount_->setText(isAmountFormat(plain) ? formatAmountTyped(plain) : row[12]);
    lblCnPayAmount_->setText(isAmountFormat(plain) ? convertToCapital(plain) : QString());
    comboRemark_->setEditText(row[13]);
}

bool frmPaymentB2B::checkRule(QWidget* field, int id) {
    return CheckField(*field, id, messages_.prompter());
}

bool frmPaymentB2B::checkForm() {
    if (comboPayAccNo_->currentText().trimmed().isEmpty()) {
        messages_.show(QStringLiteral("批量支付文件：付款账号不能为空"));
        focusAndSelect(comboPayAccNo_);
        return false;
    }
    if (comboPayAccName_->currentText().trimmed().isEmpty()) {
        messages_.show(QStringLiteral("批量支付文件：付款账户户名不能为空"));
        focusAndSelect(comboPayAccName_);
        return false;
    }
    const std::pair<QWidget*, int> ruled[] = {{comboRecAccNo_, 1},
                                              {comboRecAccName_, 2},
                                              {comboPayAccNo_, 25},
                                              {comboPayAccName_, 26},
                                              {txtRecBankId_, 3},
                                              {txtAreaNo_, 4},
                                              {txtNetNo_, 5},
                                              {txtAmount_, 6},
                                              {comboRemark_, 7},
                                              {comboProvince_, 27},
                                              {comboCity_, 23},
                                              {txtRecBankName_, 21},
                                              {txtPresentPayBankNo_, 24},
                                              {txtSameCityLiquidateNo_, 22}};
    for (const auto& [field, id] : ruled) {
        if (!checkRule(field, id)) {
            focusAndSelect(field);
            return false;
        }
    }
    if (!checkAmount())
        return false;
    if (comboRemark_->currentText().trimmed().size() > kRemarkMaxLength) {
        messages_.show(QStringLiteral("备注长度超过最长60位的长度"));
        focusAndSelect(comboRemark_);
        return false;
    }
    txtAmount_->setText(formatAmountTyped(removeThousandSeparators(txtAmount_->text().trimmed())));
    return true;
}

bool frmPaymentB2B::checkAmount() {
    const QString plain = removeThousandSeparators(txtAmount_->text().trimmed());
    QString failure;
    if (plain.isEmpty())
        failure = QStringLiteral("请输入金额");
    else if (!isAmountFormat(plain))
        failure = QStringLiteral("金额格式错误");
    else if (plain.toDouble() > MAX_SINGLE_AMOUNT)
        failure = QStringLiteral("金额范围超过系统限制");
    else if (plain.toDouble() <= 0)
        failure = QStringLiteral("金额必须大于零元");
    if (failure.isEmpty())
        return true;
    messages_.show(failure);
    if (!plain.isEmpty())
        txtAmount_->clear();
    focusAndSelect(txtAmount_);
    return false;
}

PaymentInstruction frmPaymentB2B::instruction() const {
    const QString kind = recAccType();
    return {comboPayAccNo_->currentText(),
            comboPayAccName_->currentText(),
            kind,
            comboRecAccNo_->currentText(),
            comboRecAccName_->currentText(),
            kind == kKindCodes[0] ? kOwnBankName : txtRecBankName_->text(),
            txtSameCityLiquidateNo_->text(),
            comboProvince_->currentText(),
            comboCity_->currentText(),
            txtPresentPayBankNo_->text(),
            removeThousandSeparators(txtAmount_->text().trimmed()),
            comboRemark_->currentText(),
            optRemitType_[1]->isChecked() ? QStringLiteral("1") : QStringLiteral("0")};
}

void frmPaymentB2B::clearForNext() {
    lblPaySerialNo_->clear();
    for (QWidget* field : std::initializer_list<QWidget*>{
             comboPayAccNo_, comboPayAccName_, comboRecAccNo_, comboRecAccName_, txtRecBankId_,
             txtAreaNo_, txtNetNo_, txtAmount_, comboRemark_, comboProvince_, comboCity_,
             txtRecBankName_, txtSameCityLiquidateNo_, txtPresentPayBankNo_})
        clearField(field);
    lblCnPayAmount_->clear();
    comboCity_->clear();
    // Accounts stored by the save are offered from now on.
    comboPayAccNo_->clear();
    comboPayAccName_->clear();
    for (const PayAccount& account : store_.payAccounts()) {
        comboPayAccNo_->addItem(account.accNo);
        comboPayAccName_->addItem(account.accName);
    }
    comboPayAccNo_->setCurrentIndex(-1);
    comboPayAccName_->setCurrentIndex(-1);
    loadPayees();
}

void frmPaymentB2B::refreshList() {
    if (parentForm_)
        parentForm_->resetPaymentB2B();
}

void frmPaymentB2B::cmdAdd_Click() {
    if (!checkForm())
        return;
    if (!addPayment(store_, messages_, instruction()))
        return;
    clearForNext();
    refreshList();
    if (parentForm_ && !parentForm_->paymentList().empty())
        setPayIdx(static_cast<int>(parentForm_->paymentList().gridRowCount()));
}

void frmPaymentB2B::cmdUpdate_Click() {
    const QString serial = lblPaySerialNo_->text().trimmed();
    if (serial.isEmpty()) {
        messages_.show(QStringLiteral("请选择记录进行修改"));
        return;
    }
    if (!checkForm())
        return;
    changePayment(store_, messages_, serial, instruction());
    refreshList();
}

void frmPaymentB2B::cmdDelete_Click() {
    const QString serial = lblPaySerialNo_->text().trimmed();
    if (serial.isEmpty()) {
        messages_.show(QStringLiteral("请选择记录进行删除"));
        return;
    }
    switch (deletePayment(store_, messages_, serial)) {
    case DeleteOutcome::Cancelled:
        return;
    case DeleteOutcome::Deleted:
        // The shown instruction is gone: a later change or delete must not name it.
        lblPaySerialNo_->clear();
        break;
    case DeleteOutcome::Failed:
        break;
    }
    refreshList();
}
