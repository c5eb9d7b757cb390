#include "ui/notebook/notebook_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProxyStyle>
#include <QSaveFile>
#include <QScreen>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QtCharts/QChartView>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "notebook/notebook_messages.h"
#include "texts/chart_texts.h"
#include "texts/commands.h"
#include "texts/file_texts.h"
#include "texts/notebook_window_texts.h"
#include "texts/print_texts.h"
#include "ui/commands_qt.h"
#include "ui/help.h"
#include "ui/look.h"
#include "ui/notebook/chart_export.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_commands.h"
#include "ui/notebook/notebook_files.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_print.h"
#include "ui/notebook/ph_diagram.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {

// Check boxes keep the style's own indicator size unless asked: grown with
// their text. A style rather than a style sheet, which would take over the
// fonts of the whole window and leave them at a former zoom.
class ZoomedIndicators : public QProxyStyle {
  public:
    ZoomedIndicators() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    double factor = 1;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_IndicatorWidth || metric == PM_IndicatorHeight
                   ? static_cast<int>(std::lround(pixels * factor))
                   : pixels;
    }
};

namespace {

using texts::Place;

bool offered_here(const texts::Command& c) {
    return c.place == Place::notebook_toolbar || c.place == Place::notebook_window;
}

}  // namespace

void NotebookWindow::setZoom(double factor) {
    zoom_ = factor;
    // The window's font reaches every widget in it, the table's cells and
    // headings included; the rows are sized to it.
    setFont(look::sans(static_cast<int>(std::lround(look::kDefaultPixels * factor))));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->resizeColumnsToContents();
    chart_->setZoom(factor);
    diagram_->setZoom(factor);
    indicators_->factor = factor;
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->updateGeometry();
    // As large as the bench grows, within the screen.
    QSize size = size_at_100_ * factor;
    if (!screen()) {
        resize(size);
        return;
    }
    const QRect room = screen()->availableGeometry();
    size = size.boundedTo(room.size());
    resize(size);
    // Moved back onto the screen where it grew beyond it.
    move(std::max(room.left(), std::min(x(), room.right() + 1 - size.width())),
         std::max(room.top(), std::min(y(), room.bottom() + 1 - size.height())));
}

