// SPDX-License-Identifier: GPL-3.0-or-later
// The game under a real Wayland compositor: sway, headless, with the game on Qt's Wayland plug-in.
// The crossword is drawn as its golden reference; the "GANASTES" box comes back on top when the
// blocked crossword takes the focus, as a click on it gives it, and Return dismisses the box; the
// credits float at their own size; "SALIR" ends the program. Keys come from wtype, the focus and
// the windows' places from swaymsg, clicks from vpointer (a virtual mouse), screenshots from grim.
// sway refuses to run as root, so under root it runs as the user nobody. Skipped (77) where one of
// them, or Qt's Wayland plug-in, is missing. Each function plays a game of its own.
//   tst_sway <the game> <golden references folder> <vpointer>
#include "puzzle/puzzle.h"
#include "puzzle/twips.h"
#include "tests/support/imagecompare.h"
#include "ui/credits/layout.h"
#include "ui/crossword/layout.h"

#include <cstdio>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

QString game;
QString references;
QString pointer; // vpointer, the test's mouse

const QString CrosswordTitle = QStringLiteral("TELMARONDA # 2 EL INTERNADO");
const QString CreditsTitle = QStringLiteral("ACERCA DEL AUTOR");
const QString MessageTitle = QStringLiteral("TELMARONDA");
// The user sway runs as when the test runs as root.
constexpr uid_t Nobody = 65534;

// A window as sway shows it: its container's id and where its own drawing is on the output.
struct View {
    qint64 id = 0;
    QRect content;
    bool floating = false;
    bool focused = false;
};

void collect(const QJsonObject& node, bool floating, QHash<QString, QList<View>>& views)
{
    const QString name = node.value(QLatin1String("name")).toString();
    if (node.contains(QLatin1String("app_id")) || node.contains(QLatin1String("window"))) {
        const QJsonObject rect = node.value(QLatin1String("rect")).toObject();
        const QJsonObject window = node.value(QLatin1String("window_rect")).toObject();
        View view;
        view.id = node.value(QLatin1String("id")).toInteger();
        view.content = QRect(
            rect.value(QLatin1String("x")).toInt() + window.value(QLatin1String("x")).toInt(),
            rect.value(QLatin1String("y")).toInt() + window.value(QLatin1String("y")).toInt(),
            window.value(QLatin1String("width")).toInt(),
            window.value(QLatin1String("height")).toInt());
        view.floating = floating;
        view.focused = node.value(QLatin1String("focused")).toBool();
        views[name].append(view);
    }
    for (const QJsonValue child : node.value(QLatin1String("nodes")).toArray())
        collect(child.toObject(), floating, views);
    for (const QJsonValue child : node.value(QLatin1String("floating_nodes")).toArray())
        collect(child.toObject(), true, views);
}

} // namespace

class TestSway : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void crosswordAsOnX11();
    void messageBoxComesBack();
    void creditsFloatAtTheirSize();
    void salirEnds();

private:
    QProcessEnvironment clientEnvironment() const;
    QByteArray run(const QString& program, const QStringList& arguments);
    // Keys typed by a virtual keyboard, as fast as it types them.
    bool type(const QStringList& keys)
    {
        QStringList arguments;
        for (const QString& key : keys)
            arguments << QStringLiteral("-k") << key;
        return !run(QStringLiteral("wtype"), arguments).isNull();
    }
    QHash<QString, QList<View>> views();
    View only(const QString& title)
    {
        const QList<View> found = views().value(title);
        return found.size() == 1 ? found.constFirst() : View();
    }

    QTemporaryDir m_runtime {QStringLiteral("/tmp/telmaronda-sway-XXXXXX")};
    QProcess m_sway;
    QProcess m_keyboard; // holds a keyboard on the seat for the whole test
    QProcess m_game;
    QString m_display;
    QString m_ipc;
};

QProcessEnvironment TestSway::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_display);
    environment.insert(QStringLiteral("SWAYSOCK"), m_ipc);
    environment.remove(QStringLiteral("DISPLAY"));
    return environment;
}

QByteArray TestSway::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(clientEnvironment());
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    QByteArray output = process.readAllStandardOutput();
    return output.isNull() ? QByteArray("") : output;
}

