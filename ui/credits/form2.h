// SPDX-License-Identifier: GPL-3.0-or-later
// The credits window "ACERCA DEL AUTOR": the game's title, the credits, a dedication, a web
// address and a rights notice on an orange card. It stays five seconds after it is loaded, then
// unloads itself and asks for the crossword window again.
//
// Building the window loads it: the controls are made and Form_Load runs. Unloading hides it and
// deletes it later, so a Form2 is always created with new and never owned by anyone but itself.
#pragma once

#include "ui/credits/clock.h"

#include <memory>
#include <QWidget>

class QTimer;
class CaptionLabel;
class PictureBox;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(
        std::shared_ptr<const Clock> clock = Clock::monotonic(), QWidget* parent = nullptr);

    // The clock reading when the window was loaded.
    double StartTime() const { return m_startTime; }

    // Event handlers.
    void Form_Load();
    void Timer1_Timer();
    // The handlers below only run when the window takes input, which it never does in the game:
    // the crossword window disables its input as it shows it. The two labels hand their addresses
    // to QDesktopServices.
    void Form_KeyPress(quint16& keyAscii);
    void imgSalir_Click();
    void Label4_Click();
    void Label5_Click();

    // Hides the window, stops its timer and deletes it once control returns to the event loop.
    void unload();

Q_SIGNALS:
    // The window has been unloaded and is on its way out.
    void unloaded();
    // The five seconds are over: the crossword window is to be shown again.
    void crosswordRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::shared_ptr<const Clock> m_clock;
    double m_startTime = 0;
    bool m_unloaded = false;

    QTimer* m_timer1 = nullptr;
    CaptionLabel* m_label1 = nullptr;
    CaptionLabel* m_label2 = nullptr;
    CaptionLabel* m_label3 = nullptr;
    CaptionLabel* m_label4 = nullptr;
    CaptionLabel* m_label5 = nullptr;
    PictureBox* m_image9 = nullptr;
    PictureBox* m_imgSalir = nullptr;
};
