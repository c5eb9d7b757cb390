#include <gtest/gtest.h>

#include <QStringList>

#include "assets/assets.h"
#include "present/notebook_columns.h"

namespace gelvor::assets {
namespace {

QStringList manual_lines() {
    return manual_text().split(QLatin1Char('\n'));
}

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The sixteen sections, headings as they stand; a heading that the text
// breaks over two lines is its two lines run together.
const char* const kHeadings[] = {
    "ENSAYO DE MAQUINA FRIGORIFICA - BOMBA DE CALOR",
    "El ciclo de refrigeración (o bomba de calor).",
    "El ciclo de compresión del vapor.",
    "Símbolos y unidades:",
    "Descripción (Ver diagrama esquemático)",
    "Demostración del ciclo de refrigeración  por compresión de vapor",
    "Efecto de la temperatura de evaporación:",
    "Efecto de la temperatura de condensación:",
    "Relación  presión - temperatura.",
    "Demostración del bombeo al condensador.",
    "Efecto del aire en un sistema de refrigeración",
    "Efecto de las temperaturas de condensación y evaporación en la tasa de refrigeración.",
    "Estimación del coeficiente de rendimiento (c.o.p.)",
    "Determinación del coeficiente global de transmisión de calor (U) en los serpentines del "
    "condensador y evaporador.",
    "Rendimiento volumétrico del compresor",
    "Datos útiles:",
};
constexpr int kSections = 16;

// Line index of each heading, found in order; -1 where one is missing.
std::vector<int> heading_lines() {
    const QStringList lines = manual_lines();
    std::vector<int> found;
    int from = 0;
    for (const char* heading : kHeadings) {
        const QString h = u(heading);
        int at = -1;
        for (int i = from; i < lines.size() && at < 0; ++i) {
            const bool broken = i + 1 < lines.size() && lines[i].endsWith(QLatin1Char(' ')) &&
                                lines[i] + lines[i + 1] == h;
            if (lines[i] == h || broken) {
                at = i;
            }
        }
        found.push_back(at);
        if (at >= 0) {
            from = at + 1;
        }
    }
    return found;
}

// The text of section k (0-based), heading included.
QString section(int k) {
    const std::vector<int> at = heading_lines();
    const QStringList lines = manual_lines();
    const int end = k + 1 < kSections ? at[k + 1] : int(lines.size());
    return lines.mid(at[k], end - at[k]).join(QLatin1Char('\n'));
}

TEST(ManualLayout, HasTheSixteenHeadingsExactlyAndInOrder) {
    const std::vector<int> at = heading_lines();
    for (int k = 0; k < kSections; ++k) {
        EXPECT_GE(at[k], 0) << "missing or out of order: " << kHeadings[k];
    }
    EXPECT_EQ(at[0], 0) << "the title comes first";
}

TEST(ManualLayout, IsHardWrappedAtSixtyFiveCharacters) {
    const QStringList lines = manual_lines();
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 65) << "line " << i + 1 << ": " << lines[i].toStdString();
        EXPECT_FALSE(lines[i].contains(QLatin1Char('\r')));
    }
}

TEST(ManualLayout, LengthIsWithinRangeWithEitherLineEnd) {
    const QString text = manual_text();
    EXPECT_FALSE(text.contains(QChar(0xFFFD))) << "not valid UTF-8";
    const qsizetype with_lf = text.size();
    const qsizetype with_crlf = with_lf + text.count(QLatin1Char('\n'));
    EXPECT_GE(with_lf, 16000);
    EXPECT_LE(with_crlf, 17500);
}

// A paragraph opens with a TAB right after an empty line and goes on in
// unindented lines; blocks are separated by one empty line.
TEST(ManualLayout, ParagraphsStartWithATabAfterAnEmptyLine) {
    const QStringList lines = manual_lines();
    int paragraphs = 0;
    bool in_paragraph = false;
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) {
            EXPECT_FALSE(lines[i - 1].isEmpty()) << "two empty lines before line " << i + 1;
            in_paragraph = false;
        } else if (line.startsWith(QLatin1Char('\t'))) {
            ++paragraphs;
            EXPECT_TRUE(lines[i - 1].isEmpty()) << "line " << i + 1 << " opens a paragraph";
            EXPECT_FALSE(line.at(1).isSpace()) << "line " << i + 1;
            in_paragraph = true;
        } else if (in_paragraph) {
            EXPECT_FALSE(line.at(0).isSpace()) << "line " << i + 1 << " goes on a paragraph";
        }
    }
    EXPECT_GE(paragraphs, 40);
}

TEST(ManualContent, MarksTheTwoExercisesTheSimulatorCannotRun) {
    for (int k : {9, 10}) {
        const QStringList s = section(k).split(QLatin1Char('\n'));
        ASSERT_GE(s.size(), 2);
        EXPECT_EQ(s[1], QLatin1String("(no operativa en software)")) << kHeadings[k];
    }
    EXPECT_EQ(manual_text().count(QLatin1String("(no operativa en software)")), 2);
}

