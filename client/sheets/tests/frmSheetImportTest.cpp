#include "sheets/frmSheetImport.h"
#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "sheets/SheetFile.h"
#include "sheets/SheetMenu.h"
#include "sheets/tests/SheetMaker.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/ClientFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

class frmSheetImportTest : public ClientFixture {
protected:
    std::unique_ptr<frmSheetImport> open(const QString& file) {
        const SheetReadResult read = readSheetFile(file);
        EXPECT_TRUE(read.ok);
        return std::make_unique<frmSheetImport>(*db_, messages_, BatchKind::Payroll, file, read);
    }
    template <class T> static T* child(QWidget& form, const char* name) {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QStringList payroll() const {
        return home_.rows("select acc_no,acc_name,pay_amount from laborage order by serial_no");
    }
};

TEST_F(frmSheetImportTest, AnUnmatchedColumnIsChosenByHandThenEveryRowIsPreviewed) {
    makeXlsx(path("m.xlsx"), {{"工号", "职工姓名", "银行卡", "本月实发"},
                              {"001", "张三", "6222000011111111", 1234.1},
                              {"002", "李四", "6222000011112222", 0.5}});
    auto form = open(path("m.xlsx"));
    auto* import = child<QPushButton>(*form, "cmdImport");
    auto* summary = child<QLabel>(*form, "lblSummary");
    EXPECT_FALSE(import->isEnabled());
    EXPECT_EQ(summary->text(), QStringLiteral("请为以下各项选择表格中的列：账号、户名、金额"));
    auto* grid = child<QTableWidget>(*form, "grdPreview");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, grid->columnCount() - 1)->text(), QString());

    child<QComboBox>(*form, "cboColumn0")->setCurrentIndex(3); // C：银行卡
    child<QComboBox>(*form, "cboColumn1")->setCurrentIndex(2); // B：职工姓名
    child<QComboBox>(*form, "cboColumn2")->setCurrentIndex(4); // D：本月实发
    EXPECT_EQ(child<QComboBox>(*form, "cboColumn0")->currentText(), QStringLiteral("C：银行卡"));
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("1234.10"));
    EXPECT_EQ(summary->text(), QStringLiteral("共2行，均可导入"));
    ASSERT_TRUE(import->isEnabled());

    child<QRadioButton>(*form, "optAppend")->setChecked(true);
    import->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(payroll(),
              (QStringList{"6222000011111111|张三|1234.1", "6222000011112222|李四|0.5"}));
}

TEST_F(frmSheetImportTest, RefusedRowsShowTheirReasonAndImportStaysDisabled) {
    makeXlsx(path("r.xlsx"), {{"账号", "户名", "金额"},
                              {"6222", "张三", 1.0},
                              {std::monostate{}, "李四", 2.0},
                              {"6224", "王五", QString("abc")}});
    auto form = open(path("r.xlsx"));
    auto* grid = child<QTableWidget>(*form, "grdPreview");
    ASSERT_EQ(grid->rowCount(), 3);
    const int reason = grid->columnCount() - 1;
    EXPECT_EQ(grid->item(0, reason)->text(), QString());
    EXPECT_EQ(grid->item(1, reason)->text(),
              QStringLiteral("第3条记录中的收款账号格式错误，文件导入被中止"));
    EXPECT_EQ(grid->item(2, reason)->text(),
              QStringLiteral("第4条记录中的金额格式错误，文件导入被中止"));
    EXPECT_EQ(child<QLabel>(*form, "lblSummary")->text(),
              QStringLiteral("共3行，其中2行不能导入，请修改表格后重新导入"));
    EXPECT_FALSE(child<QPushButton>(*form, "cmdImport")->isEnabled());
}

TEST_F(frmSheetImportTest, TheMenuImportsThroughTheDialogAndExportsWithTheExtensionAdded) {
    makeXlsx(path("ok.xlsx"), {{"账号", "户名", "金额"}, {"6222", "张三", 3.0}});
    QWidget parent;
    QMenu menu;
    int reloads = 0;
    addSheetCommands(&menu, BatchKind::Payroll, *db_, prompter_, &parent, [&] { ++reloads; });
    prompter_.choose(path("ok.xlsx"));
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<frmSheetImport*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    });
    menu.findChild<QAction*>(QStringLiteral("menuImportSheet"))->trigger();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(payroll(), QStringList{"6222|张三|3"});

    prompter_.clear();
    prompter_.choose(path("batch"));
    menu.findChild<QAction*>(QStringLiteral("menuExportSheet"))->trigger();
    EXPECT_EQ(prompter_.texts(), QStringList{"表格文件生成完毕"});
    EXPECT_TRUE(QFile::exists(path("batch.xlsx")));
}

} // namespace
