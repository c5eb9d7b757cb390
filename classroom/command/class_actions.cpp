#include "classroom/command/class_actions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "classroom/prepare.h"
#include "classroom/seal.h"
#include "classroom/submissions.h"
#include "cli/file_error.h"
#include "notebook/assignment.h"

namespace gelvor::class_command {
namespace {

// A list of groups is a few kilobytes; more is not one (or is /dev/zero).
constexpr qint64 kMaxGroupsBytes = 1024 * 1024;

void tell(const QString& message) {
    cli::print_error(QString::fromLatin1(kProgram) + QStringLiteral(": ") + message + u'\n');
}

QString shown_path(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The list of groups as text, or nothing with `error` set.
std::optional<QString> groups_text(const Request& r, QString& error) {
    const auto say = [&r](const char* spanish, const char* english) {
        return cli::say(r.language, spanish, english);
    };
    QFile file(r.groups);
    if (!file.open(QIODevice::ReadOnly)) {
        error = say("no se pudo leer la lista de grupos «%1»: %2",
                    "cannot read the list of groups \"%1\": %2")
                    .arg(shown_path(r.groups), cli::file_error(file.errorString(), r.language));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxGroupsBytes + 1);
    if (bytes.size() > kMaxGroupsBytes) {
        error = say("«%1» es demasiado grande para ser una lista de grupos",
                    "\"%1\" is too large for a list of groups")
                    .arg(shown_path(r.groups));
        return std::nullopt;
    }
    // Names taken wrongly would be sealed into the notebooks: text in another
    // encoding is refused rather than guessed.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        error = say("«%1» no es texto UTF-8: guárdelo como UTF-8",
                    "\"%1\" is not UTF-8 text: save it as UTF-8")
                    .arg(shown_path(r.groups));
        return std::nullopt;
    }
    return text;
}

QString prepare_report(const Request& r, const classroom::Handout& handout,
                       const classroom::KeyRead& key, const QStringList& written) {
    const auto say = [&r](const char* spanish, const char* english) {
        return cli::say(r.language, spanish, english);
    };
    QString text = say("Semilla: %1 (con --seed %1 se sortean otra vez las mismas condiciones)\n",
                       "Seed: %1 (--seed %1 draws the same conditions again)\n")
                       .arg(handout.seed);
    text += (key.made ? say("Clave del profesor: %1 (creada ahora; guárdela: sin ella no se "
                            "puede revisar la práctica)\n",
                            "Teacher's key: %1 (made now; keep it: the class cannot be reviewed "
                            "without it)\n")
                      : say("Clave del profesor: %1\n", "Teacher's key: %1\n"))
                .arg(shown_path(r.key));
    if (!written.isEmpty())
        text += say("Escrito:\n", "Written:\n");
    for (const QString& path : written) text += QStringLiteral("  ") + shown_path(path) + u'\n';
    return text;
}

// What a terminal shows of a cell: one line, no control characters.
QString shown_cell(const std::string& cell) {
    QString text = QString::fromStdString(cell);
    for (QChar& c : text) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

// Characters as a reader counts them: "é" is one, written in one code
// point or two.
qsizetype width(const QString& text) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (graphemes.toNextBoundary() > 0) ++count;
    return count;
}

// Each file once, however it was named: a file given twice by a slip of the
// teacher's is not a copy of itself.
QStringList distinct_files(const QStringList& paths) {
    QStringList files;
    QSet<QString> seen;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();  // empty for a missing file
        const QString identity = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
        if (!seen.contains(identity)) {
            seen.insert(identity);
            files << path;
        }
    }
    return files;
}

}  // namespace

QString aligned_table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::vector<QString>> cells;
    std::vector<qsizetype> widths;
    for (const auto& row : rows) {
        std::vector<QString> shown;
        for (std::size_t c = 0; c < row.size(); ++c) {
            shown.push_back(shown_cell(row[c]));
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], width(shown.back()));
        }
        cells.push_back(std::move(shown));
    }
    QString text;
    for (const auto& row : cells) {
        QString line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            line += row[c] + QString(widths[c] - width(row[c]), u' ');
        }
        while (line.endsWith(u' ')) line.chop(1);
        text += line + u'\n';
    }
    return text;
}

QString review_text(const std::vector<ReviewRow>& rows, const Request& r) {
    if (r.csv)
        return QString::fromStdString(review_csv(rows, r.style));
    std::vector<std::vector<std::string>> table{review_headers()};
    for (const ReviewRow& row : rows) table.push_back(review_cells(row, r.style));
    return aligned_table(table);
}

bool no_seal_holds(const std::vector<ReviewRow>& rows) {
    const auto with_assignment = std::count_if(
        rows.begin(), rows.end(), [](const ReviewRow& row) { return row.assigned > 0; });
    const bool one_holds = std::any_of(
        rows.begin(), rows.end(), [](const ReviewRow& row) { return row.sealed.value_or(false); });
    return with_assignment >= 2 && !one_holds;
}

int prepare(const Request& r, cli::StandardOutput& out) {
    QString error;
    const std::optional<QString> text = groups_text(r, error);
    if (!text) {
        tell(error);
        return kInputError;
    }
    // The list is read before the key, so that a wrong list makes no key.
    const GroupsRead groups = read_groups(text->toStdString(), r.language);
    if (!groups.error.empty()) {
        tell(shown_path(r.groups) + QStringLiteral(": ") + QString::fromStdString(groups.error));
        return kInputError;
    }
    const classroom::KeyRead key = classroom::read_or_make_key(r.key, r.language);
    if (!key.key) {
        tell(key.error);
        return kInputError;
    }
    const classroom::Handout handout =
        classroom::make_handout({*text, r.seed, *key.key, r.style, r.language});
    if (!handout.error.isEmpty()) {
        tell(handout.error);
        return kInputError;
    }
    const classroom::Written written =
        classroom::write_handout(handout, r.folder, r.style, r.language);
    if (!(out.write(prepare_report(r, handout, key, written.files)) && out.finish()))
        return cli::write_failed(out, QString::fromLatin1(kProgram), r.language);
    if (!written.error.isEmpty()) {
        tell(written.error);
        return cli::kWriteError;
    }
    return 0;
}

int review(const Request& r, cli::StandardOutput& out) {
    const classroom::KeyRead key = classroom::read_key(r.key, r.language);
    if (!key.key) {
        tell(key.error + u' ' +
             cli::say(r.language,
                      "La revisión necesita la clave con la que se preparó la práctica: "
                      "--key ARCHIVO.",
                      "The review needs the key the class was prepared with: --key FILE."));
        return kInputError;
    }
    const std::vector<ReviewRow> rows = classroom::review_with_key(
        classroom::read_submissions(distinct_files(r.files)), *key.key, r.tolerance);
    if (!(out.write(review_text(rows, r)) && out.finish()))
        return cli::write_failed(out, QString::fromLatin1(kProgram), r.language);
    if (no_seal_holds(rows)) {
        tell(cli::say(r.language,
                      "no se cumple el sello de ningún registro con la clave «%1»: ¿es la clave "
                      "con la que se preparó la práctica?",
                      "no notebook's seal holds under the key \"%1\": is it the key the class "
                      "was prepared with?")
                 .arg(shown_path(r.key)));
    }
    return 0;
}

}  // namespace gelvor::class_command
