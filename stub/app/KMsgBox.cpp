#include "app/KMsgBox.h"

#include "app/BoxLayout.h"
#include "app/EventWait.h"
#include "app/Markup.h"
#include "platform/CloseRequest.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace stub {

namespace {

constexpr int kAfterCloseMs = 100;
constexpr int kCloseWatchMs = 100;

QStyle::StandardPixmap Icon(BoxKind kind) {
    switch (kind) {
    case BoxKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case BoxKind::Info:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}

// The control's text: the marked text without its CRs.
QString Plain(const std::string& text) {
    QString plain = QString::fromStdString(text);
    plain.remove(QLatin1Char('\r'));
    return plain;
}

// Where a byte offset of the marked text lies in the control's text.
int PlainOffset(const std::string& text, std::size_t byteOffset) {
    return static_cast<int>(Plain(text.substr(0, byteOffset)).size());
}

} // namespace

KMsgBox::KMsgBox(BoxKind kind, const std::string& text, const std::string& caption,
                 const std::string& buttons, const LanguageFont& font) {
    setObjectName("KMsgBox");
    setWindowTitle(QString::fromStdString(caption));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    QFont boxFont(QString::fromStdString(font.face));
    boxFont.setPointSize(font.size > 0 ? font.size : 8);
    setFont(boxFont);
    const bool rtl = RightToLeft(font.charset);
    setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);

    auto* icon = new QLabel;
    icon->setObjectName("lblIcon");
    icon->setPixmap(style()->standardIcon(Icon(kind)).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* view = new QTextEdit;
    view->setObjectName("txtMessage");
    view->setFont(boxFont);
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    view->viewport()->setAutoFillBackground(false);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Plain text with bold ranges: nothing in the text is ever read as HTML.
    const MarkedText marked = ApplyMarkup(text);
    view->setPlainText(Plain(marked.text));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(view->document());
    for (const auto& [begin, end] : marked.bold) {
        cursor.setPosition(PlainOffset(marked.text, begin));
        cursor.setPosition(PlainOffset(marked.text, end), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(bold);
    }
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        QTextCursor line(block);
        QTextBlockFormat format = block.blockFormat();
        format.setAlignment(rtl ? Qt::AlignRight : Qt::AlignLeft);
        format.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        line.setBlockFormat(format);
    }
    SizeText(view);

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addWidget(view, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    switch (kind) {
    case BoxKind::YesNo:
        AddButton(row, buttons, 2, true);
        AddButton(row, buttons, 3, false);
        break;
    case BoxKind::OkCancel:
        AddButton(row, buttons, 0, true);
        AddButton(row, buttons, 1, false);
        break;
    default:
        AddButton(row, buttons, 0, true);
        break;
    }
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addStretch(1);
    layout->addLayout(row);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void KMsgBox::AddButton(QBoxLayout* row, const std::string& buttons, int index, bool accepts) {
    static const char* const names[] = {"cmdOK",    "cmdCancel", "cmdYes",   "cmdNo",
                                        "cmdAbort", "cmdRetry",  "cmdIgnore"};
    auto* button = new QPushButton(QString::fromStdString(ButtonLabel(buttons, index)));
    button->setObjectName(names[index]);
    button->setDefault(accepts);
    button->setAutoDefault(accepts);
    connect(button, &QPushButton::clicked, this, accepts ? &QDialog::accept : &QDialog::reject);
    row->addWidget(button);
}

void KMsgBox::SizeText(QTextEdit* view) {
    // Each line's natural width as the control lays it out (tabs and bold included).
    QTextDocument* document = view->document();
    document->setTextWidth(-1);
    document->size(); // lays the text out again, unwrapped
    std::vector<int> widths;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        widths.push_back(layout && layout->lineCount() > 0
                             ? static_cast<int>(std::ceil(layout->lineAt(0).naturalTextWidth()))
                             : 0);
    }
    const QFontMetrics metrics(view->font());
    const auto size = MeasureBoxText(widths, metrics.lineSpacing());
    const int margins = 2 * static_cast<int>(document->documentMargin()) + 4;
    const int width = size.width + margins;
    view->setMinimumWidth(width);
    // Words wrap earlier than the measure assumes: a long address or path needs the height it
    // really takes at this width, else it scrolls out of sight.
    document->setTextWidth(width);
    const int laidOut = static_cast<int>(std::ceil(document->size().height())) + 4;
    view->setFixedHeight(std::max(size.height + margins, laidOut));
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool QtMessageBoxes::Show(BoxKind kind, const std::string& text, const std::string& caption,
                          const std::string& fallback, int charset, const std::string& buttons) {
    const std::string title = caption.empty() ? fallback : caption;
    LanguageFont font = font_;
    font.charset = charset;
    KMsgBox box(kind, WithCaptionOnTop(text, title), title, buttons, font);
    box.raise();
    box.activateWindow();
    // A close signal while the box waits answers it with cancel, so the run can close at once.
    QTimer closeWatch;
    QObject::connect(&closeWatch, &QTimer::timeout, &box, [&box] {
        if (CloseRequested())
            box.reject();
    });
    closeWatch.start(kCloseWatchMs);
    const bool accepted = box.exec() == QDialog::Accepted;
    PumpFor(kAfterCloseMs);
    return accepted;
}

void QtMessageBoxes::ShowError(const std::string& text, const std::string& caption, int charset,
                               const std::string& buttons) {
    Show(BoxKind::Error, text, caption, "Error", charset, buttons);
}

void QtMessageBoxes::ShowInfo(const std::string& text, const std::string& caption, int, int charset,
                              const std::string& buttons) {
    Show(BoxKind::Info, text, caption, "Attention", charset, buttons);
}

bool QtMessageBoxes::AskYesNo(const std::string& text, const std::string& caption, int charset,
                              const std::string& buttons) {
    return Show(BoxKind::YesNo, text, caption, "Confirm", charset, buttons);
}

bool QtMessageBoxes::AskOkCancel(const std::string& text, const std::string& caption, int charset,
                                 const std::string& buttons) {
    return Show(BoxKind::OkCancel, text, caption, "Confirm", charset, buttons);
}

} // namespace stub
