#include "readings/readings.h"

#include <QCommandLineParser>
#include <array>
#include <charconv>
#include <cmath>

#include "cli/command_line.h"
#include "model/settings_ranges.h"
#include "present/notebook_columns.h"
#include "present/number_text.h"
#include "present/table_text.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::readings {
namespace {

const QStringList kSettingNames = {"evaporator-flow", "condenser-flow", "barometer", "water",
                                   "ambient"};

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

using cli::Words;

std::optional<Sweep> parse_sweep(const QString& text, const Words& say, QString& error) {
    const auto eq = text.indexOf(u'=');
    const auto colon = text.indexOf(u':', eq + 1);
    if (eq < 0 || colon < 0) {
        error = say("--sweep espera NOMBRE=DESDE:HASTA", "--sweep expects NAME=FROM:TO");
        return std::nullopt;
    }
    Sweep s;
    s.name = text.left(eq);
    const auto from = whole_number(text.mid(eq + 1, colon - eq - 1));
    const auto to = whole_number(text.mid(colon + 1));
    if (!kSettingNames.contains(s.name)) {
        error =
            say("--sweep: ajuste desconocido «%1»", "--sweep: unknown setting \"%1\"").arg(s.name);
        return std::nullopt;
    }
    if (!from || !to) {
        error = say("--sweep: DESDE y HASTA han de ser números enteros",
                    "--sweep: FROM and TO must be whole numbers");
        return std::nullopt;
    }
    if (s.name.endsWith("-flow") && !(flow(QString::number(*from)) && flow(QString::number(*to)))) {
        error =
            say("--sweep: los caudales van de %1 a %2 g/s", "--sweep: flows go from %1 to %2 g/s")
                .arg(kFlowRange.min)
                .arg(kFlowRange.max);
        return std::nullopt;
    }
    s.from = *from;
    s.to = *to;
    return s;
}

// FROM:TO:STEP in ºC, written with "." whatever the locale.
std::optional<SaturationTable> parse_saturation_table(const QString& text, const Words& say,
                                                      QString& error) {
    const QStringList parts = text.split(u':');
    std::array<double, 3> v{};
    for (std::size_t i = 0; i < v.size() && parts.size() == 3; ++i) {
        bool ok = false;
        v[i] = QLocale::c().toDouble(parts[qsizetype(i)].trimmed(), &ok);
        if (!ok) {
            v[0] = std::nan("");
            break;
        }
    }
    const SaturationTable table = parts.size() == 3
                                      ? saturation_table(v[0], v[1], v[2])
                                      : SaturationTable{{}, SaturationTableError::not_a_number};
    if (!table.error)
        return table;
    switch (*table.error) {
        case SaturationTableError::step_not_positive:
            error = say("--saturation-table: el paso ha de ser positivo",
                        "--saturation-table: the step must be positive");
            break;
        case SaturationTableError::outside_range:
            error = say("--saturation-table: la tabla va de %1 a %2 ºC",
                        "--saturation-table: the table goes from %1 to %2 ºC")
                        .arg(kSaturationTableMin)
                        .arg(kSaturationTableMax);
            break;
        case SaturationTableError::from_after_to:
            error = say("--saturation-table: DESDE no puede pasar de HASTA",
                        "--saturation-table: FROM must not be above TO");
            break;
        case SaturationTableError::too_many_rows:
            error =
                say("--saturation-table: más de %1 filas", "--saturation-table: more than %1 rows")
                    .arg(kSaturationTableMaxRows);
            break;
        case SaturationTableError::equation_failed:
            error =
                say("--saturation-table: la ecuación de estado no da la saturación en ese rango",
                    "--saturation-table: the equation of state gives no saturation there");
            break;
        default:
            error = say("--saturation-table espera DESDE:HASTA:PASO en ºC, con punto decimal",
                        "--saturation-table expects FROM:TO:STEP in ºC, with a decimal point");
    }
    return std::nullopt;
}

}  // namespace

