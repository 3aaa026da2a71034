// SPDX-License-Identifier: GPL-3.0-or-later
// Golden screenshots: the crossword window as it opens and after a full solve, and the credits
// window, drawn offscreen and compared pixel by pixel with the pictures in references/. A change of
// layout, font, colour or picture fails here.
//
// After a deliberate change of look, redraw the references, look at them and commit them:
//
//     TELMARONDA_UPDATE_GOLDEN=1 ctest --preset dev -R golden
//
// The drawing is made the same on every machine: the font configuration assets/fonts/fonts.conf
// knows no font folder, so the bundled faces are the only ones and the rendering settings are
// fixed, and the caller's Qt scaling and style settings never reach a test; the style is Fusion
// with its own palette, which is what Qt gives the program on Linux; and the caret does not
// blink, so the focused cell always shows it. The references hold the Qt version that
// drew them; under another Qt minor version the comparison is skipped, since Qt's own drawing of
// frames and check boxes changes between versions.
#include "app/application.h"
#include "puzzle/puzzle.h"
#include "tests/support/imagecompare.h"
#include "tests/support/support.h"
#include "ui/credits/clock.h"
#include "ui/credits/form2.h"
#include "ui/crossword/form1.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

namespace {

bool updating()
{
    return qEnvironmentVariableIntValue("TELMARONDA_UPDATE_GOLDEN") != 0;
}

QString referencePath(const QString& name)
{
    return QStringLiteral(GOLDEN_REFERENCES "/%1.png").arg(name);
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void window_data();
    void window();

private:
    void showFreshCrossword();
    void showSolvedCrossword();
    void showActiveMenu();
    void showCredits();
    void check(const QString& name, const QImage& actual);

    std::unique_ptr<Form1> m_form1;
    QPointer<Form2> m_form2;
};

void TestGolden::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    // No face but the bundled ones exists, whatever the machine has installed; fontconfig's
    // generic names are no faces of their own.
    QStringList others = QFontDatabase::families();
    for (const char* family : {"Monospace", "Sans Serif", "Serif", "Liberation Sans", "Quicksand"})
        others.removeAll(QLatin1String(family));
    QCOMPARE(others, QStringList());
}

void TestGolden::cleanup()
{
    m_form1.reset();
    delete m_form2.data();
}

void TestGolden::window_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("crossword, fresh") << QStringLiteral("crossword-fresh");
    QTest::newRow("crossword, solved") << QStringLiteral("crossword-solved");
    QTest::newRow("crossword, menu active") << QStringLiteral("crossword-menu");
    QTest::newRow("credits") << QStringLiteral("credits");
}

void TestGolden::window()
{
    QFETCH(QString, name);
    if (name == QLatin1String("crossword-fresh"))
        showFreshCrossword();
    else if (name == QLatin1String("crossword-solved"))
        showSolvedCrossword();
    else if (name == QLatin1String("crossword-menu"))
        showActiveMenu();
    else
        showCredits();
    if (QTest::currentTestFailed())
        return;
    QWidget* shown = m_form1 ? static_cast<QWidget*>(m_form1.get()) : m_form2.data();
    const QPixmap pixmap = shown->grab();
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);
    check(name, pixmap.toImage().convertToFormat(QImage::Format_RGB32));
}

void TestGolden::showFreshCrossword()
{
    m_form1 = std::make_unique<Form1>();
    m_form1->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form1.get()));
    QCOMPARE(focusName(m_form1.get()), QStringLiteral("Text1"));
}