QHash<QString, QList<View>> TestSway::views()
{
    QHash<QString, QList<View>> found;
    const QByteArray tree = run(QStringLiteral("swaymsg"),
        {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")});
    collect(QJsonDocument::fromJson(tree).object(), false, found);
    return found;
}

void TestSway::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QStringList command {
        QStringLiteral("sway"), QStringLiteral("-c"), m_runtime.filePath(QStringLiteral("config"))};
    QFile config(command.last());
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("output HEADLESS-1 resolution 1280x1024 scale 1\nxwayland disable\n");
    config.close();
    if (geteuid() == 0) {
        QCOMPARE(chown(QFile::encodeName(m_runtime.path()).constData(), Nobody, Nobody), 0);
        command = QStringList {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                      QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")}
            + command;
    }
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), m_runtime.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    // One screen of its own, drawn in memory, and no input devices but the test's.
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setStandardOutputFile(m_runtime.filePath(QStringLiteral("sway.log")));
    m_sway.setStandardErrorFile(m_runtime.filePath(QStringLiteral("sway.log")));
    m_sway.start(command.takeFirst(), command);
    QVERIFY(m_sway.waitForStarted());
    const QDir runtime(m_runtime.path());
    QTRY_VERIFY_WITH_TIMEOUT(
        !runtime.entryList({QStringLiteral("wayland-?")}, QDir::System).isEmpty()
            && !runtime.entryList({QStringLiteral("sway-ipc.*")}, QDir::System).isEmpty(),
        10000);
    m_display = runtime.entryList({QStringLiteral("wayland-?")}, QDir::System).constFirst();
    m_ipc = runtime.filePath(
        runtime.entryList({QStringLiteral("sway-ipc.*")}, QDir::System).constFirst());

    // The seat has no keyboard until a virtual one arrives; a game that sees it arrive with the
    // first key misses that key. One held from the start, idle, is the game's from its start.
    m_keyboard.setProcessEnvironment(clientEnvironment());
    m_keyboard.start(QStringLiteral("wtype"), QStringLiteral("-s 86400000 -k Shift_L").split(u' '));
    const QStringList inputs = QStringLiteral("-t get_inputs").split(u' ');
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("swaymsg"), inputs).contains("keyboard"), 10000);
}

