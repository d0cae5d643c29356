#include "ClientMessages.h"

#include "Prompter.h"

namespace {
const QString kAppTitle = QStringLiteral("澄川银行企业网上银行批量制单工具v1.2");
}

void ClientMessages::show(const QString& text) {
    prompter_.message(kAppTitle, text);
}

bool ClientMessages::confirm(const QString& text) {
    return prompter_.message(kAppTitle, text, MsgIcon::Question, MsgButtons::OkCancel) ==
           MsgAnswer::Ok;
}
