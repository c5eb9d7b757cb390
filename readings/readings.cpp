#include "readings/readings.h"

#include <QCommandLineParser>
#include <charconv>

#include "model/settings_ranges.h"
#include "present/notebook_columns.h"
#include "present/table_text.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::readings {
namespace {

const QStringList kSettingNames = {"evaporator-flow", "condenser-flow", "barometer", "water",
                                   "ambient"};

// "0 to 50": the flows the window's bars allow.
QString flow_range() {
    return QStringLiteral("%1 to %2").arg(kFlowRange.min).arg(kFlowRange.max);
}

// The shortest text that reads back to the same value, always with ".".
template <typename Real>
QString shortest(Real value) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    QString text = QString::fromLatin1(buf, end - buf);
    if (std::isfinite(value) && !text.contains(u'.') && !text.contains(u'e')) {
        text += QStringLiteral(".0");
    }
    return text;
}

QString write_value(const DisplayWrite& w) {
    return w.kind == DisplayWrite::Kind::text ? qt::to_qstring(w.text) : shortest(w.position);
}

QString segment_text(const ChartSegment& s) {
    return shortest(s.x1) + u' ' + shortest(s.y1) + u' ' + shortest(s.x2) + u' ' + shortest(s.y2);
}
QString label_text(const ChartLabel& l) {
    return shortest(l.left) + u' ' + shortest(l.top);
}

std::optional<int> whole_number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<int> flow(const QString& text) {
    const auto v = whole_number(text);
    return v && *v >= kFlowRange.min && *v <= kFlowRange.max ? v : std::nullopt;
}

std::optional<Sweep> parse_sweep(const QString& text, QString& error) {
    const auto eq = text.indexOf(u'=');
    const auto colon = text.indexOf(u':', eq + 1);
    if (eq < 0 || colon < 0) {
        error = QStringLiteral("--sweep expects NAME=FROM:TO");
        return std::nullopt;
    }
    Sweep s;
    s.name = text.left(eq);
    const auto from = whole_number(text.mid(eq + 1, colon - eq - 1));
    const auto to = whole_number(text.mid(colon + 1));
    if (!kSettingNames.contains(s.name)) {
        error = "--sweep: unknown setting \"" + s.name + "\"";
        return std::nullopt;
    }
    if (!from || !to) {
        error = QStringLiteral("--sweep: FROM and TO must be whole numbers");
        return std::nullopt;
    }
    if (s.name.endsWith("-flow") && !(flow(QString::number(*from)) && flow(QString::number(*to)))) {
        error = "--sweep: flows go from " + flow_range() + " g/s";
        return std::nullopt;
    }
    s.from = *from;
    s.to = *to;
    return s;
}

}  // namespace

