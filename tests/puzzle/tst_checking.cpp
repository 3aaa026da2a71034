// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a word: the verdict, the feedback it leaves, the order of the window operations, and
// what a failing operation leaves behind.
#include "puzzle/checking.h"
#include "puzzle/puzzle.h"
#include "tests/puzzle/fakeview.h"

#include <QTest>

using namespace Puzzle;

Q_DECLARE_METATYPE(Puzzle::WordVerdict)

namespace {

// Every call a check of the word makes when nothing fails, in order.
QStringList fullCheckCalls(int word, WordVerdict verdict)
{
    QStringList calls;
    for (int cell : cellsOfWord(word))
        calls << QStringLiteral("CellText %1").arg(cell);
    const bool right = verdict == WordVerdict::Right;
    const PictureSlots slots = pictureSlots(word);
    const int source = right ? slots.right : slots.wrong;
    calls << QStringLiteral("SetLabelVisible Label%1 true").arg(right ? 1 : 2)
          << QStringLiteral("SetLabelVisible Label%1 false").arg(right ? 2 : 1)
          << QStringLiteral("GetPicture %1").arg(source)
          << QStringLiteral("SetPicture %1 picture %2").arg(slots.indicator).arg(source);
    if (word == LastWord)
        calls << QStringLiteral("ShowMessage GANASTES");
    return calls;
}

} // namespace

class TestChecking : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellMatch_data();
    void cellMatch();
    void verdictOfOneWrongCell_data();
    void verdictOfOneWrongCell();
    void fullSolutionIsRightEverywhere();
    void emptyGridIsWrongEverywhere();
    void callOrder_data();
    void callOrder();
    void lastWordWinsEvenWhenWrong();
    void feedbackFollowsTheLatestCheck();
    void indicatorKeepsPictureUntilNextCheck();
    void repeatedCheckGivesSameState();
    void failureStopsTheCheck_data();
    void failureStopsTheCheck();
};

void TestChecking::cellMatch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");

    QTest::newRow("the letter") << QStringLiteral("A") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("lower case") << QStringLiteral("a") << false;
    QTest::newRow("blank before") << QStringLiteral(" A") << false;
    QTest::newRow("blank after") << QStringLiteral("A ") << false;
    QTest::newRow("two letters") << QStringLiteral("AA") << false;
    QTest::newRow("accented") << QString(QChar(0x00C1)) << false;
    QTest::newRow("combining accent") << QStringLiteral("A\u0301") << false;
    QTest::newRow("fullwidth") << QString(QChar(0xFF21)) << false;
    QTest::newRow("another letter") << QStringLiteral("B") << false;
}

void TestChecking::cellMatch()
{
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(cellMatches(text, 'A'), matches);
}

// One cell of the solved grid is changed; the words through that cell, and only they, are wrong.
void TestChecking::verdictOfOneWrongCell_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("wrongWords");

    QTest::newRow("first cell emptied") << 1 << QString() << QList<int> {1};
    QTest::newRow("lower case") << 5 << QStringLiteral("i") << QList<int> {1};
    QTest::newRow("crossing of 1 and 2") << 2 << QStringLiteral("B") << QList<int> {1, 2};
    QTest::newRow("crossing of 3 and 8") << 21 << QStringLiteral("v") << QList<int> {3, 8};
    QTest::newRow("crossing of 5 and 9, accented")
        << 34 << QString(QChar(0x00C9)) << QList<int> {5, 9};
    QTest::newRow("last cell of 4 and 5") << 31 << QStringLiteral(" A") << QList<int> {4, 5};
    QTest::newRow("island B crossing") << 59 << QStringLiteral("LL") << QList<int> {11, 12};
    QTest::newRow("last cell of all") << 64 << QStringLiteral("A\n") << QList<int> {12};
}

void TestChecking::verdictOfOneWrongCell()
{
    QFETCH(int, cell);
    QFETCH(QString, text);
    QFETCH(QList<int>, wrongWords);

    FakeView view;
    view.fillSolution();
    view.cells.at(static_cast<std::size_t>(cell)) = text;
    for (int word = 1; word <= WordCount; ++word) {
        const WordVerdict expected
            = wrongWords.contains(word) ? WordVerdict::Wrong : WordVerdict::Right;
        QCOMPARE(CheckWord(word, view), std::optional(expected));
    }
}

void TestChecking::fullSolutionIsRightEverywhere()
{
    FakeView view;
    view.fillSolution();
    for (int word = 1; word <= WordCount; ++word) {
        QCOMPARE(CheckClick(word, view), Outcome::Done);
        QVERIFY(view.labelVisible[0]);
        QVERIFY(!view.labelVisible[1]);
        const PictureSlots slots = pictureSlots(word);
        QCOMPARE(view.pictures.at(static_cast<std::size_t>(slots.indicator)),
            view.pictures.at(static_cast<std::size_t>(slots.right)));
    }
    QCOMPARE(view.log.last(), QStringLiteral("ShowMessage GANASTES"));
    QCOMPARE(view.log.count(QStringLiteral("ShowMessage GANASTES")), 1);
}

