#pragma once

#include <QWidget>
#include <optional>

#include "model/bench.h"

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTabWidget;
class QUndoStack;

namespace gelvor::ui {
struct KeyGroup;
}

namespace gelvor::ui::notebook {

class NotebookChart;
class NotebookModel;
class PhDiagram;
class ZoomedIndicators;

// frmRegistro: the notebook beside the bench, non-modal: who recorded it and
// when, the readings table with a note per point, the chart and the
// true-scale p-h diagram; copy, CSV export and print. Every change it makes
// goes through the notebook's undo stack.
class NotebookWindow : public QWidget {
    Q_OBJECT

  public:
    NotebookWindow(NotebookModel& model, QUndoStack& stack, QWidget* parent = nullptr);

    // The bench's zoom for the projector: the window's fonts, its table, the
    // chart and the diagram, and the window's size, grow by `factor`.
    void setZoom(double factor);
    double zoom() const { return zoom_; }

    // The live state of the bench, drawn on the diagram while no row is
    // selected; none while the machine is off.
    void setLiveState(const std::optional<BenchState>& state, bool flagged = false);

    // The selected cells (all of them when none is selected) as tab-separated text.
    QString copiedText() const;
    void copyToClipboard() const;
    void deleteSelectedRows();
    // The notebook as CSV for the user's locale, after a UTF-8 byte order
    // mark so that spreadsheets read its accents and symbols.
    QByteArray csvBytes() const;
    // Writes it atomically; on failure returns false and says why in
    // `error`, leaving no file.
    bool exportCsv(const QString& path, QString& error) const;
    // The tab on show, the chart or the p-h diagram (the chart from the
    // table's tab), as a PNG or an SVG file by the path's suffix.
    QByteArray pictureBytes(const QString& path) const;
    bool exportPicture(const QString& path, QString& error) const;

    QTableView* table() const { return table_; }
    QLineEdit* studentsField() const { return students_; }
    QTabWidget* tabs() const { return tabs_; }
    NotebookChart* chart() const { return chart_; }
    PhDiagram* diagram() const { return diagram_; }

  private:
    void askAndExport();
    void askAndExportPicture();
    void askAndPrint();
    void showDiagram();
    void onRowsInserted();
    void showHeader();
    void showAssignment();
    void editHeader();

    NotebookModel& model_;
    QUndoStack& stack_;
    QLineEdit* students_ = nullptr;
    QLineEdit* group_ = nullptr;
    QDateEdit* date_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* assignment_ = nullptr;  // the points of a handed-out notebook still to take
    QTableView* table_ = nullptr;
    NotebookChart* chart_ = nullptr;
    PhDiagram* diagram_ = nullptr;
    ZoomedIndicators* indicators_ = nullptr;  // the check boxes' style, owned by the window
    double zoom_ = 1;
    QSize size_at_100_;
};

}  // namespace gelvor::ui::notebook
