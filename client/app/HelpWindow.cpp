#include "app/HelpWindow.h"

#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "store/Prompter.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
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

ModalHelpKey::ModalHelpKey(Prompter& prompter, QObject* parent)
    : QObject(parent)
    , prompter_(prompter) {}

bool ModalHelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* modal = QApplication::activeModalWidget();
    // Only the key's first receiver in the dialog counts; its parents see the same key again.
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !modal ||
        static_cast<QWidget*>(watched)->window() != modal)
        return false;
    showProgramHelp(modal, prompter_);
    return true;
}
