#include "app/EmptyPages.h"

#include "page/StatusPanels.h"

#include <QFrame>
#include <QVBoxLayout>

namespace {

void addEmptyFrame(QWidget* page, const QString& prefix) {
    page->setObjectName(prefix + QStringLiteral("Page"));
    auto* frame = new QFrame(page);
    frame->setObjectName(prefix + QStringLiteral("Frame"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
}

} // namespace

EmptyPage::EmptyPage(StatusPanels& status, const QString& prefix)
    : status_(status) {
    addEmptyFrame(this, prefix);
}

void EmptyPage::reload() {
    status_.clearPanels();
}
