#include "store/ScriptedPrompter.h"

MsgAnswer ScriptedPrompter::message(const QString& title, const QString& text, MsgIcon icon,
                                    MsgButtons buttons) {
    boxes_.push_back({title, text, icon, buttons});
    if (!answers_.empty()) {
        const MsgAnswer next = answers_.front();
        answers_.pop_front();
        return next;
    }
    return (buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel) ? MsgAnswer::Ok
                                                                          : MsgAnswer::Yes;
}

QString ScriptedPrompter::nextPath(Chooser chooser) {
    choosers_.push_back(std::move(chooser));
    if (paths_.empty())
        return {};
    QString next = paths_.front();
    paths_.pop_front();
    return next;
}

QString ScriptedPrompter::saveFileName(const QString& title, const QString& filter,
                                       const QString& directory) {
    return nextPath({true, title, filter, directory});
}

QString ScriptedPrompter::openFileName(const QString& title, const QString& filter,
                                       const QString& directory) {
    return nextPath({false, title, filter, directory});
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Box& box : boxes_)
        out << box.text;
    return out;
}

void ScriptedPrompter::clear() {
    answers_.clear();
    paths_.clear();
    boxes_.clear();
    choosers_.clear();
}
