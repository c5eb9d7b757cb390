// The class command end to end, as a teacher runs it: a class prepared
// twice alike, the teacher's key kept apart, and the review of what the
// groups hand in, honest or not, as an aligned table and as CSV.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <map>

#include "notebook/class_messages.h"
#include "notebook/notebook_file.h"
#include "tests/class_notebooks.h"
#include "version/version.h"

namespace gelvor {
namespace {

struct Output {
    int exit_code;
    QString out;
    QString err;
};

// A teacher's machine of its own for each test: its home, its data folder.
class ClassCommand : public ::testing::Test {
  protected:
    QTemporaryDir home;

    QString path(const QString& name) const { return home.filePath(name); }
    QString default_key() const { return path(u"data/Gelvor/clave-del-profesor"_qs); }

    QProcessEnvironment environment(const QString& lc_all) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_qs, home.path());
        env.insert(u"XDG_DATA_HOME"_qs, path(u"data"_qs));
        env.insert(u"LC_ALL"_qs, lc_all);
        return env;
    }

    Output run(const QStringList& args, const QString& lc_all = u"C"_qs,
               std::optional<QProcessEnvironment> env = {}) const {
        QProcess p;
        p.setProcessEnvironment(env ? *env : environment(lc_all));
        p.start(QString::fromUtf8(GELVOR_CLASS), args);
        p.waitForFinished(120000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QString groups_file(const QByteArray& text) const {
        write(u"grupos.txt"_qs, text);
        return path(u"grupos.txt"_qs);
    }

    // A class prepared in `folder` with the teacher's key in `key`.
    Output prepare(const QString& folder, const QString& seed, const QString& key) const {
        return run({u"prepare"_qs, u"--groups"_qs, path(u"grupos.txt"_qs), u"--out"_qs,
                    path(folder), u"--seed"_qs, seed, u"--key"_qs, key});
    }
};

QByteArray bytes_of(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Assignment assignment_in(const QString& file) {
    const NotebookRead read = notebook_from_json(bytes_of(file).toStdString());
    EXPECT_TRUE(read.document && read.document->assignment) << file.toStdString() << read.error;
    return read.document && read.document->assignment ? *read.document->assignment : Assignment{};
}

const char* const kGroups =
    "# Laboratorio 3, martes\n"
    "L3-A: Ana Pérez, Luis Gómez\n"
    "L3-B: Eva Ruiz\n"
    "\n"
    "L3/C: Íñigo Peña\n";

TEST_F(ClassCommand, TheSameSeedAndKeyGiveTheSameClassAndTheKeyStaysApart) {
    groups_file(kGroups);
    const QString key = path(u"clave.hex"_qs);
    const Output first = prepare(u"uno"_qs, u"42"_qs, key);
    ASSERT_EQ(first.exit_code, 0) << first.err.toStdString();
    EXPECT_EQ(first.err, QString());
    EXPECT_TRUE(first.out.startsWith(u"Seed: 42 "_qs)) << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(key + u" (made now"_qs));
    const Output second = prepare(u"dos"_qs, u"42"_qs, key);
    ASSERT_EQ(second.exit_code, 0) << second.err.toStdString();
    EXPECT_FALSE(second.out.contains(u"made now"_qs));

    // Readable by its owner alone, and in no file of the class.
    EXPECT_EQ(QFileInfo(key).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const QByteArray hex = bytes_of(key).trimmed();
    ASSERT_EQ(hex.size(), 64);
    const QStringList names = {u"L3-A.gelvor"_qs, u"L3-B.gelvor"_qs, u"L3_C.gelvor"_qs,
                               u"clave.csv"_qs, u"clave.pdf"_qs};
    EXPECT_EQ(QDir(path(u"uno"_qs)).entryList(QDir::Files, QDir::Name),
              QStringList({u"L3-A.gelvor"_qs, u"L3-B.gelvor"_qs, u"L3_C.gelvor"_qs, u"clave.csv"_qs,
                           u"clave.pdf"_qs}));
    for (const QString& name : names) {
        const QByteArray one = bytes_of(path(u"uno/"_qs + name));
        EXPECT_TRUE(first.out.contains(u"  "_qs + path(u"uno/"_qs + name) + u'\n'))
            << name.toStdString();
        for (const QByteArray& secret :
             {hex, hex.toUpper(), QByteArray::fromHex(hex), QByteArray::fromHex(hex).toBase64()})
            EXPECT_FALSE(one.contains(secret)) << name.toStdString();
        if (name.endsWith(u".pdf"_qs)) {
            EXPECT_TRUE(one.startsWith("%PDF-"));
        } else {
            EXPECT_EQ(one, bytes_of(path(u"dos/"_qs + name))) << name.toStdString();
        }
    }

    // Each group as the list names it, with three points of its own.
    const Assignment a = assignment_in(path(u"uno/L3-A.gelvor"_qs));
    EXPECT_EQ(a.group, "L3-A");
    EXPECT_EQ(a.students, (std::vector<std::string>{"Ana Pérez", "Luis Gómez"}));
    EXPECT_EQ(a.points.size(), 3u);
    EXPECT_EQ(assignment_in(path(u"uno/L3_C.gelvor"_qs)).students,
              std::vector<std::string>{"Íñigo Peña"});
    EXPECT_NE(assignment_in(path(u"uno/L3-B.gelvor"_qs)).points, a.points);
    // The answer key: a header and three rows per group, in the C locale's numbers.
    const QStringList key_rows = QString::fromUtf8(bytes_of(path(u"uno/clave.csv"_qs)))
                                     .split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(key_rows.size(), 1 + 3 * 3);
    EXPECT_TRUE(key_rows[1].startsWith(u"L3-A,1,"_qs + QString::number(a.points[0].condenser_flow) +
                                       u".0,"_qs))
        << key_rows[1].toStdString();

    // Another seed draws other conditions under the same seal.
    ASSERT_EQ(prepare(u"tres"_qs, u"43"_qs, key).exit_code, 0);
    EXPECT_NE(assignment_in(path(u"tres/L3-A.gelvor"_qs)).points, a.points);
    EXPECT_EQ(bytes_of(key).trimmed(), hex);
}

// With no display at all, no seed and no key named: a seed is chosen and
// told, the key is made in the user's data folder, and the seed told gives
// the same notebooks again.
TEST_F(ClassCommand, WithoutASeedOneIsToldThatGivesTheSameClassAgain) {
    groups_file(kGroups);
    QProcessEnvironment bare = environment(u"es_ES.UTF-8"_qs);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        bare.remove(QString::fromLatin1(name));
    const Output first =
        run({u"prepare"_qs, u"--groups"_qs, path(u"grupos.txt"_qs), u"--out"_qs, path(u"uno"_qs)},
            {}, bare);
    ASSERT_EQ(first.exit_code, 0) << first.err.toStdString();
    EXPECT_EQ(first.err, QString());
    const auto seed = QRegularExpression(u"^Semilla: (\\d+) "_qs).match(first.out);
    ASSERT_TRUE(seed.hasMatch()) << first.out.toStdString();
    EXPECT_TRUE(
        first.out.contains(u"Clave del profesor: "_qs + default_key() + u" (creada ahora"_qs))
        << first.out.toStdString();
    EXPECT_TRUE(bytes_of(path(u"uno/clave.pdf"_qs)).startsWith("%PDF-"));
    // Spanish numbers in the answer key of a Spanish-speaking user.
    EXPECT_TRUE(bytes_of(path(u"uno/clave.csv"_qs)).startsWith("\xEF\xBB\xBFgrupo;punto;"));

    const Output again = run({u"prepare"_qs, u"--groups"_qs, path(u"grupos.txt"_qs), u"--out"_qs,
                              path(u"dos"_qs), u"--seed"_qs, seed.captured(1)});
    ASSERT_EQ(again.exit_code, 0) << again.err.toStdString();
    for (const QString& name : {u"L3-A.gelvor"_qs, u"L3-B.gelvor"_qs, u"L3_C.gelvor"_qs})
        EXPECT_EQ(bytes_of(path(u"uno/"_qs + name)), bytes_of(path(u"dos/"_qs + name)));
}

TEST_F(ClassCommand, UsageErrorsExitWithTwoAndOneLineWithAHint) {
    const QString g = groups_file(kGroups);
    const QString d = path(u"clase"_qs);
    for (const QStringList& args :
         {QStringList{},
          {u"bogus"_qs},
          {u"--bogus"_qs},
          {u"prepare"_qs},
          {u"prepare"_qs, u"--groups"_qs, g},
          {u"prepare"_qs, u"--out"_qs, d},
          {u"prepare"_qs, u"--groups"_qs, g, u"--out"_qs, d, u"sobra"_qs},
          {u"prepare"_qs, u"--groups"_qs, g, u"--out"_qs, d, u"--seed"_qs, u"-1"_qs},
          {u"prepare"_qs, u"--groups"_qs, g, u"--out"_qs, d, u"--seed"_qs, u"4294967296"_qs},
          {u"prepare"_qs, u"--groups"_qs, g, u"--out"_qs, d, u"--csv"_qs},
          {u"prepare"_qs, u"--groups"_qs, g, u"--out"_qs, d, u"--tolerance"_qs, u"2"_qs},
          {u"prepare"_qs, u"--groups"_qs, g, u"--out"_qs, d, u"--locale"_qs, u"zz_nowhere"_qs},
          {u"review"_qs},
          {u"review"_qs, u"a.gelvor"_qs, u"--seed"_qs, u"1"_qs},
          {u"review"_qs, u"a.gelvor"_qs, u"--out"_qs, d},
          {u"review"_qs, u"a.gelvor"_qs, u"--tolerance"_qs, u"abc"_qs},
          {u"review"_qs, u"a.gelvor"_qs, u"--tolerance"_qs, u"101"_qs},
          {u"review"_qs, u"a.gelvor"_qs, u"--tolerance"_qs, u"-1"_qs},
          {u"review"_qs, u"a.gelvor"_qs, u"--key"_qs}}) {
        for (const auto& [lang, hint] : {std::pair{u"C"_qs, u"\nTry --help\n"_qs},
                                         std::pair{u"es_ES.UTF-8"_qs, u"\nPruebe --help\n"_qs}}) {
            const Output r = run(args, lang);
            EXPECT_EQ(r.exit_code, 2) << args.join(u' ').toStdString();
            EXPECT_TRUE(r.out.isEmpty());
            EXPECT_TRUE(r.err.startsWith(u"gelvor-class: "_qs)) << r.err.toStdString();
            EXPECT_TRUE(r.err.endsWith(hint)) << r.err.toStdString();
            EXPECT_EQ(r.err.count(u'\n'), 2) << r.err.toStdString();
        }
    }
    // Nothing was written, not even a key.
    EXPECT_FALSE(QFileInfo::exists(d));
    EXPECT_FALSE(QFileInfo::exists(default_key()));
}

// A list of groups or a key that cannot be used is told in one line, in the
// user's language, before anything is written.
TEST_F(ClassCommand, AListOrAKeyThatCannotBeUsedStopsBeforeWriting) {
    const QString key = path(u"clave.hex"_qs);
    const auto prepare_with = [&](const QByteArray& groups, const QString& lang) {
        groups_file(groups);
        return run({u"prepare"_qs, u"--groups"_qs, path(u"grupos.txt"_qs), u"--out"_qs,
                    path(u"clase"_qs), u"--key"_qs, key},
                   lang);
    };
    const Output english = prepare_with("A: x\nB x\n", u"C"_qs);
    EXPECT_EQ(english.exit_code, 1);
    EXPECT_TRUE(english.err.endsWith(
        u"Line 2 of the list of groups: the \":\" between the group and its students is missing.\n"_qs))
        << english.err.toStdString();
    const Output spanish = prepare_with("A: x\nA: y\n", u"es_ES.UTF-8"_qs);
    EXPECT_EQ(spanish.exit_code, 1);
    EXPECT_TRUE(spanish.err.contains(u"el grupo «A» ya está en la lista"_qs))
        << spanish.err.toStdString();
    // Latin-1, as an old editor saves it: refused, never sealed with broken names.
    const Output latin1 = prepare_with(
        "A: Pe\xF1"
        "a\n",
        u"C"_qs);
    EXPECT_EQ(latin1.exit_code, 1);
    EXPECT_TRUE(latin1.err.contains(u"is not UTF-8 text"_qs)) << latin1.err.toStdString();
    for (const Output& r : {english, spanish, latin1}) EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_FALSE(QFileInfo::exists(key));
    EXPECT_FALSE(QFileInfo::exists(path(u"clase"_qs)));

    // A file that is no key is refused and left as it is, by both commands.
    write(u"clave.hex"_qs, "no es una clave\n");
    const Output not_a_key = prepare_with(kGroups, u"C"_qs);
    EXPECT_EQ(not_a_key.exit_code, 1);
    EXPECT_TRUE(not_a_key.err.contains(u"is not a Gelvor teacher's key"_qs));
    EXPECT_EQ(bytes_of(key), "no es una clave\n");
    EXPECT_EQ(run({u"review"_qs, path(u"grupos.txt"_qs), u"--key"_qs, key}).exit_code, 1);

    // A review never makes a key: without the class's own, every seal would fail.
    const Output no_key = run({u"review"_qs, path(u"grupos.txt"_qs)}, u"es_ES.UTF-8"_qs);
    EXPECT_EQ(no_key.exit_code, 1);
    EXPECT_TRUE(no_key.out.isEmpty());
    EXPECT_EQ(no_key.err, u"gelvor-class: No existe la clave del profesor «"_qs + default_key() +
                              u"». La revisión necesita la clave con la que se preparó la "
                              u"práctica: --key ARCHIVO.\n"_qs);
    EXPECT_FALSE(QFileInfo::exists(default_key()));
}

// Splits one CSV record as RFC 4180 writes it.
QStringList csv_fields(const QString& line, QChar separator) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"')
            fields.last() += line[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (c == separator && !quoted)
            fields << QString();
        else
            fields.last() += c;
    }
    return fields;
}

// Where each of a line's characters starts, as a reader counts characters.
std::vector<qsizetype> character_starts(const QString& line) {
    std::vector<qsizetype> starts{0};
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary())
        starts.push_back(at);
    return starts;
}

// The review of a whole class: the groups' notebooks made in C++ from the
// notebooks the command handed out, each honest or not in its own way.
class ClassReview : public ClassCommand {
  protected:
    QString key;
    std::map<std::string, NotebookDocument> notebooks;

