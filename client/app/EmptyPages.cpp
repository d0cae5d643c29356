#include "app/EmptyPages.h"

#include "page/StatusPanels.h"
#include "store/DBAccess.h"

#include <QFrame>
#include <QMenu>
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

EmptyBatchPage::EmptyBatchPage(DBAccess& db, StatusPanels& status, const QString& prefix,
                               const QString& countStatement, const QString& menuName,
                               const QString& menuTitle)
    : db_(db)
    , status_(status)
    , countStatement_(countStatement)
    , menu_(new QMenu(menuTitle, this)) {
    addEmptyFrame(this, prefix);
    menu_->setObjectName(menuName);
}

void EmptyBatchPage::reload() {
    status_.clearPanels();
    rows_ = 0;
    if (const auto result = db_.Query(countStatement_); result && !result->atEnd())
        rows_ = result->value(QStringLiteral("totalNum")).toInt();
    status_.setPanel(1, QStringLiteral("总笔数"));
    status_.setPanel(2, QString::number(rows_));
}
