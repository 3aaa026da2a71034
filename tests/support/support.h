// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the window tests share.
#pragma once

#include "ui/credits/clock.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QWidget>

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(double start = 0)
        : now(start)
    { }
    double seconds() const override { return now; }
    double now;
};

// The control of a window with this object name; the test stops at once when there is none.
template <typename T = QWidget> T* control(const QObject* window, const QString& name)
{
    auto* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The letter the puzzle expects in a cell, and the answer of a word, from the puzzle's lookups.
char letterOf(int cell);
QString answerOf(int word);

// The object name of the window's focus widget; empty when it has none, as for a moment when a
// closing message box leaves no window active.
QString focusName(const QWidget* window);

// Top-level widgets with this object name.
int liveWindows(const char* name);
// Deletes the windows that asked to be deleted later.
void dropDeletedWindows();

// While it lives, dismisses every modal window and popup as it appears, from a zero timer that
// the window's own event loop runs, and notes what each one was.
class Dismisser : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        const QWidget* parent = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
    };
    QList<Seen> seen;

    Dismisser();
    ~Dismisser() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// While it lives, takes every address handed to the desktop, so that nothing is launched.
class UrlTrap : public QObject {
    Q_OBJECT
public:
    UrlTrap();
    ~UrlTrap() override;
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url);
};
