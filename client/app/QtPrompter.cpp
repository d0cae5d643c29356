#include "QtPrompter.h"

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

struct ButtonSpec {
    QMessageBox::StandardButton button;
    MsgAnswer answer;
    const char16_t* text;
};

QList<ButtonSpec> buttonsOf(MsgButtons buttons) {
    const ButtonSpec ok{QMessageBox::Ok, MsgAnswer::Ok, u"确定"};
    const ButtonSpec cancel{QMessageBox::Cancel, MsgAnswer::Cancel, u"取消"};
    const ButtonSpec yes{QMessageBox::Yes, MsgAnswer::Yes, u"是"};
    const ButtonSpec no{QMessageBox::No, MsgAnswer::No, u"否"};
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
    const QList<ButtonSpec> specs = buttonsOf(buttons);
    for (const ButtonSpec& spec : specs)
        box.addButton(spec.button)->setText(QString::fromUtf16(spec.text));
    // Closing the box without a button takes its last, most cautious answer.
    box.setEscapeButton(box.button(specs.last().button));
    box.setDefaultButton(specs.first().button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonSpec& spec : specs) {
        if (spec.button == clicked)
            return spec.answer;
    }
    return specs.last().answer;
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
