#include "HelpWindow.h"

#include "AppTitle.h"
#include "Prompter.h"
#include "SharedConfig.h"

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

void showProgramHelp(QWidget* owner, Prompter& prompter) {
    const QString index = sharedConfig().programFolder + QStringLiteral("help/index.html");
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner);
    if (!window->showStartPage(index))
        prompter.message(applicationTitle(), QStringLiteral("找不到帮助文件：") + index,
                         MsgIcon::Warning);
}
