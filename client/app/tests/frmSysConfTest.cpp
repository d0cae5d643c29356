#include "app/frmSysConf.h"
#include "app/tests/DialogFixture.h"
#include "config/QtFieldControl.h"
#include "config/SysConf.h"
#include "config/XmlFile.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

QString id(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// The settings dialog on a temporary program folder, driven by its control names.
class frmSysConfTest : public DialogFixture {
protected:
    frmSysConf& open() {
        dialog_ = std::make_unique<frmSysConf>(prompter_);
        showActive(*dialog_);
        return *dialog_;
    }
    QCheckBox* check(const char* name, int index) const {
        return control<QCheckBox>(*dialog_, id(name, index));
    }
    QLineEdit* text(const char* name, int index) const {
        return control<QLineEdit>(*dialog_, id(name, index));
    }
    QLineEdit* text(const char* name) const {
        return control<QLineEdit>(*dialog_, QLatin1String(name));
    }
    void click(const QString& name) const { control<QPushButton>(*dialog_, name)->click(); }
    void ok() const { click(QStringLiteral("Command2_0")); }
    void apply() const { click(QStringLiteral("Command2_1")); }
    void chooseIcon(const QString& path) {
        prompter_.choose(path);
        click(QStringLiteral("Command1"));
    }

    // Each field element's attributes as name=value, in the file's order.
    QStringList attributesOf(int fieldId) const {
        XmlFileDocument file;
        EXPECT_TRUE(loadXmlFile(file, iniPath()));
        QStringList out;
        for (const pugi::xml_node group : file.doc.document_element().children())
            for (const pugi::xml_node field : group.children())
                if (field.attribute("id").as_int() == fieldId)
                    for (const pugi::xml_attribute a : field.attributes())
                        out << QString::fromUtf8(a.name()) + '=' + QString::fromUtf8(a.value());
        return out;
    }
    QString rootAttribute(const char* name) const {
        XmlFileDocument file;
        EXPECT_TRUE(loadXmlFile(file, iniPath()));
        return QString::fromUtf8(file.doc.document_element().attribute(name).value());
    }

    // A picture file in ICO format, filled with one colour.
    static void writeIcon(const QString& path, Qt::GlobalColor colour) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(path, "ICO")) << path.toStdString();
    }
    QString outside(const QString& name) const { return elsewhere_.filePath(name); }
    QString inIco(const QString& name) const { return folder() + QStringLiteral("ico/") + name; }

    std::unique_ptr<frmSysConf> dialog_;
    QTemporaryDir elsewhere_;
};

TEST_F(frmSysConfTest, ShowsTheFileWithTheBankNameInTheTitle) {
    {
        SysConf conf;
        ASSERT_TRUE(conf.setBankName(QStringLiteral("澄川银行")));
        ASSERT_TRUE(conf.setAttrib2Elemt(6, QStringLiteral("is_numric"), QStringLiteral("1")));
        ASSERT_TRUE(conf.setAttrib2Elemt(6, QStringLiteral("max_value"), QStringLiteral("1e5")));
        ASSERT_TRUE(conf.setAttrib2Elemt(6, QStringLiteral("can_edit"), QStringLiteral("0")));
    }
    frmSysConf& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("澄川银行网银客户端系统设定"));
    EXPECT_EQ(text("txtBankName")->text(), QStringLiteral("澄川银行"));
    const struct {
        int id;
        const char* label;
    } labels[] = {{1, "收款帐号:"}, {16, "收款帐户开户网点号:"}, {24, "现代支付行号:"}};
    for (const auto& row : labels)
        EXPECT_EQ(control<QLabel>(dialog, id("lblPatchPayFileSet", row.id))->text(),
                  QString::fromUtf8(row.label));
    EXPECT_TRUE(check("chkIsNumric", 6)->isChecked());
    EXPECT_FALSE(check("chkCanEdit", 6)->isChecked());
    EXPECT_EQ(text("chkMaxValue", 6)->text(), QStringLiteral("1e5"));
    EXPECT_EQ(text("chkLength", 6)->text(), QString());
    QStringList frames;
    for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_EQ(frames, (QStringList{"批量支付文件设定", "代发工资文件设定", "备注维护设定",
                                   "付款账户维护设定", "收款账户维护设定", "代发工资名册维护设定",
                                   "澄川新增字段设定"}));
    EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 4 * 24);
}