std::optional<Request> parse_arguments(const QStringList& arguments, QString& error,
                                       QString& reply) {
    const PanelSettings defaults;
    const QString flow_help = QStringLiteral("%1 water flow, whole g/s from %2 (default %3)");
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Prints what the simulator window shows for one pass of the bench, one display\n"
        "per line (control name, a TAB, its text or instrument position), then the\n"
        "cycle's lines and letters on the P-h chart in twips; or a CSV table."));
    const QCommandLineOption help_option = parser.addHelpOption();
    const QCommandLineOption version_option = parser.addVersionOption();
    const QCommandLineOption evaporator(
        "evaporator-flow",
        flow_help.arg("evaporator").arg(flow_range()).arg(defaults.evaporator_water_flow), "N");
    const QCommandLineOption condenser(
        "condenser-flow",
        flow_help.arg("condenser").arg(flow_range()).arg(defaults.condenser_water_flow), "N");
    const QCommandLineOption barometer("barometer",
                                       "barometric pressure box, mbar (default \"" +
                                           qt::to_qstring(defaults.barometer_text) + "\")",
                                       "TEXT");
    const QCommandLineOption water("water",
                                   "water inlet temperature box, degrees C (default \"" +
                                       qt::to_qstring(defaults.water_text) + "\")",
                                   "TEXT");
    const QCommandLineOption ambient("ambient",
                                     "ambient temperature box, degrees C (default \"" +
                                         qt::to_qstring(defaults.ambient_text) + "\")",
                                     "TEXT");
    const QCommandLineOption locale(
        "locale", QStringLiteral("number format, e.g. es_ES or en_US (default: the user's)"),
        "NAME");
    const QCommandLineOption csv("csv", QStringLiteral("print a CSV table instead of lines"));
    const QCommandLineOption control_names(
        "control-names",
        QStringLiteral("with --csv: the controls' names and the displays' texts in the header "
                       "and cells"));
    const QCommandLineOption sweep(
        "sweep",
        "with --csv: one row per whole value of a setting, NAME one of " +
            kSettingNames.join(", ") +
            "; given twice with two settings, a row for every combination, the first varying "
            "slowest; at most " +
            QString::number(kMaxSweepRows) + " rows",
        "NAME=FROM:TO");
    parser.addOptions(
        {evaporator, condenser, barometer, water, ambient, locale, csv, control_names, sweep});

    reply.clear();
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = "unexpected argument \"" + parser.positionalArguments().front() + "\"";
        return std::nullopt;
    }
    if (parser.isSet(help_option) || parser.isSet(QStringLiteral("help-all"))) {
        reply = parser.helpText() +
                QStringLiteral(
                    "\nA box outside the window's range computes all the same, with a warning "
                    "on stderr.\nExit status: 0 every pass complete, 1 a pass faulted, 2 usage "
                    "error,\n3 the output could not be written.\n");
        return std::nullopt;
    }
    if (parser.isSet(version_option)) {
        reply = QStringLiteral("gelvor-readings %1\n").arg(QString::fromLatin1(version::kText));
        return std::nullopt;
    }

    Request r;
    for (const auto* option : {&evaporator, &condenser}) {
        if (parser.isSet(*option)) {
            const auto v = flow(parser.value(*option));
            if (!v) {
                error =
                    "--" + option->names().front() + " takes a whole number from " + flow_range();
                return std::nullopt;
            }
            (option == &evaporator ? r.settings.evaporator_water_flow
                                   : r.settings.condenser_water_flow) = *v;
        }
    }
    if (parser.isSet(barometer))
        r.settings.barometer_text = qt::to_utf8(parser.value(barometer));
    if (parser.isSet(water))
        r.settings.water_text = qt::to_utf8(parser.value(water));
    if (parser.isSet(ambient))
        r.settings.ambient_text = qt::to_utf8(parser.value(ambient));

    QLocale numbers = QLocale::system();
    if (parser.isSet(locale)) {
        const QString name = parser.value(locale);
        numbers = QLocale(name);
        if (numbers.language() == QLocale::C && name != "C" && name != "POSIX") {
            error = "unknown locale \"" + name + "\"";
            return std::nullopt;
        }
    }
    r.style = qt::number_style(numbers);
    r.csv = parser.isSet(csv);
    r.control_names = parser.isSet(control_names);
    if (r.control_names && !r.csv) {
        error = QStringLiteral("--control-names needs --csv");
        return std::nullopt;
    }
    const QStringList sweeps = parser.values(sweep);
    if (!sweeps.isEmpty() && !r.csv) {
        error = QStringLiteral("--sweep needs --csv");
        return std::nullopt;
    }
    if (sweeps.size() > 2) {
        error = QStringLiteral("--sweep names at most two settings");
        return std::nullopt;
    }
    for (const QString& text : sweeps) {
        const auto s = parse_sweep(text, error);
        if (!s) {
            return std::nullopt;
        }
        if (!r.sweeps.empty() && r.sweeps.front().name == s->name) {
            error = "--sweep: \"" + s->name + "\" is swept twice";
            return std::nullopt;
        }
        r.sweeps.push_back(*s);
    }
    if (sweep_rows(r) > kMaxSweepRows) {
        error = "--sweep: " + QString::number(sweep_rows(r)) + " rows, more than the " +
                QString::number(kMaxSweepRows) + " a table may have";
        return std::nullopt;
    }
    return r;
}

