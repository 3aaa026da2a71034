// Start-up benchmark driver: runs the floor program and the game's start-up probe alternately,
// several times each, and prints the median time to the first painted frame and the median peak
// memory of each, with their ratio and difference.
//   startup <floor-program> <game-probe> [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakKib = 0;
};

bool runOnce(const QString& program, Sample& sample)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    environment.insert(QStringLiteral("TELMARONDA_BENCH_SPAWN_NS"),
        QString::number(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    static const QRegularExpression line(QStringLiteral("startup_ms=([0-9.]+) peak_kib=([0-9]+)"));
    const QRegularExpressionMatch match
        = line.match(QString::fromUtf8(process.readAllStandardOutput()));
    if (!match.hasMatch())
        return false;
    sample = {match.captured(1).toDouble(), match.captured(2).toDouble()};
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: startup <floor-program> <game-probe> [runs]\n");
        return 2;
    }
    const int runs = arguments.size() > 3 ? arguments.at(3).toInt() : 15;
    const QString programs[2] = {arguments.at(1), arguments.at(2)};

    std::vector<double> times[2], memory[2], ratios;
    // One warm-up of each, so both find the libraries in the page cache.
    for (const QString& program : programs) {
        Sample ignored;
        runOnce(program, ignored);
    }
    for (int run = 0; run < runs; ++run) {
        Sample samples[2];
        for (int which = 0; which < 2; ++which) {
            // Alternate which program goes first, so neither always runs on a warmer machine.
            const int index = run % 2 ? 1 - which : which;
            if (!runOnce(programs[index], samples[index])) {
                std::fprintf(stderr, "%s failed\n", qPrintable(programs[index]));
                return 1;
            }
        }
        for (int which = 0; which < 2; ++which) {
            times[which].push_back(samples[which].milliseconds);
            memory[which].push_back(samples[which].peakKib);
        }
        ratios.push_back(samples[1].milliseconds / samples[0].milliseconds);
    }

    const double floorMs = median(times[0]), gameMs = median(times[1]);
    const double floorMib = median(memory[0]) / 1024, gameMib = median(memory[1]) / 1024;
    std::printf(
        "| start-up, %2d runs each       |      floor |       game | game vs floor        |\n",
        runs);
    std::printf(
        "|------------------------------|------------|------------|----------------------|\n");
    std::printf("| first painted frame, median  | %7.1f ms | %7.1f ms | x %.2f (median ratio) |\n",
        floorMs, gameMs, median(ratios));
    std::printf(
        "| peak resident memory, median | %6.1f MiB | %6.1f MiB | %+5.1f MiB            |\n",
        floorMib, gameMib, gameMib - floorMib);
    return 0;
}
