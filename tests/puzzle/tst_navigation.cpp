// SPDX-License-Identifier: GPL-3.0-or-later
// The window's key preview: which keys ask for a focus move, and which are consumed.
#include "puzzle/navigation.h"
#include "tests/puzzle/fakeview.h"

#include <QTest>

using namespace Puzzle;

class TestNavigation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
    void failedMoveLeavesKey_data();
    void failedMoveLeavesKey();
};

void TestNavigation::keys_data()
{
    QTest::addColumn<bool>("keyDown"); // false: a character key
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<int>("codeAfter");

    const QStringList none;
    const QStringList next {QStringLiteral("FocusNext")};
    const QStringList previous {QStringLiteral("FocusPrevious")};
    QTest::newRow("Enter") << false << 13 << next << 0;
    QTest::newRow("letter A") << false << int('A') << none << int('A');
    QTest::newRow("lower-case a") << false << int('a') << none << int('a');
    QTest::newRow("Esc") << false << 27 << none << 27;
    QTest::newRow("line feed") << false << 10 << none << 10;
    QTest::newRow("n with tilde") << false << 0xF1 << none << 0xF1;
    QTest::newRow("Up") << true << 38 << previous << 0;
    QTest::newRow("Down") << true << 40 << next << 0;
    QTest::newRow("Left") << true << 37 << none << 37;
    QTest::newRow("Right") << true << 39 << none << 39;
    QTest::newRow("Return going down") << true << 13 << none << 13;
    QTest::newRow("Tab") << true << 9 << none << 9;
}

void TestNavigation::keys()
{
    QFETCH(bool, keyDown);
    QFETCH(int, code);
    QFETCH(QStringList, requests);
    QFETCH(int, codeAfter);

    FakeView view;
    auto key = static_cast<quint16>(code);
    const Outcome outcome = keyDown ? Form_KeyDown(view, key) : Form_KeyPress(view, key);
    QCOMPARE(outcome, Outcome::Done);
    QCOMPARE(view.log, requests);
    QCOMPARE(key, static_cast<quint16>(codeAfter));
}

void TestNavigation::failedMoveLeavesKey_data()
{
    QTest::addColumn<bool>("keyDown");
    QTest::addColumn<int>("code");

    QTest::newRow("Enter") << false << 13;
    QTest::newRow("Up") << true << 38;
    QTest::newRow("Down") << true << 40;
}

// When the focus cannot move, the key is not consumed and the failure goes back to the caller.
void TestNavigation::failedMoveLeavesKey()
{
    QFETCH(bool, keyDown);
    QFETCH(int, code);

    FakeView view;
    view.failAtCall = 0;
    auto key = static_cast<quint16>(code);
    const Outcome outcome = keyDown ? Form_KeyDown(view, key) : Form_KeyPress(view, key);
    QCOMPARE(outcome, Outcome::Failed);
    QCOMPARE(key, static_cast<quint16>(code));
    QCOMPARE(view.log.size(), 1);
}

QTEST_APPLESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