    void SetUp() override {
        groups_file(
            "L3-A: Ana Pérez, Luis Gómez\nL3-B: Eva Ruiz\nL3-C: Íñigo Peña\nL3-D: Jose\xCC\x81 "
            "Sanz\nL3-E: Marta Gil\nL3-\x1B[2J: Nadie\n");
        key = path(u"clave.hex"_qs);
        const Output prepared = prepare(u"clase"_qs, u"7"_qs, key);
        ASSERT_EQ(prepared.exit_code, 0) << prepared.err.toStdString();
        for (const char* group : {"L3-A", "L3-B", "L3-C", "L3-D", "L3-E"}) {
            const Assignment a =
                assignment_in(path(u"clase/"_qs + QString::fromLatin1(group) + u".gelvor"_qs));
            notebooks[group] =
                testing::honest_notebook(a, group == std::string("L3-B") ? "en_US" : "es_ES");
        }
        // A: one result wrong. B: a reading typed over. C: an easier room,
        // unsealed. D: A's hand results, all of them. E: honest.
        notebooks["L3-A"].points[0].hand_results[1] = "1";
        notebooks["L3-B"].points[1].readings[3].second = "99";
        notebooks["L3-C"].assignment->points[0].ambient += 1;
        for (std::size_t i = 0; i < 3; ++i)
            notebooks["L3-D"].points[i].hand_results = notebooks["L3-A"].points[i].hand_results;
        NotebookDocument foreign;
        foreign.header.group = "Z";
        notebooks["Z"] = foreign;
        for (const auto& [group, d] : notebooks)
            write(u"entregas/"_qs + QString::fromStdString(group) + u".gelvor"_qs,
                  QByteArray::fromStdString(notebook_to_json(d, "Gelvor")));
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        ClassCommand::write(name, bytes);
    }

