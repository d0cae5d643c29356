#pragma once

#include "files/ClientMessages.h"
#include "page/TabPage.h"
#include "refdata/RefList.h"

class DBAccess;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class GridTableModel;
class StatusPanels;
namespace Roster {
struct Person;
}

// Tab 4 of the main window: the personal accounts of the payroll roster.
class EmployeeTab : public TabPage {
    Q_OBJECT
public:
    EmployeeTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    void reload() override { resetEmployeeList(); }
    void clearList() override;

    void resetEmployeeList();
    void EmployeeList_DataGrid_Click(int row);
    void EmployeeList_cmdAdd_Click();
    void EmployeeList_cmdUpdate_Click();
    void EmployeeList_cmdDelete_Click();
    void EmployeeList_cmdExport_Click();

private:
    bool EmployeeList_checkForm();
    // The selected grid row, 0 for none.
    qsizetype selectedRow() const;
    Roster::Person formPerson() const;

    DBAccess& db_;
    ClientMessages messages_;
    StatusPanels& status_;
    RefList list_;
    GridTableModel* model_;
    QTableView* grid_;
    QLabel* lblEmployeeIdx_;
    QLineEdit* txtAccNo_;
    QLineEdit* txtAccName_;
    QComboBox* comboCertType_;
    QLineEdit* txtCertCode_;
};
