#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

class QLockFile;
class QUndoStack;
class QWidget;

namespace gelvor::ui::notebook {

class NotebookFiles;
class NotebookModel;

// The notebook kept safe from a crash or a kill: while it has unsaved
// changes it is also written, after every change, to a recovery file of
// this process, locked while the process lives. The next start finds the
// files whose process is gone and offers them back.
class Recovery : public QObject {
    Q_OBJECT

  public:
    Recovery(NotebookModel& model, QUndoStack& stack, NotebookFiles& files);
    ~Recovery() override;

    // The folder of the recovery files.
    static QString folder();
    // Offers each notebook left by a process that ended without saving it;
    // the first one the user takes becomes the notebook, with unsaved changes.
    // The question heeds keys and clicks only once none has come for
    // kHeedAfterMs, and never a key held down from before, such as the one
    // that closed the splash.
    void offer(QWidget* parent);
    static constexpr int kHeedAfterMs = 400;
    // The program ends with its notebook saved or discarded: nothing to keep.
    void forget();
    // The file this process keeps (empty until it first needs one).
    QString file() const { return file_; }
    // Waits until the last copy is written.
    void flush();

  private:
    void keep();

    NotebookModel& model_;
    QUndoStack& stack_;
    NotebookFiles& files_;
    std::unique_ptr<QLockFile> lock_;
    QString file_;
    QThreadPool writer_;               // writes the copies, one after the other
    std::atomic<int> generation_ = 0;  // of the latest copy; an older one is not written
};

}  // namespace gelvor::ui::notebook
