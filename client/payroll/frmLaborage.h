#pragma once

#include "files/ClientMessages.h"
#include "page/InstructionDialog.h"
#include "payroll/LaborageStore.h"

class DBAccess;
class LaborageListOwner;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;

// "代发工资指令": creates, changes and deletes one payroll or reimbursement instruction.
class frmLaborage : public InstructionDialog {
    Q_OBJECT
public:
    frmLaborage(DBAccess& db, Prompter& prompter, QWidget* parent = nullptr);

    void setParentForm(LaborageListOwner* pForm) { parentForm_ = pForm; }
    // Fills the dialog with a stored instruction, for a change or delete.
    void setRecordValue(const QString& serial_no, const QString& acc_no, const QString& acc_name,
                        const QString& pay_amt, const QString& remark);

    void cmdAdd_Click() override;
    void cmdUpdate_Click() override;
    void cmdDelete_Click() override;

private:
    void buildControls();
    void layOutControls();
    void connectControls();
    void loadLists();

    bool checkForm();
    LaborageInstruction instruction() const;
    // Empties the four fields and the capital label; the account box is ready for the next one.
    void clearForm();
    void refreshList();

    ClientMessages messages_;
    LaborageStore store_;
    LaborageListOwner* parentForm_ = nullptr;

    QComboBox* comboAccNo_;
    QComboBox* comboName_;
    QLineEdit* txtAmount_;
    QLabel* lblCnPayAmount_;
    QComboBox* comboRemark_;
};
