#pragma once

#include <QString>

#include <functional>
#include <vector>

class QHBoxLayout;
class QMenu;
class QWidget;

// A command of a tab, offered as a menu entry or a button: its control name, caption and action.
struct PageCommand {
    const char* name;
    const char* caption;
    std::function<void()> run;
};

// Adds the commands to the menu, in order.
void addMenuCommands(QMenu* menu, const std::vector<PageCommand>& commands);
// Adds the commands as buttons of `parent` to the row, in order, then a stretch.
void addButtonCommands(QWidget* parent, QHBoxLayout* row, const std::vector<PageCommand>& commands);
