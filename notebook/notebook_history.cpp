#include "notebook/notebook_history.h"

#include <algorithm>
#include <array>

#include "notebook/assignment.h"
#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"

namespace gelvor {

// One change of the notebook: it does itself again and undoes itself
// through the history's own steps, so that the observer hears of each.
class NotebookHistory::Edit {
  public:
    virtual ~Edit() = default;
    virtual void redo(NotebookHistory& h) = 0;
    virtual void undo(NotebookHistory& h) = 0;
    virtual std::string name() const = 0;
    virtual int kind() const { return 0; }
    // Takes in `next`, the same kind of change made right after this one,
    // when the two are one edit.
    virtual bool merge(const Edit& /*next*/) { return false; }

  protected:
    static void insert(NotebookHistory& h, int row, MarkedPoint p) { h.insert(row, std::move(p)); }
    static MarkedPoint take(NotebookHistory& h, int row) { return h.take(row); }
    static void put_note(NotebookHistory& h, int row, const std::string& n) { h.put_note(row, n); }
    static void put_hand_result(NotebookHistory& h, int row, std::size_t which,
                                const std::string& text) {
        h.put_hand_result(row, which, text);
    }
    static void put_header(NotebookHistory& h, const NotebookHeader& header) {
        h.put_header(header);
    }
    static int& next_number(NotebookHistory& h) { return h.next_number_; }
};

namespace {

using Edit = NotebookHistory::Edit;

enum Kind { kOther = 0, kNote = 1, kHeader = 2, kHandResult = 3 };

// "Anotar lecturas": the point takes the next number when first recorded.
class RecordEdit : public Edit {
  public:
    RecordEdit(MarkedPoint point, int next_before)
        : point_(std::move(point)), next_before_(next_before) {}
    void redo(NotebookHistory& h) override {
        int& next = next_number(h);
        next = next_before_;
        point_.number = next++;
        insert(h, h.count(), point_);
    }
    void undo(NotebookHistory& h) override {
        point_ = take(h, h.count() - 1);
        next_number(h) = next_before_;
    }
    std::string name() const override { return kRecordEdit; }

  private:
    MarkedPoint point_;
    int next_before_;
};

// Rows taken out from the bottom up, so that those still to go keep their
// places, and put back in ascending order.
class RemoveEdit : public Edit {
  public:
    RemoveEdit(std::vector<int> rows, std::string name, bool renumber, int next_before)
        : rows_(std::move(rows)),
          name_(std::move(name)),
          renumber_(renumber),
          next_before_(next_before) {}
    void redo(NotebookHistory& h) override {
        removed_.clear();
        for (auto r = rows_.rbegin(); r != rows_.rend(); ++r) removed_.push_back(take(h, *r));
        std::reverse(removed_.begin(), removed_.end());
        if (renumber_)
            next_number(h) = 1;
    }
    void undo(NotebookHistory& h) override {
        for (std::size_t i = 0; i < rows_.size(); ++i) insert(h, rows_[i], std::move(removed_[i]));
        removed_.clear();
        if (renumber_)
            next_number(h) = next_before_;
    }
    std::string name() const override { return name_; }

  private:
    std::vector<int> rows_;  // ascending
    std::string name_;
    bool renumber_;  // emptying the notebook: the numbers start again at 1
    int next_before_;
    std::vector<MarkedPoint> removed_;
};

// A point's note; typing on in the same note makes one edit.
class NoteEdit : public Edit {
  public:
    NoteEdit(int row, int number, std::string before, std::string after)
        : row_(row), number_(number), before_(std::move(before)), after_(std::move(after)) {}
    void redo(NotebookHistory& h) override { put_note(h, row_, after_); }
    void undo(NotebookHistory& h) override { put_note(h, row_, before_); }
    std::string name() const override { return note_edit(number_); }
    int kind() const override { return kNote; }
    bool merge(const Edit& next) override {
        const auto& n = static_cast<const NoteEdit&>(next);
        if (n.row_ != row_)
            return false;
        after_ = n.after_;
        return true;
    }

