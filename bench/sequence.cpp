// Benchmarks of the window sequence, run on the real windows:
//   bench_sequence rebuild [cycles]  time from the credits window's unload to the first painted
//                                    frame of the fresh crossword window, with a clock that skips
//                                    the five seconds
//   bench_sequence credits [runs]    time from the credits window's load to its unload, on the
//                                    program's own clock
#include "app/windowsequence.h"
#include "bench/firstframe.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QTimer>
#include <vector>

namespace {

// The program's monotonic clock, which the rebuild benchmark can push forward.
class SkippingClock final : public Clock {
public:
    double seconds() const override { return m_real->seconds() + m_skipped; }
    void skip(double seconds) { m_skipped += seconds; }

private:
    std::shared_ptr<const Clock> m_real = Clock::monotonic();
    double m_skipped = 0;
};

void printSummary(const char* what, std::vector<double> values, const char* unit)
{
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    std::printf("%s: runs=%zu median=%.3f min=%.3f max=%.3f %s\n", what, values.size(), median,
        values.front(), values.back(), unit);
}

class Bench : public QObject {
public:
    Bench(bool rebuild, int runs)
        : m_rebuild(rebuild)
        , m_runs(runs)
        , m_windows(m_clock)
    {
        m_windows.showForm1();
        FirstFrame::watch(QStringLiteral("Form1"), [this] { nextRun(); });
    }

private:
    void nextRun()
    {
        if (static_cast<int>(m_results.size()) == m_runs) {
            if (m_rebuild)
                printSummary("rebuild after credits", m_results, "ms");
            else
                printSummary("credits on screen", m_results, "s");
            QCoreApplication::exit(0);
            return;
        }
        m_windows.mnuautor_Click();
        Form2* credits = m_windows.form2();
        connect(credits, &Form2::unloaded, this, [this, credits] {
            if (m_rebuild) {
                const qint64 unloadedAt = FirstFrame::nowNanoseconds();
                FirstFrame::watch(QStringLiteral("Form1"), [this, unloadedAt] {
                    m_results.push_back((FirstFrame::nowNanoseconds() - unloadedAt) / 1e6);
                    nextRun();
                });
            } else {
                m_results.push_back(m_clock->seconds() - credits->StartTime());
                FirstFrame::watch(QStringLiteral("Form1"), [this] { nextRun(); });
            }
        });
        if (m_rebuild)
            m_clock->skip(5.0);
    }

    bool m_rebuild;
    int m_runs;
    std::shared_ptr<SkippingClock> m_clock = std::make_shared<SkippingClock>();
    WindowSequence m_windows;
    std::vector<double> m_results;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode != QLatin1String("rebuild") && mode != QLatin1String("credits")) {
        std::fprintf(stderr, "usage: bench_sequence rebuild|credits [runs]\n");
        return 2;
    }
    const bool rebuild = mode == QLatin1String("rebuild");
    const int runs = arguments.size() > 2 ? arguments.at(2).toInt() : (rebuild ? 50 : 10);
    Bench bench(rebuild, std::max(runs, 1));
    return QApplication::exec();
}