    QStringList submissions() {
        write(u"entregas/roto.gelvor"_qs, bytes_of(path(u"entregas/L3-E.gelvor"_qs)).left(300));
        write(u"entregas/notas.txt"_qs, "Ana: 10\n");
        QStringList files;
        for (const char* name : {"L3-A", "L3-B", "L3-C", "L3-D", "L3-E", "Z", "roto"})
            files << path(u"entregas/"_qs + QString::fromLatin1(name) + u".gelvor"_qs);
        files << path(u"entregas/notas.txt"_qs) << path(u"entregas/perdido.gelvor"_qs)
              << path(u"clase/L3-_[2J.gelvor"_qs);
        return files;
    }
};

TEST_F(ClassReview, EachFileGetsItsRowInBothFormsAndTheReviewGoesOn) {
    const QStringList files = submissions();
    const Output csv =
        run(QStringList{u"review"_qs, u"--csv"_qs, u"--key"_qs, key, u"--locale"_qs, u"es_ES"_qs} +
            files);
    ASSERT_EQ(csv.exit_code, 0) << csv.err.toStdString();
    EXPECT_EQ(csv.err, QString());
    const QStringList lines = csv.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + files.size());
    std::vector<QStringList> rows;
    for (const QString& line : lines) rows.push_back(csv_fields(line, u';'));
    QStringList headers;
    for (const char* h : kReviewHeaders) headers << QString::fromUtf8(h);
    EXPECT_EQ(rows[0], headers);
    const auto row = [&](const char* file) {
        for (const QStringList& r : rows)
            if (r.value(2) == QString::fromUtf8(file))
                return r.mid(0, 10) << QString();
        return QStringList{u"<missing>"_qs};
    };
    const auto observations = [&](const char* file) {
        for (const QStringList& r : rows)
            if (r.value(2) == QString::fromUtf8(file))
                return r.value(10);
        return u"<missing>"_qs;
    };
    // group, students, file, taken, assigned, authentic, sealed, correct, copy of, mark
    const QString s = u"sí"_qs;
    EXPECT_EQ(row("L3-E.gelvor"), QStringList({u"L3-E"_qs,
                                               u"Marta Gil"_qs,
                                               u"L3-E.gelvor"_qs,
                                               u"3"_qs,
                                               u"3"_qs,
                                               s,
                                               s,
                                               u"24"_qs,
                                               {},
                                               u"10,0"_qs,
                                               {}}));
    EXPECT_EQ(observations("L3-E.gelvor"), QString());
    // A and D share every hand result: both are marked, neither is told apart.
    EXPECT_EQ(row("L3-A.gelvor"), QStringList({u"L3-A"_qs,
                                               u"Ana Pérez, Luis Gómez"_qs,
                                               u"L3-A.gelvor"_qs,
                                               u"3"_qs,
                                               u"3"_qs,
                                               s,
                                               s,
                                               u"23"_qs,
                                               u"L3-D.gelvor"_qs,
                                               u"0,0"_qs,
                                               {}}));
    EXPECT_EQ(row("L3-D.gelvor")[8], u"L3-A.gelvor"_qs);
    EXPECT_EQ(observations("L3-D.gelvor"), QString::fromStdString(copy_of({"L3-A.gelvor"})));
    // B's hand results, in English numbers, are all right; its reading is not.
    EXPECT_EQ(row("L3-B.gelvor"), QStringList({u"L3-B"_qs,
                                               u"Eva Ruiz"_qs,
                                               u"L3-B.gelvor"_qs,
                                               u"3"_qs,
                                               u"3"_qs,
                                               u"no"_qs,
                                               s,
                                               u"24"_qs,
                                               {},
                                               u"0,0"_qs,
                                               {}}));
    EXPECT_EQ(observations("L3-B.gelvor"), QString::fromStdString(readings_changed({"2"})));
    // C's first point was taken at the room it wrote in, not the one sealed.
    EXPECT_EQ(row("L3-C.gelvor")[3], u"2"_qs);
    EXPECT_EQ(row("L3-C.gelvor")[6], u"no"_qs);
    EXPECT_EQ(row("L3-C.gelvor")[9], u"0,0"_qs);
    EXPECT_TRUE(observations("L3-C.gelvor").startsWith(QString::fromUtf8(kSealBroken)));
    EXPECT_EQ(row("Z.gelvor")[4], u"0"_qs);
    EXPECT_EQ(observations("Z.gelvor"), QString::fromUtf8(kNotAnAssignment));
    // What cannot be read is told why, with an empty row around it.
    for (const char* file : {"roto.gelvor", "notas.txt", "perdido.gelvor"}) {
        EXPECT_EQ(row(file), QStringList({{},
                                          {},
                                          QString::fromUtf8(file),
                                          u"0"_qs,
                                          u"0"_qs,
                                          {},
                                          {},
                                          u"0"_qs,
                                          {},
                                          u"0,0"_qs,
                                          {}}))
            << file;
        EXPECT_FALSE(observations(file).isEmpty()) << file;
    }
    EXPECT_TRUE(observations("perdido.gelvor").startsWith(u"no se pudo leer: "_qs));
    // A notebook handed back untouched: sealed, nothing taken.
    const QStringList untouched = rows.back();
    EXPECT_EQ(untouched.mid(3, 7), QStringList({u"0"_qs, u"3"_qs, s, s, u"0"_qs, {}, u"0,0"_qs}));

