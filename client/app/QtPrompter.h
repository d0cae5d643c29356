#pragma once

#include "store/Prompter.h"

// Message boxes and file choosers of the window program: QMessageBox and QFileDialog, owned by
// the active window, with Chinese button texts.
class QtPrompter : public Prompter {
public:
    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& directory) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& directory) override;
};
