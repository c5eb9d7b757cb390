#include "ui/notebook/recovery.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QUndoStack>
#include <QWindow>

#include "notebook/notebook_file.h"
#include "texts/dialog_texts.h"
#include "texts/recovery_texts.h"
#include "ui/notebook/notebook_files.h"
#include "ui/notebook/notebook_model.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::ui::notebook {
namespace {

QString lock_of(const QString& file) {
    return file.chopped(QFileInfo(file).suffix().size()) + QStringLiteral("lock");
}

// The question comes up right after the splash, which a key or a click
// closes. That key held a little longer (its repeats and release, which X11
// does not always mark as repeats), a second press already queued or a
// double click must not answer a question the user has not seen. So keys and
// clicks are heeded once none has come for a moment, and a key's repeats and
// release only after a press that was heeded. Each event is judged once, as
// it reaches the question's window.
class Deliberate : public QObject {
  public:
    explicit Deliberate(const QWidget* box) : box_(box) {
        quiet_.start();
        qApp->installEventFilter(this);
    }
    ~Deliberate() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != box_->windowHandle())
            return false;
        const bool settled = quiet_.hasExpired(Recovery::kHeedAfterMs);
        switch (e->type()) {
            case QEvent::ShortcutOverride:
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const auto* k = static_cast<QKeyEvent*>(e);
                if (pressed_.contains(k->key())) {
                    if (e->type() == QEvent::KeyRelease && !k->isAutoRepeat())
                        pressed_.remove(k->key());
                    return false;
                }
                if (e->type() != QEvent::KeyRelease && !k->isAutoRepeat() && settled) {
                    if (e->type() == QEvent::KeyPress)
                        pressed_.insert(k->key());
                    return false;
                }
                break;
            }
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (settled)
                    return false;
                break;
            default:
                return false;
        }
        quiet_.start();
        e->accept();  // an accepted shortcut override: no mnemonic either
        return true;
    }

  private:
    const QWidget* box_;
    QElapsedTimer quiet_;  // since the question showed or a stray key or click came
    QSet<int> pressed_;    // keys pressed since it heeds them, still down
};

}  // namespace

Recovery::Recovery(NotebookModel& model, QUndoStack& stack, NotebookFiles& files)
    : model_(model), stack_(stack), files_(files) {
    writer_.setMaxThreadCount(1);  // one copy at a time, in order
    connect(&stack_, &QUndoStack::indexChanged, this, &Recovery::keep);
    connect(&stack_, &QUndoStack::cleanChanged, this, &Recovery::keep);
}

// The program ends normally: its user was asked about unsaved readings. A
// crash or a kill never gets here, and leaves the file to be offered.
Recovery::~Recovery() {
    forget();
}

QString Recovery::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recuperacion");
}

// Written only while there is something to lose; removed once there is not.
void Recovery::keep() {
    const bool unsaved = !stack_.isClean() && (model_.count() > 0 || !files_.path().isEmpty());
    if (!unsaved) {
        forget();
        return;
    }
    if (!lock_) {
        if (!QDir().mkpath(folder()))
            return;
        const QString base =
            folder() + QStringLiteral("/%1").arg(QCoreApplication::applicationPid());
        auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
        if (!lock->tryLock(0))
            return;  // nowhere safe to keep it; the notebook itself is unaffected
        lock_ = std::move(lock);
        file_ = base + u'.' + QLatin1String(kNotebookExtension);
    }
    // The document is taken here; turning it into JSON and writing it, the
    // slow part with a large notebook, happen on the writer's own thread.
    // A newer copy makes an older one not yet written needless.
    const int generation = ++generation_;
    writer_.start([this, generation, path = file_, document = model_.document()] {
        if (generation != generation_)
            return;
        QString error;
        NotebookFiles::writeFile(path,
                                 QByteArray::fromStdString(notebook_to_json(
                                     document, "Gelvor " + std::string(version::kText))),
                                 error);
    });
}

void Recovery::flush() {
    writer_.waitForDone();
}

void Recovery::forget() {
    ++generation_;  // nothing more to write
    flush();
    if (!lock_)
        return;
    QFile::remove(file_);
    lock_->unlock();
    lock_.reset();
    file_.clear();
}

void Recovery::offer(QWidget* parent) {
    const QDir dir(folder());
    const QFileInfoList left = dir.entryInfoList(
        {QStringLiteral("*.") + QLatin1String(kNotebookExtension)}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : left) {
        const QString path = info.absoluteFilePath();
        if (path == file_)
            continue;
        QLockFile lock(lock_of(path));
        if (!lock.tryLock(0))
            continue;  // its program still runs, or cannot be known
        const auto document = notebook_from_json([&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.read(kNotebookMaxBytes + 1).toStdString()
                                               : std::string();
        }());
        if (!document.document) {
            QFile::remove(path);  // damaged beyond use: nothing to offer
            continue;
        }
        QMessageBox box(QMessageBox::Question, qt::to_qstring(texts::kRecoverTitle),
                        qt::to_qstring(texts::kRecoverQuestion)
                            .arg(QLocale(QLocale::Spanish, QLocale::Spain)
                                     .toString(info.lastModified(), QLocale::ShortFormat))
                            .arg(document.document->points.size()),
                        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setObjectName(QStringLiteral("recuperarRegistro"));
        box.button(QMessageBox::Yes)->setText(qt::to_qstring(texts::kRecoverCaption));
        box.button(QMessageBox::Discard)->setText(qt::to_qstring(texts::kDiscardCaption));
        // Esc decides nothing: the notebook is offered again at the next start.
        box.button(QMessageBox::Cancel)->setText(qt::to_qstring(texts::kLaterCaption));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = [&] {
            const Deliberate deliberate(&box);
            return box.exec();
        }();
        const bool take = answer == QMessageBox::Yes;
        if (answer == QMessageBox::Cancel ||
            (take && !files_.maybeSave(parent, qt::to_qstring(texts::kToRecover))))
            continue;
        QFile::remove(path);
        lock.unlock();
        if (take) {
            files_.replace(*document.document, {});
            stack_.resetClean();  // unsaved: kept here from now on
            keep();
            return;
        }
    }
}

}  // namespace gelvor::ui::notebook