TEST(ManualContent, AsksWhyQcExceedsQeAtTheEndOfTheRefrigerationRateExercise) {
    const QString s = section(11);
    EXPECT_TRUE(s.contains(u("¿ Porqué Qc > Qe ?")));
    EXPECT_TRUE(s.contains(QLatin1String("20 g/s")) && s.contains(QLatin1String("4 g/s")) &&
                s.contains(QLatin1String("40 g/s")) && s.contains(QLatin1String("10 g/s")));
}

TEST(ManualContent, ListsTheSymbolsWithTheBenchsWaterNaming) {
    const QString s = section(3);
    EXPECT_TRUE(
        s.contains(u("t4, t3  Temperatura del agua a la entrada y a la salida del\n"
                     "        condensador")));
    EXPECT_TRUE(
        s.contains(u("t1, t2  Temperatura del agua a la entrada y a la salida del\n"
                     "        evaporador")));
    EXPECT_TRUE(
        s.contains(u("* Presión absoluta = Indicación del manómetro + \n"
                     "presión atmosférica")));
    for (const char* symbol :
         {"tc, te", "Pc, Pe", "mc, me", "ta ", "pa ", "U ", "Qe, Qc", "Wc ", "Qcr ", "c.o.p."}) {
        EXPECT_TRUE(s.contains(QLatin1Char('\n') + QLatin1String(symbol))) << symbol;
    }
}

// The window's captions and the notebook's columns call the condenser's inlet
// water t4 (read with the evaporator's t1: "t1, t4") and its outlet t3; the
// manual uses the same names, so that a student's readings go straight into
// its formulas, each heat from the water as the outlet less the inlet.
TEST(ManualContent, NamesTheCondenserWaterAsTheWindowDoes) {
    ASSERT_GE(notebook_column("t1, t4 (\u00BAC)"), 0);
    ASSERT_GE(notebook_column("t3 (\u00BAC)"), 0);
    EXPECT_TRUE(section(5).contains(u("agua sale más caliente de lo que entró (t3 > t4).")));
    const QString text = manual_text();
    for (const char* wrong : {"t3, t4", "t4 - t3", "t4 > t3", "t2 - t1"})
        EXPECT_FALSE(text.contains(u(wrong))) << wrong;
    // Each coil's Q, c.o.p., Atlm and heat from the water in "Datos útiles".
    EXPECT_EQ(text.count(u("(t3 - t4")), 4);
    EXPECT_EQ(text.count(u("(t1 - t2")), 4);
}

TEST(ManualContent, QuotesTheBenchDataExactly) {
    const QString s = section(15);
    for (const char* quoted :
         {"1.18  10-3", "0.032", "9 espiras de tubo de cobre de 6.3 mm de", "mc  cp (t3 - t4 )",
          "me cp (t1 - t2 )", "cp agua = 4.18 kJ / kg K", "0.8 ( ta - tc )", "0.8 ( ta - te )",
          "-18 W", "Refrigerante: R11 \tTricloro - fluorometano  C Cl3 F",
          "(Refrigerante prohibido para uso industrial)."}) {
        EXPECT_TRUE(s.contains(u(quoted))) << quoted;
    }
    EXPECT_TRUE(s.endsWith(u("(Refrigerante prohibido para uso industrial).\n")) ||
                s.endsWith(u("(Refrigerante prohibido para uso industrial).")));
}

// Each formula stands where the text introduces it, written as the program
// computes it: the coefficients of performance and U count the heat
// exchanged with the water, the compressor power the 18 W it gives off.
TEST(ManualContent, WritesOutEveryFormulaWhereItBelongs) {
    const QString cop = section(12);
    for (const char* f :
         {"Wc + Qe = Qc + Qcr", "Qe = me cp (t1 - t2 ) + 0.8 ( ta - te )",
          "Qc = mc cp (t3 - t4 ) + 0.8 ( tc - ta )", "Wc = Qc - Qe + Qcr", "mr = Qe / (hA - hD)",
          "Wc = mr (hB - hA) + Qcr", "c.o.p. Ref  = me cp (t1 - t2 ) / Wc",
          "c.o.p. B.C. = mc cp (t3 - t4 ) / Wc", "Qcr = 18 W"}) {
        EXPECT_TRUE(cop.contains(u(f))) << f;
    }
    const QString u_section = section(13);
    for (const char* f : {"Q = U A Atlm", "U = el coeficiente global de transmisión",
                          "U = Q / (A Atlm)", "Atlm = (t3 - t4) / ln ((tc - t4) / (tc - t3))",
                          "Atlm = (t1 - t2) / ln ((t1 - te) / (t2 - te))", "A = 0.032 m2"}) {
        EXPECT_TRUE(u_section.contains(u(f))) << f;
    }
    const QString vol = section(14);
    EXPECT_TRUE(vol.contains(u("rend. vol = mr vA / Vt")));
    EXPECT_TRUE(vol.contains(u("Vt = 1.18 10-3 m3/s")));
    EXPECT_TRUE(section(2).contains(u("x = (hD - hf) / (hg - hf)")));
}

}  // namespace
}  // namespace gelvor::assets
