// SPDX-License-Identifier: GPL-3.0-or-later
// The crossword window: the 64 letter cells, the two clue lists, the feedback labels, the word
// pictures and the menu. It only wires its controls to the game's logic in puzzle/.
#pragma once

#include "puzzle/crosswordview.h"
#include "ui/queuedcall.h"

#include <array>
#include <QList>
#include <QMainWindow>

class QKeyEvent;
class QLabel;
class QLineEdit;
class ClueBox;
class ClueFrame;
class PictureBox;

class Form1 : public QMainWindow, private Puzzle::CrosswordView {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

Q_SIGNALS:
    // "AUTOR" was picked: the program shows the credits in place of this window.
    void autorRequested();

public Q_SLOTS:
    // The clue boxes' click handlers: each checks its word. A failure has nobody to go back to
    // but Qt, which has no use for it.
    void Check1_Click() { static_cast<void>(checkClick(1)); }
    void Check2_Click() { static_cast<void>(checkClick(2)); }
    void Check3_Click() { static_cast<void>(checkClick(3)); }
    void Check4_Click() { static_cast<void>(checkClick(4)); }
    void Check5_Click() { static_cast<void>(checkClick(5)); }
    void Check6_Click() { static_cast<void>(checkClick(6)); }
    void Check7_Click() { static_cast<void>(checkClick(7)); }
    void Check8_Click() { static_cast<void>(checkClick(8)); }
    void Check9_Click() { static_cast<void>(checkClick(9)); }
    void Check10_Click() { static_cast<void>(checkClick(10)); }
    void Check11_Click() { static_cast<void>(checkClick(11)); }
    void Check12_Click() { static_cast<void>(checkClick(12)); }
    // Menu entries.
    void mnuautor_Click();
    void SAL_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPictures(QWidget* client);
    void buildLabels(QWidget* client);
    void buildCells(QWidget* client);
    void buildClueLists(QWidget* client);
    void buildMenu();

    Puzzle::Outcome checkClick(int word);
    // Makes a pending focus move, then hands the event of a control the focus has left to the
    // control that has it; true when it did.
    bool sendOnToFocus(QObject* watched, QEvent* event);
    // The window's key preview; true when the key was consumed.
    bool previewKey(const QKeyEvent& event);
    void requestFocusMove(bool forward);
    void moveFocus(bool forward);
    void updateCursorBlinking();

    // What the logic asks of the window, on its real controls.
    // Names a word's indicator after what it shows, for screen readers; other images are left.
    void nameIndicator(int image);

    std::optional<QString> CellText(int cell) override;
    Puzzle::Outcome SetLabelVisible(Puzzle::FeedbackLabel label, bool visible) override;
    std::optional<Puzzle::Picture> GetPicture(int image) override;
    Puzzle::Outcome SetPicture(int image, const Puzzle::Picture& picture) override;
    Puzzle::Outcome ShowMessage(const QString& text) override;
    Puzzle::Outcome FocusNext() override;
    Puzzle::Outcome FocusPrevious() override;

    std::array<QLineEdit*, 64> m_cells {};
    std::array<ClueBox*, 12> m_boxes {};
    std::array<PictureBox*, 39> m_images {};
    std::array<ClueFrame*, 2> m_frames {};
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    // The controls that take the focus, in tab order.
    QList<QWidget*> m_tabOrder;
    // The focus move an Enter or arrow key asked for, made once its key event is over.
    bool m_moveForward = true;
    QueuedCall m_focusMove {this, [this] { moveFocus(m_moveForward); }};
    // The cursor flash time to give back once no long text has the focus; set while the
    // cursor holds still.
    std::optional<int> m_heldFlashTime;
};
