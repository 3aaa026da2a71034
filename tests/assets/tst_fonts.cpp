// The bundled faces: registered once, found by family, bold by weight.
#include "assets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class FontsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bundledFacesAreUsed_data();
    void bundledFacesAreUsed();
    void registeringTwiceAddsNothing();
};

void FontsTest::initTestCase()
{
    Fonts::registerBundled();
}

void FontsTest::bundledFacesAreUsed_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::newRow("rounded, 12 pt bold")
        << Fonts::rounded(12) << QStringLiteral("Quicksand") << true;
    QTest::newRow("sans serif, 8 pt")
        << Fonts::sansSerif(8) << QStringLiteral("Liberation Sans") << false;
    QTest::newRow("sans serif, 12 pt bold")
        << Fonts::sansSerif(12, QFont::Bold) << QStringLiteral("Liberation Sans") << true;
}

void FontsTest::bundledFacesAreUsed()
{
    QFETCH(QFont, font);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    const QFontInfo info(font);
    // Where the original face is installed it is preferred; this machine has only the bundled ones.
    if (!QFontDatabase::families().contains(font.families().constFirst()))
        QCOMPARE(info.family(), family);
    QCOMPARE(info.bold(), bold);
    QCOMPARE(font.hintingPreference(), QFont::PreferVerticalHinting);
}

void FontsTest::registeringTwiceAddsNothing()
{
    const int before = QFontDatabase::families().size();
    Fonts::registerBundled();
    QCOMPARE(QFontDatabase::families().size(), before);
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Quicksand")));
}

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
