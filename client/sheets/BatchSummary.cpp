#include "sheets/BatchSummary.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace {

// Lengths in tenths of a millimetre; the page is 180 mm wide inside its margins.
constexpr int kWidth = 1800;
constexpr int kA4Height = 2670;
constexpr int kTitleHeight = 110;
constexpr int kInfoLine = 62;
constexpr int kInfoGap = 40;
constexpr int kRowHeight = 55;
constexpr int kFooter = 90;
constexpr int kSignatures = 220;
constexpr int kBodyText = 34;

int infoLines(BatchKind kind) {
    return kind == BatchKind::Payment ? 5 : 4;
}

struct Page {
    qsizetype first = 0;
    qsizetype count = 0;
    bool signatures = false;
};

// Rows fill each page under its heading; the signature lines follow the last row, on a page of
// their own when the last one has no room left.
std::vector<Page> paginate(qsizetype rows, int height, int lines) {
    const int firstTop = kTitleHeight + lines * kInfoLine + kInfoGap;
    std::vector<Page> pages;
    qsizetype next = 0;
    int used = 0;
    do {
        const int top = pages.empty() ? firstTop : 0;
        const int capacity = std::max(1, (height - kFooter - top - kRowHeight) / kRowHeight);
        Page page{next, std::min<qsizetype>(capacity, rows - next), false};
        next += page.count;
        used = top + kRowHeight + static_cast<int>(page.count) * kRowHeight;
        pages.push_back(page);
    } while (next < rows);
    if (height - kFooter - used >= kSignatures)
        pages.back().signatures = true;
    else
        pages.push_back(Page{rows, 0, true});
    return pages;
}

// Noto's CJK fonts give radicals and ideographs one glyph, so text taken from the PDF would
// show 工 as the radical ⼯; this font keeps them apart.
QFont font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Droid Sans Fallback"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

class SummaryPainter {
public:
    SummaryPainter(QPainter& painter, const BatchView& view, int height)
        : p_(painter)
        , view_(view)
        , height_(height) {
        widths_ = columnWidths();
    }

    void header(const QDate& date) {
        p_.setFont(font(62, true));
        p_.drawText(QRect(0, 0, kWidth, kTitleHeight), Qt::AlignHCenter | Qt::AlignTop,
                    view_.title + QStringLiteral("指令汇总单"));
        p_.setFont(font(38));
        int y = kTitleHeight;
        const auto line = [&](const QString& text) {
            const QString shown = p_.fontMetrics().elidedText(text, Qt::ElideRight, kWidth);
            p_.drawText(QRect(0, y, kWidth, kInfoLine), Qt::AlignLeft | Qt::AlignVCenter, shown);
            y += kInfoLine;
        };
        if (view_.kind == BatchKind::Payment)
            line(QStringLiteral("付款账户：") + view_.payers.join(QStringLiteral("；")));
        line(QStringLiteral("笔数：%1 笔").arg(view_.count));
        line(QStringLiteral("金额（小写）：￥") + view_.total);
        line(QStringLiteral("金额（大写）：") + view_.capital);
        line(QStringLiteral("日期：") + date.toString(QStringLiteral("yyyy年MM月dd日")));
    }

    int table(int top, const Page& page) {
        p_.setFont(font(kBodyText, true));
        p_.fillRect(QRect(0, top, kWidth, kRowHeight), QColor(230, 230, 230));
        QStringList captions;
        for (const int column : view_.printed)
            captions << view_.headers.value(column);
        row(top, captions);
        int y = top + kRowHeight;
        p_.setFont(font(kBodyText));
        for (qsizetype r = page.first; r < page.first + page.count; ++r) {
            QStringList cells;
            for (const int column : view_.printed)
                cells << view_.rows[static_cast<size_t>(r)].value(column);
            row(y, cells);
            y += kRowHeight;
        }
        return y;
    }

    void signatures(int top) {
        p_.setFont(font(40));
        const int third = kWidth / 3;
        const int y = top + kSignatures / 2;
        const QString roles[] = {QStringLiteral("制单："), QStringLiteral("复核："),
                                 QStringLiteral("审批：")};
        for (int i = 0; i < 3; ++i) {
            const int x = i * third;
            const int label = p_.fontMetrics().horizontalAdvance(roles[i]);
            p_.drawText(QRect(x, y - kInfoLine, third, kInfoLine), Qt::AlignLeft | Qt::AlignBottom,
                        roles[i]);
            p_.drawLine(x + label + 10, y, x + third - 60, y);
        }
    }

