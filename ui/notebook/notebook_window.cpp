#include "ui/notebook/notebook_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QtCharts/QChartView>
#include <algorithm>
#include <set>

#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_print.h"
#include "ui/notebook/ph_diagram.h"

namespace gelvor::ui::notebook {

NotebookWindow::NotebookWindow(NotebookModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    setObjectName(QStringLiteral("frmRegistro"));
    setWindowTitle(QStringLiteral("Registro de lecturas"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* copy = bar->addAction(QStringLiteral("&Copiar"));
    copy->setObjectName(QStringLiteral("copiarRegistro"));
    QAction* remove = bar->addAction(QStringLiteral("&Quitar filas"));
    remove->setObjectName(QStringLiteral("quitarFilas"));
    QAction* csv = bar->addAction(QStringLiteral("&Exportar CSV…"));
    csv->setObjectName(QStringLiteral("exportarCsv"));
    QAction* print = bar->addAction(QStringLiteral("&Imprimir…"));
    print->setObjectName(QStringLiteral("imprimirRegistro"));
    print->setShortcut(QKeySequence::Print);
    csv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // The toolbar's buttons are Tab stops too, each telling its shortcut.
    for (QAction* a : bar->actions()) {
        bar->widgetForAction(a)->setFocusPolicy(Qt::TabFocus);
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
    // Ctrl+C and Supr act on the table wherever the focus is inside it.
    copy->setShortcut(QKeySequence::Copy);
    remove->setShortcut(QKeySequence::Delete);
    for (QAction* a : bar->actions()) {
        if (!a->shortcut().isEmpty())
            a->setToolTip(a->iconText() + " (" + a->shortcut().toString(QKeySequence::NativeText) +
                          ")");
    }
    for (QAction* a : {copy, remove}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        table_->addAction(a);
    }
    connect(copy, &QAction::triggered, this, &NotebookWindow::copyToClipboard);
    connect(remove, &QAction::triggered, this, &NotebookWindow::deleteSelectedRows);
    connect(csv, &QAction::triggered, this, &NotebookWindow::askAndExport);
    connect(print, &QAction::triggered, this, &NotebookWindow::askAndPrint);

    chart_ = new NotebookChart(model_, this);
    diagram_ = new PhDiagram(this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("pestanasRegistro"));
    tabs_->setAccessibleName(QStringLiteral("Lecturas, gráfica y diagrama"));
    tabs_->addTab(table_, QStringLiteral("Lecturas"));
    tabs_->addTab(chart_, QStringLiteral("Gráfica"));
    tabs_->addTab(diagram_, QStringLiteral("Diagrama p-h"));

    // Ctrl+PgDn and Ctrl+PgUp go from tab to tab wherever the focus is, the
    // table included, which keeps Ctrl+Tab for itself.
    const auto step_tab = [this](QKeySequence keys, int step) {
        auto* a = new QAction(this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, [this, step] {
            tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) %
                                   tabs_->count());
        });
        addAction(a);
    };
    step_tab(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    step_tab(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(bar);
    layout->addWidget(tabs_, 1);
    resize(760, 560);

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

void NotebookWindow::setLiveState(const std::optional<BenchState>& state) {
    live_ = state;
    showDiagram();
}

// The selected row's cycle; the live one when no row is selected.
void NotebookWindow::showDiagram() {
    const QModelIndexList rows = table_->selectionModel()->selectedIndexes();
    if (!rows.isEmpty() && rows.front().row() < model_.count()) {
        const RecordedPoint& p = model_.point(rows.front().row());
        diagram_->setCycle(p.state, QStringLiteral("punto %1").arg(p.number));
    } else {
        diagram_->setCycle(live_, QStringLiteral("estado actual de la máquina"));
    }
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
    // From the bottom up, so that the remaining rows keep their places.
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) model_.removeRow(*r);
}

bool NotebookWindow::exportCsv(const QString& path, QString& error) const {
    QSaveFile file(path);
    const QByteArray bytes = model_.csv(QLocale()).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

void NotebookWindow::askAndExport() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportar CSV"), QStringLiteral("lecturas.csv"),
        QStringLiteral("Tablas CSV (*.csv);;Todos los archivos (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportCsv(path, error)) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Exportar CSV"),
                        QStringLiteral("No se pudo guardar «%1»: %2. No se ha escrito ningún "
                                       "archivo.")
                            .arg(QDir::toNativeSeparators(path), error),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("errorExportar"));
        box.exec();
    }
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
