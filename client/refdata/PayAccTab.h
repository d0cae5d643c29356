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

// Tab 2 of the main window: the payer accounts.
class PayAccTab : public TabPage {
    Q_OBJECT
public:
    PayAccTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    void reload() override { resetPayAccList(); }
    void clearList() override;

    void resetPayAccList();
    void PayAccList_DataGrid_Click(int row);
    void PayAccList_cmdAdd_Click();
    void PayAccList_cmdUpdate_Click();
    void PayAccList_cmdDelete_Click();
    void PayAccList_cmdExport_Click();
    void PayAccList_cmdImport_Click();

private:
    bool PayAccList_checkForm();
    bool selected() const;

    DBAccess& db_;
    ClientMessages messages_;
    StatusPanels& status_;
    RefList list_;
    GridTableModel* model_;
    QTableView* grid_;
    QLabel* lblPayAccIdx_;
    QLineEdit* txtAccNo_;
    QLineEdit* txtAccName_;
    QComboBox* comboCurrency_;
};
