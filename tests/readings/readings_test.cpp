// The readings command end to end, as a teacher runs it.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "model/bench.h"
#include "model/ideal_cycle.h"
#include "present/notebook_columns.h"
#include "tests/corpus/corpus.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace {

struct Output {
    int exit_code;
    QString out;
    QString err;
    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
    QString value(const QString& target) const {
        for (const QString& line : lines()) {
            if (line.startsWith(target + u'\t')) {
                return line.mid(target.size() + 1);
            }
        }
        return u"<missing>"_qs;
    }
};

// Runs the command; with `output_file` its output goes there.
Output readings(const QStringList& args, const QString& lc_all = u"C"_qs,
                const QString& output_file = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_qs, lc_all);
    p.setProcessEnvironment(env);
    if (!output_file.isEmpty()) {
        p.setStandardOutputFile(output_file);
    }
    p.start(QString::fromUtf8(GELVOR_READINGS), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(ReadingsCommand, DefaultsAreTheStateAfterSwitchOn) {
    const Output en = readings({u"--locale"_qs, u"en_US"_qs});
    ASSERT_EQ(en.exit_code, 0) << en.err.toStdString();
    EXPECT_EQ(en.lines().size(), 43 + 8);
    EXPECT_EQ(en.value(u"Text7_5"_qs), u"174.5 kPa"_qs);
    EXPECT_EQ(en.value(u"Text7_6"_qs), u"<missing>"_qs);
    EXPECT_EQ(en.lines().last().section(u'\t', 0, 0), u"Label2_3"_qs);
    EXPECT_EQ(en.value(u"Line1_1"_qs).split(u' ').size(), 4);

    // Instrument positions read back to the model's own doubles.
    const auto state = gelvor::recompute({4, 4, 101, 15, 18}).state;
    EXPECT_EQ(en.value(u"ter_5"_qs).toDouble(), state.evap_temp);
    EXPECT_EQ(en.value(u"GaugeX1"_qs).toDouble(), state.cond_gauge_pressure);

    const Output es = readings({u"--locale"_qs, u"es_ES"_qs});
    EXPECT_EQ(es.value(u"Text7_5"_qs), u"174,5 kPa"_qs);
    EXPECT_EQ(es.value(u"ter_5"_qs), en.value(u"ter_5"_qs));  // positions always with "."
    // Without --locale the user's environment decides.
    EXPECT_EQ(readings({}, u"es_ES.UTF-8"_qs).value(u"Text7_5"_qs), u"174,5 kPa"_qs);
}

TEST(ReadingsCommand, AFaultedPassPrintsWhatItWroteThenTheFault) {
    const Output r = readings({u"--barometer"_qs, u"abc"_qs});
    EXPECT_EQ(r.exit_code, 1);
    ASSERT_EQ(r.lines().size(), 3);
    EXPECT_TRUE(r.lines()[0].startsWith(u"Text6\t"_qs));
    EXPECT_TRUE(r.lines()[1].startsWith(u"Text5\t"_qs));
    EXPECT_TRUE(r.lines()[2].startsWith(u"fault\t"_qs));
    EXPECT_TRUE(r.lines()[2].contains(u"presión barométrica"_qs));

    const Output log = readings({u"--evaporator-flow"_qs, u"50"_qs, u"--condenser-flow"_qs,
                                 u"20"_qs, u"--barometer"_qs, u"1070"_qs, u"--ambient"_qs, u"50"_qs,
                                 u"--water"_qs, u"14"_qs});
    EXPECT_EQ(log.exit_code, 1);
    EXPECT_EQ(log.lines().size(), 41 + 8 + 1);  // the cycle is drawn at te and tc
}

TEST(ReadingsCommand, UsageErrorsExitWithTwoAndALineWithAHint) {
    for (const QStringList& args :
         {QStringList{u"--evaporator-flow"_qs, u"51"_qs},
          {u"--condenser-flow"_qs, u"4.5"_qs},
          {u"--condenser-flow"_qs, u"-1"_qs},
          {u"--bogus"_qs},
          {u"extra"_qs},
          {u"--locale"_qs, u"zz_nowhere"_qs},
          {u"--sweep"_qs, u"water=1:2"_qs},
          {u"--csv"_qs, u"--sweep"_qs, u"pressure=1:2"_qs},
          {u"--csv"_qs, u"--sweep"_qs, u"evaporator-flow=0:60"_qs},
          // The same setting twice, and a third setting.
          {u"--csv"_qs, u"--sweep"_qs, u"water=1:2"_qs, u"--sweep"_qs, u"water=3:4"_qs},
          {u"--csv"_qs, u"--sweep"_qs, u"water=1:2"_qs, u"--sweep"_qs, u"ambient=3:4"_qs,
           u"--sweep"_qs, u"barometer=1:2"_qs},
          // More than 100,000 rows: one setting, two settings, and two billion.
          {u"--csv"_qs, u"--sweep"_qs, u"barometer=0:100000"_qs},
          {u"--csv"_qs, u"--sweep"_qs, u"barometer=0:1000"_qs, u"--sweep"_qs, u"water=0:99"_qs},
          {u"--csv"_qs, u"--sweep"_qs, u"ambient=-2000000000:2000000000"_qs},
          // A saturation table outside -20 to 197 ºC, with no step, or with no numbers.
          {u"--saturation-table"_qs, u"-30:20:10"_qs},
          {u"--saturation-table"_qs, u"0:198:1"_qs},
          {u"--saturation-table"_qs, u"0:100:0"_qs},
          {u"--saturation-table"_qs, u"0:100:-5"_qs},
          {u"--saturation-table"_qs, u"a:b:c"_qs},
          {u"--saturation-table"_qs, u"0:100"_qs}}) {
        // In English, or in Spanish for a Spanish-speaking user.
        for (const auto& [lang, hint] : {std::pair{u"C"_qs, u"\nTry --help\n"_qs},
                                         std::pair{u"es_ES.UTF-8"_qs, u"\nPruebe --help\n"_qs}}) {
            const Output r = readings(args, lang);
            EXPECT_EQ(r.exit_code, 2) << args.join(u' ').toStdString();
            EXPECT_TRUE(r.out.isEmpty());
            EXPECT_TRUE(r.err.startsWith(u"gelvor-readings: "_qs));
            EXPECT_TRUE(r.err.endsWith(hint)) << r.err.toStdString();
            EXPECT_EQ(r.err.count(u'\n'), 2) << r.err.toStdString();
        }
    }

    // Its own options only, in the user's language.
    const Output help = readings({u"--help"_qs});
    EXPECT_EQ(help.exit_code, 0);
    for (const char* name :
         {"--evaporator-flow", "--condenser-flow", "--barometer", "--water", "--ambient",
          "--locale", "--csv", "--sweep", "--version", "--saturation-table"}) {
        EXPECT_TRUE(help.out.contains(QLatin1StringView(name))) << name;
    }
    EXPECT_FALSE(help.out.contains(u"--help-all"_qs));
    EXPECT_EQ(readings({u"--help-all"_qs}).exit_code, 2);
    const Output ayuda = readings({u"--help"_qs}, u"es_ES.UTF-8"_qs);
    EXPECT_TRUE(ayuda.out.startsWith(u"Uso: "_qs)) << ayuda.out.toStdString();
    EXPECT_TRUE(ayuda.out.contains(u"Muestra la versión."_qs));
    EXPECT_FALSE(ayuda.out.contains(u"Displays"_qs));
    EXPECT_TRUE(help.out.mid(help.out.indexOf(u"--sweep <"_qs))
                    .simplified()
                    .contains(u"evaporator-flow, condenser-flow, barometer, water, ambient"_qs));
    const Output version = readings({u"--version"_qs});
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out,
              "gelvor-readings " + QString::fromLatin1(gelvor::version::kText) + u'\n');
}

