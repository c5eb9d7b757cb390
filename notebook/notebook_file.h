#pragma once

#include <memory>
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
// Version 2 adds the teacher's assignment and the group's own results;
// a version 1 file reads as a notebook without them.
inline constexpr int kNotebookVersion = 2;
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

// The same a few points at a time, for a front end that stays responsive
// while a large file opens: the file is refused or its header read at
// once, each point parsed and checked as read() comes to it.
class NotebookReader {
  public:
    explicit NotebookReader(std::string bytes, const NumberStyle& style = spanish_number_style());
    ~NotebookReader();
    NotebookReader(const NotebookReader&) = delete;
    NotebookReader& operator=(const NotebookReader&) = delete;

    // Why the file is no notebook, once that is known; empty until then.
    const std::string& error() const { return error_; }
    std::size_t total() const { return total_; }  // the file's points
    std::size_t done() const { return document_.points.size(); }
    const NotebookPoint& point(std::size_t index) const { return document_.points[index]; }
    // Reads up to `count` more points; false once the file is refused.
    bool read(std::size_t count);
    // The notebook, its points read first where they are not yet.
    NotebookRead result();

  private:
    struct Parsed;
    std::string bytes_;
    std::unique_ptr<Parsed> parsed_;
    NotebookDocument document_;
    std::size_t total_ = 0;
    bool finished_ = false;
    std::string error_;
};

// Whether the file's arrays and objects nest deeper than `levels`, in one
// pass over its bytes that skips strings.
bool nested_deeper_than(std::string_view bytes, int levels);

}  // namespace gelvor
