#include "app/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MsgAnswer answer;
    const char16_t* text;
};

QList<ButtonChoice> buttonsOf(MsgButtons buttons) {
    const ButtonChoice ok{QMessageBox::Ok, MsgAnswer::Ok, u"确定"};
    const ButtonChoice cancel{QMessageBox::Cancel, MsgAnswer::Cancel, u"取消"};
    const ButtonChoice yes{QMessageBox::Yes, MsgAnswer::Yes, u"是"};
    const ButtonChoice no{QMessageBox::No, MsgAnswer::No, u"否"};
    switch (buttons) {
    case MsgButtons::OkCancel:
        return {ok, cancel};
    case MsgButtons::YesNo:
        return {yes, no};
    case MsgButtons::YesNoCancel:
        return {yes, no, cancel};
    case MsgButtons::Ok:
        break;
    }
    return {ok};
}

} // namespace

MsgAnswer QtPrompter::message(const QString& title, const QString& text, MsgIcon icon,
                              MsgButtons buttons) {
    QMessageBox box(iconOf(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<ButtonChoice> choices = buttonsOf(buttons);
    for (const ButtonChoice& choice : choices)
        box.addButton(choice.button)->setText(QString::fromUtf16(choice.text));
    // Closing the box without a button takes its last, most cautious answer.
    box.setEscapeButton(box.button(choices.last().button));
    box.setDefaultButton(choices.first().button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonChoice& choice : choices) {
        if (choice.button == clicked)
            return choice.answer;
    }
    return choices.last().answer;
}

QString QtPrompter::saveFileName(const QString& title, const QString& filter,
                                 const QString& directory) {
    // The caller asks the overwrite question itself, through message().
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, directory, filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::openFileName(const QString& title, const QString& filter,
                                 const QString& directory) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory, filter);
}
