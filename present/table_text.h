#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

// Tables as text for other programs: RFC 4180 CSV and the tab-separated text
// that spreadsheets paste. Numbers stay as the table shows them, in the
// locale's decimal separator, so the field separator follows the locale.
namespace gelvor {

// ";" where the decimal separator is ",", as spreadsheets there expect; "," otherwise.
QChar csv_separator(const QLocale& locale);

// One CSV record, CRLF-terminated; a field holding the separator, a quote or
// a line break is quoted, with its quotes doubled.
QString csv_record(const QStringList& fields, QChar separator);

// One line of tab-separated text, LF-terminated; tabs and line breaks inside
// a field become blanks, since the format cannot quote them.
QString tsv_line(const QStringList& fields);

}  // namespace gelvor