TEST(ReadingsCommand, AFailedWriteExitsWithThreeAndSaysSo) {
    for (const QStringList& args :
         {QStringList{}, {u"--csv"_qs}, {u"--help"_qs}, {u"--barometer"_qs, u"abc"_qs}}) {
        const Output full = readings(args, u"C"_qs, u"/dev/full"_qs);
        EXPECT_EQ(full.exit_code, 3) << args.join(u' ').toStdString();
        EXPECT_TRUE(full.err.startsWith(u"gelvor-readings: cannot write the output: "_qs))
            << full.err.toStdString();
    }

    // A reader that goes away after one byte, before a long table is written.
    QProcess reader;
    QProcess writer;
    writer.setStandardOutputProcess(&reader);
    reader.start(u"head"_qs, {u"-c"_qs, u"1"_qs});
    writer.start(
        QString::fromUtf8(GELVOR_READINGS),
        {u"--csv"_qs, u"--sweep"_qs, u"barometer=950:1070"_qs, u"--sweep"_qs, u"ambient=10:50"_qs});
    ASSERT_TRUE(writer.waitForFinished(60000));
    reader.waitForFinished(10000);
    // It ends as the standard tools do there: quietly, by SIGPIPE.
    EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
    EXPECT_FALSE(writer.readAllStandardError().contains("write"));
}

