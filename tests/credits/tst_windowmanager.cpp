// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows under a real X server and window manager, driven as a user drives them: the
// window manager's own move, resize, maximise and minimise requests leave the credits window
// where and as it was; keys typed faster than the window takes them land where they were typed
// for; and the "GANASTES" box cannot get lost. Run through with-window-manager.sh, which starts
// the server and the manager; skipped elsewhere.
#include "tests/support/support.h"
#include "tests/support/xdo.h"
#include "ui/credits/form2.h"
#include "ui/credits/layout.h"
#include "ui/crossword/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

namespace {

// The positions and states a window reports, as the window system delivers them.
class WindowWatch : public QObject {
public:
    explicit WindowWatch(QWidget* window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }
    QList<QPoint> positions;
    int minimised = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move)
            positions.append(m_window->pos());
        if (event->type() == QEvent::WindowStateChange && m_window->isMinimized())
            ++minimised;
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server with a window manager");
        if (!Xdo::available())
            QSKIP("needs xdotool");
    }

    void credits()
    {
        QPointer<Form2> form = new Form2(std::make_shared<FakeClock>());
        form->show();
        form->setEnabled(false);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->repaint();
        const QPoint placed = form->pos();
        const QString id = QString::number(form->winId());
        WindowWatch watch(form);

        QVERIFY(Xdo::succeeds(
            {QStringLiteral("windowmove"), id, QStringLiteral("7"), QStringLiteral("9")}));
        // The window manager moves the window, and the window goes back.
        QTRY_VERIFY(std::any_of(watch.positions.cbegin(), watch.positions.cend(),
            [&](const QPoint& at) { return at != placed; }));
        QTRY_COMPARE(form->pos(), placed);

        // A window manager that honours the frame's missing minimise button ignores the request;
        // one that iconifies the window all the same sees it come back. A move requested after it
        // shows that the window manager has dealt with the minimise.
        watch.positions.clear();
        QVERIFY(Xdo::succeeds({QStringLiteral("windowminimize"), id}));
        QVERIFY(Xdo::succeeds(
            {QStringLiteral("windowmove"), id, QStringLiteral("11"), QStringLiteral("13")}));
        QTRY_VERIFY(std::any_of(watch.positions.cbegin(), watch.positions.cend(),
            [&](const QPoint& at) { return at != placed; }));
        QTRY_VERIFY(!form->isMinimized());
        QTRY_VERIFY(form->windowHandle()->isExposed());
        QTRY_COMPARE(form->pos(), placed);
        qInfo("the window manager %s the minimise request",
            watch.minimised ? "carried out" : "ignored");

        // Stretched by the window manager, and maximised by a double click on its title bar: the
        // window keeps its size and place. A move after them shows they have been dealt with.
        watch.positions.clear();
        QVERIFY(Xdo::succeeds(
            {QStringLiteral("windowsize"), id, QStringLiteral("900"), QStringLiteral("700")}));
        QMargins extents;
        QTRY_VERIFY(!(extents = Xdo::frameExtents(id)).isNull());
        const QPoint title(
            form->geometry().center().x(), form->geometry().top() - extents.top() / 2);
        QVERIFY(Xdo::click(title, 2));
        QVERIFY(Xdo::succeeds(
            {QStringLiteral("windowmove"), id, QStringLiteral("15"), QStringLiteral("17")}));
        QTRY_VERIFY(std::any_of(watch.positions.cbegin(), watch.positions.cend(),
            [&](const QPoint& at) { return at != placed; }));
        QTRY_COMPARE(form->windowState(), Qt::WindowNoState);
        QTRY_COMPARE(form->size(), CreditsLayout::Window.pixels().size());
        QTRY_COMPARE(form->pos(), placed);
        QCOMPARE(form->windowTitle(), QStringLiteral("ACERCA DEL AUTOR"));
        delete form;
    }

    // Word 1 with an Enter after each letter, all reaching the X server while the window waits
    // for xdotool, so that every key is queued before the window takes the first.
    void keysTypedAhead()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(Xdo::typeAnswer(1, 0));
        QTRY_COMPARE(focusName(&form), QStringLiteral("Text11"));
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(control<QLineEdit>(&form, QStringLiteral("Text%1").arg(n))->text(),
                QString(QLatin1Char(letterOf(n))));
    }

    // The blocked crossword clicked, the "GANASTES" box minimised with its frame's button, the
    // crossword minimised and brought back as a taskbar does: each time the box is on top with the
    // keyboard focus, and Return dismisses it.
    void messageBoxCannotGetLost()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Shown without waiting for the player: the click is over while the box is up.
        control<QAbstractButton>(&form, QStringLiteral("Check12"))->click();
        const QPointer<QWidget> box = QApplication::activeModalWidget();
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowActive(box));
        const QString boxId = QString::number(box->winId());
        const auto active = [] { return Xdo::run({QStringLiteral("getactivewindow")}); };
        // The blocked crossword clicked.
        const QPoint cell
            = form.mapToGlobal(control(&form, QStringLiteral("Text40"))->geometry().center());
        QVERIFY(Xdo::click(cell));
        QTRY_COMPARE(active(), boxId);
        QTRY_VERIFY(box->isActiveWindow());
        // openbox gives every frame a minimise button, whatever the window asks for, and
        // minimises the crossword with the box. In openbox's own title layout (NLIMC) it comes
        // first of the buttons, close last.
        WindowWatch watch(box);
        QList<QRect> buttons;
        QTRY_VERIFY((buttons = Xdo::frameButtons(boxId)).size() >= 2);
        QVERIFY(Xdo::click(buttons.constFirst().center()));
        QTRY_COMPARE(watch.minimised, 1);
        QTRY_VERIFY(!box->isMinimized() && !form.isMinimized());
        QTRY_COMPARE(active(), boxId);
        QTRY_VERIFY(box->isActiveWindow());
        // The crossword minimised, then brought back as a taskbar does; a move requested after
        // them shows the window manager has dealt with both.
        const QString crossword = QString::number(form.winId());
        QVERIFY(Xdo::succeeds({QStringLiteral("windowminimize"), crossword}));
        QVERIFY(Xdo::succeeds({QStringLiteral("windowactivate"), crossword}));
        QVERIFY(Xdo::succeeds(QStringLiteral("windowmove %1 21 23").arg(crossword).split(u' ')));
        // The window manager puts the window's inside at the requested place.
        QTRY_COMPARE(form.geometry().topLeft(), QPoint(21, 23));
        QTRY_COMPARE(active(), boxId);
        QTRY_VERIFY(!box->isMinimized() && box->isActiveWindow());
        QVERIFY(Xdo::succeeds({QStringLiteral("key"), QStringLiteral("Return")}));
        // Dismissed, it goes.
        QTRY_VERIFY(!box);
    }
};

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
