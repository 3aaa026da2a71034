// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowsequence.h"

#include "ui/platform.h"

WindowSequence::WindowSequence(std::shared_ptr<const Clock> clock, QObject* parent)
    : QObject(parent)
    , m_clock(std::move(clock))
{ }

WindowSequence::~WindowSequence()
{
    for (QWidget* window : {static_cast<QWidget*>(m_form1), static_cast<QWidget*>(m_form2)}) {
        if (window) {
            disconnect(window, nullptr, this, nullptr);
            delete window;
        }
    }
}

Form1* WindowSequence::showForm1()
{
    if (!m_form1) {
        m_form1 = new Form1;
        // Closing the crossword window through its frame unloads it.
        m_form1->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_form1, &Form1::autorRequested, this, &WindowSequence::mnuautor_Click);
        connect(m_form1, &QObject::destroyed, this, [this] { m_endCheck.request(); });
    }
    Platform::show(m_form1);
    return m_form1;
}

Form2* WindowSequence::showForm2()
{
    if (!m_form2) {
        m_form2 = new Form2(m_clock);
        connect(m_form2, &Form2::unloaded, this, [this] {
            m_form2 = nullptr;
            m_endCheck.request();
        });
        connect(m_form2, &Form2::crosswordRequested, this, &WindowSequence::showForm1);
    }
    Platform::show(m_form2);
    return m_form2;
}

void WindowSequence::mnuautor_Click()
{
    // The order of the two steps is free: the crossword goes only after this handler, and the end
    // check its going schedules runs from the event loop later still, when the credits are loaded.
    Form2* credits = showForm2();
    credits->setEnabled(false);
    unloadForm1();
}

void WindowSequence::unloadForm1()
{
    Form1* crossword = m_form1;
    if (!crossword)
        return;
    m_form1 = nullptr;
    // Called from the window's own menu handler: the window goes once that handler returns.
    crossword->hide();
    crossword->deleteLater();
}

void WindowSequence::endIfNoWindow()
{
    if (!m_form1 && !m_form2)
        Q_EMIT finished();
}
