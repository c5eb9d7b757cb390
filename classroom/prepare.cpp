#include "classroom/prepare.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSaveFile>
#include <random>

#include "classroom/seal.h"
#include "cli/file_error.h"
#include "cli/message_language.h"
#include "notebook/assignment.h"
#include "notebook/notebook_file.h"
#include "version/version.h"

namespace gelvor::classroom {

Handout make_handout(const PrepareRequest& r) {
    Handout out;
    const GroupsRead groups = read_groups(r.groups_text.toStdString(), r.language);
    if (!groups.error.empty()) {
        out.error = QString::fromStdString(groups.error);
        return out;
    }
    out.seed = r.seed ? *r.seed : QRandomGenerator::system()->generate();
    std::mt19937 rng(out.seed);
    const std::string program = "Gelvor " + std::string(version::kText);
    for (const Group& g : groups.groups) {
        Assignment a{g.name, g.students, draw_points(rng), {}};
        a.seal = seal_of(a, r.key);
        out.files.emplace_back(
            QString::fromStdString(file_name_of(g.name) + "." + kNotebookExtension),
            QByteArray::fromStdString(notebook_to_json(assignment_notebook(a), program)));
        out.assignments.push_back(std::move(a));
    }
    // With a byte order mark, as the notebook's, so that a spreadsheet reads the accents.
    out.files.emplace_back(
        QString::fromLatin1(kAnswerKeyCsv),
        "\xEF\xBB\xBF" + QByteArray::fromStdString(answer_key_csv(out.assignments, r.style)));
    return out;
}

Written write_handout(const Handout& handout, const QString& folder, const NumberStyle& style,
                      Language language) {
    Written out;
    if (!QDir().mkpath(folder)) {
        out.error = cli::say(language, "No se pudo crear la carpeta «%1».",
                             "Cannot make the folder \"%1\".")
                        .arg(QDir::toNativeSeparators(folder));
        return out;
    }
    auto files = handout.files;
    files.emplace_back(QString::fromLatin1(kAnswerKeyPdf),
                       answer_key_pdf(handout.assignments, style));
    for (const auto& [name, bytes] : files) {
        const QString path = QDir(folder).filePath(name);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            out.error =
                cli::say(language, "No se pudo escribir «%1»: %2.", "Cannot write \"%1\": %2.")
                    .arg(QDir::toNativeSeparators(path),
                         cli::file_error(file.errorString(), language));
            return out;
        }
        out.files << path;
    }
    return out;
}

}  // namespace gelvor::classroom