TEST(ReadingsCommand, TwoSweepsGiveEveryCombinationTheFirstVaryingSlowest) {
    const Output table = readings(
        {u"--csv"_qs, u"--sweep"_qs, u"evaporator-flow=5:4"_qs, u"--sweep"_qs, u"water=14:16"_qs});
    ASSERT_EQ(table.exit_code, 0) << table.err.toStdString();
    const QStringList rows = table.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 1 + 6);
    int row = 1;
    for (const char* flow : {"5", "4"}) {
        for (const char* water : {"14", "15", "16"}) {
            // Each row is the one row of a table of that single operating point.
            const Output single =
                readings({u"--csv"_qs, u"--evaporator-flow"_qs, QLatin1StringView(flow),
                          u"--water"_qs, QLatin1StringView(water)});
            EXPECT_EQ(rows[row++], single.out.split(u"\r\n"_qs).value(1)) << flow << " " << water;
        }
    }
}

TEST(ReadingsCommand, ASettingOutOfRangeWarnsOnStderrAndLeavesStdoutAlone) {
    const Output r =
        readings({u"--water"_qs, u"99"_qs, u"--locale"_qs, u"en_US"_qs}, u"es_ES.UTF-8"_qs);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err,
              u"gelvor-readings: Temperatura de entrada de agua fuera del rango del banco "
              u"(14 a 16 ºC): los resultados son una extrapolación\n"_qs);
    EXPECT_EQ(r.lines().size(), 43 + 8);
    EXPECT_FALSE(r.out.contains(u"rango"_qs));
    EXPECT_TRUE(readings({u"--water"_qs, u"16"_qs}).err.isEmpty());
    EXPECT_EQ(readings({u"--water"_qs, u"99"_qs}).err,
              u"gelvor-readings: The water inlet temperature is outside the bench's range "
              u"(14 to 16 ºC): the results are an extrapolation\n"_qs);
}

// Where the bench's model leaves physical validity, stderr says so once, in
// the user's language, and stdout and the status are those of any pass.
TEST(ReadingsCommand, ValidityNotesGoToStderrOnceEach) {
    const QStringList hot = {u"--ambient"_qs,        u"50"_qs, u"--evaporator-flow"_qs, u"20"_qs,
                             u"--condenser-flow"_qs, u"20"_qs};
    const Output r = readings(hot, u"es_ES.UTF-8"_qs);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(r.err.startsWith(u"gelvor-readings: B queda dentro de la campana"_qs))
        << r.err.toStdString();
    EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_FALSE(r.out.contains(u"campana"_qs));
    const Output table = readings(
        {u"--csv"_qs, u"--ambient"_qs, u"50"_qs, u"--sweep"_qs, u"evaporator-flow=10:30"_qs});
    EXPECT_EQ(table.exit_code, 0);
    EXPECT_TRUE(table.err.startsWith(u"gelvor-readings: B lies inside the dome"_qs));
    EXPECT_EQ(table.err.count(u'\n'), 1);
}