    // The aligned table holds the same cells, each column starting where its
    // header does, counted in characters: "José" written with a combining
    // accent is as wide as with a precomposed one.
    const Output table =
        run(QStringList{u"review"_qs, u"--key"_qs, key, u"--locale"_qs, u"es_ES"_qs} + files);
    ASSERT_EQ(table.exit_code, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains(u"Jose\u0301 Sanz"_qs));
    // A group's name cannot drive the terminal.
    EXPECT_FALSE(table.out.contains(QChar(0x1B)));
    EXPECT_TRUE(table.out.contains(u"L3-\uFFFD[2J"_qs));
    const QStringList table_lines = table.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(table_lines.size(), lines.size());
    std::vector<qsizetype> columns;  // each header's start, in characters
    for (const QString& h : headers) {
        const qsizetype at = table_lines[0].indexOf(h, columns.empty() ? 0 : columns.back() + 1);
        ASSERT_GE(at, 0);
        columns.push_back(at);  // the header line is plain ASCII and Latin-1
    }
    for (qsizetype r = 0; r < table_lines.size(); ++r) {
        const QString& line = table_lines[r];
        const std::vector<qsizetype> starts = character_starts(line);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const auto at = [&](qsizetype character) {
                return character < qsizetype(starts.size()) ? starts[std::size_t(character)]
                                                            : line.size();
            };
            const qsizetype from = at(columns[c]);
            const qsizetype to = c + 1 < columns.size() ? at(columns[c + 1]) : line.size();
            QString expected = rows[std::size_t(r)].value(qsizetype(c));
            expected.replace(QChar(0x1B), QChar::ReplacementCharacter);
            EXPECT_EQ(line.mid(from, to - from).trimmed(), expected) << r << ' ' << c;
            if (c > 0 && from < line.size()) {
                EXPECT_EQ(line.mid(from - 2, 2), u"  "_qs) << r << ' ' << c;
            }
        }
    }
}

