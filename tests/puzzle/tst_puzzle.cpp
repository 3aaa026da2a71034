#include <QTest>
class TestPuzzle : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