void TestGolden::showSolvedCrossword()
{
    showFreshCrossword();
    if (QTest::currentTestFailed())
        return;
    QWindow* window = m_form1->windowHandle();
    // Every letter typed, each followed by Enter, which moves on to the next cell and from the
    // last one to the first clue.
    for (int n = 1; n <= Puzzle::CellCount; ++n) {
        QTest::keyClick(window, letterOf(n));
        QTest::keyClick(window, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // Every word checked with the space bar; the last one wins the game.
    Dismisser dismisser;
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        QCOMPARE(focusName(m_form1.get()), QStringLiteral("Check%1").arg(word));
        QTest::keyClick(window, Qt::Key_Space);
        // "GANASTES" dismissed and gone.
        QTRY_VERIFY(!QApplication::activeModalWidget());
        dropDeletedWindows();
        // The closing message box leaves no window active on this platform.
        m_form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form1.get()));
        QTest::keyClick(window, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QCOMPARE(dismisser.seen.size(), 1);
    QCOMPARE(dismisser.seen.constFirst().text, QStringLiteral("GANASTES"));
    QCOMPARE(focusName(m_form1.get()), QStringLiteral("Text1"));
    QVERIFY(m_form1->findChild<QLabel*>(QStringLiteral("Label1"))->isVisible());
}

void TestGolden::showActiveMenu()
{
    showFreshCrossword();
    if (QTest::currentTestFailed())
        return;
    // Alt alone makes the menu's first entry the active one.
    QTest::keyClick(m_form1->windowHandle(), Qt::Key_Alt);
    QTRY_VERIFY(m_form1->menuBar()->hasFocus());
    QCOMPARE(m_form1->menuBar()->activeAction(), m_form1->menuBar()->actions().constFirst());
}

void TestGolden::showCredits()
{
    // Shown as the game shows it: loaded, then its input disabled.
    // The clock stands still at the moment they were loaded: they never time out.
    m_form2 = new Form2(std::make_shared<FakeClock>(100.0));
    m_form2->show();
    m_form2->setEnabled(false);
    QVERIFY(QTest::qWaitForWindowExposed(m_form2));
}

void TestGolden::check(const QString& name, const QImage& actual)
{
    const QString path = referencePath(name);

    if (updating()) {
        QImage reference = actual;
        ImageCompare::markDrawnByThisQt(reference);
        QVERIFY(QDir().mkpath(QStringLiteral(GOLDEN_REFERENCES)));
        QVERIFY2(reference.save(path), qPrintable(path));
        qInfo("reference written: %s", qPrintable(path));
        return;
    }

    QImage reference(path);
    QVERIFY2(!reference.isNull(),
        qPrintable(
            QStringLiteral("no reference %1; TELMARONDA_UPDATE_GOLDEN=1 draws it").arg(path)));
    if (!ImageCompare::drawnByThisQt(reference))
        QSKIP(qPrintable(QStringLiteral("reference drawn with Qt %1, running Qt %2")
                             .arg(ImageCompare::drawnBy(reference), QLatin1String(qVersion()))));
    reference = reference.convertToFormat(QImage::Format_RGB32);

    const QString failures = QStringLiteral(GOLDEN_FAILURES);
    const QString actualPath = QStringLiteral("%1/%2.png").arg(failures, name);
    const QString diffPath = QStringLiteral("%1/%2-diff.png").arg(failures, name);
    QFile::remove(actualPath);
    QFile::remove(diffPath);
    auto keepFailure = [&](const QImage* map) {
        QDir().mkpath(failures);
        actual.save(actualPath);
        qWarning("actual picture: %s", qPrintable(actualPath));
        if (map) {
            map->save(diffPath);
            qWarning("differences (magenta): %s", qPrintable(diffPath));
        }
    };

    if (actual.size() != reference.size()) {
        keepFailure(nullptr);
        QFAIL(qPrintable(QStringLiteral("size %1x%2, reference %3x%4")
                             .arg(actual.width())
                             .arg(actual.height())
                             .arg(reference.width())
                             .arg(reference.height())));
    }
    const ImageCompare::Result result = ImageCompare::compare(actual, reference);
    if (!result.matches) {
        keepFailure(&result.map);
        QFAIL(qPrintable(result.description));
    }
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // A steady caret: a focused cell shows it in every picture.
    QApplication::setCursorFlashTime(0);

    TestGolden test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_golden.moc"