void TestChecking::emptyGridIsWrongEverywhere()
{
    FakeView view;
    for (int word = 1; word <= WordCount; ++word) {
        QCOMPARE(CheckClick(word, view), Outcome::Done);
        QVERIFY(!view.labelVisible[0]);
        QVERIFY(view.labelVisible[1]);
    }
    // Every indicator shows the one wrong picture of its holder.
    for (int word = 1; word <= WordCount; ++word)
        QCOMPARE(view.pictures.at(static_cast<std::size_t>(3 * word)).toString(),
            QStringLiteral("picture %1").arg(3 * word - 1));
}

void TestChecking::callOrder_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<WordVerdict>("verdict");

    for (int word : {1, 2, 9, 11, 12}) {
        for (WordVerdict verdict : {WordVerdict::Right, WordVerdict::Wrong})
            QTest::addRow("word %d %s", word, verdict == WordVerdict::Right ? "right" : "wrong")
                << word << verdict;
    }
}

// All cells are read, first to last, before the labels and then the indicator change.
void TestChecking::callOrder()
{
    QFETCH(int, word);
    QFETCH(WordVerdict, verdict);

    FakeView view;
    if (verdict == WordVerdict::Right)
        view.fillSolution();
    QCOMPARE(CheckClick(word, view), Outcome::Done);
    QCOMPARE(view.log, fullCheckCalls(word, verdict));
}

void TestChecking::lastWordWinsEvenWhenWrong()
{
    FakeView view;
    view.cells[60] = QStringLiteral("a");
    QCOMPARE(CheckClick(12, view), Outcome::Done);
    QVERIFY(view.labelVisible[1]);
    QCOMPARE(view.pictures[36], view.pictures[35]);
    QCOMPARE(view.log.last(), QStringLiteral("ShowMessage GANASTES"));
}

void TestChecking::feedbackFollowsTheLatestCheck()
{
    FakeView view;
    view.fillSolution();
    view.cells[11] = QStringLiteral("d");
    QCOMPARE(CheckClick(1, view), Outcome::Done);
    QCOMPARE(CheckClick(2, view), Outcome::Done);

    QVERIFY(!view.labelVisible[0]);
    QVERIFY(view.labelVisible[1]);
    QCOMPARE(view.pictures[3], view.pictures[1]); // word 1 keeps its right picture
    QCOMPARE(view.pictures[6], view.pictures[5]); // word 2 shows the wrong picture
}

void TestChecking::indicatorKeepsPictureUntilNextCheck()
{
    FakeView view;
    view.fillSolution();
    QCOMPARE(CheckClick(7, view), Outcome::Done);
    view.cells[38] = QString();
    QCOMPARE(view.pictures[21], view.pictures[19]);

    QCOMPARE(CheckClick(7, view), Outcome::Done);
    QCOMPARE(view.pictures[21], view.pictures[20]);

    view.cells[38] = QStringLiteral("T");
    QCOMPARE(CheckClick(7, view), Outcome::Done);
    QCOMPARE(view.pictures[21], view.pictures[19]);
}

void TestChecking::repeatedCheckGivesSameState()
{
    FakeView view;
    view.fillSolution();
    view.cells[50] = QStringLiteral("x");
    QCOMPARE(CheckClick(10, view), Outcome::Done);
    const QStringList firstCalls = view.log;
    const auto firstPictures = view.pictures;
    view.log.clear();
    QCOMPARE(CheckClick(10, view), Outcome::Done);
    QCOMPARE(view.log, firstCalls);
    QCOMPARE(view.pictures, firstPictures);
}

void TestChecking::failureStopsTheCheck_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<WordVerdict>("verdict");
    QTest::addColumn<int>("failingCall");

    for (int word = 1; word <= WordCount; ++word) {
        for (WordVerdict verdict : {WordVerdict::Right, WordVerdict::Wrong}) {
            const qsizetype calls = fullCheckCalls(word, verdict).size();
            for (int call = 0; call < calls; ++call)
                QTest::addRow("word %d %s, call %d fails", word,
                    verdict == WordVerdict::Right ? "right" : "wrong", call)
                    << word << verdict << call;
        }
    }
}

// The failing call is the last one made; what came before it stays done and nothing after runs.
void TestChecking::failureStopsTheCheck()
{
    QFETCH(int, word);
    QFETCH(WordVerdict, verdict);
    QFETCH(int, failingCall);

    FakeView done;
    FakeView failing;
    if (verdict == WordVerdict::Right) {
        done.fillSolution();
        failing.fillSolution();
    }
    failing.failAtCall = failingCall;
    const QStringList calls = fullCheckCalls(word, verdict);

    QCOMPARE(CheckClick(word, failing), Outcome::Failed);
    QCOMPARE(failing.log, calls.first(failingCall + 1));

    // Replaying the calls that went through gives the same state as the failed check left.
    done.failAtCall = failingCall;
    for (const QString& call : calls.first(failingCall)) {
        const QStringList parts = call.split(QLatin1Char(' '));
        if (parts[0] == QLatin1String("SetLabelVisible"))
            done.labelVisible.at(parts[1] == QLatin1String("Label1") ? 0 : 1)
                = parts[2] == QLatin1String("true");
        else if (parts[0] == QLatin1String("SetPicture"))
            done.pictures.at(parts[1].toUInt()) = done.pictures.at(parts[3].toUInt());
    }
    QCOMPARE(failing.labelVisible, done.labelVisible);
    QCOMPARE(failing.pictures, done.pictures);
}

QTEST_APPLESS_MAIN(TestChecking)
#include "tst_checking.moc"
