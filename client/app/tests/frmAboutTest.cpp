#include "app/frmAbout.h"
#include "app/SysInfo.h"
#include "app/tests/DialogFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include <unistd.h>

namespace {

// The about box; PATH points at a folder of fake system information programs for each test.
class frmAboutTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(bin_.isValid());
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin_.path().toLocal8Bit());
        dialog_ = std::make_unique<frmAbout>(prompter_);
    }
    void TearDown() override {
        qputenv("PATH", savedPath_);
        DialogFixture::TearDown();
    }

    QString text(const char* name) const {
        return control<QLabel>(*dialog_, QLatin1String(name))->text();
    }
    void sysInfo() const { control<QPushButton>(*dialog_, QStringLiteral("cmdSysInfo"))->click(); }
    QString marker() const { return bin_.filePath(QStringLiteral("started")); }
    // A program on PATH.
    void fake(const QString& name, const QByteArray& script, bool executable = true) const {
        writeBytes(bin_.filePath(name), script);
        QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            mode |= QFile::ExeOwner;
        ASSERT_TRUE(QFile::setPermissions(bin_.filePath(name), mode));
    }
    // A system information program that writes its name, its session and its process id into the
    // marker file.
    void fakeTool(const QString& name) const {
        const QByteArray file = marker().toLocal8Bit();
        fake(name, "#!/bin/sh\nPATH=/usr/bin:/bin\nsid=$(awk '{print $6}' /proc/$$/stat)\n"
                   "echo \"$(basename \"$0\") $sid $$\" > '" +
                       file + ".tmp' && mv '" + file + ".tmp' '" + file + "'\n");
    }
    // The marker's words once the started program has written it.
    QStringList waitForMarker() const {
        const QDeadlineTimer deadline(30000);
        while (!QFile::exists(marker()) && !deadline.hasExpired())
            QThread::msleep(20);
        return QString::fromLocal8Bit(bytesOf(marker())).simplified().split(' ');
    }

    QTemporaryDir bin_;
    QByteArray savedPath_;
    std::unique_ptr<frmAbout> dialog_;
};

TEST_F(frmAboutTest, ShowsTheFixedTexts) {
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("关于 澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_EQ(text("lblTitle"), QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_EQ(text("lblVersion"), QStringLiteral("版本 1.2.0"));
    EXPECT_EQ(text("lblDescription"),
              QStringLiteral("本程序由澄川银行开发\n用于澄川银行企业网银用户脱机使用"));
    EXPECT_EQ(control<QPushButton>(*dialog_, QStringLiteral("cmdSysInfo"))->text(),
              QStringLiteral("系统信息(&S)..."));
    EXPECT_TRUE(control<QLabel>(*dialog_, QStringLiteral("picIcon"))->pixmap().isNull());
    control<QPushButton>(*dialog_, QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(frmAboutTest, ShowsTheConfiguredIcon) {
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("ico")));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder() + QStringLiteral("ico/bank.ico"), "ICO"));
    sharedConfig().iconPath = folder() + QStringLiteral("ico/bank.ico");
    frmAbout about(prompter_);
    EXPECT_FALSE(control<QLabel>(about, QStringLiteral("picIcon"))->pixmap().isNull());
    EXPECT_FALSE(about.windowIcon().isNull());
}

TEST_F(frmAboutTest, TheFirstCandidateOnPathIsStartedInAnotherSession) {
    const QStringList candidates = systemInfoCandidates();
    ASSERT_GE(candidates.size(), 3);
    fakeTool(candidates[2]);
    fakeTool(candidates[1]);
    sysInfo();
    const QStringList words = waitForMarker();
    ASSERT_EQ(words.size(), 3) << bytesOf(marker()).toStdString();
    EXPECT_EQ(words[0], candidates[1]);
    EXPECT_NE(words[1], QString::number(::getsid(0))) << "still in the client's session";
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(frmAboutTest, WithoutAProgramThatStartsSystemInformationIsUnavailable) {
    const QString name = systemInfoCandidates().first();
    const struct {
        const char* situation;
        QByteArray script;
        bool executable;
    } cases[] = {
        {"nothing on PATH", {}, false},
        {"not executable", "#!/bin/sh\ntouch '" + marker().toLocal8Bit() + "'\n", false},
        {"cannot start", "#!/nonexistent/interpreter\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        prompter_.clear();
        QFile::remove(bin_.filePath(name));
        if (!c.script.isEmpty())
            fake(name, c.script, c.executable);
        sysInfo();
        EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("此时系统信息不可用")});
        EXPECT_EQ(prompter_.boxes().front().icon, MsgIcon::None);
    }
    EXPECT_FALSE(QFile::exists(marker()));
}

} // namespace
