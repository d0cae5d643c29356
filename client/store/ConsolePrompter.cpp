#include "store/ConsolePrompter.h"

namespace {

MsgAnswer answerFor(MsgButtons buttons, bool yes) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::OkCancel:
        return yes ? MsgAnswer::Ok : MsgAnswer::Cancel;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        break;
    }
    return yes ? MsgAnswer::Yes : MsgAnswer::No;
}

QString labelOf(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QStringLiteral("确定");
    case MsgAnswer::Cancel:
        return QStringLiteral("取消");
    case MsgAnswer::Yes:
        return QStringLiteral("是");
    case MsgAnswer::No:
        break;
    }
    return QStringLiteral("否");
}

} // namespace

void ConsolePrompter::print(const QString& line) {
    std::fputs(line.toUtf8().constData(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

MsgAnswer ConsolePrompter::message(const QString& title, const QString& text, MsgIcon,
                                   MsgButtons buttons) {
    const MsgAnswer answer = answerFor(buttons, yes_);
    QString line = title + QStringLiteral(": ") + text;
    if (buttons != MsgButtons::Ok)
        line += QStringLiteral(" [%1]").arg(labelOf(answer));
    print(line);
    return answer;
}

QString ConsolePrompter::saveFileName(const QString& title, const QString&, const QString&) {
    print(title + QStringLiteral(": 命令行下请在参数中给出文件名"));
    return {};
}

QString ConsolePrompter::openFileName(const QString& title, const QString&, const QString&) {
    print(title + QStringLiteral(": 命令行下请在参数中给出文件名"));
    return {};
}
