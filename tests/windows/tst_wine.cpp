// SPDX-License-Identifier: GPL-3.0-or-later
// TELMARONDA.exe, the program built for Windows, played under Wine as a player plays it: clicks
// and keys from xdotool, and what is on screen read back from the X server. Runs through
// with-window-manager.sh, on a private Xvfb with openbox; skipped (77) where the exe has not been
// built (bash tools/setup.sh windows builds it) or Wine is not installed.
// Fails on an exe built from other sources than these (cmake/SourceDigest.cmake says).
// Each function plays a game of its own.
//   tst_wine <TELMARONDA.exe> <cmake> <SourceDigest.cmake> [QtTest's arguments]
#include "puzzle/puzzle.h"
#include "puzzle/twips.h"
#include "tests/support/xdo.h"
#include "ui/crossword/layout.h"

#include <cstdio>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString exePath;

const QString CrosswordTitle = QStringLiteral("TELMARONDA # 2 EL INTERNADO");
const QString CreditsTitle = QStringLiteral("ACERCA DEL AUTOR");
const QSize ClientArea = Twips::size(Layout::ClientWidth, Layout::ClientHeight);

// How many pixels of a part of the screen are close to a colour.
int pixelsNear(const QRect& area, const QColor& color)
{
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                            .toImage();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) < 64
                && std::abs(pixel.green() - color.green()) < 64
                && std::abs(pixel.blue() - color.blue()) < 64)
                ++count;
        }
    return count;
}

// Waits until a window with this title is shown (or, with `shown` false, until none is) and gives
// its id. xdotool may miss a window for a moment while windows come and go, so each answer is
// taken once, not asked for again.
QString waitForWindow(const QString& title, bool shown, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    QString found;
    while ((found = Xdo::windowNamed(title)).isEmpty() == shown && waited.elapsed() < milliseconds)
        QTest::qWait(50);
    return found;
}

} // namespace

class TestWine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void opensTheCrossword();
    void checksAWordTypedAfterAClick();
    void creditsGiveBackAFreshCrossword();
    void salirEnds();

private:
    // Where a box of the crossword window's client area is on the screen.
    QRect onScreen(const Twips::Box& box) const
    {
        return box.pixels().translated(m_client.topLeft());
    }
    QRect cellOnScreen(int cell) const
    {
        const Puzzle::TwipPoint corner = Puzzle::topLeftOf(cell);
        return onScreen({corner.left, corner.top, Puzzle::CellWidth, Puzzle::CellHeight});
    }
    // Where either verdict would show.
    QRect verdictsOnScreen() const
    {
        return onScreen(Layout::Label1).united(onScreen(Layout::Label2));
    }
    void findCrossword();
    // The menu bar's entries, left to right, from the dark runs of their captions.
    QList<QRect> menuEntries() const;

    QTemporaryDir m_prefix;
    QProcess m_game;
    QString m_window;
    QRect m_client; // the client area below the menu bar, on the screen
    QRect m_menuBar;
};

void TestWine::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A Wine of its own: a new prefix, no debugging output, no offer to install Mono or Gecko.
    environment.insert(QStringLiteral("WINEPREFIX"), m_prefix.path());
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"),
        QStringLiteral("mscoree=;mshtml=;winemenubuilder.exe=d"));
    m_game.setProcessEnvironment(environment);
    m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

void TestWine::init()
{
    m_game.start(QStringLiteral("wine"), {exePath});
    QVERIFY(m_game.waitForStarted());
    findCrossword();
}

void TestWine::cleanup()
{
    QProcess server;
    server.setProcessEnvironment(m_game.processEnvironment());
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    server.waitForFinished();
    m_game.waitForFinished();
    QVERIFY(waitForWindow(CrosswordTitle, false, 60000).isEmpty());
}

void TestWine::findCrossword()
{
    // A new Wine prefix is made on the first start, which takes a while.
    m_window = waitForWindow(CrosswordTitle, true, 90000);
    QVERIFY(!m_window.isEmpty());
    const QRect frame = Xdo::geometry(m_window);
    QCOMPARE(frame.width(), ClientArea.width());
    QVERIFY(frame.height() > ClientArea.height());
    m_client = QRect(QPoint(frame.x(), frame.bottom() + 1 - ClientArea.height()), ClientArea);
    m_menuBar = QRect(frame.topLeft(), QSize(frame.width(), m_client.top() - frame.top()));
}

