#include "app/HelpWindow.h"

#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "store/Prompter.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QSize kHelpSize(760, 600);

} // namespace

QRect helpWindowGeometry(const QRect& available, const QRect& ownerFrame, const QSize& wanted,
                         const QMargins& frame) {
    const QSize size = wanted.boundedTo(available.size().shrunkBy(frame));
    QRect outer(QPoint(), size.grownBy(frame));
    outer.moveCenter(ownerFrame.center());
    if (outer.right() > available.right())
        outer.moveRight(available.right());
    if (outer.bottom() > available.bottom())
        outer.moveBottom(available.bottom());
    // The title bar last, so it stays reachable whatever else must give.
    if (outer.left() < available.left())
        outer.moveLeft(available.left());
    if (outer.top() < available.top())
        outer.moveTop(available.top());
    return outer.marginsRemoved(frame);
}

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
    resize(kHelpSize);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

bool HelpWindow::showStartPage(const QString& indexFile) {
    if (!QFileInfo(indexFile).isFile())
        return false;
    browser_->setSource(QUrl::fromLocalFile(indexFile));
    if (!isVisible()) {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QScreen* where = owner ? owner->screen() : screen();
        const QRect available = where->availableGeometry();
        // A window not shown yet has no frame of its own; the owner's is the best guess.
        const QMargins frame =
            owner ? QMargins(owner->geometry().left() - owner->frameGeometry().left(),
                             owner->geometry().top() - owner->frameGeometry().top(),
                             owner->frameGeometry().right() - owner->geometry().right(),
                             owner->frameGeometry().bottom() - owner->geometry().bottom())
                  : QMargins();
        setGeometry(helpWindowGeometry(available, owner ? owner->frameGeometry() : available,
                                       kHelpSize, frame));
    }
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
