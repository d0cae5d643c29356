#pragma once

#include "refdata/RefTab.h"

class QLineEdit;

// Tab 5 of the main window: the remark phrases.
class UserRemarkTab : public RefTab {
    Q_OBJECT
public:
    UserRemarkTab(DBAccess& db, Prompter& prompter, StatusPanels& status,
                  QWidget* parent = nullptr);

    void reload() override { resetUserRemarkList(); }

    void resetUserRemarkList();
    void UserRemarkList_cmdAdd_Click();
    void UserRemarkList_cmdUpdate_Click();
    void UserRemarkList_cmdDelete_Click();
    void UserRemarkList_cmdExport_Click();
    void UserRemarkList_cmdImport_Click();

private:
    void showRow(qsizetype row) override;
    bool checkPhrase();

    QLineEdit* txtUserRemark_;
};
