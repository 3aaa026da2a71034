// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle table's lookups, checked against the puzzle as its author drew it.
#include "puzzle/puzzle.h"

#include <QTest>

using namespace Puzzle;

Q_DECLARE_METATYPE(Puzzle::Direction)
Q_DECLARE_METATYPE(Puzzle::ClueList)

class TestPuzzle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void words_data();
    void words();
    void crossings_data();
    void crossings();
    void cellPlaces_data();
    void cellPlaces();
    void cellsAreNumberedInWalkingOrder();
    void everyCellBelongsToItsWords();
    void clues_data();
    void clues();
    void accentedClueIsOneCharacter();
    void pictureSlots_data();
    void pictureSlots();
};

void TestPuzzle::words_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<Direction>("dir");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<int>>("cells");

    using enum Direction;
    QTest::newRow("1") << 1 << Across << "JARDINERIA" << QList<int> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("2") << 2 << Down << "DALCHE" << QList<int> {11, 2, 12, 13, 14, 15};
    QTest::newRow("5") << 5 << Across << "NARE" << QList<int> {32, 31, 33, 34};
    QTest::newRow("9") << 9 << Down << "GORLE" << QList<int> {46, 47, 48, 49, 34};
    QTest::newRow("11") << 11 << Down << "FUTBOL" << QList<int> {55, 56, 54, 57, 58, 59};
    QTest::newRow("12") << 12 << Across << "AGUILA" << QList<int> {60, 61, 62, 63, 59, 64};
}

void TestPuzzle::words()
{
    QFETCH(int, word);
    QFETCH(Direction, dir);
    QFETCH(QString, answer);
    QFETCH(QList<int>, cells);

    QCOMPARE(direction(word), dir);
    QCOMPARE(wordLength(word), answer.size());
    const auto wordCells = cellsOfWord(word);
    QCOMPARE(QList<int>(wordCells.begin(), wordCells.end()), cells);
    for (int position = 1; position <= answer.size(); ++position)
        QCOMPARE(QLatin1Char(expectedLetter(word, position)), answer.at(position - 1));
}

void TestPuzzle::crossings_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("acrossWord");
    QTest::addColumn<int>("acrossPosition");
    QTest::addColumn<int>("downWord");
    QTest::addColumn<int>("downPosition");
    QTest::addColumn<char>("letter");

    QTest::newRow("Text2") << 2 << 1 << 2 << 2 << 2 << 'A';
    QTest::newRow("Text14") << 14 << 3 << 2 << 2 << 5 << 'H';
    QTest::newRow("Text16") << 16 << 3 << 1 << 4 << 1 << 'C';
    QTest::newRow("Text21") << 21 << 3 << 7 << 8 << 3 << 'V';
    QTest::newRow("Text24") << 24 << 3 << 10 << 6 << 2 << 'A';
    QTest::newRow("Text31") << 31 << 5 << 2 << 4 << 8 << 'A';
    QTest::newRow("Text34") << 34 << 5 << 4 << 9 << 5 << 'E';
    QTest::newRow("Text37") << 37 << 7 << 2 << 6 << 4 << 'A';
    QTest::newRow("Text54") << 54 << 10 << 5 << 11 << 3 << 'T';
    QTest::newRow("Text59") << 59 << 12 << 5 << 11 << 6 << 'L';
}

void TestPuzzle::crossings()
{
    QFETCH(int, cell);
    QFETCH(int, acrossWord);
    QFETCH(int, acrossPosition);
    QFETCH(int, downWord);
    QFETCH(int, downPosition);
    QFETCH(char, letter);

    const auto uses = wordsOfCell(cell);
    QCOMPARE(uses.size(), std::size_t(2));
    const bool acrossFirst = direction(uses[0].word) == Direction::Across;
    const WordLetter across = acrossFirst ? uses[0] : uses[1];
    const WordLetter down = acrossFirst ? uses[1] : uses[0];
    QCOMPARE(across, (WordLetter {acrossWord, acrossPosition}));
    QCOMPARE(down, (WordLetter {downWord, downPosition}));
    QCOMPARE(expectedLetter(acrossWord, acrossPosition), letter);
    QCOMPARE(expectedLetter(downWord, downPosition), letter);
}

