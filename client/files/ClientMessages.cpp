#include "files/ClientMessages.h"

#include "config/AppTitle.h"
#include "store/Prompter.h"

void ClientMessages::show(const QString& text) {
    prompter_.message(applicationTitle(), text);
}

bool ClientMessages::confirm(const QString& text) {
    return prompter_.message(applicationTitle(), text, MsgIcon::Question, MsgButtons::OkCancel) ==
           MsgAnswer::Ok;
}
