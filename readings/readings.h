#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "present/pass.h"

// The readings command: what the window would show for one pass, as text.
namespace gelvor::readings {

// A range of settings for a table of operating points: one of the five
// settings stepped through whole numbers from `from` to `to`.
struct Sweep {
    QString name;  // "evaporator-flow", "condenser-flow", "barometer", "water", "ambient"
    int from = 0;
    int to = 0;
};

struct Request {
    PanelSettings settings;
    QLocale locale;
    bool csv = false;
    bool control_names = false;  // the CSV as before: control names, display texts
    std::optional<Sweep> sweep;
};

// Reads the options; on a usage error returns nothing and sets `error`.
std::optional<Request> parse_arguments(const QStringList& arguments, QString& error, bool& help);

QString usage();

// One pass as lines "target<TAB>text"; a faulted pass ends with "fault<TAB>message".
QString pass_lines(const PassDisplay& pass);

// The header of the CSV table and one row per pass (CRLF line ends): the
// notebook's columns, numbers without units, fields separated by ";" where
// the decimal separator is ","; the last field is the fault message. With
// --control-names, the controls' names and the displays' texts, as before.
QString csv_header(const Request& request);
QString csv_row(const Request& request, const PanelSettings& settings, const PassDisplay& pass);

// Applies one sweep value to the settings.
void apply_sweep_value(PanelSettings& settings, const QString& name, int value);

}  // namespace gelvor::readings
