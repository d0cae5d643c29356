#include "sheets/XlsxReader.h"

#include "sheets/SheetNumber.h"

#include <QFileInfo>

#include <pugixml.hpp>
#include <zip.h>

#include <map>
#include <memory>

namespace {

// A sheet grid has at most this many columns (XFD).
constexpr qsizetype kMaxColumns = 16384;
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

struct ZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

class Refusal {
public:
    explicit Refusal(QString message)
        : message_(std::move(message)) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

QString named(const QString& path, const char* why) {
    return QString::fromUtf8(why) + QStringLiteral("：") + path;
}

class Workbook {
public:
    explicit Workbook(const QString& path)
        : path_(path) {
        int error = 0;
        archive_.reset(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
        if (!archive_)
            throw Refusal(named(path, "不是可以读取的xlsx表格文件"));
    }

    bool has(const QString& entry) const {
        return zip_name_locate(archive_.get(), entry.toUtf8().constData(), 0) >= 0;
    }

    // The entry parsed as XML: refused when missing (unless optional), too large or malformed.
    pugi::xml_document xml(const QString& entry) const {
        pugi::xml_document doc;
        const QByteArray bytes = inflate(entry);
        const pugi::xml_parse_result parsed =
            doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()),
                            pugi::parse_default, pugi::encoding_utf8);
        if (!parsed)
            throw Refusal(named(path_, "表格文件中的XML格式错误") + QStringLiteral("（") + entry +
                          QStringLiteral("）"));
        return doc;
    }

private:
    QByteArray inflate(const QString& entry) const {
        const zip_int64_t index = zip_name_locate(archive_.get(), entry.toUtf8().constData(), 0);
        if (index < 0)
            throw Refusal(named(path_, "表格文件缺少工作表内容"));
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0)
            throw Refusal(named(path_, "不是可以读取的xlsx表格文件"));
        if ((stat.valid & ZIP_STAT_SIZE) &&
            stat.size > static_cast<zip_uint64_t>(kMaxSheetEntryBytes))
            throw Refusal(named(path_, "表格文件过大，拒绝读取"));
        std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
            zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0), zip_fclose);
        if (!file)
            throw Refusal(named(path_, "不是可以读取的xlsx表格文件"));
        QByteArray bytes;
        char buffer[65536];
        // The declared size may lie: the cap holds for what is actually inflated.
        for (;;) {
            const zip_int64_t got = zip_fread(file.get(), buffer, sizeof buffer);
            if (got < 0)
                throw Refusal(named(path_, "表格文件已损坏"));
            if (got == 0)
                break;
            if (bytes.size() + got > kMaxSheetEntryBytes)
                throw Refusal(named(path_, "表格文件过大，拒绝读取"));
            bytes.append(buffer, static_cast<qsizetype>(got));
        }
        return bytes;
    }

    QString path_;
    Archive archive_;
};

// Every text of an <si> or <is>, runs joined; phonetic hints left out.
QString stringItemText(const pugi::xml_node& item) {
    QString text;
    for (pugi::xml_node node = item.first_child(); node; node = node.next_sibling()) {
        const std::string_view name = node.name();
        if (name == "t")
            text += QString::fromUtf8(node.text().get());
        else if (name == "r")
            text += QString::fromUtf8(node.child("t").text().get());
    }
    return text;
}

std::vector<QString> sharedStrings(const Workbook& book, const QString& entry) {
    std::vector<QString> strings;
    if (!book.has(entry))
        return strings;
    const pugi::xml_document doc = book.xml(entry);
    for (pugi::xml_node si = doc.child("sst").child("si"); si; si = si.next_sibling("si"))
        strings.push_back(stringItemText(si));
    return strings;
}

// The entry a relationship target names, relative to xl/ unless absolute.
QString entryOf(const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    return QStringLiteral("xl/") + target;
}

// "B7" gives column 1; nothing for a reference without letters.
std::optional<qsizetype> columnOf(std::string_view ref) {
    qsizetype column = 0;
    qsizetype letters = 0;
    for (const char c : ref) {
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + (c - 'A' + 1);
        if (++letters > 3 || column > kMaxColumns)
            return std::nullopt;
    }
    if (letters == 0)
        return std::nullopt;
    return column - 1;
}

