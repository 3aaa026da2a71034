// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/firstframe.h"

#include <chrono>
#include <cstdio>
#ifdef Q_OS_WASM
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#endif
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace FirstFrame {
namespace {

#ifndef Q_OS_WASM
// How much of the program's own file is mapped in, from /proc/self/smaps. The kernel maps a file
// in blocks around each page read (64 KiB, or whole large folios of up to some hundred KiB on
// newer kernels), so this part of the peak depends on the kernel as much as on the program.
qint64 ownFileResidentKib()
{
    const QByteArray program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe")).toLocal8Bit();
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (program.isEmpty() || !maps.open(QIODevice::ReadOnly))
        return -1;
    qint64 total = 0;
    bool own = false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        // A mapping's first line starts with its address range; its fields follow as "Name: ...".
        const QByteArray first = line.left(line.indexOf(' '));
        if (!first.isEmpty() && !first.endsWith(':'))
            own = line.endsWith(program);
        else if (own && first == "Rss:")
            total += line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return total;
}
#endif

// Watches every object's paint events, since the window may not exist yet when watching
// starts; removes itself after the first frame.
class Watcher : public QObject {
public:
    Watcher(QString windowName, std::function<void(const Times&)> done)
        : m_windowName(std::move(windowName))
        , m_done(std::move(done))
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->objectName() == m_windowName) {
            m_painted = true;
            // Painted while not yet on screen, the frame reaches the server only when the window
            // is exposed: Qt flushes it then.
            const QWindow* window = static_cast<QWidget*>(watched)->windowHandle();
            if (window && !window->isExposed())
                m_window = window;
            else
                finish();
        } else if (m_window && watched == m_window && event->type() == QEvent::Expose) {
            m_window = nullptr;
            finish();
        }
        return false;
    }

    void finish()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        // The frame is flushed right after this paint or expose; report once it is, and once the
        // display server has answered a request sent after it, so has taken the frame too.
        QTimer::singleShot(0, this, [this] {
            Times times;
            times.flushed = nowNanoseconds();
            QGuiApplication::sync();
            times.seenByServer = nowNanoseconds();
            m_done(times);
            deleteLater();
        });
    }

private:
    QString m_windowName;
    std::function<void(const Times&)> m_done;
    bool m_painted = false;
    QPointer<const QWindow> m_window; // painted, waiting to be exposed
};

} // namespace

qint64 nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch())
        .count();
}

qint64 statusKib(const QByteArray& field)
{
#ifdef Q_OS_WIN
    // Under Wine the path would reach the Linux process of Wine itself, not the program.
    static_cast<void>(field);
    return -1;
#else
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
#endif
}

void watch(const QString& windowName, std::function<void(const Times&)> done)
{
    QCoreApplication::instance()->installEventFilter(new Watcher(windowName, std::move(done)));
}

void reportStartupAndQuit(const QString& windowName)
{
#ifdef Q_OS_WASM
    // In a browser tab the program neither ends nor knows when it was started: it prints the time
    // from the page's start to the frame, once the page has drawn it on its next animation frame.
    watch(windowName, [](const Times&) {
        emscripten_request_animation_frame(
            [](double, void*) {
                std::printf("first_frame_ms=%.1f\n", emscripten_get_now());
                std::fflush(stdout);
                return EM_FALSE;
            },
            nullptr);
    });
#else
    watch(windowName, [](const Times& at) {
        const qint64 spawned = qgetenv("TELMARONDA_BENCH_SPAWN_NS").toLongLong();
        std::printf("startup_ms=%.3f flushed_ms=%.3f peak_kib=%lld own_file_kib=%lld\n",
            (at.seenByServer - spawned) / 1e6, (at.flushed - spawned) / 1e6,
            static_cast<long long>(statusKib("VmHWM:")),
            static_cast<long long>(ownFileResidentKib()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
#endif
}

} // namespace FirstFrame
