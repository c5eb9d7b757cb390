#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>
#include <vector>

#include "model/bench.h"
#include "notebook/notebook_document.h"
#include "present/notebook_columns.h"
#include "present/pass.h"

namespace gelvor::ui::notebook {

// One recorded operating point: the settings as the pass read them and what
// each display showed, its note, and what the program derives from them for
// the table's marks, the chart and the p-h diagram.
struct RecordedPoint {
    int number = 0;
    PanelSettings settings;
    QString locale;     // the number format of every text ("es_ES")
    QStringList cells;  // the notebook row: display texts without units, as recorded
    QString note;
    // Derived, never saved.
    std::vector<double> values;  // the cells read as numbers; NaN where empty
    std::vector<SettingOutOfRange> out_of_range;
    BenchState state;                // a pass of the settings, behind the texts
    QStringList validity;            // where the bench's model is not physical at this point
    bool discharge_flagged = false;  // among them, B: ringed on the p-h diagram
    QList<int>
        differing;  // notebook columns whose recorded text a pass of the settings no longer gives
};

// The lab notebook: its header (students, group, date) and the recorded
// points in the order they were taken. Column 0 is the point's number, then
// one column per notebook quantity, then the note, the only editable cell.
// The model only changes through the calls below, which the notebook's undo
// commands make; an edit of a note in the table asks for one.
class NotebookModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit NotebookModel(QObject* parent = nullptr);

    static constexpr int kNumberColumn = 0;
    // The model column of a notebook quantity, and back.
    static int modelColumn(int notebook_column) { return notebook_column + 1; }
    int noteColumn() const { return static_cast<int>(notebook_columns().size()) + 1; }

    // The point a pass showed, not yet numbered.
    static RecordedPoint pointOf(const PanelSettings& settings, const PassDisplay& pass,
                                 const QLocale& locale);
    // A point as a file holds it, with its marks: the texts are kept as
    // recorded, and those a pass of its settings no longer gives are marked.
    static RecordedPoint pointOf(const NotebookPoint& stored);

    // Appends a point and gives it the next number; returns that number.
    int append(RecordedPoint point);
    // Puts points back at the rows they had, in ascending order of rows.
    void insertPoints(const std::vector<std::pair<int, RecordedPoint>>& points);
    // Removes the rows (ascending) and returns them with their points.
    std::vector<std::pair<int, RecordedPoint>> takeRows(const std::vector<int>& rows);
    void setNote(int row, const QString& note);
    void setHeader(const NotebookHeader& header);
    void setNextNumber(int number) { next_number_ = number; }
    void resetTo(const NotebookDocument& document);

    const RecordedPoint& point(int row) const { return points_[static_cast<std::size_t>(row)]; }
    int count() const { return static_cast<int>(points_.size()); }
    int nextNumber() const { return next_number_; }
    const NotebookHeader& header() const { return header_; }
    NotebookDocument document() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString cellText(int row, int column) const;
    QString headerText(int column) const;
    // The given rows and columns as tab-separated text with a header line.
    QString tabSeparated(const QList<int>& rows, const QList<int>& columns) const;
    // The notebook as CSV for `locale`, in UTF-8 after a byte order mark
    // (see notebook_csv).
    QByteArray csv(const QLocale& locale) const;

  signals:
    // The table asked to change a note; the notebook makes it an undoable edit.
    void noteEditRequested(int row, const QString& note);
    // The students, the group or the date changed.
    void headerChanged();

  private:
    std::vector<RecordedPoint> points_;
    NotebookHeader header_;
    int next_number_ = 1;
};

}  // namespace gelvor::ui::notebook