QList<QRect> TestWine::menuEntries() const
{
    const QImage bar
        = QGuiApplication::primaryScreen()
              ->grabWindow(0, m_menuBar.x(), m_menuBar.y(), m_menuBar.width(), m_menuBar.height())
              .toImage();
    QList<QRect> entries;
    int gap = 0;
    for (int x = 0; x < bar.width(); ++x) {
        bool dark = false;
        for (int y = 0; y < bar.height() && !dark; ++y)
            dark = qGray(bar.pixel(x, y)) < 96;
        if (!dark) {
            ++gap;
            continue;
        }
        // Letters of one caption lie closer together than the captions do.
        if (entries.isEmpty() || gap > 6)
            entries.append(QRect(x, 0, 1, bar.height()).translated(m_menuBar.topLeft()));
        else
            entries.last().setRight(x + m_menuBar.x());
        gap = 0;
    }
    return entries;
}

void TestWine::opensTheCrossword()
{
    // Drawn once its menu bar shows both entries.
    QTRY_COMPARE(menuEntries().size(), 2);
    // Every cell empty, no verdict shown.
    QCOMPARE(pixelsNear(verdictsOnScreen(), QColor(0, 0, 192)), 0);
}

void TestWine::checksAWordTypedAfterAClick()
{
    QTRY_COMPARE(menuEntries().size(), 2);
    // The first letter typed right after the click lands in the clicked cell.
    QVERIFY(Xdo::click(cellOnScreen(1).center()));
    QVERIFY(Xdo::typeAnswer(1, 40));

    // The clue box of word 1, in its list.
    const QPoint list = Layout::Frame1.pixels().topLeft();
    QVERIFY(
        Xdo::click(onScreen(Layout::ClueBoxes.at(0)).translated(list).topLeft() + QPoint(6, 8)));
    // "MUY BIEN" in dark blue; "MUY MAL" stays hidden.
    QTRY_VERIFY(pixelsNear(onScreen(Layout::Label1), QColor(0, 0, 192)) > 20);
    QCOMPARE(pixelsNear(onScreen(Layout::Label2), QColor(192, 0, 0)), 0);
}

void TestWine::creditsGiveBackAFreshCrossword()
{
    QTRY_COMPARE(menuEntries().size(), 2);
    const QList<QRect> entries = menuEntries();
    QVERIFY(Xdo::click(entries.at(1).center()));
    const QString credits = waitForWindow(CreditsTitle, true, 60000);
    QVERIFY(!credits.isEmpty());
    // The crossword goes in the same step; Wine may map the one window a moment before it unmaps
    // the other.
    QVERIFY(waitForWindow(CrosswordTitle, false, 60000).isEmpty());
    // No key of the player ends the credits: closed early, they would end the program instead of
    // giving back a crossword. They go by themselves. The keys go to the credits once they have
    // the keyboard.
    QTRY_COMPARE(Xdo::run({QStringLiteral("getactivewindow")}), credits);
    QVERIFY(
        Xdo::succeeds({QStringLiteral("key"), QStringLiteral("Escape"), QStringLiteral("alt+F4")}));
    QVERIFY(waitForWindow(CreditsTitle, false, 60000).isEmpty());

    findCrossword();
    QTRY_VERIFY(pixelsNear(verdictsOnScreen(), QColor(0, 0, 192)) == 0);
    QCOMPARE(pixelsNear(cellOnScreen(1), QColor(0, 0, 255)), 0);
}

void TestWine::salirEnds()
{
    QTRY_COMPARE(menuEntries().size(), 2);
    const QList<QRect> entries = menuEntries();
    QVERIFY(Xdo::click(entries.at(0).center()));
    QVERIFY(m_game.waitForFinished(60000));
    QCOMPARE(m_game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_game.exitCode(), 0);
}

int main(int argc, char* argv[])
{
    // Skipped, with the reason, where there is nothing to play or nothing to play it with.
    if (argc < 2 || !QFileInfo(QString::fromLocal8Bit(argv[1])).isFile()) {
        std::printf("skipped: needs TELMARONDA.exe (bash tools/setup.sh windows builds it)\n");
        return 77;
    }
    exePath = QString::fromLocal8Bit(argv[1]);
    // An exe built from other sources would pass or fail for changes that are not these.
    if (argc < 4
        || QProcess::execute(QString::fromLocal8Bit(argv[2]),
               {QStringLiteral("-P"), QString::fromLocal8Bit(argv[3]), QStringLiteral("check"),
                   exePath, QStringLiteral("bash tools/setup.sh windows")})
            != 0)
        return 1;
    if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty() || !Xdo::available()) {
        std::printf("skipped: needs wine and xdotool (Debian packages wine, wine64, xdotool)\n");
        return 77;
    }
    QGuiApplication app(argc, argv);
    TestWine test;
    // Further arguments are QtTest's: the functions to run, say.
    return QTest::qExec(&test,
        QStringList {QString::fromLocal8Bit(argv[0])} + QCoreApplication::arguments().mid(4));
}

#include "tst_wine.moc"
