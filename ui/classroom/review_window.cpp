#include "ui/classroom/review_window.h"

#include <QBoxLayout>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>

#include "classroom/seal.h"
#include "classroom/submissions.h"
#include "notebook/hand_results.h"
#include "texts/classroom_texts.h"
#include "texts/dialog_texts.h"
#include "texts/file_texts.h"
#include "ui/classroom/file_field.h"
#include "ui/notebook/notebook_files.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::classroom {
namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

}  // namespace

ReviewWindow::ReviewWindow(std::function<void(const QString&)> open_notebook, QWidget* parent)
    : QWidget(parent, Qt::Window), open_notebook_(std::move(open_notebook)) {
    setObjectName(QStringLiteral("frmRevision"));
    setWindowTitle(text(texts::kReviewTitle));
    setAccessibleName(windowTitle());
    tolerance_ = new QDoubleSpinBox(this);
    tolerance_->setObjectName(QStringLiteral("tolerancia"));
    tolerance_->setAccessibleName(text(texts::kToleranceLabel).remove(u'&').remove(u':'));
    tolerance_->setRange(0, 100);
    tolerance_->setDecimals(1);
    tolerance_->setValue(100 * kDefaultTolerance);
    tolerance_->setSuffix(text(texts::kToleranceUnit));
    auto* tolerance_label = new QLabel(text(texts::kToleranceLabel), this);
    tolerance_label->setBuddy(tolerance_);
    connect(tolerance_, &QDoubleSpinBox::valueChanged, this, [this] { review({}); });
    // The key that sealed the class: the teacher's own unless another was used.
    key_ = new QLineEdit(this);
    key_->setObjectName(QStringLiteral("claveProfesor"));
    key_->setAccessibleName(text(texts::kKeyFileLabel).remove(u'&').remove(u':'));
    key_->setPlaceholderText(QDir::toNativeSeparators(gelvor::classroom::default_key_path()));
    auto* key_label = new QLabel(text(texts::kKeyFileLabel), this);
    key_label->setBuddy(key_);
    QWidget* key_row = file_field(
        key_,
        [this] { return QFileDialog::getOpenFileName(this, windowTitle(), QDir::homePath()); },
        this);
    key_row->findChild<QPushButton*>()->setAccessibleDescription(key_->accessibleName());
    connect(key_, &QLineEdit::editingFinished, this, [this] { review({}); });

    model_ = new QStandardItemModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tablaRevision"));
    table_->setAccessibleName(text(texts::kReviewTableName));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, &ReviewWindow::openSelected);

    auto* add = button(texts::kAddFilesButton, "anadirEntregas", this);
    auto* open = button(texts::kOpenGroupButton, "abrirRegistroGrupo", this);
    auto* save = button(texts::kExportReviewButton, "exportarRevision", this);
    auto* close = button(texts::kCloseCaption, "cerrarRevision", this);
    connect(add, &QPushButton::clicked, this, &ReviewWindow::addFiles);
    connect(open, &QPushButton::clicked, this, &ReviewWindow::openSelected);
    connect(save, &QPushButton::clicked, this, &ReviewWindow::exportCsv);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* tools = new QHBoxLayout;
    tools->addWidget(add);
    tools->addWidget(tolerance_label);
    tools->addWidget(tolerance_);
    tools->addWidget(key_label);
    tools->addWidget(key_row, 1);
    tools->addWidget(open);
    tools->addWidget(save);
    tools->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(table_, 1);
    resize(980, 420);
}

void ReviewWindow::review(const QStringList& paths) {
    for (const QString& path : paths) {
        if (!paths_.contains(path))  // the same file twice is no copy
            paths_ << path;
    }
    if (paths_.isEmpty())
        return;
    // Never made here: a new key would break every seal of the class.
    const gelvor::classroom::KeyRead key = gelvor::classroom::read_key(
        key_->text().isEmpty() ? gelvor::classroom::default_key_path() : key_->text());
    if (!key.key) {
        tell(text(texts::kNoKey).arg(key.error));
        return;
    }
    rows_ = gelvor::classroom::review_with_key(gelvor::classroom::read_submissions(paths_),
                                               *key.key, tolerance_->value() / 100);
    const NumberStyle style = qt::number_style(QLocale());
    model_->clear();
    QStringList headers;
    for (const std::string& h : review_headers()) headers << qt::to_qstring(h);
    model_->setHorizontalHeaderLabels(headers);
    for (const ReviewRow& r : rows_) {
        QList<QStandardItem*> items;
        for (const std::string& cell : review_cells(r, style)) {
            items << new QStandardItem(qt::to_qstring(cell));
            items.back()->setToolTip(items.back()->text());  // a long observation, whole
        }
        model_->appendRow(items);
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // Wide enough for the mark and the observations, as far as the screen allows.
    int wanted = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c) wanted += table_->columnWidth(c);
    const int room = screen()->availableGeometry().width() * 9 / 10;
    const int margins = width() - table_->width();
    if (width() < std::min(wanted + margins, room))
        resize(std::min(wanted + margins, room), height());
}

void ReviewWindow::addFiles() {
    const QStringList paths = QFileDialog::getOpenFileNames(this, windowTitle(), QDir::homePath(),
                                                            text(texts::kSubmissionsFilter));
    if (!paths.isEmpty())
        review(paths);
}

void ReviewWindow::openSelected() {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (!rows.isEmpty() && rows.front().row() < paths_.size())
        open_notebook_(paths_[rows.front().row()]);
}

void ReviewWindow::exportCsv() {
    const NumberStyle style = qt::number_style(QLocale());
    notebook::NotebookFiles::askAndWrite(
        this, windowTitle(), QDir::home().filePath(text(texts::kProposedReviewName)),
        text(texts::kCsvFilter), QStringLiteral("csv"), [this, style] {
            // With a byte order mark, as the notebook's, for a spreadsheet's accents.
            return "\xEF\xBB\xBF" + QByteArray::fromStdString(review_csv(rows_, style));
        });
}

void ReviewWindow::tell(const QString& message) {
    QMessageBox::critical(this, windowTitle(), message);
}

}  // namespace gelvor::ui::classroom
