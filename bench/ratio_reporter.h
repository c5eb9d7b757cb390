// A benchmark's table, then each named benchmark's median CPU time (or its
// one result) against the floor's, measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace gelvor::bench {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    // `unit` as the benchmarks report their time ("ns", "ms").
    RatioReporter(std::string floor, std::string floor_name, std::vector<std::string> names,
                  const char* unit)
        : floor_(std::move(floor)),
          floor_name_(std::move(floor_name)),
          names_(std::move(names)),
          unit_(unit) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (median || (r.run_type == Run::RT_Iteration && r.repetitions <= 1))
                times_[r.run_name.function_name] = r.GetAdjustedCPUTime();
        }
    }
    void print_ratios() const {
        const auto floor = times_.find(floor_);
        if (floor == times_.end() || floor->second <= 0)
            return;
        std::printf("\nCPU time against %s (%.2f %s), in this run:\n", floor_name_.c_str(),
                    floor->second, unit_);
        for (const std::string& name : names_) {
            if (const auto it = times_.find(name); it != times_.end())
                std::printf("  %-20s %10.2f %s  %7.2f x floor\n", name.c_str(), it->second, unit_,
                            it->second / floor->second);
        }
    }

  private:
    std::string floor_, floor_name_;
    std::vector<std::string> names_;
    const char* unit_;
    std::map<std::string, double> times_;
};

}  // namespace gelvor::bench
