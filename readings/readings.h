#pragma once

#include <QString>
#include <QStringList>
#include <cstdlib>
#include <optional>
#include <vector>

#include "cli/message_language.h"
#include "model/saturation_table.h"
#include "present/number_style.h"
#include "present/pass.h"

// The readings command: what the window would show for one pass, as text.
namespace gelvor::readings {

// A range of settings for a table of operating points: one of the five
// settings stepped through whole numbers from `from` to `to`.
struct Sweep {
    QString name;  // "evaporator-flow", "condenser-flow", "barometer", "water", "ambient"
    int from = 0;
    int to = 0;
    qint64 count() const { return std::abs(qint64{to} - from) + 1; }
};

// The most rows a sweep table may have.
inline constexpr qint64 kMaxSweepRows = 100'000;

struct Request {
    PanelSettings settings;
    NumberStyle style;  // the locale's, as --locale or the environment names it
    bool csv = false;
    // None, or one or two different settings: the table holds every
    // combination, the first sweep varying slowest.
    std::vector<Sweep> sweeps;
    bool control_names = false;  // the CSV as before: control names, display texts
    cli::Language language = cli::Language::english;  // of the warnings on stderr
    std::optional<SaturationTable> saturation;        // the table asked for, instead of passes
};

// Reads the options (the application must exist, for the program's name in
// the help). Returns the request; or nothing with `reply` set to the help or
// the version text asked for; or nothing with `error` set on a usage error.
// Help and errors in `language`.
std::optional<Request> parse_arguments(const QStringList& arguments, cli::Language language,
                                       QString& error, QString& reply);

// The number of rows of the sweep table, and the settings of one of them.
qint64 sweep_rows(const Request& request);
PanelSettings sweep_row(const Request& request, qint64 row);

// One pass as lines "target<TAB>text"; a faulted pass ends with "fault<TAB>message".
QString pass_lines(const PassDisplay& pass);

// The header of the CSV table and one row per pass (CRLF line ends): the
// notebook's columns, numbers without units, fields separated by ";" where
// the decimal separator is ","; the last field is the fault message. With
// --control-names, the controls' names and the displays' texts, as before.
QString csv_header(const Request& request);
QString csv_row(const Request& request, const PanelSettings& settings, const PassDisplay& pass);

// The saturation table asked for: a header line, then one line per row,
// TAB-separated or, with --csv, as CSV, numbers in the locale's way.
QString saturation_table_text(const Request& request);

// Applies one sweep value to the settings.
void apply_sweep_value(PanelSettings& settings, const QString& name, int value);

}  // namespace gelvor::readings
