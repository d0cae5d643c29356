#pragma once

#include "store/Prompter.h"

#include <deque>
#include <vector>

// A Prompter for tests and for the command line: records every box and answers from a script.
// A box with no scripted answer gets its default: OK for Ok/OkCancel, Yes for YesNo(Cancel).
// A chooser with no scripted path is cancelled.
class ScriptedPrompter : public Prompter {
public:
    struct Box {
        QString title;
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
    };
    struct Chooser {
        bool save;
        QString title;
        QString filter;
        QString directory;
    };

    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& directory) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& directory) override;

    void answer(MsgAnswer next) { answers_.push_back(next); }
    void choose(const QString& path) { paths_.push_back(path); }

    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<Chooser>& choosers() const { return choosers_; }
    QStringList texts() const;
    void clear();

private:
    QString nextPath(Chooser chooser);

    std::deque<MsgAnswer> answers_;
    std::deque<QString> paths_;
    std::vector<Box> boxes_;
    std::vector<Chooser> choosers_;
};
