#include "app/InformWindow.h"

#include "update/InformAddress.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace stub {

InformWindow::InformWindow(const InformWindowText& inform, Opener opener)
    : address_(inform.address)
    , opener_(std::move(opener)) {
    setObjectName("InformWindow");
    setWindowTitle(QString::fromStdString(inform.caption));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    QFont windowFont(QString::fromStdString(inform.font.face));
    windowFont.setPointSize(inform.font.size > 0 ? inform.font.size : 8);
    setFont(windowFont);
    if (inform.font.charset == 177 || inform.font.charset == 178)
        setLayoutDirection(Qt::RightToLeft);

    auto* body = new QTextBrowser(this);
    body->setObjectName("informText");
    body->setOpenLinks(false);
    body->setPlainText(QString::fromStdString(inform.message));
    auto* follow = new QPushButton(QString::fromStdString(inform.button), this);
    follow->setObjectName("informButton");
    follow->setDefault(true);
    connect(follow, &QPushButton::clicked, this, &InformWindow::Follow);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(follow);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(body, 1);
    layout->addLayout(row);
    resize(std::max(inform.width, 200), inform.height > 0 ? inform.height : 240);
}

void InformWindow::Follow() {
    if (IsOpenableAddress(address_) && opener_)
        opener_(address_);
    accept();
}

bool OpenInformAddress(const std::string& address) {
    return IsOpenableAddress(address) &&
           QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
}

} // namespace stub
