#pragma once

#include <QWidget>

class QMenu;

// A page of the main window's tab control. The main window reloads a page each time its tab is
// shown and clears its list when another tab is chosen.
class TabPage : public QWidget {
public:
    using QWidget::QWidget;

    virtual void reload() = 0;
    virtual void clearList() = 0;
};

// A page holding the current batch of one kind: the main window empties the batch (menuNew),
// writes its upload file (menuSave) and shows the page's menu in its menu bar while the tab is
// shown.
class BatchTabPage : public TabPage {
public:
    using TabPage::TabPage;

    // Instructions the list shows.
    virtual int rowCount() const = 0;
    virtual void writeUploadFile() = 0;
    virtual QMenu* functionMenu() = 0;
};
