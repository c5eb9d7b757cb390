// The teacher's review of a class of 200 groups, each notebook with its
// three points taken and every hand result typed, against a floor measured in
// the same run: reading the 200 files alone. With --write-class FOLDER it
// writes that class (FOLDER/entregas/*.gelvor and the key that sealed them,
// FOLDER/clave-del-profesor) for scripts/bench-class to time the command on.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "bench/ratio_reporter.h"
#include "classroom/command/class_actions.h"
#include "classroom/seal.h"
#include "classroom/submissions.h"
#include "notebook/notebook_file.h"
#include "tests/class_notebooks.h"

namespace {

using namespace gelvor;

constexpr int kGroups = 200;
// Any key: the seals are made and checked under it.
const QByteArray kKey =
    QByteArray::fromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");

// Every fifth group writes English numbers, as a class's machines may.
std::vector<std::pair<QString, std::string>> class_files() {
    std::mt19937 rng(20261208);
    std::vector<std::pair<QString, std::string>> files;
    for (int g = 0; g < kGroups; ++g) {
        const std::string name = "G" + std::to_string(g + 1);
        Assignment a{name,
                     {"Alumno " + std::to_string(2 * g), "Alumna " + std::to_string(2 * g + 1)},
                     draw_points(rng),
                     {}};
        a.seal = classroom::seal_of(a, kKey);
        const NotebookDocument d = testing::honest_notebook(a, g % 5 == 4 ? "en_US" : "es_ES");
        files.emplace_back(QString::fromStdString(name + ".gelvor"), notebook_to_json(d, "Gelvor"));
    }
    return files;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool write_class(const QString& folder) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("entregas")) ||
        !write(dir.filePath(QStringLiteral("clave-del-profesor")), kKey.toHex() + '\n'))
        return false;
    for (const auto& [name, bytes] : class_files()) {
        if (!write(dir.filePath(QStringLiteral("entregas/") + name),
                   QByteArray::fromStdString(bytes)))
            return false;
    }
    return true;
}

struct Class {
    QTemporaryDir folder;
    QStringList paths;
    std::vector<Submission> in_memory;
};

// Made at first use, and its folder removed at exit.
const Class& the_class() {
    static Class c;
    static const bool made = [] {
        if (!write_class(c.folder.path()))
            return false;
        for (const auto& [name, bytes] : class_files()) {
            c.paths << c.folder.filePath(QStringLiteral("entregas/") + name);
            c.in_memory.push_back({name.toStdString(), bytes, {}});
        }
        return true;
    }();
    if (!made)
        std::abort();
    return c;
}

// The floor: the 200 files read whole, nothing more.
void ReadFiles(benchmark::State& state) {
    const Class& c = the_class();
    for (auto _ : state) benchmark::DoNotOptimize(classroom::read_submissions(c.paths));
}
BENCHMARK(ReadFiles)->Unit(benchmark::kMillisecond);

// Their JSON read into notebooks, without checking anything.
void ParseNotebooks(benchmark::State& state) {
    const Class& c = the_class();
    for (auto _ : state) {
        for (const Submission& s : c.in_memory)
            benchmark::DoNotOptimize(notebook_from_json(s.bytes));
    }
}
BENCHMARK(ParseNotebooks)->Unit(benchmark::kMillisecond);

// The review of the files in memory: seals, every point computed again,
// hand results, copies, marks.
void Review(benchmark::State& state) {
    const Class& c = the_class();
    for (auto _ : state) {
        const auto rows = classroom::review_with_key(c.in_memory, kKey, kDefaultTolerance);
        if (rows.size() != kGroups || rows.back().mark != 10)
            state.SkipWithError("the class does not review as honest");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(Review)->Unit(benchmark::kMillisecond);

// What gelvor-class review does after it starts: the files read, reviewed
// and the aligned table made.
void ReadReviewAndTable(benchmark::State& state) {
    const Class& c = the_class();
    class_command::Request request;
    request.style = spanish_number_style();
    for (auto _ : state) {
        const auto rows = classroom::review_with_key(classroom::read_submissions(c.paths), kKey,
                                                     kDefaultTolerance);
        benchmark::DoNotOptimize(class_command::review_text(rows, request));
    }
}
BENCHMARK(ReadReviewAndTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-class") == 0) {
        if (write_class(QString::fromLocal8Bit(argv[2])))
            return 0;
        std::fprintf(stderr, "bench_class_review: cannot write the class into %s\n", argv[2]);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    gelvor::bench::RatioReporter reporter("ReadFiles",
                                          "reading the " + std::to_string(kGroups) + " files",
                                          {"ParseNotebooks", "Review", "ReadReviewAndTable"}, "ms");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}
