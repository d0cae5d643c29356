#pragma once

#include <QDialog>

struct BatchPayer;
class ClientMessages;
class PaymentListOwner;
class PaymentStore;
class QComboBox;

// "付款指令－付款账户维护": chooses the payer account of the batch and moves every instruction of
// the batch to it.
class frmPayAcc : public QDialog {
    Q_OBJECT
public:
    frmPayAcc(PaymentStore& store, ClientMessages& messages, BatchPayer& payer,
              QWidget* parent = nullptr);

    void setAcc(const QString& accNo);
    void setPayCount(int count) { payCount_ = count; }
    void setParentForm(PaymentListOwner* pForm) { parentForm_ = pForm; }

private:
    void cmdOK_Click();

    PaymentStore& store_;
    ClientMessages& messages_;
    BatchPayer& payer_;
    PaymentListOwner* parentForm_ = nullptr;
    int payCount_ = 0;
    QComboBox* comboPayAccNo_;
    QComboBox* comboPayAccName_;
};