TEST_F(frmSysConfTest, WithoutABankNameTheTitleIsTheCaptionAlone) {
    EXPECT_EQ(open().windowTitle(), QStringLiteral("网银客户端系统设定"));
}

TEST_F(frmSysConfTest, AccountWithoutLengthIsRefusedWritingNothing) {
    frmSysConf& dialog = open();
    const QByteArray before = bytesOf(iniPath());
    check("chkIsAccount", 12)->click();
    text("chkLength", 12)->setText(QStringLiteral("   "));
    for (const char* button : {"Command2_1", "Command2_0"}) {
        SCOPED_TRACE(button);
        prompter_.clear();
        click(QLatin1String(button));
        EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("帐号必须指定长度，请参照说明。")});
        EXPECT_EQ(bytesOf(iniPath()), before);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(text("chkLength", 12)->hasFocus());
    }
}

TEST_F(frmSysConfTest, UntouchedSaveGivesEveryElementAllEightAttributesInOrder) {
    frmSysConf& dialog = open();
    ok();
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定保存成功。")});
    EXPECT_EQ(prompter_.boxes().front().title,
              QStringLiteral("澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    const char* const objTypes[] = {"",     "combox", "combox", "text",   "text", "text",
                                    "text", "combox", "combox", "combox", "text", "combox"};
    for (int field = 1; field <= 24; ++field) {
        SCOPED_TRACE(field);
        const QStringList attributes = attributesOf(field);
        ASSERT_EQ(attributes.size(), 10);
        EXPECT_TRUE(attributes[0].startsWith(QStringLiteral("field_name=")));
        EXPECT_FALSE(attributes[0].endsWith(':'));
        EXPECT_EQ(attributes[1], QStringLiteral("id=%1").arg(field));
        EXPECT_EQ(attributes[2], QStringLiteral("obj_type=") +
                                     QLatin1String(field < 12 ? objTypes[field] : "text"));
        EXPECT_EQ(attributes.mid(3),
                  (QStringList{"can_edit=0", "is_account=0", "not_null=0", "is_numric=0",
                               "length=", "min_value=", "max_value="}));
    }
    EXPECT_EQ(attributesOf(13)[0], QStringLiteral("field_name=付款账户户名"));
    EXPECT_EQ(rootAttribute("sys_icon"), QString());
    EXPECT_TRUE(
        bytesOf(iniPath()).startsWith("<?xml version='1.0' encoding='gb2312'?>\r\n<SysConf"));
}

TEST_F(frmSysConfTest, AccountTicksNumberOnlyOnTheClerksClick) {
    {
        SysConf conf;
        ASSERT_TRUE(conf.setAttrib2Elemt(12, QStringLiteral("is_account"), QStringLiteral("1")));
        ASSERT_TRUE(conf.setAttrib2Elemt(12, QStringLiteral("is_numric"), QStringLiteral("0")));
        ASSERT_TRUE(conf.setAttrib2Elemt(12, QStringLiteral("length"), QStringLiteral("19")));
    }
    open();
    EXPECT_TRUE(check("chkIsAccount", 12)->isChecked());
    EXPECT_FALSE(check("chkIsNumric", 12)->isChecked());

    check("chkIsAccount", 14)->click();
    EXPECT_TRUE(check("chkIsNumric", 14)->isChecked());
    check("chkIsAccount", 14)->click();
    EXPECT_FALSE(check("chkIsNumric", 14)->isChecked());
    check("chkIsNumric", 15)->click();
    EXPECT_FALSE(check("chkIsAccount", 15)->isChecked());

    apply();
    EXPECT_TRUE(attributesOf(12).contains(QStringLiteral("is_account=1")));
    EXPECT_TRUE(attributesOf(12).contains(QStringLiteral("is_numric=0")));
    EXPECT_TRUE(attributesOf(15).contains(QStringLiteral("is_numric=1")));
}

TEST_F(frmSysConfTest, SavedTicksComeBackAndTheFieldCheckUsesThemAtOnce) {
    open();
    check("chkEnableNull", 12)->click();
    check("chkIsAccount", 12)->click();
    text("chkLength", 12)->setText(QStringLiteral("5"));
    text("chkMaxValue", 10)->setText(QStringLiteral("999"));
    check("chkIsNumric", 10)->click();
    apply();
    ASSERT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定保存成功。")});
    for (const char* tick : {"not_null=1", "is_account=1", "is_numric=1", "length=5"})
        EXPECT_TRUE(attributesOf(12).contains(QLatin1String(tick))) << tick;

    // The rule table was reloaded by the save itself.
    EXPECT_TRUE(sharedConfig().FieldRule[12].is_account);
    EXPECT_EQ(sharedConfig().FieldRule[10].max_value, 999);
    QWidget window;
    auto* account = new QLineEdit(&window);
    account->setText(QStringLiteral("1234"));
    prompter_.clear();
    EXPECT_FALSE(CheckField(*account, 12, prompter_));
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("付款帐号输入错误，请输入正确的帐号,帐号位数为5。")});
    account->setText(QStringLiteral("12345"));
    EXPECT_TRUE(CheckField(*account, 12, prompter_));

    dialog_.reset();
    open();
    EXPECT_TRUE(check("chkEnableNull", 12)->isChecked());
    EXPECT_TRUE(check("chkIsAccount", 12)->isChecked());
    EXPECT_TRUE(check("chkIsNumric", 12)->isChecked());
    EXPECT_FALSE(check("chkCanEdit", 12)->isChecked());
    EXPECT_EQ(text("chkLength", 12)->text(), QStringLiteral("5"));
}

