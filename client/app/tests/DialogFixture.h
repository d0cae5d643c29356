#pragma once

#include "config/GbkCodec.h"
#include "config/SharedConfig.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/TempProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

// A temporary program folder with a copy of the delivered database, fresh shared values and a
// scripted prompter, for the dialogs of the 系统 menu.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        sharedConfig() = SharedConfig{};
        sharedConfig().programFolder = folder();
    }
    void TearDown() override { sharedConfig() = SharedConfig{}; }

    QString folder() const { return home_.folder(); }
    QString iniPath() const { return home_.path(QStringLiteral("sysConf.ini")); }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QString iniText() const {
        return decodeText(bytesOf(iniPath()), "GB18030").value_or(QString());
    }

    template <class T> static T* control(const QWidget& dialog, const QString& name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // The dialog shown and active, so that focus moves can be seen.
    static void showActive(QWidget& dialog) {
        dialog.show();
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }

    // Enter typed in the focused control.
    static void pressEnter() {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &enter);
        QApplication::processEvents();
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
    ScriptedPrompter prompter_;
};
