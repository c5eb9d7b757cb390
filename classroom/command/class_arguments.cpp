#include "classroom/command/class_arguments.h"

#include <QCommandLineParser>
#include <QDir>
#include <cmath>
#include <limits>

#include "classroom/prepare.h"
#include "classroom/seal.h"
#include "cli/command_line.h"
#include "notebook/notebook_file.h"
#include "present/box_reading.h"
#include "texts/command_line_texts.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::class_command {
namespace {

using cli::Words;

// The default key's place as the help shows it: the same for every user,
// so that the man page made from the help is too.
QString shown_path(const QString& path) {
    const QString home = QDir::homePath();
    return path.startsWith(home + u'/') ? u'~' + path.mid(home.size()) : path;
}

QString usage_lines(const Words& say) {
    return say("Uso: %1 prepare --groups ARCHIVO --out CARPETA [opciones]\n"
               "  o: %1 review ARCHIVO... [opciones]\n",
               "Usage: %1 prepare --groups FILE --out FOLDER [options]\n"
               "  or:  %1 review FILE... [options]\n")
        .arg(QString::fromLatin1(kProgram));
}

// Wrapped for the names it is given: "gelvor", "clave.csv", "clave.pdf".
QString description(const Words& say) {
    return say("Prepara una práctica del banco de Gelvor en la que cada grupo tiene sus propias\n"
               "condiciones, selladas con la clave del profesor, en torno a los tres puntos del\n"
               "ejercicio del manual; y revisa los registros que entregan los grupos.\n"
               "\n"
               "prepare lee la lista de grupos, uno por línea («L3-A: Ana Pérez, Luis Gómez»),\n"
               "y escribe en CARPETA un registro <grupo>.%1 por grupo, con sus alumnos\n"
               "y los puntos que ha de tomar, y la clave de la práctica, %2 y %3,\n"
               "con lo que el banco muestra en cada punto. Dice la semilla con la que sorteó\n"
               "las condiciones: la misma lista con la misma semilla y la misma clave del\n"
               "profesor da los mismos registros y el mismo %2.\n"
               "\n"
               "review escribe una fila por archivo: grupo, alumnos, archivo, puntos tomados,\n"
               "puntos asignados, lecturas auténticas, condiciones selladas, resultados\n"
               "correctos, copia de, nota y observaciones. La nota, sobre 10, es 0 si las\n"
               "condiciones no son las que selló el profesor, si alguna lectura no es la que da\n"
               "el banco o si el registro es copia de otro (el mismo archivo o los mismos\n"
               "resultados a mano); si no, 4 puntos por los puntos asignados tomados y 6 por\n"
               "los resultados a mano dentro de la tolerancia, en proporción, con un decimal.\n"
               "Un archivo dañado, ajeno o cambiado tiene su fila y su observación, y la\n"
               "revisión sigue.",
               "Prepares a lab class on the Gelvor bench in which each group has its own\n"
               "conditions, sealed with the teacher's key, around the three points of the\n"
               "manual's exercise; and reviews the notebooks the groups hand in.\n"
               "\n"
               "prepare reads the list of groups, one a line (\"L3-A: Ana Pérez, Luis Gómez\"),\n"
               "and writes into FOLDER a notebook <group>.%1 for each group, with its\n"
               "students and the points it is to take, and the answer key, %2 and\n"
               "%3, with what the bench shows at each point. It prints the seed it\n"
               "drew the conditions with: the same list with the same seed and the same\n"
               "teacher's key gives the same notebooks and the same %2.\n"
               "\n"
               "review prints one row per file: grupo (group), alumnos (students), archivo\n"
               "(file), puntos tomados (points taken), puntos asignados (points assigned),\n"
               "lecturas auténticas (authentic readings), condiciones selladas (sealed\n"
               "conditions), resultados correctos (correct results), copia de (copy of), nota\n"
               "(mark) and observaciones (observations), in Spanish as the class works. The\n"
               "mark, out of 10, is 0 where the conditions are not those the teacher sealed,\n"
               "a reading is not what the bench gives, or the notebook is a copy of another\n"
               "(the same file or the same hand results); otherwise 4 for the assigned points\n"
               "taken and 6 for the hand results within the tolerance, in proportion, to one\n"
               "decimal. A damaged, foreign or changed file gets its row and its observation,\n"
               "and the review goes on.")
        .arg(QString::fromLatin1(kNotebookExtension), QString::fromLatin1(classroom::kAnswerKeyCsv),
             QString::fromLatin1(classroom::kAnswerKeyPdf));
}

QString epilogue(const Words& say) {
    return say(
        "\nEl sello muestra que nadie cambió las condiciones de un grupo sin la clave del\n"
        "profesor, y la revisión vuelve a calcular cada lectura, de modo que una lectura\n"
        "cambiada se ve. Ninguno de los dos impide que un grupo copie los resultados a\n"
        "mano de otro: la revisión señala los que son iguales. Guarde la clave: sin la\n"
        "clave con la que se preparó la práctica no se puede revisar.\n"
        "\n"
        "Estado de salida: 0 hecho (cada archivo revisado tiene su fila), 1 la lista de\n"
        "grupos o la clave del profesor no se pudo usar, 2 error de uso, 3 no se pudo\n"
        "escribir la salida o un archivo de la práctica.\n",
        "\nThe seal shows that nobody changed a group's conditions without the teacher's\n"
        "key, and the review computes every reading again, so that a reading typed over\n"
        "shows. Neither can stop one group from copying another's hand results: the\n"
        "review flags those that are the same. Keep the key: a class cannot be reviewed\n"
        "without the key it was prepared with.\n"
        "\n"
        "Exit status: 0 done (every file reviewed has its row), 1 the list of groups or\n"
        "the teacher's key could not be used, 2 usage error, 3 the output or a file of\n"
        "the class could not be written.\n");
}

// The percentage in the locale's numbers, or else with a decimal point.
std::optional<double> percentage(const QString& text, const NumberStyle& style) {
    std::optional<double> value = read_box_number(qt::to_utf8(text), style);
    if (!value) {
        bool ok = false;
        const double c = QLocale::c().toDouble(text.trimmed(), &ok);
        if (ok)
            value = c;
    }
    return value && std::isfinite(*value) && *value >= 0 && *value <= 100 ? value : std::nullopt;
}

}  // namespace