  private:
    int row_, number_;
    std::string before_, after_;
};

// One of a point's hand results; typing on in the same cell makes one edit.
class HandResultEdit : public Edit {
  public:
    HandResultEdit(int row, std::size_t which, std::string before, std::string after)
        : row_(row), which_(which), before_(std::move(before)), after_(std::move(after)) {}
    void redo(NotebookHistory& h) override { put_hand_result(h, row_, which_, after_); }
    void undo(NotebookHistory& h) override { put_hand_result(h, row_, which_, before_); }
    std::string name() const override { return kHandResultEdit; }
    int kind() const override { return kHandResult; }
    bool merge(const Edit& next) override {
        const auto& n = static_cast<const HandResultEdit&>(next);
        if (n.row_ != row_ || n.which_ != which_)
            return false;
        after_ = n.after_;
        return true;
    }

  private:
    int row_;
    std::size_t which_;
    std::string before_, after_;
};

// The students, the group and the date; typing on in one field makes one edit.
class HeaderEdit : public Edit {
  public:
    HeaderEdit(NotebookHeader before, NotebookHeader after)
        : before_(std::move(before)), after_(std::move(after)) {}
    void redo(NotebookHistory& h) override { put_header(h, after_); }
    void undo(NotebookHistory& h) override { put_header(h, before_); }
    std::string name() const override { return kHeaderEdit; }
    int kind() const override { return kHeader; }
    bool merge(const Edit& next) override {
        const auto& n = static_cast<const HeaderEdit&>(next);
        const auto fields = [](const NotebookHeader& a, const NotebookHeader& b) {
            return std::array{a.students != b.students, a.group != b.group, a.date != b.date};
        };
        if (fields(before_, after_) != fields(after_, n.after_))
            return false;
        after_ = n.after_;
        return true;
    }

