// SPDX-License-Identifier: GPL-3.0-or-later
// The credits window under a real X server and window manager: the window manager's own move and
// minimise requests, made as a user's would be, leave the window where and as it was. Run through
// with-window-manager.sh, which starts the server and the manager; skipped elsewhere.
#include "ui/credits/form2.h"

#include <QPointer>
#include <QProcess>
#include <QtTest>

namespace {

class FrozenClock final : public Clock {
public:
    double seconds() const override { return 0; }
};

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
    void movedAndMinimisedByTheWindowManager()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server with a window manager");
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty())
            QSKIP("needs xdotool");

        QPointer<Form2> form = new Form2(std::make_shared<FrozenClock>());
        form->show();
        form->setEnabled(false);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->repaint();
        const QPoint placed = form->pos();
        const QString id = QString::number(form->winId());
        WindowWatch watch(form);

        QCOMPARE(QProcess::execute(xdotool,
                     {QStringLiteral("windowmove"), id, QStringLiteral("7"), QStringLiteral("9")}),
            0);
        // The window manager moves the window, and the window goes back.
        QTRY_VERIFY(std::any_of(watch.positions.cbegin(), watch.positions.cend(),
            [&](const QPoint& at) { return at != placed; }));
        QTRY_COMPARE(form->pos(), placed);

        // A window manager that honours the frame's missing minimise button ignores the request;
        // one that iconifies the window all the same sees it come back. A move requested after it
        // shows that the window manager has dealt with the minimise.
        watch.positions.clear();
        QCOMPARE(QProcess::execute(xdotool, {QStringLiteral("windowminimize"), id}), 0);
        QCOMPARE(
            QProcess::execute(xdotool,
                {QStringLiteral("windowmove"), id, QStringLiteral("11"), QStringLiteral("13")}),
            0);
        QTRY_VERIFY(std::any_of(watch.positions.cbegin(), watch.positions.cend(),
            [&](const QPoint& at) { return at != placed; }));
        QTRY_VERIFY(!form->isMinimized());
        QTRY_VERIFY(form->windowHandle()->isExposed());
        QTRY_COMPARE(form->pos(), placed);
        qInfo("the window manager %s the minimise request",
            watch.minimised ? "carried out" : "ignored");
        QCOMPARE(form->pos(), placed);
        QCOMPARE(form->windowTitle(), QStringLiteral("ACERCA DEL AUTOR"));
        delete form;
    }
};

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
