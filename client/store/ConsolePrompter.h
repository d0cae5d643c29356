#pragma once

#include "store/Prompter.h"

#include <cstdio>

// Message boxes for the console: each box is one line "title: text" on standard error (a
// question also names the answer taken). Questions are answered from a flag: OK/Yes when it is
// set, Cancel/No otherwise. File choosers are never answered: commands take file names as
// arguments.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(bool yes, std::FILE* out = stderr)
        : yes_(yes)
        , out_(out) {}

    bool yes() const { return yes_; }

    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& directory) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& directory) override;

private:
    void print(const QString& line);

    bool yes_;
    std::FILE* out_;
};