// Under another key no seal holds: the table says so row by row, and stderr
// asks whether it is the class's key.
TEST_F(ClassReview, UnderAnotherKeyNoSealHoldsAndTheTeacherIsAsked) {
    const QString other = path(u"otra.hex"_qs);
    ASSERT_EQ(prepare(u"otra"_qs, u"7"_qs, other).exit_code, 0);
    const QStringList files = submissions();
    const Output r = run(QStringList{u"review"_qs, u"--csv"_qs, u"--key"_qs, other} + files);
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + files.size());
    for (qsizetype i = 1; i < lines.size(); ++i)
        EXPECT_NE(csv_fields(lines[i], u',').value(6), u"sí"_qs) << lines[i].toStdString();
    EXPECT_EQ(r.err, u"gelvor-class: no notebook's seal holds under the key \""_qs + other +
                         u"\": is it the key the class was prepared with?\n"_qs);
    // A file named twice by a slip is reviewed once, not as a copy of itself.
    const QString e = path(u"entregas/L3-E.gelvor"_qs);
    const Output twice = run({u"review"_qs, u"--csv"_qs, u"--key"_qs, key, e,
                              path(u"entregas/../entregas/L3-E.gelvor"_qs), e});
    const QStringList once = twice.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(once.size(), 2) << twice.out.toStdString();
    EXPECT_TRUE(once[1].endsWith(u",,10.0,"_qs)) << once[1].toStdString();
    // One file alone that fails its seal is a forgery like any other.
    EXPECT_EQ(run({u"review"_qs, u"--key"_qs, key, path(u"entregas/L3-C.gelvor"_qs)}).err,
              QString());
}

