#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>
#include <vector>

#include "model/bench.h"
#include "present/notebook_columns.h"
#include "present/pass.h"

namespace gelvor::ui::notebook {

// One recorded operating point: the settings as the pass read them and what
// each display showed, plus the bench state behind them for the p-h diagram.
struct RecordedPoint {
    int number = 0;
    PanelSettings settings;
    QStringList cells;           // the notebook row: display texts without units
    std::vector<double> values;  // the cells read as numbers; NaN where empty
    std::vector<SettingOutOfRange> out_of_range;
    BenchState state;
};

// The lab notebook: recorded points in the order they were taken. Column 0
// is the point's number, then one column per notebook quantity. Nothing of
// it outlives the program.
class NotebookModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit NotebookModel(QObject* parent = nullptr);

    static constexpr int kNumberColumn = 0;
    // The model column of a notebook quantity, and back.
    static int modelColumn(int notebook_column) { return notebook_column + 1; }

    // Appends the point a pass showed; returns its number.
    int record(const PanelSettings& settings, const PassDisplay& pass, const QLocale& locale);
    void clear();
    const RecordedPoint& point(int row) const { return points_[static_cast<std::size_t>(row)]; }
    int count() const { return static_cast<int>(points_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    QString cellText(int row, int column) const;
    QString headerText(int column) const;
    // The given rows and columns as tab-separated text with a header line.
    QString tabSeparated(const QList<int>& rows, const QList<int>& columns) const;
    // Every row as RFC 4180 CSV with a header line, separated for `locale`.
    QString csv(const QLocale& locale) const;

  private:
    std::vector<RecordedPoint> points_;
    int next_number_ = 1;
};

}  // namespace gelvor::ui::notebook
