// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark driver: runs the floor program and the game's start-up probe in pairs, the
// order alternating from pair to pair, and prints the median time to the first frame the display
// server has taken and the median peak memory of each, and the median with its interquartile range
// of the per-pair ratios game / floor; then the game's own start-up, the per-pair difference game -
// floor, beside the floor's time and the processor's name, so that a slow floor and a fast game
// are told apart. With --launcher, each program is started through it (the Windows programs
// through Wine).
//   startup [--launcher <program>] <floor-program> <game-probe> [pairs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0; // to the frame seen by the display server
    double flushedMilliseconds = 0; // to the frame flushed by the program
    double peakKib = 0;
    double ownFileKib = 0; // of the peak, pages of the program's own file
};

QString launcher;

bool runOnce(const QString& program, Sample& sample)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The wall clock, as FirstFrame::nowNanoseconds() reads it.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    environment.insert(QStringLiteral("TELMARONDA_BENCH_SPAWN_NS"),
        QString::number(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    process.setProcessEnvironment(environment);
    if (launcher.isEmpty())
        process.start(program, {});
    else
        process.start(launcher, {program});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    static const QRegularExpression line(
        QStringLiteral("startup_ms=([0-9.]+) flushed_ms=([0-9.]+) peak_kib=(-?[0-9]+) "
                       "own_file_kib=(-?[0-9]+)"));
    const QRegularExpressionMatch match
        = line.match(QString::fromUtf8(process.readAllStandardOutput()));
    if (!match.hasMatch())
        return false;
    sample = {match.captured(1).toDouble(), match.captured(2).toDouble(),
        match.captured(3).toDouble(), match.captured(4).toDouble()};
    return true;
}

// The value below which `share` of the values lie, interpolated between neighbours.
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const double at = share * double(values.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - double(below));
}

double median(const std::vector<double>& values)
{
    return quantile(values, 0.5);
}

// The processor's name as the kernel gives it, or its architecture.
QString processorName()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly))
        for (const QByteArray& line : info.readAll().split('\n'))
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
    return QSysInfo::currentCpuArchitecture();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2 && arguments.at(1) == QLatin1String("--launcher")) {
        launcher = arguments.at(2);
        arguments.remove(1, 2);
    }
    if (arguments.size() < 3) {
        std::fprintf(
            stderr, "usage: startup [--launcher <program>] <floor-program> <game-probe> [pairs]\n");
        return 2;
    }
    const int runs = arguments.size() > 3 ? arguments.at(3).toInt() : 31;
    const QString programs[2] = {arguments.at(1), arguments.at(2)};

    std::vector<double> times[2], flushed[2], memory[2], ownFile[2], ratios, flushedRatios, own;
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
            flushed[which].push_back(samples[which].flushedMilliseconds);
            memory[which].push_back(samples[which].peakKib);
            ownFile[which].push_back(samples[which].ownFileKib);
        }
        ratios.push_back(samples[1].milliseconds / samples[0].milliseconds);
        own.push_back(samples[1].milliseconds - samples[0].milliseconds);
        flushedRatios.push_back(samples[1].flushedMilliseconds / samples[0].flushedMilliseconds);
    }

    const double floorMib = median(memory[0]) / 1024, gameMib = median(memory[1]) / 1024;
    const double floorFileMib = median(ownFile[0]) / 1024, gameFileMib = median(ownFile[1]) / 1024;
    const auto difference = [](double mib) {
        return QStringLiteral("%1%2 MiB")
            .arg(mib >= 0 ? QLatin1String("+") : QLatin1String())
            .arg(mib, 0, 'f', 1);
    };
    const auto ratioCell = [](const std::vector<double>& values) {
        return QStringLiteral("x %1 [%2, %3]")
            .arg(median(values), 0, 'f', 3)
            .arg(quantile(values, 0.25), 0, 'f', 3)
            .arg(quantile(values, 0.75), 0, 'f', 3);
    };
    std::printf("| %-40s | %10s | %10s | %-28s |\n",
        qPrintable(QStringLiteral("start-up, %1 pairs, medians").arg(runs)), "floor", "game",
        "game / floor, per pair [IQR]");
    std::printf("|%s|%s|%s|%s|\n", QByteArray(42, '-').constData(), QByteArray(12, '-').constData(),
        QByteArray(12, '-').constData(), QByteArray(30, '-').constData());
    std::printf("| %-40s | %7.1f ms | %7.1f ms | %-28s |\n", "first frame, seen by the X server",
        median(times[0]), median(times[1]), qPrintable(ratioCell(ratios)));
    std::printf("| %-40s | %7.1f ms | %7.1f ms | %-28s |\n", "first frame, flushed by the program",
        median(flushed[0]), median(flushed[1]), qPrintable(ratioCell(flushedRatios)));
    // A program that cannot read its own memory figures (on Windows) reports -1 for them.
    if (median(memory[0]) >= 0 && median(memory[1]) >= 0) {
        std::printf("| %-40s | %6.1f MiB | %6.1f MiB | %-28s |\n",
            "peak resident memory at the first frame", floorMib, gameMib,
            qPrintable(difference(gameMib - floorMib)));
        std::printf("| %-40s | %6.1f MiB | %6.1f MiB | %-28s |\n",
            "  of which the program's own file", floorFileMib, gameFileMib,
            qPrintable(difference(gameFileMib - floorFileMib)));
    }
    std::printf("\nthe game's own start-up, game - floor per pair: %+.1f ms [%+.1f, %+.1f], x %.3f "
                "over a floor of %.1f ms, on %s\n",
        median(own), quantile(own, 0.25), quantile(own, 0.75), median(ratios), median(times[0]),
        qPrintable(processorName()));
    return 0;
}
