#include "app/ProgressWindow.h"

#include "app/Markup.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>

namespace stub {

ProgressWindow::ProgressWindow(const std::string& caption)
    : text_(new QLabel(this))
    , main_(new QProgressBar(this))
    , busy_(new QProgressBar(this)) {
    setObjectName("frmStub");
    setWindowTitle(QString::fromStdString(caption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(492, 110);
    auto* icon = new QLabel(this);
    icon->setObjectName("lblIcon");
    icon->setPixmap(style()->standardIcon(QStyle::SP_DriveCDIcon).pixmap(32, 32));
    icon->setGeometry(18, 20, 32, 32);
    text_->setObjectName("lblProgress");
    main_->setObjectName("barMain");
    main_->setTextVisible(false);
    busy_->setObjectName("barBusy");
    busy_->setTextVisible(false);
    busy_->hide();
    Place(false);
    Draw();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ProgressWindow::Place(bool rightToLeft) {
    text_->setGeometry(rightToLeft ? 122 : 70, 18, 340, 20);
    main_->setGeometry(70, 38, 392, 13);
    busy_->setGeometry(rightToLeft ? 70 : 416, 20, 46, 13);
    text_->setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    text_->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    main_->setInvertedAppearance(rightToLeft);
    busy_->setInvertedAppearance(rightToLeft);
}

void ProgressWindow::SetText(const std::string& text, const LanguageFont& font) {
    QFont lineFont(QString::fromStdString(font.face));
    lineFont.setPointSize(font.size > 0 ? font.size : 8);
    text_->setFont(lineFont);
    text_->setText(QString::fromStdString(ApplyMarkup(text).text).remove(QLatin1Char('\r')));
    Place(RightToLeft(font.charset));
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // The run ends itself at its next wait and removes what it made; the window goes with it.
    closeAsked_ = true;
    event->ignore();
}

void ProgressWindow::ShowBusyBar() {
    busy_->show();
}

void ProgressWindow::OnProgress(int kind, long long low, long long high, int step,
                                long long position) {
    if (kind == 0)
        bars_.SetUp(low, high, step, position);
    else
        bars_.Advance();
    Draw();
}

void ProgressWindow::Draw() {
    main_->setRange(static_cast<int>(bars_.low), static_cast<int>(std::max(bars_.low, bars_.high)));
    main_->setValue(static_cast<int>(bars_.position));
    busy_->setRange(0, 5);
    busy_->setValue(bars_.busy);
}

} // namespace stub
