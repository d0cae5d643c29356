#pragma once

#include "files/ClientMessages.h"
#include "page/TabPage.h"
#include "refdata/RefList.h"

class DBAccess;
class Prompter;
class QLabel;
class QLineEdit;
class QTableView;
class GridTableModel;
class StatusPanels;

// Tab 5 of the main window: the remark phrases.
class UserRemarkTab : public TabPage {
    Q_OBJECT
public:
    UserRemarkTab(DBAccess& db, Prompter& prompter, StatusPanels& status,
                  QWidget* parent = nullptr);

    void reload() override { resetUserRemarkList(); }
    void clearList() override;

    void resetUserRemarkList();
    void UserRemarkList_DataGrid_Click(int row);
    void UserRemarkList_cmdAdd_Click();
    void UserRemarkList_cmdUpdate_Click();
    void UserRemarkList_cmdDelete_Click();
    void UserRemarkList_cmdExport_Click();
    void UserRemarkList_cmdImport_Click();

private:
    bool checkPhrase();
    // The selected grid row, 0 for none.
    qsizetype selectedRow() const;

    DBAccess& db_;
    ClientMessages messages_;
    StatusPanels& status_;
    RefList list_;
    GridTableModel* model_;
    QTableView* grid_;
    QLabel* lblUserRemarkIdx_;
    QLineEdit* txtUserRemark_;
};
