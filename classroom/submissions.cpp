#include "classroom/submissions.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "classroom/seal.h"
#include "cli/file_error.h"
#include "notebook/notebook_file.h"
#include "ui/number_style_qt.h"

namespace gelvor::classroom {

std::vector<Submission> read_submissions(const QStringList& paths) {
    std::vector<Submission> out;
    out.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        Submission s;
        s.file = QFileInfo(path).fileName().toStdString();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            s.unreadable = cli::spanish_file_error(file.errorString()).toStdString();
        } else if (file.size() > static_cast<qint64>(kNotebookMaxBytes)) {
            s.unreadable = "es demasiado grande para ser un registro de Gelvor";
        } else {
            s.bytes = file.read(static_cast<qint64>(kNotebookMaxBytes) + 1).toStdString();
        }
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<ReviewRow> review_with_key(const std::vector<Submission>& submissions,
                                       const QByteArray& key, double tolerance) {
    ReviewOptions options;
    options.tolerance = tolerance;
    options.seal_holds = [&key](const Assignment& a) { return seal_holds(a, key); };
    options.style_of = [](const std::string& locale) {
        return qt::number_style(QLocale(QString::fromStdString(locale)));
    };
    return review(submissions, options);
}

}  // namespace gelvor::classroom