std::optional<Request> parse_arguments(const QStringList& arguments, cli::Language language,
                                       QString& error, QString& reply) {
    const Words say(language);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(description(say));
    const QCommandLineOption help_option(
        {"h", "help"}, say(texts::kHelpOption.spanish, texts::kHelpOption.english));
    const QCommandLineOption version_option(
        {"v", "version"}, say(texts::kVersionOption.spanish, texts::kVersionOption.english));
    const QCommandLineOption groups(
        "groups",
        say("prepare: la lista de grupos, en UTF-8, un grupo por línea con sus alumnos "
            "(«L3-A: Ana Pérez, Luis Gómez»); se saltan las líneas en blanco y las que empiezan "
            "por «#»",
            "prepare: the list of groups, in UTF-8, one group a line with its students "
            "(\"L3-A: Ana Pérez, Luis Gómez\"); blank lines and lines starting with \"#\" are "
            "skipped"),
        say("ARCHIVO", "FILE"));
    const QCommandLineOption out(
        "out",
        say("prepare: la carpeta en la que escribir los registros y la clave (se crea si falta)",
            "prepare: the folder to write the notebooks and the answer key into (made when "
            "missing)"),
        say("CARPETA", "FOLDER"));
    const QCommandLineOption seed(
        "seed",
        say("prepare: la semilla del sorteo de las condiciones, de 0 a %1 (si no se da, se elige "
            "una y se dice)",
            "prepare: the seed the conditions are drawn with, 0 to %1 (default: one is chosen "
            "and printed)")
            .arg(std::numeric_limits<quint32>::max()),
        "N");
    const QCommandLineOption key(
        "key",
        say("la clave del profesor: prepare la crea si el archivo no existe, review nunca (si no "
            "se da, %1)",
            "the teacher's key: prepare makes it when the file does not exist, review never "
            "(default: %1)")
            .arg(shown_path(classroom::default_key_path())),
        say("ARCHIVO", "FILE"));
    const QCommandLineOption tolerance(
        "tolerance",
        say("review: cuánto puede apartarse un resultado a mano del que da el banco, en %, de 0 "
            "a 100, con los números de --locale o con punto decimal (%1 si no se da)",
            "review: how far a hand result may be from the bench's own, in %, 0 to 100, in "
            "--locale's numbers or with a decimal point (default %1)")
            .arg(kDefaultTolerance * 100),
        "PCT");
    const QCommandLineOption csv(
        "csv", say("review: la tabla en CSV, separada por «;» donde la coma es decimal, en lugar "
                   "de en columnas alineadas",
                   "review: the table as CSV, separated by \";\" where the decimal separator is "
                   "\",\", instead of aligned columns"));
    const QCommandLineOption locale(
        "locale",
        say("formato de los números de la clave y de la nota, p. ej. es_ES o en_US (el del "
            "usuario si no se da)",
            "number format of the answer key and the marks, e.g. es_ES or en_US (default: the "
            "user's)"),
        say("NOMBRE", "NAME"));
    parser.addOptions(
        {help_option, version_option, groups, out, seed, key, tolerance, csv, locale});

    reply.clear();
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help_option)) {
        const QString text = parser.helpText();
        reply = usage_lines(say) + text.mid(text.indexOf(u'\n') + 1) + epilogue(say);
        return std::nullopt;
    }
    if (parser.isSet(version_option)) {
        reply = QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProgram),
                                              QString::fromLatin1(version::kText));
        return std::nullopt;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        error = say("falta la orden: prepare o review", "missing command: prepare or review");
        return std::nullopt;
    }
    Request r;
    r.language = language;
    const QString command = positional.takeFirst();
    if (command == u"prepare") {
        r.action = Action::prepare;
    } else if (command == u"review") {
        r.action = Action::review;
    } else {
        error = say("orden desconocida «%1»: prepare o review",
                    "unknown command \"%1\": prepare or review")
                    .arg(command);
        return std::nullopt;
    }
    // Each option belongs to one command, or to both.
    const auto only_for = [&](const QCommandLineOption& option, Action action) {
        if (r.action == action || !parser.isSet(option))
            return true;
        error = say("--%1 va con %2", "--%1 goes with %2")
                    .arg(option.names().constFirst(), action == Action::prepare
                                                          ? QStringLiteral("prepare")
                                                          : QStringLiteral("review"));
        return false;
    };
    for (const auto* option : {&groups, &out, &seed}) {
        if (!only_for(*option, Action::prepare))
            return std::nullopt;
    }
    for (const auto* option : {&tolerance, &csv}) {
        if (!only_for(*option, Action::review))
            return std::nullopt;
    }

    QLocale numbers = QLocale::system();
    if (parser.isSet(locale)) {
        const auto named = cli::locale_named(parser.value(locale), language, error);
        if (!named)
            return std::nullopt;
        numbers = *named;
    }
    r.style = qt::number_style(numbers);
    r.key = parser.isSet(key) ? parser.value(key) : classroom::default_key_path();

    if (r.action == Action::prepare) {
        if (!positional.isEmpty()) {
            error = say(texts::kUnexpectedArgument.spanish, texts::kUnexpectedArgument.english)
                        .arg(positional.constFirst());
            return std::nullopt;
        }
        for (const auto* option : {&groups, &out}) {
            if (!parser.isSet(*option) || parser.value(*option).isEmpty()) {
                error = say("prepare necesita --%1", "prepare needs --%1")
                            .arg(option->names().constFirst());
                return std::nullopt;
            }
        }
        r.groups = parser.value(groups);
        r.folder = parser.value(out);
        if (parser.isSet(seed)) {
            bool ok = false;
            r.seed = parser.value(seed).toUInt(&ok);
            if (!ok) {
                error = say("--seed admite un número entero de 0 a %1",
                            "--seed takes a whole number from 0 to %1")
                            .arg(std::numeric_limits<quint32>::max());
                return std::nullopt;
            }
        }
        return r;
    }

    if (positional.isEmpty()) {
        error = say("review necesita los archivos que revisar", "review needs the files to review");
        return std::nullopt;
    }
    r.files = positional;
    r.csv = parser.isSet(csv);
    if (parser.isSet(tolerance)) {
        const auto pct = percentage(parser.value(tolerance), r.style);
        if (!pct) {
            error = say("--tolerance admite un porcentaje de 0 a 100",
                        "--tolerance takes a percentage from 0 to 100");
            return std::nullopt;
        }
        r.tolerance = *pct / 100;
    }
    return r;
}

}  // namespace gelvor::class_command