TEST_F(frmSysConfTest, OkAfterApplyClosesAndSavesOnlyAnEditMadeSince) {
    frmSysConf& dialog = open();
    apply();
    EXPECT_TRUE(dialog.saved());
    EXPECT_TRUE(dialog.isVisible());
    text("txtBankName")->setText(QStringLiteral("新银行"));
    EXPECT_FALSE(dialog.saved());
    ok();
    EXPECT_EQ(prompter_.texts(), QStringList(2, QStringLiteral("系统设定保存成功。")));
    EXPECT_EQ(rootAttribute("bank_name"), QStringLiteral("新银行"));
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("新银行"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("新银行网银客户端系统设定"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    prompter_.clear();
    frmSysConf& again = open();
    apply();
    ok();
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定保存成功。")});
    EXPECT_EQ(again.result(), QDialog::Accepted);
}

TEST_F(frmSysConfTest, EnterInAFieldMovesOnInsteadOfSaving) {
    open();
    const QByteArray before = bytesOf(iniPath());
    text("txtBankName")->setText(QStringLiteral("另一家银行"));
    text("txtBankName")->setFocus();
    pressEnter();
    EXPECT_TRUE(text("txtSysIcon")->hasFocus());
    text("chkLength", 1)->setFocus();
    pressEnter();
    EXPECT_TRUE(text("chkMinValue", 1)->hasFocus());
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(bytesOf(iniPath()), before);
}

TEST_F(frmSysConfTest, CloseLeavesTheFileAsItWas) {
    frmSysConf& dialog = open();
    const QByteArray before = bytesOf(iniPath());
    text("txtBankName")->setText(QStringLiteral("新银行"));
    check("chkCanEdit", 3)->click();
    click(QStringLiteral("Command2_2"));
    EXPECT_EQ(bytesOf(iniPath()), before);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(frmSysConfTest, AFailedSaveSaysSoAndKeepsTheDialogOpen) {
    frmSysConf& dialog = open();
    const QByteArray before = bytesOf(iniPath());
    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup));
    text("txtBankName")->setText(QStringLiteral("新银行"));
    for (const char* button : {"Command2_1", "Command2_0"}) {
        SCOPED_TRACE(button);
        prompter_.clear();
        click(QLatin1String(button));
        EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定失败，请重试。")});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.saved());
    }
    EXPECT_EQ(bytesOf(iniPath()), before);

    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner));
    text("txtBankName")->setText(QStringLiteral("银行\U0001F600"));
    check("chkCanEdit", 1)->click();
    prompter_.clear();
    ok();
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定失败，请重试。")});
    EXPECT_EQ(bytesOf(iniPath()), before);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(frmSysConfTest, AChosenIconIsCopiedIntoIcoAndStoredRelative) {
    writeIcon(outside(QStringLiteral("green.ico")), Qt::green);
    frmSysConf& dialog = open();
    ASSERT_FALSE(QDir(folder() + "ico").exists());
    chooseIcon(outside(QStringLiteral("green.ico")));
    ASSERT_EQ(prompter_.choosers().size(), 1u);
    EXPECT_EQ(prompter_.choosers()[0].filter, QStringLiteral("ICO (*.ICO *.ico)"));
    EXPECT_EQ(text("txtSysIcon")->text(), outside(QStringLiteral("green.ico")));
    EXPECT_FALSE(control<QLabel>(dialog, QStringLiteral("picSysIcon"))->pixmap().isNull());
    EXPECT_FALSE(QFile::exists(inIco(QStringLiteral("green.ico"))));
    apply();
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定保存成功。")});
    EXPECT_EQ(bytesOf(inIco(QStringLiteral("green.ico"))),
              bytesOf(outside(QStringLiteral("green.ico"))));
    EXPECT_EQ(rootAttribute("sys_icon"), QStringLiteral("ico\\green.ico"));
    EXPECT_EQ(sharedConfig().iconPath, inIco(QStringLiteral("green.ico")));
    EXPECT_EQ(text("txtSysIcon")->text(), inIco(QStringLiteral("green.ico")));
    EXPECT_FALSE(dialog.windowIcon().isNull());
}