  private:
    NotebookHeader before_, after_;
};

}  // namespace

NotebookHistory::NotebookHistory(StyleOf style_of, std::string today)
    : style_of_(std::move(style_of)) {
    header_.date = std::move(today);
}

NotebookHistory::~NotebookHistory() = default;

NotebookHistory::Change NotebookHistory::push(std::unique_ptr<Edit> edit) {
    edit->redo(*this);
    // What was undone is forgotten, and with it a saved state among it.
    edits_.erase(edits_.begin() + static_cast<std::ptrdiff_t>(index_), edits_.end());
    if (clean_ && *clean_ > index_)
        clean_.reset();
    Change change{edit->name(), edit->kind(), false};
    const bool at_saved = clean_ && *clean_ == index_;
    if (index_ > 0 && change.kind != 0 && !at_saved && edits_.back()->kind() == change.kind &&
        edits_.back()->merge(*edit)) {
        change.merged = true;
        return change;
    }
    edits_.push_back(std::move(edit));
    ++index_;
    return change;
}

NotebookHistory::Change NotebookHistory::record(MarkedPoint point) {
    return push(std::make_unique<RecordEdit>(std::move(point), next_number_));
}

std::optional<NotebookHistory::Change> NotebookHistory::remove_rows(std::vector<int> rows) {
    std::erase_if(rows, [this](int r) { return r < 0 || r >= count(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty())
        return std::nullopt;
    std::string name = remove_rows_edit(rows.size());
    return push(std::make_unique<RemoveEdit>(std::move(rows), std::move(name), false, 0));
}

std::optional<NotebookHistory::Change> NotebookHistory::clear() {
    if (points_.empty())
        return std::nullopt;
    std::vector<int> all(points_.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    return push(std::make_unique<RemoveEdit>(std::move(all), kClearEdit, true, next_number_));
}

std::optional<NotebookHistory::Change> NotebookHistory::set_note(int row, std::string note) {
    if (row < 0 || row >= count() || point(row).note == note)
        return std::nullopt;
    return push(
        std::make_unique<NoteEdit>(row, point(row).number, point(row).note, std::move(note)));
}

std::optional<NotebookHistory::Change> NotebookHistory::set_hand_result(int row, std::size_t which,
                                                                        std::string text) {
    if (row < 0 || row >= count() || which >= kHandResultCount ||
        point(row).hand_results[which] == text)
        return std::nullopt;
    return push(std::make_unique<HandResultEdit>(row, which, point(row).hand_results[which],
                                                 std::move(text)));
}

std::optional<NotebookHistory::Change> NotebookHistory::set_header(NotebookHeader header) {
    if (header == header_)
        return std::nullopt;
    return push(std::make_unique<HeaderEdit>(header_, std::move(header)));
}

std::string NotebookHistory::undo_name() const {
    return can_undo() ? edits_[index_ - 1]->name() : std::string();
}

std::string NotebookHistory::redo_name() const {
    return can_redo() ? edits_[index_]->name() : std::string();
}

void NotebookHistory::undo() {
    if (can_undo())
        edits_[--index_]->undo(*this);
}

void NotebookHistory::redo() {
    if (can_redo())
        edits_[index_++]->redo(*this);
}

void NotebookHistory::open(const NotebookDocument& document) {
    std::vector<MarkedPoint> points;
    points.reserve(document.points.size());
    for (const NotebookPoint& p : document.points)
        points.push_back(point_from_file(p, style_of_(p.locale)));
    open(document.header, document.assignment, std::move(points), document.next_number);
}

void NotebookHistory::open(NotebookHeader header, std::optional<Assignment> assignment,
                           std::vector<MarkedPoint> points, int next_number) {
    if (observer_)
        observer_->resetting();
    points_ = std::move(points);
    header_ = std::move(header);
    assignment_ = std::move(assignment);
    for (MarkedPoint& p : points_) mark_assignment(p);
    next_number_ = next_number;
    edits_.clear();
    index_ = 0;
    clean_ = 0;
    if (observer_)
        observer_->reset();
}

NotebookDocument NotebookHistory::document() const {
    NotebookDocument d;
    d.header = header_;
    d.assignment = assignment_;
    d.next_number = next_number_;
    d.points.reserve(points_.size());
    for (const MarkedPoint& p : points_) d.points.push_back(stored_point(p));
    return d;
}

std::vector<bool> NotebookHistory::points_taken() const {
    std::vector<bool> taken(assignment_ ? assignment_->points.size() : 0, false);
    for (const MarkedPoint& p : points_) {
        if (p.assigned && *p.assigned < taken.size())
            taken[*p.assigned] = true;
    }
    return taken;
}

// Where a point stands against the assignment, in its own number format.
void NotebookHistory::mark_assignment(MarkedPoint& p) const {
    p.assigned = assignment_ ? assigned_point_taken(point_settings(p.settings), *assignment_,
                                                    style_of_(p.locale))
                             : std::nullopt;
    p.outside_assignment = assignment_ && !p.assigned;
}

void NotebookHistory::insert(int row, MarkedPoint point) {
    mark_assignment(point);
    if (observer_)
        observer_->inserting(row);
    points_.insert(points_.begin() + row, std::move(point));
    if (observer_)
        observer_->inserted(row);
}

MarkedPoint NotebookHistory::take(int row) {
    if (observer_)
        observer_->removing(row);
    MarkedPoint p = std::move(points_[static_cast<std::size_t>(row)]);
    points_.erase(points_.begin() + row);
    if (observer_)
        observer_->removed(row);
    return p;
}

void NotebookHistory::put_note(int row, const std::string& note) {
    points_[static_cast<std::size_t>(row)].note = note;
    if (observer_)
        observer_->note_changed(row);
}

void NotebookHistory::put_hand_result(int row, std::size_t which, const std::string& text) {
    points_[static_cast<std::size_t>(row)].hand_results[which] = text;
    if (observer_)
        observer_->hand_results_changed(row);
}

void NotebookHistory::put_header(const NotebookHeader& header) {
    header_ = header;
    if (observer_)
        observer_->header_changed();
}

}  // namespace gelvor