// The reference equation's saturation table, in the locale's numbers.
TEST(ReadingsCommand, SaturationTableInTheLocalesNumbers) {
    const Output tsv = readings({u"--saturation-table"_qs, u"-20:197:10"_qs});
    ASSERT_EQ(tsv.exit_code, 0) << tsv.err.toStdString();
    const QStringList rows = tsv.lines();
    ASSERT_EQ(rows.size(), 1 + 22);
    EXPECT_EQ(rows[0].count(u'\t'), 7);
    EXPECT_EQ(rows[3], u"0\t40.197\t1534.10\t2.4797\t200.00\t389.77\t1.0000\t1.6948"_qs);
    const Output csv = readings(
        {u"--saturation-table"_qs, u"0:10:10"_qs, u"--csv"_qs, u"--locale"_qs, u"es_ES"_qs});
    EXPECT_EQ(csv.out.split(u"\r\n"_qs)[1],
              u"0;40,197;1534,10;2,4797;200,00;389,77;1,0000;1,6948"_qs);
}

TEST(ReadingsCommand, SweepWithControlNamesPrintsTheFormerCsvTable) {
    const Output r = readings({u"--csv"_qs, u"--control-names"_qs, u"--sweep"_qs,
                               u"condenser-flow=3:0"_qs, u"--locale"_qs, u"es_ES"_qs});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    const QStringList rows = r.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_TRUE(
        rows[0].startsWith(u"evaporator-flow,condenser-flow,barometer,water,ambient,Text6,"_qs));
    EXPECT_TRUE(rows[0].endsWith(u",Label2_3,fault"_qs));
    EXPECT_TRUE(rows[1].startsWith(u"4,3,1010,15,18,\"4,0 g/s\",\"3,0 g/s\""_qs));
    EXPECT_TRUE(rows[4].startsWith(u"4,0,1010,15,18,\"4,0 g/s\",\"0,0 g/s\""_qs));
    EXPECT_TRUE(rows[4].endsWith(u","_qs));  // no fault

    const Output faulted =
        readings({u"--csv"_qs, u"--control-names"_qs, u"--barometer"_qs, u"x,\"y"_qs});
    EXPECT_EQ(faulted.exit_code, 1);
    EXPECT_TRUE(faulted.out.contains(u"\"x,\"\"y\""_qs));  // the typed text, quoted
}

// The CSV has the notebook's columns, and each cell is its display's text
// without the unit: the same number in either locale, separated for it.
TEST(ReadingsCommand, CsvCellsAreTheDisplaysNumbersUnderTheNotebooksHeaders) {
    const QStringList settings = {u"--evaporator-flow"_qs, u"20"_qs, u"--condenser-flow"_qs,
                                  u"40"_qs};
    for (const auto& [locale, separator] : {std::pair{u"es_ES"_qs, u';'}, {u"en_US"_qs, u','}}) {
        SCOPED_TRACE(locale.toStdString());
        const Output lines = readings(settings + QStringList{u"--locale"_qs, locale});
        const Output csv = readings(settings + QStringList{u"--csv"_qs, u"--locale"_qs, locale});
        ASSERT_EQ(csv.exit_code, 0) << csv.err.toStdString();
        const QStringList rows = csv.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 2);
        // The one header with a comma is quoted only where "," separates.
        EXPECT_TRUE(
            rows[0].contains(separator == u',' ? u",\"t1, t4 (ºC)\","_qs : u";t1, t4 (ºC);"_qs));
        QStringList headers;
        for (const std::string& h : gelvor::notebook_headers())
            headers << gelvor::qt::to_qstring(h);
        headers << u"fallo"_qs;
        const QStringList cells = rows[1].split(separator);
        ASSERT_EQ(cells.size(), headers.size());
        const auto cell = [&](const QString& header) { return cells[headers.indexOf(header)]; };
        EXPECT_EQ(cell(u"Pc abs (kPa)"_qs) + u" kPa"_qs, lines.value(u"Text7_5"_qs));
        EXPECT_EQ(cell(u"Gasto R-11 (g/s)"_qs) + u" g/s"_qs, lines.value(u"Text7_29"_qs));
        EXPECT_EQ(cell(u"t2 (ºC)"_qs), lines.value(u"Text10"_qs));
        EXPECT_EQ(cell(u"me (g/s)"_qs), locale == u"es_ES"_qs ? u"20,0"_qs : u"20.0"_qs);
        EXPECT_EQ(cells.last(), QString());  // no fault
        EXPECT_TRUE(rows[0].startsWith(u"mc (g/s)"_qs + separator + u"me (g/s)"_qs));
    }
}

