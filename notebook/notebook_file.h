#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "notebook/notebook_document.h"
#include "version/version.h"

// The notebook's file: JSON in UTF-8, described in docs/notebook-file.md. A file names its format
// and version; a reader refuses a newer version and anything that is not a whole, valid notebook.
namespace gelvor {

inline constexpr const char* kNotebookFormat = "gelvor-registro";
// Version 2 adds the teacher's assignment and the group's own results;
// a version 1 file reads as a notebook without them.
inline constexpr int kNotebookVersion = 2;
inline constexpr const char* kNotebookExtension = version::kNotebookExtension;
// Larger files are refused before they are parsed.
inline constexpr std::size_t kNotebookMaxBytes = 64 * 1024 * 1024;

// The file's bytes; `program` names the program that writes it ("Gelvor 2.1.0").
std::string notebook_to_json(const NotebookDocument& document, std::string_view program);

struct NotebookRead {
    std::optional<NotebookDocument> document;
    std::string error;  // why there is none: a Spanish sentence for the user
};
NotebookRead notebook_from_json(std::string_view bytes);

}  // namespace gelvor
