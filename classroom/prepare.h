#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "notebook/notebook_document.h"
#include "present/language.h"
#include "present/number_style.h"

// Preparing a lab class: each group its notebook with its own sealed
// conditions, and the teacher's answer key, as CSV and as PDF.
namespace gelvor::classroom {

struct PrepareRequest {
    QString groups_text;                    // the teacher's list of groups
    std::optional<quint32> seed;            // none: one is chosen
    QByteArray key;                         // the teacher's
    NumberStyle style;                      // of the answer key's numbers
    Language language = Language::spanish;  // of the error
};

struct Handout {
    quint32 seed = 0;
    std::vector<Assignment> assignments;
    // Each file's name in the folder and its bytes: the groups' notebooks,
    // then clave.csv; the same groups, seed and key give the same bytes.
    std::vector<std::pair<QString, QByteArray>> files;
    QString error;  // the list of groups could not be read: a sentence in the request's language
};
Handout make_handout(const PrepareRequest& request);

// The answer key as a PDF: a table for each group, its points across.
QByteArray answer_key_pdf(const std::vector<Assignment>& assignments, const NumberStyle& style);

inline constexpr const char* kAnswerKeyCsv = "clave.csv";
inline constexpr const char* kAnswerKeyPdf = "clave.pdf";

// Writes the handout's files and the PDF key into `folder` (made when
// missing), each whole or not at all. Returns the files written, or the
// error in `language` and what was written before it.
struct Written {
    QStringList files;
    QString error;
};
Written write_handout(const Handout& handout, const QString& folder, const NumberStyle& style,
                      Language language = Language::spanish);

}  // namespace gelvor::classroom