NotebookWindow::NotebookWindow(NotebookModel& model, QUndoStack& stack, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), stack_(stack) {
    setObjectName(QStringLiteral("frmRegistro"));
    setWindowTitle(qt::to_qstring(kNotebookTitle));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The bench's font at 100 %, which a window does not take from its parent.
    setFont(look::sans(look::kDefaultPixels));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    std::map<std::string, QAction*> actions;
    for (const texts::Command& c : texts::commands()) {
        if (!offered_here(c))
            continue;
        QAction* a = make_action(c, this);
        if (c.place == Place::notebook_toolbar) {
            bar->addAction(a);
            // The toolbar's buttons are Tab stops too, each telling its shortcut.
            bar->widgetForAction(a)->setFocusPolicy(Qt::TabFocus);
            if (!a->shortcuts().isEmpty())
                a->setToolTip(a->iconText() + " (" +
                              a->shortcut().toString(QKeySequence::NativeText) + ")");
        } else {
            addAction(a);
        }
        actions[c.name] = a;
    }

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tablaRegistro"));
    table_->setAccessibleName(qt::to_qstring(texts::kReadingsTableName));
    table_->setModel(&model_);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Columns fit the header and the rows on show (only those are measured,
    // so this stays cheap); the first point sets them again, since the plain
    // outlet temperatures run to 15 digits.
    table_->resizeColumnsToContents();
    // A note is typed over or double-clicked; F2 stays "Fijar condiciones".
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                            QAbstractItemView::SelectedClicked);
    // Ctrl+C and Supr act on the table wherever the focus is inside it.
    for (const char* name : {"copiarRegistro", "quitarFilas"}) {
        actions[name]->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        table_->addAction(actions[name]);
    }
    connect(actions["copiarRegistro"], &QAction::triggered, this, &NotebookWindow::copyToClipboard);
    connect(actions["quitarFilas"], &QAction::triggered, this, &NotebookWindow::deleteSelectedRows);
    connect(actions["exportarCsv"], &QAction::triggered, this, &NotebookWindow::askAndExport);
    connect(actions["exportarGrafica"], &QAction::triggered, this,
            &NotebookWindow::askAndExportPicture);
    connect(actions["imprimirRegistro"], &QAction::triggered, this, &NotebookWindow::askAndPrint);
    connect(actions["cerrarRegistro"], &QAction::triggered, this, &QWidget::close);
    // Ctrl+PgDn and Ctrl+PgUp go from tab to tab wherever the focus is, the
    // table included, which keeps Ctrl+Tab for itself.
    for (auto [name, step] : {std::pair{"pestanaSiguiente", 1}, std::pair{"pestanaAnterior", -1}}) {
        connect(actions[name], &QAction::triggered, this, [this, step = step] {
            tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) %
                                   tabs_->count());
        });
    }

    chart_ = new NotebookChart(model_, this);
    diagram_ = new PhDiagram(model_, this);
    auto* region = new QCheckBox(qt::to_qstring(texts::kBenchRegionCaption), this);
    region->setObjectName(QStringLiteral("regionBanco"));
    region->setAccessibleName(region->text().remove(u'&'));
    region->setToolTip(qt::to_qstring(texts::kBenchRegionTip));
    connect(region, &QCheckBox::toggled, diagram_, [this](bool bench) {
        diagram_->setRange(bench ? ph_chart::ChartRange::bench_region
                                 : ph_chart::ChartRange::whole_dome);
    });
    // A click on a recorded cycle selects its row, and so draws it in colour.
    connect(diagram_, &PhDiagram::cycleClicked, this, [this](int row) {
        table_->selectRow(row);
        table_->scrollTo(model_.index(row, 0));
    });
    auto* diagram_page = new QWidget(this);
    auto* diagram_layout = new QVBoxLayout(diagram_page);
    diagram_layout->setContentsMargins(0, 2, 0, 0);
    diagram_layout->addWidget(region);
    diagram_layout->addWidget(diagram_, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("pestanasRegistro"));
    tabs_->setAccessibleName(qt::to_qstring(texts::kNotebookTabsName));
    tabs_->addTab(table_, qt::to_qstring(texts::kReadingsTab));
    tabs_->addTab(chart_, qt::to_qstring(texts::kChartTab));
    tabs_->addTab(diagram_page, qt::to_qstring(texts::kDiagramTab));

    // Who recorded the notebook and when.
    students_ = new QLineEdit(this);
    students_->setObjectName(QStringLiteral("alumnos"));
    students_->setAccessibleName(qt::to_qstring(texts::kStudentsName));
    group_ = new QLineEdit(this);
    group_->setObjectName(QStringLiteral("grupo"));
    group_->setAccessibleName(qt::to_qstring(texts::kGroupName));
    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("fecha"));
    date_->setAccessibleName(qt::to_qstring(texts::kDateName));
    date_->setCalendarPopup(true);
    date_->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    date_->setDisplayFormat(qt::to_qstring(texts::kDateFormat));
    auto* who = new QHBoxLayout;
    for (auto [caption, field] :
         {std::pair<const char*, QWidget*>{texts::kStudentsLabel, students_},
          {texts::kGroupLabel, group_},
          {texts::kDateLabel, date_}}) {
        auto* label = new QLabel(qt::to_qstring(caption), this);
        label->setBuddy(field);
        who->addWidget(label);
        who->addWidget(field, field == students_ ? 4 : field == group_ ? 1 : 0);
    }
    showHeader();
    connect(students_, &QLineEdit::textEdited, this, &NotebookWindow::editHeader);
    connect(group_, &QLineEdit::textEdited, this, &NotebookWindow::editHeader);
    connect(date_, &QDateEdit::dateChanged, this, &NotebookWindow::editHeader);
    connect(&model_, &NotebookModel::headerChanged, this, &NotebookWindow::showHeader);

    // A notebook the teacher handed out says which of its points are still to take.
    assignment_ = new QLabel(this);
    assignment_->setObjectName(QStringLiteral("estadoPractica"));
    assignment_->setTextFormat(Qt::PlainText);
    assignment_->setWordWrap(true);
    assignment_->setAccessibleName(qt::to_qstring(texts::kAssignmentStatusName));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(bar);
    layout->addLayout(who);
    layout->addWidget(assignment_);
    layout->addWidget(tabs_, 1);
    indicators_ = new ZoomedIndicators;
    indicators_->setParent(this);
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setStyle(indicators_);
    size_at_100_ = QSize(760, 560);
    resize(size_at_100_);

    connect(&model_, &QAbstractItemModel::rowsInserted, this, &NotebookWindow::onRowsInserted);
    connect(&model_, &QAbstractItemModel::rowsRemoved, chart_, &NotebookChart::refresh);
    connect(&model_, &QAbstractItemModel::modelReset, chart_, &NotebookChart::refresh);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &NotebookWindow::showDiagram);
    connect(&model_, &QAbstractItemModel::modelReset, this, &NotebookWindow::showDiagram);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NotebookWindow::showDiagram);
    showDiagram();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&model_, signal, this, &NotebookWindow::showAssignment);
    connect(&model_, &QAbstractItemModel::modelReset, this, &NotebookWindow::showAssignment);
    showAssignment();
}

void NotebookWindow::showAssignment() {
    const auto& assignment = model_.history().assignment();
    assignment_->setVisible(assignment.has_value());
    if (assignment) {
        assignment_->setText(
            qt::to_qstring(assignment_status(assignment->group, model_.history().points_taken())));
    }
}

