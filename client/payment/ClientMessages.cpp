#include "ClientMessages.h"

#include "AppTitle.h"
#include "Prompter.h"

void ClientMessages::show(const QString& text) {
    prompter_.message(applicationTitle(), text);
}

bool ClientMessages::confirm(const QString& text) {
    return prompter_.message(applicationTitle(), text, MsgIcon::Question, MsgButtons::OkCancel) ==
           MsgAnswer::Ok;
}
