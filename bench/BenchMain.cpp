#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Shows every run as usual and keeps the medians of the benchmarks that carry a goal,
// for the table at the end.
class TGoalReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    struct TGoal {
        std::string Name;
        double Goal = 0;
        double Median = 0;
    };
    std::vector<TGoal> Goals;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto goal = run.counters.find("goal_us");
            if (goal == run.counters.end()) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const double us =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
            Goals.push_back({run.run_name.str(), goal->second.value, us});
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool tabular = false;
    for (int i = 1; i < argc; ++i)
        tabular = tabular || std::strcmp(argv[i], "--benchmark_counters_tabular=true") == 0;
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TGoalReporter reporter(tabular ? benchmark::ConsoleReporter::OO_Tabular
                                   : benchmark::ConsoleReporter::OO_None);
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    ::benchmark::Shutdown();
    if (!reporter.Goals.empty()) {
        std::printf("\n%-52s %12s %12s  %s\n", "goal (median wall time)", "goal", "median", "");
        for (const auto& g : reporter.Goals)
            std::printf("%-52s %9.1f us %9.1f us  %s\n", g.Name.c_str(), g.Goal, g.Median,
                        g.Median <= g.Goal ? "met" : "MISSED");
    }
    return 0;
}