SheetCell cellValue(const pugi::xml_node& c, const std::vector<QString>& strings) {
    const std::string_view type = c.attribute("t").value();
    const QString value = QString::fromUtf8(c.child("v").text().get());
    if (type == "s") {
        bool ok = false;
        const qulonglong index = value.trimmed().toULongLong(&ok);
        if (!ok || index >= strings.size())
            return {};
        return {strings[index], false};
    }
    if (type == "inlineStr")
        return {stringItemText(c.child("is")), false};
    if (type.empty() || type == "n") {
        if (const std::optional<QString> decimal = shortestDecimal(value))
            return {*decimal, true};
    }
    return {value, false};
}

struct SheetChoice {
    QStringList names;
    QString entry;
};

SheetChoice chooseSheet(const Workbook& book, const QString& wanted, const QString& path) {
    const pugi::xml_document workbook = book.xml(QStringLiteral("xl/workbook.xml"));
    std::map<QString, QString> targets;
    if (book.has(QStringLiteral("xl/_rels/workbook.xml.rels"))) {
        const pugi::xml_document rels = book.xml(QStringLiteral("xl/_rels/workbook.xml.rels"));
        for (const pugi::xml_node& rel : rels.child("Relationships").children("Relationship"))
            targets[QString::fromUtf8(rel.attribute("Id").value())] =
                QString::fromUtf8(rel.attribute("Target").value());
    }
    SheetChoice choice;
    qsizetype position = 0;
    for (const pugi::xml_node& sheet :
         workbook.child("workbook").child("sheets").children("sheet")) {
        ++position;
        const QString name = QString::fromUtf8(sheet.attribute("name").value());
        choice.names << name;
        if (!choice.entry.isEmpty() || (!wanted.isEmpty() && name != wanted))
            continue;
        const auto target = targets.find(QString::fromUtf8(sheet.attribute("r:id").value()));
        choice.entry = target != targets.end()
                           ? entryOf(target->second)
                           : QStringLiteral("xl/worksheets/sheet%1.xml").arg(position);
    }
    if (choice.entry.isEmpty())
        throw Refusal(wanted.isEmpty() ? named(path, "表格文件中没有工作表")
                                       : named(path, "表格文件中没有这个工作表") +
                                             QStringLiteral("（") + wanted + QStringLiteral("）"));
    return choice;
}

SheetTable readRows(const pugi::xml_document& sheet, const std::vector<QString>& strings,
                    const QString& path) {
    SheetTable table;
    qsizetype cells = 0;
    qsizetype rowNumber = 0;
    for (const pugi::xml_node& row : sheet.child("worksheet").child("sheetData").children("row")) {
        const qsizetype declared = row.attribute("r").as_llong(0);
        rowNumber = declared > rowNumber ? declared : rowNumber + 1;
        SheetRow read{rowNumber, {}};
        qsizetype column = -1;
        bool blank = true;
        for (const pugi::xml_node& c : row.children("c")) {
            const std::optional<qsizetype> at = columnOf(c.attribute("r").value());
            column = at ? *at : column + 1;
            if (column >= kMaxSheetColumns)
                break;
            SheetCell cell = cellValue(c, strings);
            if (cell.text.trimmed().isEmpty())
                continue;
            blank = false;
            if (static_cast<qsizetype>(read.cells.size()) <= column)
                read.cells.resize(static_cast<size_t>(column + 1));
            read.cells[static_cast<size_t>(column)] = std::move(cell);
        }
        cells += static_cast<qsizetype>(read.cells.size());
        if (cells > kMaxSheetCells)
            throw Refusal(named(path, "表格文件过大，拒绝读取"));
        if (!blank)
            table.rows.push_back(std::move(read));
    }
    return table;
}

} // namespace

SheetReadResult readXlsxSheet(const QString& path, const QString& sheetName) {
    SheetReadResult result;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes) {
        result.message =
            named(path, info.exists() ? "表格文件过大或不是普通文件，拒绝读取" : "表格文件不存在");
        return result;
    }
    try {
        const Workbook book(path);
        const SheetChoice choice = chooseSheet(book, sheetName, path);
        const std::vector<QString> strings =
            sharedStrings(book, QStringLiteral("xl/sharedStrings.xml"));
        result.table = readRows(book.xml(choice.entry), strings, path);
        result.sheetNames = choice.names;
        result.ok = true;
    } catch (const Refusal& refusal) {
        result.message = refusal.message();
    }
    return result;
}
