// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/twips.h"
#include "tests/support/support.h"
#include "ui/credits/creditscontrols.h"
#include "ui/credits/creditstexts.h"
#include "ui/credits/form2.h"
#include "ui/credits/layout.h"

#include <QAccessible>
#include <QCloseEvent>
#include <qpa/qwindowsysteminterface.h>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestForm2 : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<FakeClock> m_clock;
    UrlTrap m_urls;
    QPointer<Form2> m_form;

    void showDisabled()
    {
        m_form->show();
        m_form->setEnabled(false);
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }

private Q_SLOTS:
    void init()
    {
        m_clock = std::make_shared<FakeClock>(1000.0);
        m_urls.opened.clear();
        m_form = new Form2(m_clock);
    }

    void cleanup()
    {
        delete m_form;
        dropDeletedWindows();
    }

    void window()
    {
        QCOMPARE(m_form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("ACERCA DEL AUTOR"));
        // 6150 × 3600 twips, at 15 twips a pixel.
        QCOMPARE(m_form->size(), QSize(410, 240));
        // Fixed: tiling window managers float it rather than stretch it.
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(m_form->isWindow());
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Label2") << "Label2" << Twips::rect(240, 720, 2055, 1935);
        QTest::newRow("Label3") << "Label3" << Twips::rect(2160, 1080, 3735, 615);
        QTest::newRow("Label4") << "Label4" << Twips::rect(1800, 1680, 3735, 615);
        QTest::newRow("Label5") << "Label5" << Twips::rect(960, 2880, 4215, 375);
        QTest::newRow("Image9") << "Image9" << Twips::rect(5280, 2760, 600, 375);
        QTest::newRow("imgSalir") << "imgSalir" << Twips::rect(5520, 240, 360, 360);
        QTest::newRow("Line1") << "Line1" << QRect(24, 176, 128, 1);
        QTest::newRow("Line2") << "Line2" << QRect(24, 96, 136, 1);
        QTest::newRow("Shape2") << "Shape2" << Twips::rect(120, 120, 5895, 3375);
        // 40 pixels centred on the edge of 0, 0, 5895, 3375: half of it lies outside.
        QTest::newRow("Shape1") << "Shape1" << QRect(-20, -20, 433, 265);
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(control(m_form, name)->geometry(), expected);
    }

    void label1IsFittedToItsTitle()
    {
        auto* label = control<QLabel>(m_form, QLatin1String("Label1"));
        QCOMPARE(label->text(), QStringLiteral("TELMARONDA N.2"));
        QCOMPARE(label->toolTip(), QStringLiteral("Version 0.75"));
        QCOMPARE(label->pos(), Twips::rect(1200, 240, 3255, 435).topLeft());
        QCOMPARE(label->size(), label->sizeHint());
        QCOMPARE(label->font().pointSizeF(), 18.0);
    }

    void stackingOrder()
    {
        const QStringList bottomToTop = {QStringLiteral("Shape1"), QStringLiteral("Shape2"),
            QStringLiteral("Label1"), QStringLiteral("imgSalir"), QStringLiteral("Label2"),
            QStringLiteral("Line2"), QStringLiteral("Line1"), QStringLiteral("Label3"),
            QStringLiteral("Label4"), QStringLiteral("Image9"), QStringLiteral("Label5")};
        QStringList stacked;
        for (QObject* child : m_form->children()) {
            if (child->isWidgetType())
                stacked.append(child->objectName());
        }
        QCOMPARE(stacked, bottomToTop);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("starts");
        QTest::addColumn<QString>("ends");
        QTest::newRow("credits block") << "Label2" << 276 << "    Idea y Programacion:"
                                       << "Octubre 2005";
        QTest::newRow("dedication") << "Label3" << 37 << ""
                                    << "";
        QTest::newRow("address") << "Label4" << 43 << "( "
                                 << " )";
        QTest::newRow("rights") << "Label5" << 40 << QStringLiteral("   \u00A9 ") << "2005";
    }

    void captions()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        QFETCH(QString, starts);
        QFETCH(QString, ends);
        auto* label = control<QLabel>(m_form, name);
        const QString text = label->text();
        QCOMPARE(text.size(), length);
        QVERIFY2(text.startsWith(starts), qPrintable(text));
        QVERIFY2(text.endsWith(ends), qPrintable(text));
        QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(label->font().bold());
        QVERIFY(!label->autoFillBackground()); // transparent: the card shows through
    }

    void creditsBlockRuns()
    {
        const QString author = CreditsTexts::toQString(CreditsTexts::Author);
        const QString block = control<QLabel>(m_form, QLatin1String("Label2"))->text();
        QCOMPARE(block.mid(24, 40), QString(40, u' '));
        QCOMPARE(block.mid(64, 16), author);
        QCOMPARE(block.mid(80, 184), QString(184, u' '));
        QVERIFY(control<QLabel>(m_form, QLatin1String("Label5"))->text().contains(author));
    }

    // Heading, name and date each on a line of their own, the name above the upper rule and
    // the date between the two rules.
    void creditsBlockWraps()
    {
        auto* label = control<CaptionLabel>(m_form, QLatin1String("Label2"));
        const QStringList lines = label->lines();
        const QFontMetricsF metrics(label->font());
        auto lineOf = [&](const QString& part) {
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (lines.at(i).trimmed() == part)
                    return int(i);
            }
            return -1;
        };
        const int heading = lineOf(CreditsTexts::toQString(CreditsTexts::Heading));
        const int name = lineOf(CreditsTexts::toQString(CreditsTexts::Author));
        const int date = lineOf(CreditsTexts::toQString(CreditsTexts::Date));
        QVERIFY2(heading >= 0 && name > heading && date > name, qPrintable(lines.join(u'|')));
        auto bottomOf = [&](int line) { return label->y() + (line + 1) * metrics.lineSpacing(); };
        auto topOf = [&](int line) { return label->y() + line * metrics.lineSpacing(); };
        const int upperRule = control(m_form, QLatin1String("Line2"))->y();
        const int lowerRule = control(m_form, QLatin1String("Line1"))->y();
        QVERIFY(bottomOf(name) <= upperRule);
        QVERIFY(topOf(date) > upperRule);
        QVERIFY(bottomOf(date) <= lowerRule);
    }

    // The line is as wide as `ruler` and half a blank, in the credits' own font, so that each
    // row holds for any face.
    void wrapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ruler");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << u"ab cd"_s << u"ab cd"_s << QStringList {u"ab cd"_s};
        QTest::newRow("word moves down")
            << u"ab cd"_s << u"ab c"_s << QStringList {u"ab "_s, u"cd"_s};
        QTest::newRow("blanks carry over")
            << u"a       a"_s << u"a   "_s << QStringList {u"a   "_s, u"   a"_s};
        QTest::newRow("long word is cut")
            << u"abcabcab"_s << u"abc"_s << QStringList {u"abc"_s, u"abc"_s, u"ab"_s};
    }

    void wrapping()
    {
        QFETCH(QString, text);
        QFETCH(QString, ruler);
        QFETCH(QStringList, lines);
        const QFontMetricsF metrics(control(m_form, QStringLiteral("Label2"))->font());
        const qreal width = metrics.horizontalAdvance(ruler) + metrics.horizontalAdvance(u' ') / 2;
        QCOMPARE(CaptionLabel::wrapLines(text, metrics, width), lines);
    }

    void closePicture()
    {
        auto* close = control(m_form, QLatin1String("imgSalir"));
        QVERIFY(!close->isEnabled());
        QVERIFY(!close->isHidden());
        QCOMPARE(close->toolTip(), QStringLiteral("Cerrar"));
        QVERIFY(close->testAttribute(Qt::WA_SetCursor));
    }

    void timerTicksEvery50ms()
    {
        auto* timer = m_form->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 50);
        QVERIFY(timer->isActive());
        QCOMPARE(m_form->StartTime(), 1000.0);
        QSignalSpy ticks(timer, &QTimer::timeout);
        QSignalSpy unloaded(m_form.data(), &Form2::unloaded);
        QVERIFY(ticks.wait(1000));
        QCOMPARE(unloaded.count(), 0); // ticks before the five seconds change nothing
    }

    void fiveSecondCheck_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("now");
        QTest::addColumn<bool>("closes");
        QTest::newRow("at load") << 1000.0 << 1000.0 << false;
        QTest::newRow("4.99 s") << 1000.0 << 1004.99 << false;
        QTest::newRow("5.0 s") << 1000.0 << 1005.0 << true;
        QTest::newRow("late tick") << 1000.0 << 1007.5 << true;
        // Loaded three seconds before midnight: the clock does not restart, so the five
        // seconds end two seconds after midnight and not a day later.
        QTest::newRow("midnight 4.99 s") << 86397.0 << 86401.99 << false;
        QTest::newRow("midnight 5.0 s") << 86397.0 << 86402.0 << true;
        QTest::newRow("long run 5.0 s") << 3.0e6 << 3.0e6 + 5.0 << true;
    }

    void fiveSecondCheck()
    {
        QFETCH(double, start);
        QFETCH(double, now);
        QFETCH(bool, closes);
        delete m_form;
        m_clock->now = start;
        m_form = new Form2(m_clock);
        showDisabled();
        QStringList order;
        connect(m_form, &Form2::unloaded, this, [&] { order.append(QStringLiteral("unload")); });
        connect(m_form, &Form2::crosswordRequested, this,
            [&] { order.append(QStringLiteral("crossword")); });
        auto* timer = m_form->findChild<QTimer*>(QStringLiteral("Timer1"));
        m_clock->now = now;
        m_form->Timer1_Timer();
        if (!closes) {
            QVERIFY(order.isEmpty());
            QVERIFY(timer->isActive());
            QVERIFY(m_form->isVisible());
            return;
        }
        QCOMPARE(order, (QStringList {u"unload"_s, u"crossword"_s}));
        QVERIFY(!timer->isActive());
        QVERIFY(!m_form->isVisible());
        dropDeletedWindows();
        QVERIFY(m_form.isNull()); // unloading really deletes the window
    }

    void theRealTimerEndsTheWindow()
    {
        showDisabled();
        QSignalSpy crossword(m_form.data(), &Form2::crosswordRequested);
        m_clock->now += 5.0;
        QVERIFY(crossword.wait(1000));
        QCOMPARE(crossword.count(), 1);
        QTRY_VERIFY(m_form.isNull());
    }

    void defaultClockIsMonotonic()
    {
        const auto clock = Clock::monotonic();
        const double first = clock->seconds();
        QTRY_VERIFY(clock->seconds() > first);
    }

    void userInputChangesNothing()
    {
        showDisabled();
        QSignalSpy unloaded(m_form.data(), &Form2::unloaded);

        QVERIFY(!m_form->close());
        QVERIFY(!m_form->windowHandle()->close()); // the window manager's close button, Alt+F4
        QCloseEvent request;
        QCoreApplication::sendEvent(m_form, &request);
        QVERIFY(!request.isAccepted());

        QTest::keyClick(m_form, Qt::Key_Escape);
        QTest::keyClick(m_form, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(m_form, Qt::Key_A);
        for (const char* name :
            {"imgSalir", "Label1", "Label2", "Label3", "Label4", "Label5", "Image9", "Shape2"}) {
            QWidget* target = control(m_form, QLatin1String(name));
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        }

        QCOMPARE(unloaded.count(), 0);
        QVERIFY(m_urls.opened.isEmpty());
        QVERIFY(m_form->isVisible());
        QVERIFY(m_form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    // A move, a resize, a minimise or a maximise that reaches the window is undone, and the frame
    // offers no minimise or maximise button; a move the program makes itself stays.
    void staysInPlace()
    {
        showDisabled();
        m_form->repaint(); // drawn: the window system has placed it
        const QPoint placed = m_form->pos();
        const QRect shown = m_form->windowHandle()->geometry();
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            m_form->windowHandle(), shown.translated(40, 30));
        QCOMPARE(m_form->pos(), placed + QPoint(40, 30));
        QTRY_COMPARE(m_form->pos(), placed);
        // Stretched by the window system, past the window's own size limits.
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            m_form->windowHandle(), QRect(shown.topLeft(), QSize(1280, 1005)));
        QCOMPARE(m_form->size(), QSize(1280, 1005));
        QTRY_COMPARE(m_form->size(), CreditsLayout::Window.pixels().size());
        for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            m_form->setWindowState(state);
            QTRY_COMPARE(m_form->windowState(), Qt::WindowNoState);
            QTRY_COMPARE(m_form->pos(), placed);
            QVERIFY(m_form->isVisible());
        }
        m_form->move(placed + QPoint(40, 30));
        m_form->setWindowState(Qt::WindowMinimized);
        QTRY_COMPARE(m_form->windowState(), Qt::WindowNoState);
        QCOMPARE(m_form->pos(), placed + QPoint(40, 30));
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowTitleHint);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("ACERCA DEL AUTOR"));
    }

    // The window reads as a dialog that describes itself with its texts, without their runs of
    // blanks; each label and picture has a name.
    void readByScreenReaders()
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_form);
        QCOMPARE(window->role(), QAccessible::Dialog);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("ACERCA DEL AUTOR"));
        const QString description = window->text(QAccessible::Description);
        const QString author
            = CreditsTexts::toQString(CreditsTexts::Author).replace(QChar(0xA0), u' ');
        for (const QString& text : {CreditsTexts::toQString(CreditsTexts::Title),
                 CreditsTexts::toQString(CreditsTexts::Heading), author,
                 CreditsTexts::toQString(CreditsTexts::Date),
                 CreditsTexts::toQString(CreditsTexts::Dedication),
                 CreditsTexts::toQString(CreditsTexts::Address),
                 CreditsTexts::toQString(CreditsTexts::RightsPhrase).trimmed()})
            QVERIFY2(description.contains(text), qPrintable(text));
        QVERIFY(!description.contains(QStringLiteral("  ")));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control(m_form, QString::fromLatin1("Label2")))
                ->text(QAccessible::Name),
            QStringLiteral("Idea y Programacion: ") + author + QStringLiteral(" Octubre 2005"));
        for (const char* name : {"imgSalir", "Image9"}) {
            QAccessibleInterface* picture
                = QAccessible::queryAccessibleInterface(control(m_form, QString::fromLatin1(name)));
            QCOMPARE(picture->role(), QAccessible::Graphic);
            QVERIFY(!picture->text(QAccessible::Name).isEmpty());
        }
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control(m_form, QString::fromLatin1("imgSalir")))
                ->text(QAccessible::Name),
            QStringLiteral("Cerrar"));
    }

    void dormantHandlers_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::addColumn<bool>("unloads");
        QTest::newRow("Label4_Click")
            << "Label4_Click" << QList {QUrl(u"http://www.example.org/telmaronda/autor"_s)}
            << false;
        QTest::newRow("Label5_Click")
            << "Label5_Click" << QList {QUrl(u"mailto:"_s + CreditsTexts::rightsNotice())} << false;
        QTest::newRow("imgSalir_Click") << "imgSalir_Click" << QList<QUrl> {} << true;
        QTest::newRow("Esc") << "Esc" << QList<QUrl> {} << true;
        QTest::newRow("other key") << "A" << QList<QUrl> {} << false;
    }

    void dormantHandlers()
    {
        QFETCH(QString, handler);
        QFETCH(QList<QUrl>, opened);
        QFETCH(bool, unloads);
        showDisabled();
        QSignalSpy unloaded(m_form.data(), &Form2::unloaded);
        QSignalSpy crossword(m_form.data(), &Form2::crosswordRequested);
        if (handler == u"Label4_Click") {
            m_form->Label4_Click();
        } else if (handler == u"Label5_Click") {
            m_form->Label5_Click();
        } else if (handler == u"imgSalir_Click") {
            m_form->imgSalir_Click();
        } else {
            quint16 key = handler == u"Esc" ? 27 : handler.at(0).unicode();
            const quint16 before = key;
            m_form->Form_KeyPress(key);
            QCOMPARE(key, before); // the code is left unchanged
        }
        QCOMPARE(m_urls.opened, opened);
        QCOMPARE(unloaded.count(), unloads ? 1 : 0);
        QCOMPARE(crossword.count(), 0); // closing by hand shows no other window
    }

    void enabledWindowTakesEsc()
    {
        // Were the window ever given input, Esc and the frame's close would end it.
        m_form->show();
        QSignalSpy unloaded(m_form.data(), &Form2::unloaded);
        QTest::keyClick(m_form, Qt::Key_Escape);
        QCOMPARE(unloaded.count(), 1);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
