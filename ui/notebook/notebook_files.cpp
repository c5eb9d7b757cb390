#include "ui/notebook/notebook_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUndoStack>

#include "cli/file_error.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_messages.h"
#include "present/operator_notices.h"
#include "texts/dialog_texts.h"
#include "texts/file_texts.h"
#include "ui/notebook/notebook_model.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::ui::notebook {
namespace {

QString notebook_filter() {
    return qt::to_qstring(texts::kNotebookFilter).arg(QLatin1String(kNotebookExtension));
}

void tell(QWidget* parent, const QString& title, const QString& text, const char* name) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QLatin1String(name));
    box.button(QMessageBox::Ok)->setText(qt::to_qstring(kAcceptCaption));
    box.exec();
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

NotebookFiles::NotebookFiles(NotebookModel& model, QUndoStack& stack)
    : model_(model), stack_(stack) {
    connect(&stack_, &QUndoStack::cleanChanged, this, &NotebookFiles::stateChanged);
}

QString NotebookFiles::displayName() const {
    return path_.isEmpty() ? qt::to_qstring(texts::kUntitled) : QFileInfo(path_).fileName();
}

bool NotebookFiles::writeFile(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = qt::to_qstring(texts::kSaveFailed)
                    .arg(shown(path), cli::spanish_file_error(file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

QString NotebookFiles::askAndWrite(QWidget* parent, const QString& title, const QString& proposed,
                                   const QString& filter, const QString& suffix,
                                   const std::function<QByteArray()>& bytes) {
    return askAndWrite(parent, title, proposed, filter, suffix,
                       [&bytes](const QString&) { return bytes(); });
}

QString NotebookFiles::askAndWrite(QWidget* parent, const QString& title, const QString& proposed,
                                   const QString& filter, const QString& suffix,
                                   const std::function<QByteArray(const QString& path)>& bytes) {
    QString path = proposed;
    QString chosen_filter;
    for (;;) {
        path = QFileDialog::getSaveFileName(parent, title, path, filter, &chosen_filter);
        if (path.isEmpty())
            return {};
        // A name without a suffix takes the filter's chosen ("*.svg"), or `suffix`.
        if (QFileInfo(path).suffix().isEmpty()) {
            const auto match =
                QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(chosen_filter);
            path += u'.' + (match.hasMatch() ? match.captured(1) : suffix);
        }
        QString error;
        if (writeFile(path, bytes(path), error))
            return path;
        tell(parent, title, error + qt::to_qstring(texts::kChooseAnotherPlace), "errorGuardar");
    }
}

bool NotebookFiles::writeTo(QWidget* parent, const QString& path) {
    QString error;
    const std::string json =
        notebook_to_json(model_.document(), "Gelvor " + std::string(version::kText));
    if (!writeFile(path, QByteArray::fromStdString(json), error)) {
        tell(parent, qt::to_qstring(texts::kSaveTitle), error, "errorGuardar");
        return false;
    }
    path_ = path;
    stack_.setClean();
    emit stateChanged();
    return true;
}

bool NotebookFiles::save(QWidget* parent) {
    // A file that cannot be written: the user chooses another place.
    return (!path_.isEmpty() && writeTo(parent, path_)) || saveAs(parent);
}

bool NotebookFiles::saveAs(QWidget* parent) {
    const QString proposed =
        path_.isEmpty() ? QDir::home().filePath(qt::to_qstring(texts::kProposedNotebookName)
                                                    .arg(QLatin1String(kNotebookExtension)))
                        : path_;
    const QString written =
        askAndWrite(parent, qt::to_qstring(texts::kSaveAsTitle), proposed, notebook_filter(),
                    QLatin1String(kNotebookExtension), [this] {
                        return QByteArray::fromStdString(notebook_to_json(
                            model_.document(), "Gelvor " + std::string(version::kText)));
                    });
    if (written.isEmpty())
        return false;
    path_ = written;
    stack_.setClean();
    emit stateChanged();
    return true;
}

std::optional<NotebookDocument> NotebookFiles::read(QWidget* parent, const QString& path) {
    const QString title = qt::to_qstring(texts::kOpenTitle);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(parent, title,
             qt::to_qstring(texts::kOpenFailed)
                 .arg(shown(path), cli::spanish_file_error(file.errorString())),
             "errorAbrir");
        return std::nullopt;
    }
    // A file larger than any notebook is refused before its bytes are read;
    // one whose size is not known (a device) is read no further than that.
    const NumberStyle style = qt::number_style(QLocale());
    const NotebookRead read =
        file.size() > static_cast<qint64>(kNotebookMaxBytes)
            ? NotebookRead{std::nullopt, notebook_too_large(style)}
            : notebook_from_json(
                  file.read(static_cast<qint64>(kNotebookMaxBytes) + 1).toStdString(), style);
    if (!read.document) {
        tell(parent, title, qt::to_qstring(open_refused(qt::to_utf8(shown(path)), read.error)),
             "errorAbrir");
    }
    return read.document;
}

void NotebookFiles::replace(const NotebookDocument& document, const QString& path) {
    stack_.clear();
    model_.history().open(document);
    path_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    emit stateChanged();
}

bool NotebookFiles::open(QWidget* parent, const QString& path) {
    const auto document = read(parent, path);
    if (!document || !maybeSave(parent, qt::to_qstring(texts::kToOpenAnother)))
        return false;
    replace(*document, path);
    return true;
}

bool NotebookFiles::askAndOpen(QWidget* parent) {
    if (!maybeSave(parent, qt::to_qstring(texts::kToOpenAnother)))
        return false;
    const QString path = QFileDialog::getOpenFileName(
        parent, qt::to_qstring(texts::kOpenTitle),
        path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).path(), notebook_filter());
    if (path.isEmpty())
        return false;
    const auto document = read(parent, path);
    if (!document)
        return false;
    replace(*document, path);
    return true;
}

bool NotebookFiles::maybeSave(QWidget* parent, const QString& what) {
    if (stack_.isClean() || !model_.history().something_to_lose(!path_.isEmpty()))
        return true;
    QMessageBox box(QMessageBox::Warning, qt::to_qstring(kNotebookTitle),
                    qt::to_qstring(texts::kUnsavedQuestion).arg(displayName(), what),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("guardarCambios"));
    box.button(QMessageBox::Save)->setText(qt::to_qstring(texts::kSaveCaption));
    box.button(QMessageBox::Discard)->setText(qt::to_qstring(texts::kDiscardCaption));
    box.button(QMessageBox::Cancel)->setText(qt::to_qstring(texts::kCancelCaption));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return save(parent);
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

}  // namespace gelvor::ui::notebook