std::optional<Request> parse_arguments(const QStringList& arguments, cli::Language language,
                                       QString& error, QString& reply) {
    const Words say(language);
    const PanelSettings defaults;
    const QString flow_help = say("caudal de agua del %1, g/s enteros de %2 a %3 (%4 si no se da)",
                                  "%1 water flow, whole g/s from %2 to %3 (default %4)");
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        say("Escribe lo que muestra la ventana del simulador en una pasada del banco, una\n"
            "casilla por línea (nombre del control, un tabulador, su texto o la posición del\n"
            "instrumento), y las líneas y letras del ciclo sobre el diagrama P-h en twips;\n"
            "o una tabla CSV; o la tabla de saturación del R-11.",
            "Prints what the simulator window shows for one pass of the bench, one display\n"
            "per line (control name, a TAB, its text or instrument position), then the\n"
            "cycle's lines and letters on the P-h chart in twips; or a CSV table; or the\n"
            "saturation table of R-11."));
    // Its own help and version: Qt's would offer Qt's window options, which it has not.
    const QCommandLineOption help_option({"h", "help"},
                                         say("Muestra esta ayuda.", "Displays this help."));
    const QCommandLineOption version_option({"v", "version"},
                                            say("Muestra la versión.", "Displays the version."));
    const QCommandLineOption evaporator("evaporator-flow",
                                        flow_help.arg(say("evaporador", "evaporator"))
                                            .arg(kFlowRange.min)
                                            .arg(kFlowRange.max)
                                            .arg(defaults.evaporator_water_flow),
                                        "N");
    const QCommandLineOption condenser("condenser-flow",
                                       flow_help.arg(say("condensador", "condenser"))
                                           .arg(kFlowRange.min)
                                           .arg(kFlowRange.max)
                                           .arg(defaults.condenser_water_flow),
                                       "N");
    const QString box_help =
        say("casilla de %1, %2 (\"%3\" si no se da)", "%1 box, %2 (default \"%3\")");
    const QCommandLineOption barometer(
        "barometer",
        box_help.arg(say("presión barométrica", "barometric pressure"), "mbar",
                     qt::to_qstring(defaults.barometer_text)),
        say("TEXTO", "TEXT"));
    const QCommandLineOption water(
        "water",
        box_help.arg(say("temperatura de entrada de agua", "water inlet temperature"),
                     say("ºC", "degrees C"), qt::to_qstring(defaults.water_text)),
        say("TEXTO", "TEXT"));
    const QCommandLineOption ambient(
        "ambient",
        box_help.arg(say("temperatura ambiente", "ambient temperature"), say("ºC", "degrees C"),
                     qt::to_qstring(defaults.ambient_text)),
        say("TEXTO", "TEXT"));
    const QCommandLineOption locale(
        "locale",
        say("formato de los números, p. ej. es_ES o en_US (el del usuario si no se da)",
            "number format, e.g. es_ES or en_US (default: the user's)"),
        say("NOMBRE", "NAME"));
    const QCommandLineOption csv(
        "csv", say("una tabla CSV en lugar de líneas", "print a CSV table instead of lines"));
    const QCommandLineOption control_names(
        "control-names",
        say("con --csv: los nombres de los controles y los textos de las casillas en la "
            "cabecera y las celdas",
            "with --csv: the controls' names and the displays' texts in the header and cells"));
    const QCommandLineOption sweep(
        "sweep",
        say("con --csv: una fila por cada valor entero de un ajuste, NOMBRE uno de %1; dado dos "
            "veces con dos ajustes, una fila por cada combinación, variando más despacio el "
            "primero; como mucho %2 filas",
            "with --csv: one row per whole value of a setting, NAME one of %1; given twice with "
            "two settings, a row for every combination, the first varying slowest; at most %2 "
            "rows")
            .arg(kSettingNames.join(", "))
            .arg(kMaxSweepRows),
        say("NOMBRE=DESDE:HASTA", "NAME=FROM:TO"));
    const QCommandLineOption saturation(
        "saturation-table",
        say("la tabla de saturación del R-11 por su ecuación de estado de referencia, de DESDE a "
            "HASTA ºC cada PASO (de %1 a %2 ºC): t, p, densidades, entalpías y entropías de "
            "líquido y vapor, separadas por tabuladores o, con --csv, en CSV",
            "the saturation table of R-11 by its reference equation of state, from FROM to TO ºC "
            "every STEP (%1 to %2 ºC): t, p, and the liquid's and vapour's densities, enthalpies "
            "and entropies, separated by TABs or, with --csv, as CSV")
            .arg(kSaturationTableMin)
            .arg(kSaturationTableMax),
        say("DESDE:HASTA:PASO", "FROM:TO:STEP"));
    parser.addOptions({help_option, version_option, evaporator, condenser, barometer, water,
                       ambient, locale, csv, control_names, sweep, saturation});

    reply.clear();
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = say("sobra el argumento «%1»", "unexpected argument \"%1\"")
                    .arg(parser.positionalArguments().front());
        return std::nullopt;
    }
    if (parser.isSet(help_option)) {
        reply = parser.helpText() +
                say("\nUna casilla fuera del rango de la ventana se calcula igual, con un aviso en "
                    "stderr, como\nlas notas de donde el modelo del banco deja de ser físico.\n"
                    "Estado de salida: 0 todas las pasadas completas, 1 una pasada falló, 2 error "
                    "de uso,\n3 no se pudo escribir la salida.\n",
                    "\nA box outside the window's range computes all the same, with a warning on "
                    "stderr, as do\nthe notes where the bench's model leaves physical validity.\n"
                    "Exit status: 0 every pass complete, 1 a pass faulted, 2 usage error,\n3 the "
                    "output could not be written.\n");
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
                error = say("--%1 admite un número entero de %2 a %3",
                            "--%1 takes a whole number from %2 to %3")
                            .arg(option->names().front())
                            .arg(kFlowRange.min)
                            .arg(kFlowRange.max);
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
        const auto named = cli::locale_named(name, language, error);
        if (!named)
            return std::nullopt;
        numbers = *named;
    }
    r.style = qt::number_style(numbers);
    r.language = language;
    r.csv = parser.isSet(csv);
    r.control_names = parser.isSet(control_names);
    if (r.control_names && !r.csv) {
        error = say("--control-names necesita --csv", "--control-names needs --csv");
        return std::nullopt;
    }
    const QStringList sweeps = parser.values(sweep);
    if (!sweeps.isEmpty() && !r.csv) {
        error = say("--sweep necesita --csv", "--sweep needs --csv");
        return std::nullopt;
    }
    if (sweeps.size() > 2) {
        error = say("--sweep nombra como mucho dos ajustes", "--sweep names at most two settings");
        return std::nullopt;
    }
    for (const QString& text : sweeps) {
        const auto s = parse_sweep(text, say, error);
        if (!s) {
            return std::nullopt;
        }
        if (!r.sweeps.empty() && r.sweeps.front().name == s->name) {
            error = say("--sweep: «%1» se barre dos veces", "--sweep: \"%1\" is swept twice")
                        .arg(s->name);
            return std::nullopt;
        }
        r.sweeps.push_back(*s);
    }
    if (sweep_rows(r) > kMaxSweepRows) {
        error = say("--sweep: %1 filas, más de las %2 que puede tener una tabla",
                    "--sweep: %1 rows, more than the %2 a table may have")
                    .arg(sweep_rows(r))
                    .arg(kMaxSweepRows);
        return std::nullopt;
    }
    if (parser.isSet(saturation)) {
        if (!r.sweeps.empty() || r.control_names) {
            error = say("--saturation-table no va con --sweep ni con --control-names",
                        "--saturation-table goes with neither --sweep nor --control-names");
            return std::nullopt;
        }
        r.saturation = parse_saturation_table(parser.value(saturation), say, error);
        if (!r.saturation)
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

QString saturation_table_text(const Request& r) {
    const std::vector<std::string> headers = {"t (\u00BAC)",
                                              "p (kPa)",
                                              "\u03C1 l\u00EDquido (kg/m3)",
                                              "\u03C1 vapor (kg/m3)",
                                              "h l\u00EDquido (kJ/kg)",
                                              "h vapor (kJ/kg)",
                                              "s l\u00EDquido (kJ/kgK)",
                                              "s vapor (kJ/kgK)"};
    const char separator = csv_separator(r.style);
    // No group separators: a table for spreadsheets and other programs.
    NumberStyle style = r.style;
    style.groups_written = false;
    const auto line = [&](const std::vector<std::string>& fields) {
        return r.csv ? csv_record(fields, separator) : tsv_line(fields);
    };
    std::string out = line(headers);
    for (const r11ref::Saturation& s : r.saturation->rows) {
        out += line({general_number_text(s.t, style), fixed_number_text(s.p, 3, style),
                     fixed_number_text(s.liquid_density, 2, style),
                     fixed_number_text(s.vapour_density, 4, style),
                     fixed_number_text(s.liquid_enthalpy, 2, style),
                     fixed_number_text(s.vapour_enthalpy, 2, style),
                     fixed_number_text(s.liquid_entropy, 4, style),
                     fixed_number_text(s.vapour_entropy, 4, style)});
    }
    return qt::to_qstring(out);
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