TEST_F(frmSysConfTest, IconInIcoIsKeptAndOneOfTheSameNameReplaced) {
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("ico")));
    writeIcon(inIco(QStringLiteral("bank.ico")), Qt::red);
    const QByteArray red = bytesOf(inIco(QStringLiteral("bank.ico")));
    open();
    chooseIcon(inIco(QStringLiteral("bank.ico")));
    apply();
    EXPECT_EQ(bytesOf(inIco(QStringLiteral("bank.ico"))), red);
    EXPECT_EQ(rootAttribute("sys_icon"), QStringLiteral("ico\\bank.ico"));
    // Saved again with the icon the dialog now shows from ico/.
    text("txtBankName")->setText(QStringLiteral("甲"));
    apply();
    EXPECT_EQ(bytesOf(inIco(QStringLiteral("bank.ico"))), red);

    writeIcon(outside(QStringLiteral("bank.ico")), Qt::blue);
    chooseIcon(outside(QStringLiteral("bank.ico")));
    ok();
    EXPECT_EQ(bytesOf(inIco(QStringLiteral("bank.ico"))),
              bytesOf(outside(QStringLiteral("bank.ico"))));
    EXPECT_NE(bytesOf(inIco(QStringLiteral("bank.ico"))), red);
    EXPECT_EQ(QDir(folder() + "ico").entryList(QDir::Files),
              QStringList{QStringLiteral("bank.ico")});
}

TEST_F(frmSysConfTest, AFileThatIsNoPictureStaysOutOfTheBox) {
    writeBytes(outside(QStringLiteral("fake.ico")), "not a picture");
    open();
    chooseIcon(outside(QStringLiteral("fake.ico")));
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("文件读写错误，打开文件失败。")});
    EXPECT_EQ(text("txtSysIcon")->text(), QString());
    chooseIcon(QString()); // cancelled
    EXPECT_EQ(prompter_.boxes().size(), 1u);
    EXPECT_EQ(text("txtSysIcon")->text(), QString());
}

TEST_F(frmSysConfTest, AnEmptyIconBoxLeavesSysIconAsItWas) {
    {
        SysConf conf;
        ASSERT_TRUE(conf.setSysIcon(QStringLiteral("bank.ico")));
    }
    open();
    ASSERT_EQ(text("txtSysIcon")->text(), QString());
    ok();
    EXPECT_EQ(rootAttribute("sys_icon"), QStringLiteral("bank.ico"));
    EXPECT_FALSE(QDir(folder() + "ico").exists());
}

TEST_F(frmSysConfTest, AChosenIconThatVanishesFailsTheSave) {
    writeIcon(outside(QStringLiteral("gone.ico")), Qt::green);
    frmSysConf& dialog = open();
    const QByteArray before = bytesOf(iniPath());
    chooseIcon(outside(QStringLiteral("gone.ico")));
    ASSERT_TRUE(QFile::remove(outside(QStringLiteral("gone.ico"))));
    ok();
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("系统设定失败，请重试。")});
    EXPECT_EQ(bytesOf(iniPath()), before);
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
