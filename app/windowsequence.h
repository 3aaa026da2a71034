// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two windows and the hand-over between them: the crossword window Form1 and the
// credits window Form2. Each exists at most once and is reached here by its name.
//
// The program ends by its own rule, not Qt's: once no window is loaded and the handler that
// unloaded the last one has returned. The hand-over from the credits back to the crossword
// unloads one window and shows the other inside the same handler, so it never ends the program.
#pragma once

#include "ui/credits/clock.h"
#include "ui/credits/form2.h"
#include "ui/crossword/form1.h"
#include "ui/queuedcall.h"

#include <memory>
#include <QObject>
#include <QPointer>

class WindowSequence : public QObject {
    Q_OBJECT
public:
    explicit WindowSequence(
        std::shared_ptr<const Clock> clock = Clock::monotonic(), QObject* parent = nullptr);
    // Windows still loaded close with the program.
    ~WindowSequence() override;

    // The loaded windows, or null.
    Form1* form1() const { return m_form1; }
    Form2* form2() const { return m_form2; }

    // Show a window, loading it first when it is not loaded.
    Form1* showForm1();
    Form2* showForm2();

    // "AUTOR" on the crossword window: show the credits, disable their input, unload Form1.
    void mnuautor_Click();

Q_SIGNALS:
    // No window is left: the program ends.
    void finished();

private:
    void unloadForm1();
    void endIfNoWindow();

    std::shared_ptr<const Clock> m_clock;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    // Once the handler that unloaded a window has returned.
    QueuedCall m_endCheck {this, [this] { endIfNoWindow(); }};
};
