#pragma once

#include "page/TabPage.h"

class StatusPanels;

// A tab whose list is not built yet: an empty frame. Showing it clears the status bar.
class EmptyPage : public TabPage {
public:
    // prefix: the tab's control prefix, such as "PayAccList_".
    EmptyPage(StatusPanels& status, const QString& prefix);

    void reload() override;
    void clearList() override {}

private:
    StatusPanels& status_;
};