qint64 sweep_rows(const Request& request) {
    qint64 rows = 1;
    for (const Sweep& s : request.sweeps) {
        rows *= s.count();
    }
    return rows;
}

PanelSettings sweep_row(const Request& request, qint64 row) {
    PanelSettings settings = request.settings;
    // The last sweep varies fastest.
    for (auto s = request.sweeps.rbegin(); s != request.sweeps.rend(); ++s) {
        const qint64 step = s->to >= s->from ? 1 : -1;
        apply_sweep_value(settings, s->name, static_cast<int>(s->from + step * (row % s->count())));
        row /= s->count();
    }
    return settings;
}

QString pass_lines(const PassDisplay& pass) {
    QString out;
    for (const DisplayWrite& w : pass.writes) {
        out += QLatin1StringView(w.target) + u'\t' + write_value(w) + u'\n';
    }
    if (pass.overlay) {
        for (int k = 0; k < 4; ++k) {
            out += "Line1_" + QString::number(k) + u'\t' + segment_text(pass.overlay->lines[k]) +
                   u'\n';
        }
        for (int k = 0; k < 4; ++k) {
            out += "Label2_" + QString::number(k) + u'\t' + label_text(pass.overlay->labels[k]) +
                   u'\n';
        }
    }
    if (pass.fault) {
        out += "fault\t" + qt::to_qstring(pass.fault_message) + u'\n';
    }
    return out;
}

namespace {

QString control_names_csv_header() {
    std::vector<std::string> fields;
    for (const QString& name : kSettingNames) fields.push_back(name.toStdString());
    for (const char* target : display_targets()) fields.emplace_back(target);
    for (int k = 0; k < 4; ++k) fields.push_back("Line1_" + std::to_string(k));
    for (int k = 0; k < 4; ++k) fields.push_back("Label2_" + std::to_string(k));
    fields.emplace_back("fault");
    return qt::to_qstring(csv_record(fields, ','));
}

QString control_names_csv_row(const PanelSettings& s, const PassDisplay& pass) {
    std::vector<std::string> fields = {std::to_string(s.evaporator_water_flow),
                                       std::to_string(s.condenser_water_flow), s.barometer_text,
                                       s.water_text, s.ambient_text};
    for (const DisplayWrite& w : pass.writes) {
        fields.push_back(qt::to_utf8(write_value(w)));
    }
    fields.resize(5 + display_targets().size());
    for (int k = 0; k < 4; ++k) {
        fields.push_back(pass.overlay ? qt::to_utf8(segment_text(pass.overlay->lines[k]))
                                      : std::string());
    }
    for (int k = 0; k < 4; ++k) {
        fields.push_back(pass.overlay ? qt::to_utf8(label_text(pass.overlay->labels[k]))
                                      : std::string());
    }
    fields.push_back(pass.fault_message);
    return qt::to_qstring(csv_record(fields, ','));
}

}  // namespace

QString csv_header(const Request& r) {
    if (r.control_names) {
        return control_names_csv_header();
    }
    std::vector<std::string> fields = notebook_headers();
    fields.emplace_back("fallo");
    return qt::to_qstring(csv_record(fields, csv_separator(r.style)));
}

QString csv_row(const Request& r, const PanelSettings& s, const PassDisplay& pass) {
    if (r.control_names) {
        return control_names_csv_row(s, pass);
    }
    std::vector<std::string> fields = notebook_row(s, pass, r.style);
    fields.push_back(pass.fault_message);
    return qt::to_qstring(csv_record(fields, csv_separator(r.style)));
}

void apply_sweep_value(PanelSettings& s, const QString& name, int value) {
    const std::string text = std::to_string(value);
    if (name == "evaporator-flow")
        s.evaporator_water_flow = value;
    else if (name == "condenser-flow")
        s.condenser_water_flow = value;
    else if (name == "barometer")
        s.barometer_text = text;
    else if (name == "water")
        s.water_text = text;
    else
        s.ambient_text = text;
}

}  // namespace gelvor::readings
