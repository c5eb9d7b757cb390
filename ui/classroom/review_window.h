#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "notebook/review.h"

class QDoubleSpinBox;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace gelvor::ui::classroom {

// frmRevision: the class table, one row per submission, as the review gives
// it; more submissions can be added, the tolerance changed, a group's
// notebook opened from its row, and the table exported as CSV.
class ReviewWindow : public QWidget {
    Q_OBJECT

  public:
    // `open_notebook` opens a submission in the bench's notebook.
    ReviewWindow(std::function<void(const QString& path)> open_notebook, QWidget* parent = nullptr);

    // Reviews these files (with those already in the table) under the teacher's
    // key: the one in the user's folder, or the file named in the window.
    void review(const QStringList& paths);
    QTableView* table() const { return table_; }
    const std::vector<ReviewRow>& rows() const { return rows_; }

  private:
    void addFiles();
    void openSelected();
    void exportCsv();
    void tell(const QString& message);

    std::function<void(const QString&)> open_notebook_;
    QStringList paths_;
    std::vector<ReviewRow> rows_;
    QDoubleSpinBox* tolerance_ = nullptr;
    QLineEdit* key_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* model_ = nullptr;  // a child of the window
};

}  // namespace gelvor::ui::classroom
