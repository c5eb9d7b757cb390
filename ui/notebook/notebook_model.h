#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>

#include "notebook/notebook_history.h"
#include "notebook/notebook_table.h"
#include "present/notebook_columns.h"

namespace gelvor::ui::notebook {

// The lab notebook as a table, for the notebook window's views: column 0 is
// the point's number, then one column per notebook quantity, then the note
// and the group's own results ("Mis resultados"), the editable cells. It
// shows the history's points and follows its changes; an edit asks the
// notebook for an undoable change.
class NotebookModel : public QAbstractTableModel, private NotebookObserver {
    Q_OBJECT

  public:
    explicit NotebookModel(NotebookHistory& history, QObject* parent = nullptr);
    ~NotebookModel() override;

    static constexpr int kNumberColumn = 0;
    // The model column of a notebook quantity, and back.
    static int modelColumn(int notebook_column) { return notebook_column + 1; }
    int noteColumn() const { return note_table_column(); }
    // The column of one of the group's own results, and back (-1 for another column).
    int handColumn(std::size_t which) const { return hand_table_column(which); }
    int handResultOf(int column) const { return hand_result_of(column); }

    NotebookHistory& history() { return history_; }
    const MarkedPoint& point(int row) const { return history_.point(row); }
    int count() const { return history_.count(); }
    const NotebookHeader& header() const { return history_.header(); }
    int nextNumber() const { return history_.next_number(); }
    NotebookDocument document() const { return history_.document(); }

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
    // The table asked to change a note or a hand result; the notebook makes
    // it an undoable edit.
    void noteEditRequested(int row, const QString& note);
    void handResultEditRequested(int row, int which, const QString& text);
    // The students, the group or the date changed.
    void headerChanged();

  private:
    void inserting(int row) override;
    void inserted(int row) override;
    void removing(int row) override;
    void removed(int row) override;
    void note_changed(int row) override;
    void hand_results_changed(int row) override;
    void header_changed() override;
    void resetting() override;
    void reset() override;

    NotebookHistory& history_;
};

}  // namespace gelvor::ui::notebook
