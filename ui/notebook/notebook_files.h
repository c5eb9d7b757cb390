#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "notebook/notebook_document.h"

class QUndoStack;
class QWidget;

namespace gelvor::ui::notebook {

class NotebookModel;

// The notebook's file: saving it and opening one through the desktop's
// dialogs, and the question before unsaved readings would be lost. The undo
// stack's clean state is the file's: saved means clean.
class NotebookFiles : public QObject {
    Q_OBJECT

  public:
    NotebookFiles(NotebookModel& model, QUndoStack& stack);

    QString path() const { return path_; }
    // The file's name as a window title shows it, or "Sin título".
    QString displayName() const;

    // To its file, or to one the user chooses; false when nothing was saved.
    bool save(QWidget* parent);
    bool saveAs(QWidget* parent);
    // Replaces the notebook with the file's, after asking to save unsaved
    // readings. A file that cannot be read changes nothing and says why.
    bool open(QWidget* parent, const QString& path);
    bool askAndOpen(QWidget* parent);
    // Before unsaved readings would be lost: "Guardar", "Descartar" or
    // "Cancelar". True when the caller may go on.
    bool maybeSave(QWidget* parent, const QString& what);

    // Writes `bytes` to `path` whole or not at all; on failure false and a
    // Spanish sentence naming the file and the cause.
    static bool writeFile(const QString& path, const QByteArray& bytes, QString& error);
    // Asks for a file to write with `dialog` (a save dialog's title, name and
    // filter) and writes it; after a failure, says why and asks again. A name
    // typed without a suffix takes the chosen filter's, or `suffix`.
    // Returns the path written, or empty when the user gave up.
    static QString askAndWrite(QWidget* parent, const QString& title, const QString& proposed,
                               const QString& filter, const QString& suffix,
                               const std::function<QByteArray()>& bytes);
    // The same, with the bytes made for the path chosen (by its suffix, say).
    static QString askAndWrite(QWidget* parent, const QString& title, const QString& proposed,
                               const QString& filter, const QString& suffix,
                               const std::function<QByteArray(const QString& path)>& bytes);

    // A notebook file read and checked; on failure the user is told why and
    // nothing changes.
    std::optional<NotebookDocument> read(QWidget* parent, const QString& path);
    // The notebook becomes `document`, with no undo history, kept in `path`
    // (empty: in no file yet).
    void replace(const NotebookDocument& document, const QString& path);

  signals:
    // The file's name changed, or whether it has unsaved readings.
    void stateChanged();

  private:
    bool writeTo(QWidget* parent, const QString& path);

    NotebookModel& model_;
    QUndoStack& stack_;
    QString path_;  // empty: never saved
};

}  // namespace gelvor::ui::notebook