    void footer(int number, int count) {
        p_.setFont(font(32));
        p_.drawText(QRect(0, height_ - kFooter + 30, kWidth, kFooter - 30),
                    Qt::AlignHCenter | Qt::AlignVCenter,
                    QStringLiteral("第 %1 页 / 共 %2 页").arg(number).arg(count));
    }

private:
    // Numbers, accounts and amounts are never cut: they get the width of their longest text. The
    // other columns share what is left by the width their texts want, cut when it is not enough.
    std::vector<int> columnWidths() {
        constexpr int kPadding = 24;
        p_.setFont(font(kBodyText));
        const QFontMetrics body = p_.fontMetrics();
        p_.setFont(font(kBodyText, true));
        const QFontMetrics heading = p_.fontMetrics();
        // Each cut column keeps at least its caption; the rest goes by the width still wanted.
        std::vector<int> wanted;
        std::vector<int> least;
        int whole = 0;
        int leastSum = 0;
        int extraSum = 0;
        for (const int column : view_.printed) {
            const int caption = heading.horizontalAdvance(view_.headers.value(column)) + kPadding;
            int width = caption;
            for (const QStringList& row : view_.rows)
                width = std::max(width, body.horizontalAdvance(row.value(column)) + kPadding);
            wanted.push_back(width);
            least.push_back(caption);
            if (keptWhole(column)) {
                whole += width;
            } else {
                leastSum += caption;
                extraSum += width - caption;
            }
        }
        const int spare = std::max(0, kWidth - whole - leastSum);
        for (size_t c = 0; c < wanted.size(); ++c)
            if (!keptWhole(view_.printed[c]))
                wanted[c] =
                    least[c] + (extraSum > 0
                                    ? static_cast<int>(static_cast<qint64>(wanted[c] - least[c]) *
                                                       std::min(spare, extraSum) / extraSum)
                                    : 0);
        // Whatever is left widens the last column, so the table spans the page.
        int used = 0;
        for (const int w : wanted)
            used += w;
        if (!wanted.empty() && used < kWidth)
            wanted.back() += kWidth - used;
        return wanted;
    }

    bool keptWhole(int column) const {
        return std::find(view_.whole.begin(), view_.whole.end(), column) != view_.whole.end();
    }

    void row(int y, const QStringList& cells) {
        int x = 0;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const int w = widths_[static_cast<size_t>(c)];
            const QRect cell(x, y, w, kRowHeight);
            p_.drawRect(cell);
            const bool amount = view_.printed[static_cast<size_t>(c)] == view_.amountColumn;
            const QString shown = p_.fontMetrics().elidedText(cells[c], Qt::ElideRight, w - 20);
            p_.drawText(cell.adjusted(10, 0, -10, 0),
                        (amount ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, shown);
            x += w;
        }
    }

    QPainter& p_;
    const BatchView& view_;
    int height_;
    std::vector<int> widths_;
};

} // namespace

int summaryPageCount(BatchKind kind, qsizetype rows) {
    return static_cast<int>(paginate(rows, kA4Height, infoLines(kind)).size());
}

void paintBatchSummary(QPagedPaintDevice& device, const BatchView& view, const QDate& date) {
    QPainter painter(&device);
    const int height = device.width() > 0 ? device.height() * kWidth / device.width() : kA4Height;
    painter.setWindow(0, 0, kWidth, height);
    painter.setPen(QPen(Qt::black, 2));
    const std::vector<Page> pages =
        paginate(static_cast<qsizetype>(view.rows.size()), height, infoLines(view.kind));
    SummaryPainter summary(painter, view, height);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        int top = 0;
        if (i == 0) {
            summary.header(date);
            top = kTitleHeight + infoLines(view.kind) * kInfoLine + kInfoGap;
        }
        if (pages[i].count > 0 || i == 0)
            top = summary.table(top, pages[i]);
        if (pages[i].signatures)
            summary.signatures(top);
        summary.footer(static_cast<int>(i + 1), static_cast<int>(pages.size()));
    }
}

SheetWriteResult writeBatchSummaryPdf(const QString& path, const BatchView& view,
                                      const QDate& date) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(view.title + QStringLiteral("指令汇总单"));
        pdf.setCreator(QStringLiteral("PaySlipDesk"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        paintBatchSummary(pdf, view, date);
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
