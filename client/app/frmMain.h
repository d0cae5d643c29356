#pragma once

#include <QMainWindow>

#include <array>

class BatchTabPage;
class DBAccess;
class Prompter;
class QAction;
class QMenu;
class QTabWidget;
class StatusPanels;
class TabPage;

// The main window: six tabs, one list each, and the commands that act on the shown tab.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kTabCount = 6;

    frmMain(DBAccess& db, Prompter& prompter, QWidget* parent = nullptr);

    // "<bank name>企业网上银行批量制单工具v1.2"
    static QString titleFor(const QString& bankName);

    // The commands of the menus and toolbar.
    void menuNew_Click();
    void menuSave_Click();
    void menuExit_Click();
    void menuHelpFile_Click();
    void menuPasswd_Click();
    void option_Click();
    void menuAbount_Click();

private:
    void showConfiguredTitle();
    void createPages();
    void buildMenus();
    void buildToolbar();
    void SSTabMain_Click(int tab);
    BatchTabPage* batchPage(int tab) const;

    DBAccess& db_;
    Prompter& prompter_;
    QTabWidget* SSTabMain_;
    StatusPanels* status_;
    std::array<TabPage*, kTabCount> pages_{};
    BatchTabPage* payment_ = nullptr;
    BatchTabPage* laborage_ = nullptr;
    QAction* menuNew_ = nullptr;
    QAction* menuSave_ = nullptr;
    QAction* toolbarNew_ = nullptr;
    QAction* toolbarSave_ = nullptr;
    int previousTab_ = 2;
};
