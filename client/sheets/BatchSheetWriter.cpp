#include "sheets/BatchSheetWriter.h"

#include "amount/AmountFen.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

// A free name beside `path` for the workbook to be written under.
QString temporaryBeside(const QString& path) {
    const QFileInfo info(path);
    QTemporaryFile claim(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                         QStringLiteral(".XXXXXX"));
    if (!claim.open())
        return {};
    claim.setAutoRemove(false);
    return claim.fileName();
}

} // namespace

SheetWriteResult writeBatchSheet(const QString& path, const BatchView& view) {
    const QString temporary = temporaryBeside(path);
    if (temporary.isEmpty())
        return {false, QStringLiteral("无法在目标文件夹中写入文件")};
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(temporary).constData(), &options);
    if (!book) {
        QFile::remove(temporary);
        return {false, QStringLiteral("无法创建表格文件")};
    }
    lxw_worksheet* sheet =
        workbook_add_worksheet(book, utf8(QString(view.title).replace('/', '-')).c_str());
    lxw_format* money = workbook_add_format(book);
    format_set_num_format(money, "#,##0.00");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* boldMoney = workbook_add_format(book);
    format_set_bold(boldMoney);
    format_set_num_format(boldMoney, "#,##0.00");

    const auto column = [](qsizetype c) {
        return static_cast<lxw_col_t>(c);
    };
    for (qsizetype c = 0; c < view.headers.size(); ++c) {
        worksheet_set_column(sheet, column(c), column(c), c == 0 ? 6 : 20, nullptr);
        worksheet_write_string(sheet, 0, column(c), utf8(view.headers[c]).c_str(), bold);
    }
    lxw_row_t row = 1;
    for (const QStringList& cells : view.rows) {
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const std::optional<qint64> fen =
                c == view.amountColumn ? amountToFen(cells[c]) : std::nullopt;
            if (fen)
                worksheet_write_number(sheet, row, column(c), static_cast<double>(*fen) / 100.0,
                                       money);
            else if (c == 0)
                worksheet_write_number(sheet, row, 0, cells[c].toDouble(), nullptr);
            else
                worksheet_write_string(sheet, row, column(c), utf8(cells[c]).c_str(), nullptr);
        }
        ++row;
    }
    worksheet_write_string(sheet, row, 0, utf8(QStringLiteral("合计")).c_str(), bold);
    worksheet_write_string(sheet, row, 1, utf8(QStringLiteral("共%1笔").arg(view.count)).c_str(),
                           bold);
    worksheet_write_number(sheet, row, column(view.amountColumn),
                           static_cast<double>(amountToFen(view.total).value_or(0)) / 100.0,
                           boldMoney);
    worksheet_write_string(sheet, row + 1, 0, utf8(QStringLiteral("大写金额")).c_str(), bold);
    worksheet_write_string(sheet, row + 1, 1, utf8(view.capital).c_str(), nullptr);

    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        QFile::remove(temporary);
        return {false, QString::fromUtf8(lxw_strerror(closed))};
    }
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return {false, QStringLiteral("无法写入") + path};
    }
    return {true, {}};
}
