#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "notebook/marked_point.h"
#include "notebook/notebook_document.h"

// The lab notebook's history, for every front end: its points with their
// marks, its header, the numbers the points take, and every change the
// class makes, undoable and redoable, with the mark of what is unsaved.
namespace gelvor {

// What a front end follows of the changes: each row inserted or removed
// (announced before and after, as a table view needs), a note, the header,
// or everything at once.
class NotebookObserver {
  public:
    virtual ~NotebookObserver() = default;
    virtual void inserting(int /*row*/) {}
    virtual void inserted(int /*row*/) {}
    virtual void removing(int /*row*/) {}
    virtual void removed(int /*row*/) {}
    virtual void note_changed(int /*row*/) {}
    virtual void hand_results_changed(int /*row*/) {}
    virtual void header_changed() {}
    virtual void resetting() {}
    virtual void reset() {}
};

class NotebookHistory {
  public:
    // A point's number format from its locale's name ("es_ES").
    using StyleOf = std::function<NumberStyle(const std::string& locale)>;
    // `today`: the date a new notebook is headed with (yyyy-mm-dd).
    NotebookHistory(StyleOf style_of, std::string today);
    ~NotebookHistory();

    void set_observer(NotebookObserver* observer) { observer_ = observer; }

    // A change as made: what it is called, and whether it merged into the
    // change before it (typing on in the same note or header field).
    struct Change {
        std::string name;
        int kind = 0;  // changes of one kind may merge; 0 never does
        bool merged = false;
    };
    // The point on show becomes the next point, numbered in turn.
    Change record(MarkedPoint point);
    // Rows in any order; rows that do not exist are left out. None: no change.
    std::optional<Change> remove_rows(std::vector<int> rows);
    // Every point; the numbers start again at 1. An empty notebook: no change.
    std::optional<Change> clear();
    std::optional<Change> set_note(int row, std::string note);
    // One of the group's own results of a point (`which` in the order of
    // notebook/hand_results.h), as typed; typing on in one cell merges.
    std::optional<Change> set_hand_result(int row, std::size_t which, std::string text);
    std::optional<Change> set_header(NotebookHeader header);

    bool can_undo() const { return index_ > 0; }
    bool can_redo() const { return index_ < edits_.size(); }
    std::string undo_name() const;
    std::string redo_name() const;
    void undo();
    void redo();

    // Saved: nothing changed since mark_saved (or since open).
    bool unsaved() const { return !clean_ || *clean_ != index_; }
    void mark_saved() { clean_ = index_; }
    void mark_unsaved() { clean_.reset(); }
    // Unsaved changes that closing would lose: to its points, or to a
    // notebook kept in a file (`in_a_file`). An empty new notebook has none.
    bool something_to_lose(bool in_a_file) const { return unsaved() && (count() > 0 || in_a_file); }
    // A notebook read from a file replaces this one, with no history.
    void open(const NotebookDocument& document);
    // The same with its points already marked (point_from_file), as a front
    // end marks a large file's points a few at a time.
    void open(NotebookHeader header, std::optional<Assignment> assignment,
              std::vector<MarkedPoint> points, int next_number);

    const std::vector<MarkedPoint>& points() const { return points_; }
    const MarkedPoint& point(int row) const { return points_[static_cast<std::size_t>(row)]; }
    int count() const { return static_cast<int>(points_.size()); }
    const NotebookHeader& header() const { return header_; }
    // What the teacher handed out, when this notebook is an assignment.
    const std::optional<Assignment>& assignment() const { return assignment_; }
    // For each assigned point, whether some point was taken at it.
    std::vector<bool> points_taken() const;
    int next_number() const { return next_number_; }
    NotebookDocument document() const;
    NumberStyle style_of(const std::string& locale) const { return style_of_(locale); }

    class Edit;  // one change, with what undoes it

  private:
    friend class Edit;
    Change push(std::unique_ptr<Edit> edit);
    // The state's own steps, each told to the observer.
    void insert(int row, MarkedPoint point);
    MarkedPoint take(int row);
    void put_note(int row, const std::string& note);
    void put_hand_result(int row, std::size_t which, const std::string& text);
    void put_header(const NotebookHeader& header);
    void mark_assignment(MarkedPoint& point) const;

    StyleOf style_of_;
    NotebookObserver* observer_ = nullptr;  // not owned
    std::vector<MarkedPoint> points_;
    NotebookHeader header_;
    std::optional<Assignment> assignment_;
    int next_number_ = 1;
    std::vector<std::unique_ptr<Edit>> edits_;  // done up to index_, then undone
    std::size_t index_ = 0;
    std::optional<std::size_t> clean_ = 0;  // where the notebook was saved
};

}  // namespace gelvor