// The ideal cycle's four columns close the table, before the fault: Carnot's
// COPs from te and tc in kelvin to two decimals, the isentropic efficiency and
// tB to one, in the locale's separator, at the manual's three points.
TEST(ReadingsCommand, TheIdealCyclesColumnsComeLastBeforeTheFault) {
    for (const auto& [mc, me] : {std::pair{20, 20}, {4, 20}, {40, 10}}) {
        const gelvor::BenchState s =
            gelvor::recompute({std::int16_t(me), std::int16_t(mc), 101.0, 15, 18}).state;
        const double te = s.evap_temp + 273.15, tc = s.cond_temp + 273.15;
        const gelvor::IdealCycle ideal = gelvor::ideal_cycle(s);
        const QStringList expected = {QString::number(te / (tc - te), 'f', 2),
                                      QString::number(tc / (tc - te), 'f', 2),
                                      QString::number(*ideal.isentropic_efficiency * 100, 'f', 1),
                                      QString::number(*ideal.discharge_temp, 'f', 1), QString()};
        for (const char* locale : {"en_US", "es_ES"}) {
            const Output csv = readings({u"--csv"_qs, u"--locale"_qs, QLatin1StringView(locale),
                                         u"--condenser-flow"_qs, QString::number(mc),
                                         u"--evaporator-flow"_qs, QString::number(me)});
            const QStringList rows = csv.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
            ASSERT_EQ(rows.size(), 2);
            const QChar separator = rows[0].contains(u';') ? u';' : u',';
            EXPECT_EQ(
                rows[0].split(separator).mid(rows[0].count(separator) - 4),
                QStringList({u"COP Carnot maq frigorifica"_qs, u"COP Carnot bomba de calor"_qs,
                             u"rend. isentropico (%)"_qs, u"tB (ºC)"_qs, u"fallo"_qs}));
            QStringList cells = rows[1].split(separator).mid(rows[1].count(separator) - 4);
            if (separator == u';')
                cells.replaceInStrings(u","_qs, u"."_qs);
            EXPECT_EQ(cells, expected) << locale << ' ' << mc << '/' << me;
        }
    }
}

TEST(ReadingsCommand, BadInputCorpusFaultsCleanlyInBothLocales) {
    const auto option = [](gelvor::corpus::Box b) {
        return b == gelvor::corpus::Box::barometer ? u"--barometer"_qs
               : b == gelvor::corpus::Box::ambient ? u"--ambient"_qs
                                                   : u"--water"_qs;
    };
    int runs = 0;
    for (const QString& locale : {u"es_ES"_qs, u"en_US"_qs}) {
        for (const auto& e : gelvor::corpus::load()) {
            if (e.text.contains(QChar(u'\0'))) {
                continue;  // a command line cannot carry a NUL character
            }
            SCOPED_TRACE(e.label.toStdString() + " " + locale.toStdString());
            const Output r = readings({u"--locale"_qs, locale, option(e.box), e.text});
            ++runs;
            ASSERT_TRUE(r.exit_code == 0 || r.exit_code == 1) << r.err.toStdString();
            for (const QString& line : r.lines()) {
                const QString value = line.section(u'\t', 1);
                if (!line.startsWith(u"fault\t"_qs)) {
                    EXPECT_FALSE(value.contains(u"nan"_qs, Qt::CaseInsensitive) ||
                                 value.contains(u"inf"_qs, Qt::CaseInsensitive))
                        << line.toStdString();
                }
            }
            if (r.exit_code == 1) {
                EXPECT_TRUE(r.lines().last().startsWith(u"fault\t"_qs));
                EXPECT_TRUE(r.lines().last().contains(gelvor::corpus::box_name(e.box),
                                                      Qt::CaseInsensitive));
            } else {
                EXPECT_EQ(r.lines().size(), 43 + 8);
            }
        }
    }
    EXPECT_GT(runs, 2 * 3 * 40);
}

}  // namespace
