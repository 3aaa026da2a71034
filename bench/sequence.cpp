// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the window sequence, run on the real windows:
//   bench_sequence rebuild [cycles]  time from the credits window's unload to the fresh crossword
//                                    window's first frame, with a clock that skips the five
//                                    seconds: once the frame is painted and flushed in the program,
//                                    and once the X server has taken it (a round trip after it)
//   bench_sequence memory [cycles]   the same cycles, printing the resident memory after cycle
//                                    50 and every 250 cycles, and how far it strays after cycle 50
//   bench_sequence credits [runs]    time from the credits window's load to its unload, on the
//                                    program's own clock
#include "app/application.h"
#include "app/windowsequence.h"
#include "bench/firstframe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QFile>
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

enum class Mode { Rebuild, Memory, Credits };

void printSummary(const char* what, std::vector<double> values, const char* unit)
{
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    std::printf("%s: runs=%zu median=%.3f min=%.3f max=%.3f %s\n", what, values.size(), median,
        values.front(), values.back(), unit);
}

class Bench : public QObject {
public:
    Bench(Mode mode, int runs)
        : m_mode(mode)
        , m_runs(runs)
        , m_windows(m_clock)
    {
        m_windows.showForm1();
        FirstFrame::watch(QStringLiteral("Form1"), [this](const FirstFrame::Times&) { nextRun(); });
    }

private:
    void nextRun()
    {
        if (static_cast<int>(m_painted.size()) == m_runs) {
            finish();
            QCoreApplication::exit(0);
            return;
        }
        m_windows.mnuautor_Click();
        Form2* credits = m_windows.form2();
        connect(credits, &Form2::unloaded, this, [this, credits] {
            if (m_mode == Mode::Credits) {
                m_painted.push_back(m_clock->seconds() - credits->StartTime());
                FirstFrame::watch(
                    QStringLiteral("Form1"), [this](const FirstFrame::Times&) { nextRun(); });
                return;
            }
            const qint64 unloadedAt = FirstFrame::nowNanoseconds();
            FirstFrame::watch(
                QStringLiteral("Form1"), [this, unloadedAt](const FirstFrame::Times& at) {
                    m_painted.push_back((at.flushed - unloadedAt) / 1e6);
                    m_seen.push_back((at.seenByServer - unloadedAt) / 1e6);
                    if (m_mode == Mode::Memory)
                        recordMemory();
                    nextRun();
                });
        });
        if (m_mode != Mode::Credits)
            m_clock->skip(5.0);
    }

    void recordMemory()
    {
        const int cycle = static_cast<int>(m_painted.size());
        const qint64 kib = FirstFrame::statusKib("VmRSS:");
        if (cycle == 50)
            m_memoryAt50 = kib;
        if (cycle >= 50)
            m_strayKib = std::max(m_strayKib, std::abs(kib - m_memoryAt50));
        if (cycle == 1 || cycle == 50 || cycle % 250 == 0)
            std::printf("memory after cycle %4d: %.1f MiB\n", cycle, kib / 1024.0);
    }

    void finish()
    {
        switch (m_mode) {
        case Mode::Rebuild:
            printSummary("rebuild after credits, painted and flushed", m_painted, "ms");
            printSummary("rebuild after credits, seen by the X server", m_seen, "ms");
            break;
        case Mode::Memory:
            std::printf("memory after cycle 50 strays by at most %.2f MiB over cycles 50 to %d\n",
                m_strayKib / 1024.0, m_runs);
            break;
        case Mode::Credits:
            printSummary("credits on screen", m_painted, "s");
            break;
        }
    }

    Mode m_mode;
    int m_runs;
    std::shared_ptr<SkippingClock> m_clock = std::make_shared<SkippingClock>();
    WindowSequence m_windows;
    std::vector<double> m_painted;
    std::vector<double> m_seen;
    qint64 m_memoryAt50 = 0;
    qint64 m_strayKib = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList arguments = QCoreApplication::arguments();
    const QString name = arguments.value(1);
    Mode mode;
    int runs;
    if (name == QLatin1String("rebuild")) {
        mode = Mode::Rebuild;
        runs = 50;
    } else if (name == QLatin1String("memory")) {
        mode = Mode::Memory;
        runs = 2000;
    } else if (name == QLatin1String("credits")) {
        mode = Mode::Credits;
        runs = 10;
    } else {
        std::fprintf(stderr, "usage: bench_sequence rebuild|memory|credits [runs]\n");
        return 2;
    }
    if (arguments.size() > 2)
        runs = arguments.at(2).toInt();
    Bench bench(mode, std::max(runs, 1));
    return QApplication::exec();
}
