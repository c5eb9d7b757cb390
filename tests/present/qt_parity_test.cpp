// The hand-written number reading and writing of present/ against Qt's, on
// random texts and values: what the desktop showed when present/ used
// QLocale, it must still show. GELVOR_SEED changes the seed (20261208),
// GELVOR_PARITY_CASES the texts per locale, GELVOR_PARITY_LOCALES=all runs
// every locale Qt knows instead of a few.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "present/box_reading.h"
#include "present/number_text.h"
#include "present/reading_text.h"
#include "present/text_units.h"
#include "tests/test_environment.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor {
namespace {

using testing::seed_from_environment;

int cases_per_locale(int fallback) {
    return testing::count_from_environment("GELVOR_PARITY_CASES", fallback);
}

// Spain and the United States, whose tables the browser uses; the C locale;
// apostrophe, narrow no-break space and Indian grouping; Arabic digits; and
// Swedish, whose "e" is no exponent.
QList<QLocale> locales() {
    if (qgetenv("GELVOR_PARITY_LOCALES") == "all") {
        QList<QLocale> all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        return all << QLocale::c() << QLocale::system();
    }
    QList<QLocale> few{QLocale::c()};
    for (const char* name : {"es_ES", "en_US", "de_CH", "fr_FR", "hi_IN", "ar_EG", "sv_SE"}) {
        few << QLocale(QString::fromLatin1(name));
    }
    return few;
}

std::string shown(const QString& text) {
    std::string out;
    for (QChar c : text) {
        out +=
            c.unicode() >= 0x20 && c.unicode() < 0x7F
                ? std::string(1, char(c.unicode()))
                : QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QChar(u'0')).toStdString();
    }
    return out;
}

// Texts near the edge of what reads as a number: the locale's digits, signs,
// separators and exponent mixed with the other locales', grouped in sizes
// right and wrong, with blanks, long runs of digits and huge exponents, then
// mutated by a character or three of any kind.
class EdgeTexts {
  public:
    EdgeTexts(const QLocale& l, unsigned seed) : rng_(seed) {
        for (char c = '0'; c <= '9'; ++c) latin_digits_.push_back(QString(QChar(c)));
        const auto zero = l.zeroDigit().toUcs4();
        for (char32_t z :
             {char32_t(zero.front()), U'\u0660', U'\u06F0', U'\u0966', U'\uFF10', U'\U0001E950'}) {
            for (char32_t d = z; d < z + 10; ++d) other_digits_.push_back(QString::fromUcs4(&d, 1));
        }
        points_ = {l.decimalPoint(), l.decimalPoint(), u"."_qs, u","_qs, u"\u066B"_qs};
        groups_ = {l.groupSeparator(),
                   l.groupSeparator(),
                   u" "_qs,
                   u"\u00A0"_qs,
                   u"\u202F"_qs,
                   u"'"_qs,
                   u"\u2019"_qs,
                   u"."_qs,
                   u","_qs,
                   u"\u066C"_qs};
        signs_ = {u"-"_qs,          u"+"_qs,      u"\u2212"_qs, l.negativeSign(),
                  l.positiveSign(), u"\uFE63"_qs, u"\uFF0D"_qs, u"\u200E-"_qs};
        exponents_ = {u"e"_qs, u"E"_qs, l.exponential(), u"\u0415"_qs, u"\u0435"_qs};
        blanks_ = {u" "_qs,      u"\t"_qs,     u"\n"_qs,     u"\u3000"_qs, u"\u00A0"_qs,
                   u"\u2028"_qs, u"\u0085"_qs, u"\u180E"_qs, u"\u200B"_qs, u"\uFEFF"_qs};
        others_ = {u"x"_qs,
                   u"nan"_qs,
                   u"inf"_qs,
                   u"%"_qs,
                   u";"_qs,
                   l.percent(),
                   QString(QChar(0xD800)),
                   QString(QChar(0xDC00)),
                   u"\U0001F600"_qs,
                   QString(QChar(0)),
                   u"0x"_qs,
                   u"\u061C"_qs};
    }

    QString next() {
        QString s;
        if (chance(20))
            s += pick(blanks_);
        if (chance(30))
            s += pick(signs_);
        if (chance(35)) {
            s += digits(1 + below(4));
            const QString separator = pick(groups_);
            for (int g = 1 + below(4); g > 0; --g) {
                s += (chance(90) ? separator : pick(groups_)) + digits(chance(70) ? 3 : below(5));
            }
        } else {
            s += digits(run());
        }
        if (chance(40))
            s += pick(points_) + digits(run());
        if (chance(25)) {
            s += pick(exponents_);
            if (chance(40))
                s += pick(signs_);
            s += chance(5) ? digits(12 + below(10)) : digits(below(4));
        }
        if (chance(20))
            s += pick(blanks_);
        for (int m = chance(60) ? 0 : 1 + below(3); m > 0; --m) {
            const std::vector<QString>* kinds[] = {&latin_digits_, &points_, &groups_, &signs_,
                                                   &exponents_,    &blanks_, &others_};
            const QString piece = pick(*kinds[below(7)]);
            const auto at = static_cast<qsizetype>(below(static_cast<int>(s.size()) + 1));
            if (chance(50) || s.isEmpty()) {
                s.insert(at, piece);
            } else {
                s.replace(std::min(at, s.size() - 1), 1, piece);
            }
        }
        return s;
    }

