// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/windowsequence.h"
#include "assets/pictures.h"
#include "tests/support/support.h"
#include "ui/widgets/picturebox.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// What a player can change on the crossword window.
struct CrosswordState {
    QStringList cells;
    QList<bool> ticks;
    bool label1Visible = false;
    bool label2Visible = false;
    int indicatorsWithPicture = 0;

    static CrosswordState of(QWidget* form)
    {
        CrosswordState state;
        for (int cell = 1; cell <= 64; ++cell)
            state.cells.append(
                control<QLineEdit>(form, QStringLiteral("Text%1").arg(cell))->text());
        for (int word = 1; word <= 12; ++word)
            state.ticks.append(
                control<QCheckBox>(form, QStringLiteral("Check%1").arg(word))->isChecked());
        state.label1Visible = !control<QLabel>(form, QStringLiteral("Label1"))->isHidden();
        state.label2Visible = !control<QLabel>(form, QStringLiteral("Label2"))->isHidden();
        for (int word = 1; word <= 12; ++word) {
            const auto* indicator
                = control<PictureBox>(form, QStringLiteral("Image%1").arg(3 * word));
            state.indicatorsWithPicture += indicator->picture().isNull() ? 0 : 1;
        }
        return state;
    }

    bool operator==(const CrosswordState&) const = default;
};

} // namespace

class TestSequence : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<FakeClock> m_clock;
    WindowSequence* m_windows = nullptr;
    QSignalSpy* m_finished = nullptr;

    void pickAutor()
    {
        auto* autor = m_windows->form1()->findChild<QAction*>(QStringLiteral("mnuautor"));
        QVERIFY(autor);
        autor->trigger();
    }

    // Lets the credits' own timer see the five seconds pass.
    void creditsRunOut()
    {
        m_clock->now += 5.0;
        QTRY_VERIFY(m_windows->form1() != nullptr);
        dropDeletedWindows();
    }

