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
    // The clue boxes' click handlers: each checks its word.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check6_Click();
    void Check7_Click();
    void Check8_Click();
    void Check9_Click();
    void Check10_Click();
    void Check11_Click();
    void Check12_Click();
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
