#pragma once

#include "refdata/RefTab.h"

class QComboBox;
class QLineEdit;
namespace Roster {
struct Person;
}

// Tab 4 of the main window: the personal accounts of the payroll roster.
class EmployeeTab : public RefTab {
    Q_OBJECT
public:
    EmployeeTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    void reload() override { resetEmployeeList(); }

    void resetEmployeeList();
    void EmployeeList_cmdAdd_Click();
    void EmployeeList_cmdUpdate_Click();
    void EmployeeList_cmdDelete_Click();
    void EmployeeList_cmdExport_Click();

private:
    void showRow(qsizetype row) override;
    bool EmployeeList_checkForm();
    Roster::Person formPerson() const;

    QLineEdit* txtAccNo_;
    QLineEdit* txtAccName_;
    QComboBox* comboCertType_;
    QLineEdit* txtCertCode_;
};
