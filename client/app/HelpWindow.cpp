#include "HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("帮助"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 600);
}

bool HelpWindow::showStartPage(const QString& indexFile) {
    if (!QFileInfo(indexFile).isFile())
        return false;
    browser_->setSource(QUrl::fromLocalFile(indexFile));
    show();
    raise();
    activateWindow();
    return true;
}
