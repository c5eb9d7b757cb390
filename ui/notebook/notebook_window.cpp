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
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "notebook/notebook_messages.h"
#include "ui/help.h"
#include "ui/look.h"
#include "ui/notebook/chart_export.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_commands.h"
#include "ui/notebook/notebook_files.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_print.h"
#include "ui/notebook/ph_diagram.h"

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

// The window's commands: on its toolbar, or keys of the window alone.
struct Command {
    const char* name;
    const char* text;
    std::array<QKeySequence, 2> keys;
    bool on_toolbar;
};
// Made when first asked for: a standard key needs the application's platform.
const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"copiarRegistro", "&Copiar", {QKeySequence::Copy}, true},
        {"quitarFilas", "&Quitar filas", {QKeySequence::Delete}, true},
        {"exportarCsv", kExportCaption, {QKeySequence(Qt::CTRL | Qt::Key_E)}, true},
        {"exportarGrafica", "E&xportar gráfica…", {QKeySequence(Qt::CTRL | Qt::Key_G)}, true},
        {"imprimirRegistro", "&Imprimir…", {QKeySequence::Print}, true},
        {"pestanaSiguiente",
         "Pestaña siguiente",
         {QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
         false},
        {"pestanaAnterior", "Pestaña anterior", {QKeySequence(Qt::CTRL | Qt::Key_PageUp)}, false},
        {"cerrarRegistro",
         "Cerrar el registro",
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)},
         false},
    };
    return kCommands;
}

}  // namespace

KeyGroup NotebookWindow::keys() {
    KeyGroup group{QStringLiteral("Registro de lecturas"), {}, {}};
    for (const Command& c : commands()) {
        QList<QKeySequence> keys;
        for (const QKeySequence& k : c.keys)
            if (!k.isEmpty())
                keys << k;
        QString what = QString::fromUtf8(c.text).remove(u'&');
        if (what.endsWith(u'…'))
            what.chop(1);
        group.fixed.append({key_names(keys), what});
    }
    return group;
}

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
    setWindowTitle(QStringLiteral("Registro de lecturas"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The bench's font at 100 %, which a window does not take from its parent.
    setFont(look::sans(look::kDefaultPixels));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    std::map<std::string, QAction*> actions;
    for (const Command& c : commands()) {
        auto* a = new QAction(QString::fromUtf8(c.text), this);
        a->setObjectName(QLatin1String(c.name));
        QList<QKeySequence> keys;
        for (const QKeySequence& k : c.keys)
            if (!k.isEmpty())
                keys << k;
        a->setShortcuts(keys);
        if (c.on_toolbar) {
            bar->addAction(a);
            // The toolbar's buttons are Tab stops too, each telling its shortcut.
            bar->widgetForAction(a)->setFocusPolicy(Qt::TabFocus);
            if (!keys.isEmpty())
                a->setToolTip(a->iconText() + " (" +
                              keys.front().toString(QKeySequence::NativeText) + ")");
        } else {
            addAction(a);
        }
        actions[c.name] = a;
    }

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tablaRegistro"));
    table_->setAccessibleName(QStringLiteral("Lecturas anotadas"));
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
    auto* region = new QCheckBox(QStringLiteral("&Región del banco"), this);
    region->setObjectName(QStringLiteral("regionBanco"));
    region->setAccessibleName(QStringLiteral("Región del banco"));
    region->setToolTip(
        QStringLiteral("Ejes de las presiones y entalpías que alcanza el banco; "
                       "sin marcar, la campana entera"));
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
    tabs_->setAccessibleName(QStringLiteral("Lecturas, gráfica y diagrama"));
    tabs_->addTab(table_, QStringLiteral("Lecturas"));
    tabs_->addTab(chart_, QStringLiteral("Gráfica"));
    tabs_->addTab(diagram_page, QStringLiteral("Diagrama p-h"));

    // Who recorded the notebook and when.
    students_ = new QLineEdit(this);
    students_->setObjectName(QStringLiteral("alumnos"));
    students_->setAccessibleName(QStringLiteral("Alumnos"));
    group_ = new QLineEdit(this);
    group_->setObjectName(QStringLiteral("grupo"));
    group_->setAccessibleName(QStringLiteral("Grupo"));
    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("fecha"));
    date_->setAccessibleName(QStringLiteral("Fecha"));
    date_->setCalendarPopup(true);
    date_->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    auto* who = new QHBoxLayout;
    for (auto [caption, field] : {std::pair<const char*, QWidget*>{"A&lumnos:", students_},
                                  {"&Grupo:", group_},
                                  {"&Fecha:", date_}}) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(field);
        who->addWidget(label);
        who->addWidget(field, field == students_ ? 4 : field == group_ ? 1 : 0);
    }
    showHeader();
    connect(students_, &QLineEdit::textEdited, this, &NotebookWindow::editHeader);
    connect(group_, &QLineEdit::textEdited, this, &NotebookWindow::editHeader);
    connect(date_, &QDateEdit::dateChanged, this, &NotebookWindow::editHeader);
    connect(&model_, &NotebookModel::headerChanged, this, &NotebookWindow::showHeader);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(bar);
    layout->addLayout(who);
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
    NotebookFiles::askAndWrite(this, QStringLiteral("Exportar CSV"),
                               QDir::home().filePath(QStringLiteral("lecturas.csv")),
                               QStringLiteral("Tablas CSV (*.csv);;Todos los archivos (*)"),
                               QStringLiteral("csv"), [this] { return csvBytes(); });
}

QByteArray NotebookWindow::pictureBytes(const QString& path) const {
    if (tabs_->currentIndex() == tabs_->indexOf(diagram_->parentWidget())) {
        // As on show, at the size it has there.
        const QSizeF size = diagram_->isVisible() ? QSizeF(diagram_->size()) : QSizeF(900, 680);
        return picture_bytes(
            path, size, QStringLiteral("Diagrama p-h del R-11"),
            [this](QPainter& painter, const QRectF& area) { diagram_->render(painter, area); });
    }
    return picture_bytes(
        path, QSizeF(900, 900 * 0.62), QStringLiteral("Gráfica del registro"),
        [this](QPainter& painter, const QRectF& area) { chart_->render(painter, area); });
}

bool NotebookWindow::exportPicture(const QString& path, QString& error) const {
    return NotebookFiles::writeFile(path, pictureBytes(path), error);
}

void NotebookWindow::askAndExportPicture() {
    const bool diagram = tabs_->currentIndex() == tabs_->indexOf(diagram_->parentWidget());
    NotebookFiles::askAndWrite(this, QStringLiteral("Exportar gráfica"),
                               QDir::home().filePath(diagram ? QStringLiteral("diagrama-ph.png")
                                                             : QStringLiteral("grafica.png")),
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
    printer.setDocName(QStringLiteral("Registro de lecturas"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir el registro"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print_notebook(printer, model_, chart_, diagram_)) {
        QMessageBox::critical(this, QStringLiteral("Imprimir"),
                              QStringLiteral("No se pudo imprimir el registro."));
    }
}

}  // namespace gelvor::ui::notebook
