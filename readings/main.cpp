// gelvor-readings: prints what the simulator window shows for one pass, or a
// CSV table of operating points, for teachers preparing the exercise.
#include <QStringList>
#include <cstdio>

#include "readings/readings.h"

namespace {

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gelvor;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QString error;
    bool help = false;
    const auto request = readings::parse_arguments(arguments, error, help);
    if (help) {
        print(stdout, readings::usage());
        return 0;
    }
    if (!request) {
        print(stderr, "gelvor-readings: " + error + "\n\n" + readings::usage());
        return 2;
    }

    if (!request->csv) {
        const PassDisplay pass = run_pass(request->settings, request->locale);
        print(stdout, readings::pass_lines(pass));
        return pass.complete() ? 0 : 1;
    }

    print(stdout, readings::csv_header(*request));
    PanelSettings settings = request->settings;
    const auto sweep = request->sweep.value_or(readings::Sweep{});
    const int step = sweep.to >= sweep.from ? 1 : -1;
    bool all_complete = true;
    for (int v = sweep.from;; v += step) {
        if (request->sweep) {
            readings::apply_sweep_value(settings, sweep.name, v);
        }
        const PassDisplay pass = run_pass(settings, request->locale);
        all_complete = all_complete && pass.complete();
        print(stdout, readings::csv_row(*request, settings, pass));
        if (!request->sweep || v == sweep.to) {
            break;
        }
    }
    return all_complete ? 0 : 1;
}