// A wider tolerance counts A's wrong result; the C locale writes its marks
// with a point and separates with commas.
TEST_F(ClassReview, TheToleranceIsInPercentInEitherNumberFormat) {
    submissions();
    const QString a = path(u"entregas/L3-A.gelvor"_qs);
    const double qc = std::stod(
        notebooks["L3-A"].points[0].readings[std::size_t(notebook_column("Qc (W)"))].second);
    notebooks["L3-A"].points[0].hand_results[1] = std::to_string(int(qc * 1.04));
    write(u"entregas/L3-A.gelvor"_qs,
          QByteArray::fromStdString(notebook_to_json(notebooks["L3-A"], "Gelvor")));
    const auto correct = [&](const QStringList& tolerance, const QString& lang) {
        const Output r =
            run(QStringList{u"review"_qs, u"--csv"_qs, u"--key"_qs, key, a} + tolerance, lang);
        EXPECT_EQ(r.exit_code, 0) << r.err.toStdString();
        const QStringList lines = r.out.split(u"\r\n"_qs, Qt::SkipEmptyParts);
        return lines.size() == 2 ? lines[1] : QString();
    };
    EXPECT_TRUE(correct({}, u"C"_qs).contains(u",23,,9.8,"_qs))
        << correct({}, u"C"_qs).toStdString();
    EXPECT_TRUE(correct({u"--tolerance"_qs, u"4.5"_qs}, u"C"_qs).contains(u",24,,10.0,"_qs));
    EXPECT_TRUE(
        correct({u"--tolerance"_qs, u"4,5"_qs}, u"es_ES.UTF-8"_qs).contains(u";24;;10,0;"_qs));
    // With a point under Spanish numbers: 1.5 %, not 15.
    EXPECT_TRUE(
        correct({u"--tolerance"_qs, u"1.5"_qs}, u"es_ES.UTF-8"_qs).contains(u";23;;9,8;"_qs));
    EXPECT_TRUE(correct({u"--tolerance"_qs, u"0"_qs}, u"C"_qs).contains(u",23,,9.8,"_qs));
}

