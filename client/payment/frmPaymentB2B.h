#pragma once

#include "files/ClientMessages.h"
#include "page/InstructionDialog.h"
#include "payment/PaymentInstruction.h"
#include "payment/PaymentList.h"
#include "payment/PaymentStore.h"

#include <array>

class DBAccess;
class PaymentListOwner;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class AmountField;

// "付款指令": creates, changes and deletes one batch payment instruction.
class frmPaymentB2B : public InstructionDialog {
    Q_OBJECT
public:
    frmPaymentB2B(DBAccess& db, Prompter& prompter, QWidget* parent = nullptr);
    ~frmPaymentB2B() override;

    void setParentForm(PaymentListOwner* pForm) { parentForm_ = pForm; }
    // Fills the dialog from a row of the payment list, for a change or delete.
    void fillFromRow(const PaymentList::Row& row);

    void cmdAdd_Click() override;
    void cmdUpdate_Click() override;
    void cmdDelete_Click() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layOutControls();
    void connectControls();
    void loadLists();

    QString recAccType() const;
    void optRecAccType_Click(int index);
    void optRemitType_Click(int index);
    void setFieldOn(QWidget* field, bool on);
    void loadPayees();
    void selectPayee(int index);
    void comboRecAccNo_LostFocus();
    void loadCities();

    // CheckField on one control with the rule of that field id.
    bool checkRule(QWidget* field, int id);
    bool checkForm();
    bool checkAmount();
    PaymentInstruction instruction() const;
    void clearForNext();
    void refreshList();

    ClientMessages messages_;
    PaymentStore store_;
    PaymentListOwner* parentForm_ = nullptr;
    bool recAccPicked_ = false;

    QComboBox* comboPayAccNo_;
    QComboBox* comboPayAccName_;
    std::array<QRadioButton*, 3> optRecAccType_;
    QComboBox* comboRecAccNo_;
    QComboBox* comboRecAccName_;
    QComboBox* comboRecAccType_;
    QComboBox* comboRecBankName_;
    QComboBox* comboSameCityLiquidateNo_;
    QComboBox* comboProvince1_;
    QComboBox* comboCity1_;
    QComboBox* comboPresentBankNo_;
    std::array<QRadioButton*, 2> optRemitType_;
    QLineEdit* txtRecBankName_;
    QLineEdit* txtSameCityLiquidateNo_;
    QLineEdit* txtPresentPayBankNo_;
    QComboBox* comboProvince_;
    QComboBox* comboCity_;
    QComboBox* comboRegion_;
    QLineEdit* txtRecBankId_;
    QLineEdit* txtAreaNo_;
    QLineEdit* txtNetNo_;
    QLabel* lblRecBankId_;
    QLabel* lblAreaNo_;
    QLineEdit* txtAmount_;
    QLabel* lblCnPayAmount_;
    QComboBox* comboRemark_;
    QLineEdit* blockText_;
};
