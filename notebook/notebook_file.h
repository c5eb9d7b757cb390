#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "notebook/notebook_document.h"
#include "present/number_style.h"
#include "version/version.h"

// The notebook's file: JSON in UTF-8, described in docs/notebook-file.md. A file names its format
// and version; a reader refuses a newer version and anything that is not a whole, valid notebook.
namespace gelvor {

inline constexpr const char* kNotebookFormat = "gelvor-registro";
inline constexpr int kNotebookVersion = 1;
inline constexpr const char* kNotebookExtension = version::kNotebookExtension;
// Larger files are refused before they are parsed.
inline constexpr std::size_t kNotebookMaxBytes = 64 * 1024 * 1024;
// A notebook's arrays and objects go four deep; a file nested deeper than this
// is refused before it is parsed, since the parser recurses once a level.
inline constexpr int kNotebookMaxNesting = 16;

// The file's bytes; `program` names the program that writes it ("Gelvor 2.1.0").
std::string notebook_to_json(const NotebookDocument& document, std::string_view program);

struct NotebookRead {
    std::optional<NotebookDocument> document;
    std::string error;  // why there is none: a Spanish sentence for the user
};
// `style` writes the numbers of what it says (the largest size a notebook has).
NotebookRead notebook_from_json(std::string_view bytes,
                                const NumberStyle& style = spanish_number_style());

// Whether the file's arrays and objects nest deeper than `levels`, in one
// pass over its bytes that skips strings.
bool nested_deeper_than(std::string_view bytes, int levels);

}  // namespace gelvor
