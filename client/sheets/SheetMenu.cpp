#include "sheets/SheetMenu.h"

#include "files/ClientMessages.h"
#include "files/FileChoosers.h"
#include "sheets/BatchSummary.h"
#include "sheets/BatchView.h"
#include "sheets/SheetCommands.h"
#include "sheets/SheetFile.h"
#include "sheets/frmSheetImport.h"
#include "store/Prompter.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QMenu>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QAction* addCommand(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

// The chosen path with the extension added when typed without it, or "" when the clerk cancels
// or keeps an existing file.
QString chooseSavePath(ClientMessages& messages, const QString& title, const QString& filter,
                       const QString& extension) {
    QString path = messages.prompter().saveFileName(title, filter, QString());
    if (path.isEmpty())
        return path;
    if (QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + extension;
    return confirmOverwrite(messages, path);
}

void importSheet(BatchKind kind, DBAccess& db, Prompter& prompter, QWidget* parent,
                 const std::function<void()>& reload) {
    ClientMessages messages(prompter);
    const QString path = prompter.openFileName(
        QStringLiteral("从表格导入"), QStringLiteral("表格文件 (*.xlsx *.csv)"), QString());
    if (path.trimmed().isEmpty())
        return;
    const SheetReadResult read = readSheetFile(path);
    if (!read.ok) {
        messages.show(read.message);
        return;
    }
    frmSheetImport dialog(db, messages, kind, path, read, parent);
    if (dialog.exec() == QDialog::Accepted)
        reload();
}

void printSummary(BatchKind kind, DBAccess& db, Prompter& prompter, QWidget* parent) {
    const BatchView view = loadBatchView(db, kind);
    if (view.rows.empty()) {
        ClientMessages(prompter).show(QStringLiteral("无指令需要打印汇总单"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrintSummary"));
    if (dialog.exec() == QDialog::Accepted)
        paintBatchSummary(printer, view, QDate::currentDate());
}

} // namespace

void addSheetCommands(QMenu* menu, BatchKind kind, DBAccess& db, Prompter& prompter,
                      QWidget* parent, const std::function<void()>& reload) {
    menu->addSeparator();
    QAction* import = addCommand(menu, "menuImportSheet", QStringLiteral("从表格导入(&I)..."));
    QAction* exportSheet = addCommand(menu, "menuExportSheet", QStringLiteral("导出到表格(&E)..."));
    QAction* print = addCommand(menu, "menuPrintSummary", QStringLiteral("打印汇总单(&P)..."));
    QAction* pdf = addCommand(menu, "menuSummaryPdf", QStringLiteral("汇总单另存为PDF(&D)..."));
    QObject::connect(import, &QAction::triggered, menu,
                     [=, &db, &prompter] { importSheet(kind, db, prompter, parent, reload); });
    QObject::connect(exportSheet, &QAction::triggered, menu, [=, &db, &prompter] {
        ClientMessages messages(prompter);
        exportBatchSheet(db, messages, kind, [&] {
            return chooseSavePath(messages, QStringLiteral("导出到表格"),
                                  QStringLiteral("Excel 工作簿 (*.xlsx)"), QStringLiteral("xlsx"));
        });
    });
    QObject::connect(print, &QAction::triggered, menu,
                     [=, &db, &prompter] { printSummary(kind, db, prompter, parent); });
    QObject::connect(pdf, &QAction::triggered, menu, [=, &db, &prompter] {
        ClientMessages messages(prompter);
        writeBatchSummary(db, messages, kind, [&] {
            return chooseSavePath(messages, QStringLiteral("汇总单另存为PDF"),
                                  QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
        });
    });
}
