#pragma once

#include "sheets/BatchColumns.h"

#include <functional>

class DBAccess;
class Prompter;
class QMenu;
class QWidget;

// Adds a batch tab's sheet commands to its menu: 从表格导入 (the import dialog; `reload` shows the
// stored batch), 导出到表格, 打印汇总单 (the print dialog) and 汇总单另存为PDF.
void addSheetCommands(QMenu* menu, BatchKind kind, DBAccess& db, Prompter& prompter,
                      QWidget* parent, const std::function<void()>& reload);