void NotebookWindow::onRowsInserted() {
    if (model_.count() == 1) {
        table_->resizeColumnsToContents();
    }
    if (!model_.point(model_.count() - 1).out_of_range.empty()) {
        table_->resizeColumnToContents(NotebookModel::kNumberColumn);  // room for the mark
    }
    chart_->refresh();
    table_->scrollToBottom();
}

void NotebookWindow::setLiveState(const std::optional<BenchState>& state, bool flagged) {
    diagram_->setLiveState(state, flagged);
}

// The selected row's cycle stands out; the live one when no row is selected.
void NotebookWindow::showDiagram() {
    const QModelIndexList rows = table_->selectionModel()->selectedIndexes();
    diagram_->setSelectedRow(!rows.isEmpty() && rows.front().row() < model_.count()
                                 ? std::optional(rows.front().row())
                                 : std::nullopt);
}

QString NotebookWindow::copiedText() const {
    const QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    std::set<int> rows, columns;
    for (const QModelIndex& i : selected) {
        rows.insert(i.row());
        columns.insert(i.column());
    }
    if (selected.isEmpty()) {
        for (int r = 0; r < model_.count(); ++r) rows.insert(r);
        for (int c = 0; c < model_.columnCount(); ++c) columns.insert(c);
    }
    return model_.tabSeparated(QList<int>(rows.begin(), rows.end()),
                               QList<int>(columns.begin(), columns.end()));
}

void NotebookWindow::copyToClipboard() const {
    QApplication::clipboard()->setText(copiedText());
}

void NotebookWindow::deleteSelectedRows() {
    std::set<int> rows;
    for (const QModelIndex& i : table_->selectionModel()->selectedIndexes()) rows.insert(i.row());
    if (!rows.empty())
        push_change(stack_, model_.history(),
                    model_.history().remove_rows(std::vector<int>(rows.begin(), rows.end())));
}

QByteArray NotebookWindow::csvBytes() const {
    return model_.csv(QLocale());
}

bool NotebookWindow::exportCsv(const QString& path, QString& error) const {
    return NotebookFiles::writeFile(path, csvBytes(), error);
}

void NotebookWindow::askAndExport() {
    NotebookFiles::askAndWrite(this, qt::to_qstring(texts::kExportCsvTitle),
                               QDir::home().filePath(qt::to_qstring(texts::kProposedCsvName)),
                               qt::to_qstring(texts::kCsvFilter), QStringLiteral("csv"),
                               [this] { return csvBytes(); });
}

QByteArray NotebookWindow::pictureBytes(const QString& path) const {
    if (tabs_->currentIndex() == tabs_->indexOf(diagram_->parentWidget())) {
        // As on show, at the size it has there.
        const QSizeF size = diagram_->isVisible() ? QSizeF(diagram_->size()) : QSizeF(900, 680);
        return picture_bytes(
            path, size, qt::to_qstring(texts::kDiagramTitle),
            [this](QPainter& painter, const QRectF& area) { diagram_->render(painter, area); });
    }
    return picture_bytes(
        path, QSizeF(900, 900 * 0.62), qt::to_qstring(texts::kChartTitle),
        [this](QPainter& painter, const QRectF& area) { chart_->render(painter, area); });
}

bool NotebookWindow::exportPicture(const QString& path, QString& error) const {
    return NotebookFiles::writeFile(path, pictureBytes(path), error);
}

void NotebookWindow::askAndExportPicture() {
    const bool diagram = tabs_->currentIndex() == tabs_->indexOf(diagram_->parentWidget());
    NotebookFiles::askAndWrite(
        this, qt::to_qstring(texts::kExportPictureTitle),
        QDir::home().filePath(
            qt::to_qstring(diagram ? texts::kProposedDiagramName : texts::kProposedChartName)),
        picture_filter(), QStringLiteral("png"),
        [this](const QString& path) { return pictureBytes(path); });
}

void NotebookWindow::showHeader() {
    const NotebookHeader& h = model_.header();
    const QSignalBlocker quiet_date(date_);
    if (students_->text() != QString::fromStdString(h.students))
        students_->setText(QString::fromStdString(h.students));
    if (group_->text() != QString::fromStdString(h.group))
        group_->setText(QString::fromStdString(h.group));
    const QDate date = QDate::fromString(QString::fromStdString(h.date), Qt::ISODate);
    date_->setDate(date.isValid() ? date : QDate::currentDate());
}

void NotebookWindow::editHeader() {
    const NotebookHeader h{students_->text().toStdString(), group_->text().toStdString(),
                           date_->date().toString(Qt::ISODate).toStdString()};
    push_change(stack_, model_.history(), model_.history().set_header(h));
}

void NotebookWindow::askAndPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qt::to_qstring(kNotebookTitle));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(qt::to_qstring(texts::kPrintTitle));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print_notebook(printer, model_, chart_, diagram_)) {
        QMessageBox::critical(this, qt::to_qstring(texts::kPrintFailedTitle),
                              qt::to_qstring(texts::kPrintFailed));
    }
}

}  // namespace gelvor::ui::notebook
