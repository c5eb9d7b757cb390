#pragma once

#include <QWidget>
#include <optional>

#include "model/bench.h"

class QAction;
class QTableView;
class QTabWidget;

namespace gelvor::ui::notebook {

class NotebookChart;
class NotebookModel;
class PhDiagram;

// frmRegistro: the notebook beside the bench, non-modal, with the readings
// table, the chart and the true-scale p-h diagram; copy, CSV export and print.
class NotebookWindow : public QWidget {
    Q_OBJECT

  public:
    NotebookWindow(NotebookModel& model, QWidget* parent = nullptr);

    // The live state of the bench, drawn on the diagram while no row is
    // selected; none while the machine is off.
    void setLiveState(const std::optional<BenchState>& state);

    // The selected cells (all of them when none is selected) as tab-separated text.
    QString copiedText() const;
    void copyToClipboard() const;
    void deleteSelectedRows();
    // Writes the notebook as CSV for the user's locale, atomically; on
    // failure returns false and says why in `error`, leaving no file.
    bool exportCsv(const QString& path, QString& error) const;

    QTableView* table() const { return table_; }
    QTabWidget* tabs() const { return tabs_; }
    NotebookChart* chart() const { return chart_; }
    PhDiagram* diagram() const { return diagram_; }

  private:
    void askAndExport();
    void askAndPrint();
    void showDiagram();
    void onRowsInserted();

    NotebookModel& model_;
    QTabWidget* tabs_ = nullptr;
    QTableView* table_ = nullptr;
    NotebookChart* chart_ = nullptr;
    PhDiagram* diagram_ = nullptr;
    std::optional<BenchState> live_;
};

}  // namespace gelvor::ui::notebook
