#pragma once

#include <QString>
#include <QStringList>

// Every message box and file chooser of the client goes through a Prompter, so that forms and
// core code can be driven from tests by a scripted one.
enum class MsgIcon { None, Critical, Warning, Question, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual MsgAnswer message(const QString& title, const QString& text,
                              MsgIcon icon = MsgIcon::None,
                              MsgButtons buttons = MsgButtons::Ok) = 0;

    // Returns the chosen path, or an empty text when the clerk cancelled. The save chooser never
    // asks about overwriting itself: callers ask through message() so the question is recorded.
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& directory) = 0;
    virtual QString openFileName(const QString& title, const QString& filter,
                                 const QString& directory) = 0;
};