private Q_SLOTS:
    void init()
    {
        m_clock = std::make_shared<FakeClock>(500.0);
        m_windows = new WindowSequence(m_clock);
        m_finished = new QSignalSpy(m_windows, &WindowSequence::finished);
        m_windows->showForm1();
    }

    void cleanup()
    {
        delete m_finished;
        delete m_windows;
        dropDeletedWindows();
        QCOMPARE(liveWindows("Form1"), 0);
        QCOMPARE(liveWindows("Form2"), 0);
    }

    void startsWithTheCrosswordOnly()
    {
        QVERIFY(m_windows->form1()->isVisible());
        QVERIFY(!m_windows->form2());
        QCOMPARE(liveWindows("Form1"), 1);
        QCOMPARE(liveWindows("Form2"), 0);
        QCOMPARE(m_windows->showForm1(), m_windows->form1()); // reached by name, only once
    }

    void applicationSettings()
    {
        configureApplication(*qApp);
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QCOMPARE(QApplication::applicationName(), QStringLiteral("TELMARONDA"));
        QCOMPARE(QApplication::windowIcon().availableSizes(),
            Pictures::applicationIcon().availableSizes());
    }

    // Qt's own texts read in Spanish whatever the locale (the test runs under LANG=C), and the
    // layout runs left to right whatever Qt was told.
    void qtTextsInSpanish()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        configureApplication(*qApp);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);

        auto* cell = m_windows->form1()->findChild<QLineEdit*>(QStringLiteral("Text1"));
        const std::unique_ptr<QMenu> menu(cell->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                entries.append(action->text().section(u'\t', 0, 0));
        QCOMPARE(entries,
            QStringList({QStringLiteral("&Deshacer"), QStringLiteral("&Rehacer"),
                QStringLiteral("Cor&tar"), QStringLiteral("&Copiar"), QStringLiteral("&Pegar"),
                QStringLiteral("Borrar"), QStringLiteral("Seleccionar todo")}));

        // The "GANASTES" box that checking word 12 opens: its one button, without an icon.
        QStringList buttons;
        bool icons = false;
        QTimer dismisser;
        connect(&dismisser, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* button : box->buttons()) {
                buttons.append(button->text());
                icons = icons || !button->icon().isNull();
            }
            box->done(0);
        });
        dismisser.start(10);
        m_windows->form1()->findChild<QCheckBox*>(QStringLiteral("Check12"))->click();
        QTRY_COMPARE(buttons, QStringList(QStringLiteral("Aceptar")));
        QVERIFY(!icons);
    }

    void autorShowsDisabledCreditsAndUnloadsTheCrossword()
    {
        QPointer<Form1> crossword = m_windows->form1();
        pickAutor();
        Form2* credits = m_windows->form2();
        QVERIFY(credits);
        QVERIFY(credits->isVisible());
        QVERIFY(!credits->isEnabled());
        QVERIFY(!m_windows->form1());
        QVERIFY(crossword && crossword->isHidden());
        dropDeletedWindows();
        QVERIFY(crossword.isNull()); // destroyed with everything in it
        QCoreApplication::processEvents();
        QCOMPARE(m_finished->count(), 0);
    }

    void freshCrosswordAfterTheCredits()
    {
        Form1* first = m_windows->form1();
        const CrosswordState initial = CrosswordState::of(first);
        QCOMPARE(initial.cells, QStringList(64, QString()));
        QVERIFY(!initial.label1Visible && !initial.label2Visible);
        QCOMPARE(initial.indicatorsWithPicture, 0);

        for (int cell = 1; cell <= 64; ++cell)
            control<QLineEdit>(first, QStringLiteral("Text%1").arg(cell))
                ->setText(QStringLiteral("X"));
        control<QCheckBox>(first, QStringLiteral("Check1"))->click();
        control<QCheckBox>(first, QStringLiteral("Check2"))->click();
        QVERIFY(!(CrosswordState::of(first) == initial));

        pickAutor();
        creditsRunOut();
        QVERIFY(!m_windows->form2());
        QCOMPARE(liveWindows("Form2"), 0);
        Form1* fresh = m_windows->form1();
        QVERIFY(fresh->isVisible());
        QVERIFY(CrosswordState::of(fresh) == initial);
        QCOMPARE(fresh->focusWidget(), control<QWidget>(fresh, QStringLiteral("Text1")));
        QCoreApplication::processEvents();
        QCOMPARE(m_finished->count(), 0); // the hand-over never ends the program
    }

    void creditsIgnoreTheUser()
    {
        pickAutor();
        Form2* credits = m_windows->form2();
        QVERIFY(QTest::qWaitForWindowExposed(credits));
        QVERIFY(!credits->close());
        QVERIFY(!credits->windowHandle()->close());
        QTest::keyClick(credits, Qt::Key_Escape);
        auto* close = control<QWidget>(credits, QStringLiteral("imgSalir"));
        QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
        QCoreApplication::processEvents();
        QCOMPARE(m_windows->form2(), credits);
        QVERIFY(credits->isVisible());
        QVERIFY(!m_windows->form1());
        QCOMPARE(m_finished->count(), 0);
    }

    void autorManyTimesLeavesNothingBehind()
    {
        for (int round = 0; round < 40; ++round) {
            pickAutor();
            Form2* credits = m_windows->form2();
            m_clock->now += 5.0;
            credits->Timer1_Timer();
            dropDeletedWindows();
            QCOMPARE(liveWindows("Form1"), 1);
            QCOMPARE(liveWindows("Form2"), 0);
            QVERIFY(m_windows->form1());
            QVERIFY(!m_windows->form2());
        }
        QCoreApplication::processEvents();
        QCOMPARE(m_finished->count(), 0);
    }

    void closingTheCrosswordEndsTheProgram()
    {
        QVERIFY(m_windows->form1()->close());
        QTRY_COMPARE(m_finished->count(), 1);
        QVERIFY(!m_windows->form1());
        QCOMPARE(liveWindows("Form1"), 0);
    }

    void closingTheCreditsByTheirOwnHandlerEndsTheProgram()
    {
        pickAutor();
        m_windows->form2()->imgSalir_Click();
        QTRY_COMPARE(m_finished->count(), 1);
        QVERIFY(!m_windows->form1());
        QVERIFY(!m_windows->form2());
    }

    void salirEndsAtOnceWithStatusZero()
    {
        control<QLineEdit>(m_windows->form1(), QStringLiteral("Text1"))
            ->setText(QStringLiteral("A"));
        auto* salir = m_windows->form1()->findChild<QAction*>(QStringLiteral("SAL"));
        QVERIFY(salir);
        QTimer::singleShot(0, salir, &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestSequence)
#include "tst_sequence.moc"
