#include "app/tests/MainWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

using MainWindowDialogs = MainWindowFixture;

// Triggers the command and hands the modal dialog it opens to `use`, which must close it.
QString openedBy(QAction* command, const std::function<void(QDialog&)>& use) {
    QString opened;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = dialog->objectName();
        use(*dialog);
    });
    command->trigger();
    return opened;
}

TEST_F(MainWindowDialogs, EachSystemCommandOpensItsDialogModally) {
    frmMain& window = open();
    const struct {
        const char* command;
        const char* dialog;
    } commands[] = {
        {"menuPasswd", "frmPasswd"}, {"option", "frmSysConf"}, {"menuAbount", "frmAbout"}};
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        const QString opened = openedBy(action(c.command), [&](QDialog& dialog) {
            EXPECT_TRUE(dialog.isModal());
            EXPECT_EQ(dialog.parentWidget(), &window);
            dialog.reject();
        });
        EXPECT_EQ(opened, QLatin1String(c.dialog));
    }
}

TEST_F(MainWindowDialogs, ASavedBankNameShowsInTheTitleAtOnce) {
    frmMain& window = open();
    openedBy(action("option"), [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtBankName"))
            ->setText(QStringLiteral("澄川银行"));
        dialog.findChild<QPushButton*>(QStringLiteral("Command2_0"))->click();
    });
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定保存成功。")});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
}

} // namespace
