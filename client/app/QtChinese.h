#pragma once

class QCoreApplication;

// Installs Qt's own Chinese texts (qtbase_zh_CN): file dialogs, context menus and standard
// buttons then speak the program's language. False when the translation is not installed.
bool loadQtChinese(QCoreApplication& app);
