#include "sheets/frmSheetImport.h"

#include "files/ClientMessages.h"
#include "sheets/SheetCommands.h"
#include "sheets/SheetFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// "A" for column 0, "AA" for column 26.
QString columnName(qsizetype column) {
    QString name;
    for (qsizetype n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar('A' + static_cast<char>((n - 1) % 26)));
    return name;
}

} // namespace

frmSheetImport::frmSheetImport(DBAccess& db, ClientMessages& messages, BatchKind kind, QString path,
                               const SheetReadResult& read, QWidget* parent)
    : QDialog(parent)
    , db_(db)
    , messages_(messages)
    , kind_(kind)
    , path_(std::move(path))
    , table_(read.table)
    , cboSheet_(new QComboBox(this))
    , grdPreview_(new QTableWidget(this))
    , lblSummary_(new QLabel(this))
    , optReplace_(new QRadioButton(QStringLiteral("替换现有批次(&R)"), this))
    , optAppend_(new QRadioButton(QStringLiteral("追加到现有批次(&A)"), this))
    , cmdImport_(new QPushButton(QStringLiteral("导入(&I)"), this)) {
    setObjectName(QStringLiteral("frmSheetImport"));
    setWindowTitle(QStringLiteral("从表格导入"));
    resize(900, 560);

    cboSheet_->setObjectName(QStringLiteral("cboSheet"));
    cboSheet_->addItems(read.sheetNames);
    auto* sheetRow = new QHBoxLayout;
    sheetRow->addWidget(new QLabel(QStringLiteral("工作表："), this));
    sheetRow->addWidget(cboSheet_, 1);

    auto* columns = new QGroupBox(QStringLiteral("各项取自表格的列"), this);
    auto* grid = new QGridLayout(columns);
    const std::vector<BatchField>& fields = batchFields(kind_);
    for (size_t f = 0; f < fields.size(); ++f) {
        auto* combo = new QComboBox(columns);
        combo->setObjectName(QStringLiteral("cboColumn%1").arg(f));
        combo->setMinimumContentsLength(10);
        cboColumns_.push_back(combo);
        const int at = static_cast<int>(f);
        auto* label = new QLabel(
            fields[f].caption + (fields[f].required ? QStringLiteral("*：") : QStringLiteral("：")),
            columns);
        label->setBuddy(combo);
        grid->addWidget(label, at / 3, (at % 3) * 2);
        grid->addWidget(combo, at / 3, (at % 3) * 2 + 1);
        connect(combo, &QComboBox::currentIndexChanged, this, &frmSheetImport::cboColumn_Changed);
    }
    for (int c = 1; c < 6; c += 2)
        grid->setColumnStretch(c, 1);

    grdPreview_->setObjectName(QStringLiteral("grdPreview"));
    grdPreview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdPreview_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPreview_->verticalHeader()->hide();
    grdPreview_->horizontalHeader()->setStretchLastSection(true);
    lblSummary_->setObjectName(QStringLiteral("lblSummary"));
    lblSummary_->setWordWrap(true);

    optReplace_->setObjectName(QStringLiteral("optReplace"));
    optAppend_->setObjectName(QStringLiteral("optAppend"));
    optReplace_->setChecked(true);
    cmdImport_->setObjectName(QStringLiteral("cmdImport"));
    // Enter imports once every row passes; until then it does nothing.
    cmdImport_->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("取消"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(optReplace_);
    bottom->addWidget(optAppend_);
    bottom->addStretch(1);
    bottom->addWidget(cmdImport_);
    bottom->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sheetRow);
    layout->addWidget(columns);
    layout->addWidget(grdPreview_, 1);
    layout->addWidget(lblSummary_);
    layout->addLayout(bottom);

    connect(cboSheet_, &QComboBox::currentIndexChanged, this, &frmSheetImport::cboSheet_Changed);
    connect(cmdImport_, &QPushButton::clicked, this, &frmSheetImport::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    fillColumns();
}

void frmSheetImport::cboSheet_Changed() {
    const SheetReadResult read = readSheetFile(path_, cboSheet_->currentText());
    if (!read.ok) {
        messages_.show(read.message);
        table_ = {};
    } else {
        table_ = read.table;
    }
    fillColumns();
}

// The header row's columns in every combo, each set to its matched column.
void frmSheetImport::fillColumns() {
    const SheetRow header = table_.rows.empty() ? SheetRow{} : table_.rows.front();
    const ColumnMapping matched = matchColumns(kind_, header);
    for (size_t f = 0; f < cboColumns_.size(); ++f) {
        QComboBox* combo = cboColumns_[f];
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItem(QStringLiteral("（无）"), -1);
        for (size_t c = 0; c < header.cells.size(); ++c)
            combo->addItem(columnName(static_cast<qsizetype>(c)) + QStringLiteral("：") +
                               header.cells[c].text.trimmed(),
                           static_cast<qlonglong>(c));
        combo->setCurrentIndex(static_cast<int>(matched[f] + 1));
    }
    showPreview();
}

void frmSheetImport::cboColumn_Changed() {
    showPreview();
}

void frmSheetImport::showPreview() {
    ColumnMapping mapping;
    for (QComboBox* combo : cboColumns_)
        mapping.push_back(combo->currentData().toLongLong());
    const QStringList missing = missingFields(kind_, mapping);
    // Rows are listed while columns are still being chosen; their reasons only once all are.
    import_ = prepareSheetImport(db_, kind_, table_, mapping);
    if (!missing.isEmpty())
        for (ImportRow& row : import_.rows)
            row.refusal.clear();

    const std::vector<BatchField>& fields = batchFields(kind_);
    QStringList headers{QStringLiteral("表格行")};
    for (const BatchField& field : fields)
        headers << field.caption;
    headers << QStringLiteral("不能导入的原因");
    grdPreview_->clear();
    grdPreview_->setColumnCount(static_cast<int>(headers.size()));
    grdPreview_->setHorizontalHeaderLabels(headers);
    grdPreview_->setRowCount(static_cast<int>(import_.rows.size()));
    const QColor refusedColor(255, 228, 225);
    for (size_t r = 0; r < import_.rows.size(); ++r) {
        const ImportRow& row = import_.rows[r];
        QStringList cells{QString::number(row.sheetRow)};
        cells << row.values << row.refusal;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (!row.refusal.isEmpty())
                item->setBackground(refusedColor);
            grdPreview_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    grdPreview_->resizeColumnsToContents();

    const qsizetype refused = import_.refusedCount();
    if (!missing.isEmpty())
        lblSummary_->setText(QStringLiteral("请为以下各项选择表格中的列：") +
                             missing.join(QStringLiteral("、")));
    else if (import_.rows.empty())
        lblSummary_->setText(QStringLiteral("表格中没有可导入的指令"));
    else if (refused > 0)
        lblSummary_->setText(QStringLiteral("共%1行，其中%2行不能导入，请修改表格后重新导入")
                                 .arg(import_.rows.size())
                                 .arg(refused));
    else
        lblSummary_->setText(QStringLiteral("共%1行，均可导入").arg(import_.rows.size()));
    cmdImport_->setEnabled(missing.isEmpty() && !import_.rows.empty() && refused == 0);
}

void frmSheetImport::cmdImport_Click() {
    const FileCommandOutcome outcome =
        storeSheetImport(db_, messages_, import_,
                         optAppend_->isChecked() ? ImportMode::Append : ImportMode::Replace);
    if (outcome.status == FileCommandOutcome::Status::Done)
        accept();
}