TEST_F(ClassCommand, HelpAndVersionInTheUsersLanguage) {
    const Output help = run({u"--help"_qs});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_TRUE(
        help.out.startsWith(u"Usage: gelvor-class prepare --groups FILE --out FOLDER [options]\n"
                            u"  or:  gelvor-class review FILE... [options]\n"_qs))
        << help.out.toStdString();
    for (const char* name : {"--groups", "--out", "--seed", "--key", "--tolerance", "--csv",
                             "--locale", "--help", "--version", "Exit status:"})
        EXPECT_TRUE(help.out.contains(QLatin1StringView(name))) << name;
    // The default key as every user has it, so that the man page is the same for all.
    EXPECT_TRUE(help.out.simplified().contains(u"(default: ~/data/Gelvor/clave-del-profesor)"_qs))
        << help.out.toStdString();
    const Output ayuda = run({u"review"_qs, u"--help"_qs}, u"es_ES.UTF-8"_qs);
    EXPECT_EQ(ayuda.exit_code, 0);
    EXPECT_TRUE(ayuda.out.startsWith(u"Uso: gelvor-class prepare --groups ARCHIVO"_qs));
    EXPECT_TRUE(ayuda.out.contains(u"Opciones:"_qs));
    EXPECT_TRUE(ayuda.out.contains(u"Muestra la versión."_qs));
    EXPECT_TRUE(ayuda.out.contains(u"Estado de salida:"_qs));
    EXPECT_FALSE(ayuda.out.contains(u"Displays"_qs));
    const Output version = run({u"--version"_qs});
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, u"gelvor-class "_qs + QString::fromLatin1(version::kText) + u'\n');
}

