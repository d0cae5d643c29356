#pragma once

#include "page/TabPage.h"

class DBAccess;
class QMenu;
class StatusPanels;

// A batch tab whose list is not built yet: an empty frame that still knows how many instructions
// the batch holds, so that clearing it asks first, and shows that count in the status bar.
class EmptyBatchPage : public BatchTabPage {
public:
    EmptyBatchPage(DBAccess& db, StatusPanels& status, const QString& prefix,
                   const QString& countStatement, const QString& menuName,
                   const QString& menuTitle);

    void reload() override;
    void clearList() override { rows_ = 0; }
    int rowCount() const override { return rows_; }
    void writeUploadFile() override {}
    QMenu* functionMenu() override { return menu_; }

private:
    DBAccess& db_;
    StatusPanels& status_;
    QString countStatement_;
    QMenu* menu_;
    int rows_ = 0;
};
