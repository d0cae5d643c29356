#include "payment/frmPayAcc.h"

#include "files/ClientMessages.h"
#include "payment/PaymentListOwner.h"
#include "payment/PaymentStore.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmPayAcc::frmPayAcc(PaymentStore& store, ClientMessages& messages, BatchPayer& payer,
                     QWidget* parent)
    : QDialog(parent)
    , store_(store)
    , messages_(messages)
    , payer_(payer)
    , comboPayAccNo_(new QComboBox(this))
    , comboPayAccName_(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmPayAcc"));
    setWindowTitle(QStringLiteral("付款指令－付款账户维护"));
    comboPayAccNo_->setObjectName(QStringLiteral("comboPayAccNo"));
    comboPayAccName_->setObjectName(QStringLiteral("comboPayAccName"));
    for (const PayAccount& account : store_.payAccounts()) {
        comboPayAccNo_->addItem(account.accNo);
        comboPayAccName_->addItem(account.accName);
    }
    comboPayAccNo_->setCurrentIndex(-1);
    comboPayAccName_->setCurrentIndex(-1);
    connect(comboPayAccNo_, &QComboBox::activated, comboPayAccName_, &QComboBox::setCurrentIndex);
    connect(comboPayAccName_, &QComboBox::activated, comboPayAccNo_, &QComboBox::setCurrentIndex);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("付款账号："), comboPayAccNo_);
    form->addRow(QStringLiteral("付款账户户名："), comboPayAccName_);
    auto* cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdClose = new QPushButton(QStringLiteral("关闭"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdOK, &QPushButton::clicked, this, &frmPayAcc::cmdOK_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void frmPayAcc::setAcc(const QString& accNo) {
    const int index = accNo.isEmpty() ? (comboPayAccNo_->count() > 0 ? 0 : -1)
                                      : comboPayAccNo_->findText(accNo, Qt::MatchExactly);
    comboPayAccNo_->setCurrentIndex(index);
    comboPayAccName_->setCurrentIndex(index);
}

void frmPayAcc::cmdOK_Click() {
    if (comboPayAccNo_->currentText().trimmed().isEmpty()) {
        if (payCount_ > 0) {
            messages_.show(QStringLiteral("批量付款记录已存在，付款账号不可为空"));
            return;
        }
        payer_ = {};
        accept();
        return;
    }
    const PayAccount chosen{comboPayAccNo_->currentText(), comboPayAccName_->currentText()};
    if (chosen.accNo == payer_.accNo) {
        accept();
        return;
    }
    if (payCount_ > 0 && !store_.setPayerOfAll(chosen)) {
        messages_.show(QStringLiteral("批量支付付款账号保存失败"));
        return;
    }
    payer_ = {chosen.accNo, chosen.accName};
    if (payCount_ > 0 && parentForm_)
        parentForm_->resetPaymentB2B();
    accept();
}