  private:
    int below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const std::vector<QString>& v) { return v[below(int(v.size()))]; }
    int run() {
        const int r = below(100);
        return r < 5 ? 0 : r < 70 ? 1 + below(4) : r < 95 ? 1 + below(12) : below(400);
    }
    QString digits(int count) {
        QString s;
        for (int i = 0; i < count; ++i) s += chance(85) ? pick(latin_digits_) : pick(other_digits_);
        return s;
    }

    std::mt19937 rng_;
    std::vector<QString> latin_digits_, other_digits_, points_, groups_, signs_, exponents_,
        blanks_, others_;
};

std::optional<double> qt_reading(const QLocale& locale, const QString& text) {
    bool ok = false;
    const double v = locale.toDouble(text, &ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

bool same(std::optional<double> a, std::optional<double> b) {
    return a.has_value() == b.has_value() && (!a || std::memcmp(&*a, &*b, sizeof(double)) == 0);
}

TEST(QtParity, BoxReadingIsQLocaleToDouble) {
    const unsigned seed = seed_from_environment();
    const int cases = cases_per_locale(12500);
    int accepted = 0;
    for (const QLocale& locale : locales()) {
        SCOPED_TRACE(locale.name().toStdString() + ", seed " + std::to_string(seed));
        const NumberStyle style = qt::number_style(locale);
        EdgeTexts texts(locale, seed);
        int failures = 0;
        for (int k = 0; k < cases && failures < 5; ++k) {
            const QString text = texts.next();
            const std::optional<double> expected = qt_reading(locale, text);
            accepted += expected.has_value();
            if (!same(read_box_number(qt::to_utf8(text), style), expected)) {
                ++failures;
                ADD_FAILURE() << "\"" << shown(text) << "\" reads as "
                              << (expected ? std::to_string(*expected) : "nothing") << " in Qt";
            }
        }
    }
    EXPECT_GT(accepted, cases / 20);  // the texts are not all hopeless
}

// Values of every kind: exact halves at the decimals asked for, huge and tiny
// magnitudes, any bit pattern (NaN and infinities among them).
double random_value(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> uniform(-7, 310);
    double v = 0;
    switch (rng() % 5) {
        case 0:
            v = std::ldexp(double(rng() >> 11), int(rng() % 80) - 60);
            break;
        case 1:
            v = (double(rng() % 2000001) - 1000000) / 4;
            break;
        case 2:
            v = std::pow(10.0, uniform(rng));
            break;
        case 3: {
            const std::uint64_t bits = rng();
            std::memcpy(&v, &bits, sizeof v);
            break;
        }
        default:
            v = (double(rng() % 2000001) - 1000000) / 1000;
    }
    return rng() % 2 ? -v : v;
}

TEST(QtParity, NumberTextsAreQLocaleToString) {
    std::mt19937_64 rng(seed_from_environment());
    const int values = cases_per_locale(12500) / 5;
    for (const QLocale& locale : locales()) {
        SCOPED_TRACE(locale.name().toStdString());
        const NumberStyle style = qt::number_style(locale);
        int failures = 0;
        for (int k = 0; k < values && failures < 5; ++k) {
            const double v = random_value(rng);
            const int decimals = k % 4 == 0 ? int(rng() % 6) : 1;
            const std::string expected = qt::to_utf8(locale.toString(v, 'f', decimals));
            const std::string text = fixed_number_text(v, decimals, style);
            // The readings in tool tips, the way they were made with QLocale.
            const double rounded = std::round(v * 10) / 10;
            const std::string reading =
                qt::to_utf8(locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 1)) + " kPa";
            if (text != expected || pressure_reading(v, style) != reading) {
                ++failures;
                ADD_FAILURE() << v << " with " << decimals << " decimals: \"" << text << "\", Qt \""
                              << expected << "\"";
            }
        }
    }
}

TEST(QtParity, TheBrowsersTablesAreQtsSpanishAndEnglish) {
    EXPECT_EQ(qt::number_style(QLocale(u"es_ES"_qs)), spanish_number_style());
    EXPECT_EQ(qt::number_style(QLocale(u"en_US"_qs)), english_number_style());
}

TEST(QtParity, WhiteSpaceAndControlCharactersAreQCharsOwn) {
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        const QChar c(static_cast<char16_t>(u));
        ASSERT_EQ(text::is_space(c.unicode()), c.isSpace()) << std::hex << unsigned(u);
        ASSERT_EQ(text::is_control_or_format(c.unicode()),
                  c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            << std::hex << unsigned(u);
    }
}

// A box's text crosses into present/ and back as it was: a lone surrogate
// too, which QString::toUtf8 would make "?", and a leading U+FEFF, which
// QString::fromUtf8 would drop.
TEST(QtParity, BoxTextsCrossIntoPresentAndBackUnchanged) {
    const QString texts[] = {u"1010"_qs, u"\uFEFF15"_qs, u"a\U0001F600b"_qs,
                             QString(QChar(0xD800)) + u"1"_qs + QChar(0xDC00),
                             QString(QChar(0xDBFF))};
    for (const QString& text : texts) {
        EXPECT_EQ(qt::to_qstring(qt::to_utf8(text)), text) << shown(text);
    }
    EXPECT_EQ(qt::to_utf8(texts[3]),
              "\xED\xA0\x80"
              "1\xED\xB0\x80");
}

}  // namespace
}  // namespace gelvor
