#pragma once

#include <string>
#include <vector>

#include "present/number_style.h"

// Tables as text for other programs (UTF-8): RFC 4180 CSV and the
// tab-separated text that spreadsheets paste. Numbers stay as the table shows
// them, in the locale's decimal separator, so the field separator follows it.
namespace gelvor {

// ';' where the decimal separator is ",", as spreadsheets there expect; ',' otherwise.
char csv_separator(const NumberStyle& style);

// One CSV record, CRLF-terminated; a field holding the separator, a quote or
// a line break is quoted, with its quotes doubled.
std::string csv_record(const std::vector<std::string>& fields, char separator);

// One line of tab-separated text, LF-terminated; tabs and line breaks inside
// a field become blanks, since the format cannot quote them.
std::string tsv_line(const std::vector<std::string>& fields);

}  // namespace gelvor