void TestPuzzle::cellPlaces_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("Text1") << 1 << 720 << 480;
    QTest::newRow("Text11, above the row of Text10") << 11 << 1200 << 120;
    QTest::newRow("Text32, bottom left") << 32 << 240 << 4080;
    QTest::newRow("Text42, rightmost of island A") << 42 << 6960 << 2280;
    QTest::newRow("Text50") << 50 << 5760 << 2880;
    QTest::newRow("Text55, top of island B") << 55 << 7680 << 2160;
    QTest::newRow("Text64, last cell") << 64 << 8160 << 3960;
}

void TestPuzzle::cellPlaces()
{
    QFETCH(int, cell);
    QFETCH(int, left);
    QFETCH(int, top);

    QCOMPARE(topLeftOf(cell), (TwipPoint {left, top}));
}

// Cells are numbered as they are first met walking words 1 to 12: 1, 2, ..., 64 with no gap.
void TestPuzzle::cellsAreNumberedInWalkingOrder()
{
    QList<int> firstSeen;
    for (int word = 1; word <= WordCount; ++word)
        for (int cell : cellsOfWord(word))
            if (!firstSeen.contains(cell))
                firstSeen.append(cell);
    QCOMPARE(firstSeen.size(), CellCount);
    for (int i = 0; i < CellCount; ++i)
        QCOMPARE(firstSeen.at(i), i + 1);
}

// wordsOfCell is the inverse of cellsOfWord, and the words' letters agree in every cell.
void TestPuzzle::everyCellBelongsToItsWords()
{
    int crossingCells = 0;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const auto uses = wordsOfCell(cell);
        QVERIFY2(uses.size() == 1 || uses.size() == 2, qPrintable(QString::number(cell)));
        crossingCells += uses.size() == 2 ? 1 : 0;
        for (const WordLetter& use : uses)
            QCOMPARE(cellsOfWord(use.word)[static_cast<std::size_t>(use.position - 1)], cell);
        QCOMPARE(expectedLetter(uses.front().word, uses.front().position),
            expectedLetter(uses.back().word, uses.back().position));
    }
    QCOMPARE(crossingCells, CrossingCount);
}

void TestPuzzle::clues_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<ClueList>("list");
    QTest::addColumn<QString>("text");

    using enum ClueList;
    // The lists follow the word number's parity, not the direction: word 1 runs across.
    QTest::newRow("1") << 1 << Frame1 << "Cual es el pasatiempo de mirel en el internado";
    QTest::newRow("2") << 2 << Frame2 << "Es la directora y el maestro de ingles";
    QTest::newRow("4") << 4 << Frame2
                       << "Con quien se sienta Tavi en la cafeteria despues de que Orsina la "
                          "descubrio";
    QTest::newRow("8") << 8 << Frame2 << "Que palabra escribe MS.Dalche en el pizarron";
    QTest::newRow("11") << 11 << Frame1 << "Que deporte practica Mirel y las otras chicas";
    QTest::newRow("12") << 12 << Frame2 << "Que ave rescata Brisel";
}

void TestPuzzle::clues()
{
    QFETCH(int, word);
    QFETCH(ClueList, list);
    QFETCH(QString, text);

    QCOMPARE(clue(word), text);
    QCOMPARE(clueListOf(word), list);
}

void TestPuzzle::accentedClueIsOneCharacter()
{
    const QString text = clue(9);
    QCOMPARE(text, QString::fromUtf8("Como se llama el pap\xC3\xA1 de Tavi"));
    QCOMPARE(text.size(), 29);
    QCOMPARE(text.at(20), QChar(0x00E1));
}

void TestPuzzle::pictureSlots_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("indicator");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");

    QTest::newRow("1") << 1 << 3 << 1 << 2;
    QTest::newRow("7") << 7 << 21 << 19 << 20;
    QTest::newRow("12") << 12 << 36 << 34 << 35;
}

void TestPuzzle::pictureSlots()
{
    QFETCH(int, word);
    QFETCH(int, indicator);
    QFETCH(int, right);
    QFETCH(int, wrong);

    const PictureSlots slots = Puzzle::pictureSlots(word);
    QCOMPARE(slots.indicator, indicator);
    QCOMPARE(slots.right, right);
    QCOMPARE(slots.wrong, wrong);
}

QTEST_APPLESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