TEST_F(ClassCommand, WhatCannotBeWrittenExitsWithThreeAndSaysSo) {
    groups_file(kGroups);
    const QString key = path(u"clave.hex"_qs);
    ASSERT_EQ(prepare(u"clase"_qs, u"1"_qs, key).exit_code, 0);
    for (const QStringList& args :
         {QStringList{u"--help"_qs},
          {u"review"_qs, u"--key"_qs, key, path(u"clase/L3-A.gelvor"_qs)},
          {u"review"_qs, u"--csv"_qs, u"--key"_qs, key, path(u"clase/L3-A.gelvor"_qs)}}) {
        QProcess p;
        p.setProcessEnvironment(environment(u"C"_qs));
        p.setStandardOutputFile(u"/dev/full"_qs);
        p.start(QString::fromUtf8(GELVOR_CLASS), args);
        p.waitForFinished(60000);
        EXPECT_EQ(p.exitCode(), 3) << args.join(u' ').toStdString();
        EXPECT_TRUE(p.readAllStandardError().startsWith(
            "gelvor-class: cannot write the output: No space left on device"));
    }
    // A folder where a file is: what was written before is told, and the key stays.
    write(u"ocupado"_qs, "un archivo\n");
    const Output blocked = run({u"prepare"_qs, u"--groups"_qs, path(u"grupos.txt"_qs), u"--out"_qs,
                                path(u"ocupado"_qs), u"--key"_qs, key},
                               u"es_ES.UTF-8"_qs);
    EXPECT_EQ(blocked.exit_code, 3);
    EXPECT_EQ(blocked.err,
              u"gelvor-class: No se pudo crear la carpeta «"_qs + path(u"ocupado"_qs) + u"».\n"_qs);
    EXPECT_FALSE(blocked.out.contains(u"Escrito"_qs));
    EXPECT_EQ(bytes_of(path(u"ocupado"_qs)), "un archivo\n");
}

}  // namespace
}  // namespace gelvor
