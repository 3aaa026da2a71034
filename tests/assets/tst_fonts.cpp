// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled faces: each registered the first time it is asked for, found by family, bold by
// weight. The suite's font configuration knows no other font, so a face is present only once the
// program has registered it.
#include "assets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QtTest>

class FontsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs first, before any font is asked for.
    void facesRegisterOnFirstUse();
    void bundledFacesAreUsed_data();
    void bundledFacesAreUsed();
    void machineSettingsChangeNothing();
};

void FontsTest::facesRegisterOnFirstUse()
{
    const QString rounded = QStringLiteral("Quicksand");
    const QString sans = QStringLiteral("Liberation Sans");
    auto styles = [](const QString& family) {
        QStringList found = QFontDatabase::styles(family);
        found.sort();
        return found;
    };
    QCOMPARE(styles(sans), QStringList());
    QCOMPARE(styles(rounded), QStringList());

    Fonts::sansSerif(8);
    QCOMPARE(styles(sans), QStringList {QStringLiteral("Regular")});
    QCOMPARE(styles(rounded), QStringList());

    // The bold file, which only the credits window uses, comes with the first bold request.
    Fonts::sansSerif(8, QFont::Bold);
    QCOMPARE(styles(sans), (QStringList {QStringLiteral("Bold"), QStringLiteral("Regular")}));

    Fonts::rounded(12);
    QCOMPARE(styles(rounded), QStringList {QStringLiteral("Bold")});

    // Asking again adds nothing.
    const QStringList families = QFontDatabase::families();
    Fonts::rounded(9.75);
    Fonts::sansSerif(10, QFont::Bold);
    QCOMPARE(QFontDatabase::families(), families);
    QCOMPARE(styles(sans).size(), 2);
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
    QCOMPARE(info.family(), family);
    QCOMPARE(info.bold(), bold);
    QCOMPARE(font.hintingPreference(), QFont::PreferVerticalHinting);
}

// Text is antialiased, its edges grey, whatever the machine's fontconfig settings say: CTest runs
// this function under aliased.conf too, which turns antialiasing off.
void FontsTest::machineSettingsChangeNothing()
{
    QImage text(48, 24, QImage::Format_Grayscale8);
    text.fill(Qt::white);
    QPainter painter(&text);
    painter.setFont(Fonts::sansSerif(12));
    painter.drawText(text.rect(), Qt::AlignCenter, QStringLiteral("AVO"));
    painter.end();
    QVERIFY(std::any_of(text.constBits(), text.constBits() + text.sizeInBytes(),
        [](uchar grey) { return grey > 32 && grey < 224; }));
}

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
