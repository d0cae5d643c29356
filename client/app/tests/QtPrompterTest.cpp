#include "app/QtPrompter.h"
#include "app/QtChinese.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the modal box or dialog once it is shown.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Shows a box, records what it looked like and clicks the button with the given caption
// (an empty caption closes it with Escape).
MsgAnswer showAndClick(MsgIcon icon, MsgButtons buttons, const QString& caption, Seen& seen) {
    whenModal([&seen, caption](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), {}};
        QAbstractButton* target = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == caption)
                target = button;
        }
        if (target)
            target->click();
        else
            box->reject();
    });
    QtPrompter prompter;
    return prompter.message(QStringLiteral("标题"), QStringLiteral("正文"), icon, buttons);
}

TEST(QtPrompter, MapsIconsAndShowsTitleAndText) {
    const struct {
        MsgIcon icon;
        QMessageBox::Icon expected;
    } cases[] = {
        {MsgIcon::None, QMessageBox::NoIcon},
        {MsgIcon::Critical, QMessageBox::Critical},
        {MsgIcon::Warning, QMessageBox::Warning},
        {MsgIcon::Question, QMessageBox::Question},
        {MsgIcon::Information, QMessageBox::Information},
    };
    for (const auto& c : cases) {
        Seen seen;
        EXPECT_EQ(showAndClick(c.icon, MsgButtons::Ok, QStringLiteral("确定"), seen),
                  MsgAnswer::Ok);
        EXPECT_EQ(seen.icon, c.expected);
        EXPECT_EQ(seen.title, QStringLiteral("标题"));
        EXPECT_EQ(seen.text, QStringLiteral("正文"));
        EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("确定")});
    }
}

TEST(QtPrompter, MapsButtonsAndAnswers) {
    const struct {
        MsgButtons buttons;
        QStringList captions;
        const char* click;
        MsgAnswer expected;
    } cases[] = {
        {MsgButtons::OkCancel, {"确定", "取消"}, "确定", MsgAnswer::Ok},
        {MsgButtons::OkCancel, {"确定", "取消"}, "取消", MsgAnswer::Cancel},
        {MsgButtons::OkCancel, {"确定", "取消"}, "", MsgAnswer::Cancel},
        {MsgButtons::YesNo, {"是", "否"}, "是", MsgAnswer::Yes},
        {MsgButtons::YesNo, {"是", "否"}, "否", MsgAnswer::No},
        {MsgButtons::YesNoCancel, {"是", "否", "取消"}, "否", MsgAnswer::No},
        {MsgButtons::YesNoCancel, {"是", "否", "取消"}, "", MsgAnswer::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.click);
        Seen seen;
        EXPECT_EQ(showAndClick(MsgIcon::Question, c.buttons, QString::fromUtf8(c.click), seen),
                  c.expected);
        QStringList sorted = seen.buttons;
        QStringList expected = c.captions;
        sorted.sort();
        expected.sort();
        EXPECT_EQ(sorted, expected);
    }
}

TEST(QtPrompter, SaveChooserLeavesTheOverwriteQuestionToTheCaller) {
    bool confirms = true;
    QString title;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        title = dialog->windowTitle();
        dialog->reject();
    });
    QtPrompter prompter;
    EXPECT_TRUE(prompter.saveFileName(QStringLiteral("保存"), QStringLiteral("*.plz"), QString())
                    .isEmpty());
    EXPECT_FALSE(confirms);
    EXPECT_EQ(title, QStringLiteral("保存"));
}

TEST(QtChinese, FileDialogsAndStandardButtonsSpeakChinese) {
    ASSERT_TRUE(loadQtChinese(*QCoreApplication::instance()));
    QFileDialog dialog(nullptr, QStringLiteral("另存为"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    const auto* name = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->text().contains(QStringLiteral("文件名"))) << name->text().toStdString();
}

} // namespace