void TestSway::init()
{
    QProcessEnvironment gameEnvironment = clientEnvironment();
    gameEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    m_game.setProcessEnvironment(gameEnvironment);
    m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_game.start(game, {});
    QVERIFY(m_game.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(only(CrosswordTitle).focused, 10000);
}

void TestSway::cleanup()
{
    m_game.kill();
    m_game.waitForFinished();
    QTRY_VERIFY(!views().contains(CrosswordTitle) && !views().contains(CreditsTitle)
        && !views().contains(MessageTitle));
}

void TestSway::cleanupTestCase()
{
    for (QProcess* process : {&m_keyboard, &m_sway}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }
}

void TestSway::crosswordAsOnX11()
{
    QImage reference(QDir(references).filePath(QStringLiteral("crossword-fresh.png")));
    QVERIFY(!reference.isNull());
    if (!ImageCompare::drawnByThisQt(reference))
        QSKIP("the reference was drawn with another Qt");
    reference = reference.convertToFormat(QImage::Format_RGB32);
    const View crossword = only(CrosswordTitle);
    QVERIFY(crossword.floating); // its size is fixed
    QCOMPARE(crossword.content.size(), reference.size());
    QImage shot = QImage::fromData(run(QStringLiteral("grim"), {QStringLiteral("-")}))
                      .copy(crossword.content)
                      .convertToFormat(QImage::Format_RGB32);
    // The first cell has the focus: its caret blinks here, and the reference's is steady.
    const Puzzle::TwipPoint first = Puzzle::topLeftOf(1);
    const QRect cell
        = Twips::rect(first.left, first.top, Puzzle::CellWidth, Puzzle::CellHeight)
              .translated(0, reference.height() - Twips::toPixels(Layout::ClientHeight));
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            shot.setPixel(x, y, reference.pixel(x, y));
    const ImageCompare::Result result = ImageCompare::compare(shot, reference);
    if (!result.matches) {
        shot.save(m_runtime.filePath(QStringLiteral("crossword.png")));
        result.map.save(m_runtime.filePath(QStringLiteral("crossword-diff.png")));
        m_runtime.setAutoRemove(false);
        qWarning("screenshot and differences in %s", qPrintable(m_runtime.path()));
    }
    QVERIFY2(result.matches, qPrintable(result.description));
}

void TestSway::messageBoxComesBack()
{
    // Up from the first cell goes round to the last clue, whose box Space ticks.
    QVERIFY(type({QStringLiteral("Up"), QStringLiteral("space")}));
    QTRY_VERIFY(only(MessageTitle).focused);
    // The player clicks the blocked crossword, away from the box: sway gives it the focus and
    // raises it, and the box comes back.
    const qint64 box = only(MessageTitle).id;
    const QPoint click = only(CrosswordTitle).content.topLeft() + QPoint(20, 200);
    QVERIFY(!run(pointer,
        {QString::number(click.x()), QString::number(click.y()), QStringLiteral("1280"),
            QStringLiteral("1024")})
                 .isNull());
    QTRY_VERIFY(only(MessageTitle).focused);
    QVERIFY(only(MessageTitle).id != box); // shown afresh
    QVERIFY(!only(CrosswordTitle).focused);
    QVERIFY(type({QStringLiteral("Return")}));
    QTRY_VERIFY(views().value(MessageTitle).isEmpty());
    QTRY_VERIFY(only(CrosswordTitle).focused);
}

void TestSway::creditsFloatAtTheirSize()
{
    // Alt makes the menu's first entry the active one; AUTOR is the next.
    QVERIFY(type({QStringLiteral("Alt_L"), QStringLiteral("Right"), QStringLiteral("Return")}));
    QTRY_VERIFY(only(CreditsTitle).id != 0);
    const View credits = only(CreditsTitle);
    QVERIFY(credits.floating);
    QCOMPARE(credits.content.size(), CreditsLayout::Window.pixels().size());
    QTRY_VERIFY(views().value(CrosswordTitle).isEmpty());
    // They go by themselves, and a fresh crossword takes their place.
    QTRY_VERIFY_WITH_TIMEOUT(only(CrosswordTitle).focused, 60000);
    QVERIFY(views().value(CreditsTitle).isEmpty());
}

void TestSway::salirEnds()
{
    QVERIFY(type({QStringLiteral("Alt_L"), QStringLiteral("Return")}));
    if (!m_game.waitForFinished(60000)) {
        QFile shot(m_runtime.filePath(QStringLiteral("salir.png")));
        shot.open(QIODevice::WriteOnly);
        shot.write(run(QStringLiteral("grim"), {QStringLiteral("-")}));
        m_runtime.setAutoRemove(false);
        QFAIL(qPrintable(QStringLiteral("still running: %1").arg(shot.fileName())));
    }
    QCOMPARE(m_game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_game.exitCode(), 0);
}

int main(int argc, char* argv[])
{
    const QStringList needed {QStringLiteral("sway"), QStringLiteral("swaymsg"),
        QStringLiteral("wtype"), QStringLiteral("grim"), QStringLiteral("setpriv")};
    QStringList missing;
    for (const QString& tool : needed)
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing.append(tool);
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    if (!plugins.exists(QStringLiteral("platforms/libqwayland-generic.so")))
        missing.append(QStringLiteral("Qt's Wayland plug-in (Debian package qt6-wayland)"));
    if (argc < 4 || !QFileInfo(QString::fromLocal8Bit(argv[3])).isExecutable())
        missing.append(QStringLiteral("vpointer, built with libwayland-dev"));
    if (!missing.isEmpty()) {
        std::printf("skipped: needs %s\n", qPrintable(missing.join(QStringLiteral(", "))));
        return 77;
    }
    game = QString::fromLocal8Bit(argv[1]);
    references = QString::fromLocal8Bit(argv[2]);
    pointer = QString::fromLocal8Bit(argv[3]);
    QGuiApplication app(argc, argv);
    TestSway test;
    // Further arguments are QtTest's: the functions to run, say.
    return QTest::qExec(&test,
        QStringList {QString::fromLocal8Bit(argv[0])} + QCoreApplication::arguments().mid(4));
}

#include "tst_sway.moc"
