// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crossword/form1.h"

#include "assets/fonts.h"
#include "assets/pictures.h"
#include "puzzle/checking.h"
#include "puzzle/navigation.h"
#include "puzzle/puzzle.h"
#include "puzzle/twips.h"
#include "ui/crossword/cluebox.h"
#include "ui/crossword/clueframe.h"
#include "ui/crossword/layout.h"
#include "ui/crossword/menubarstyle.h"
#include "ui/crossword/messagebox.h"
#include "ui/keys.h"
#include "ui/platform.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/picturebox.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <qpa/qwindowsysteminterface.h>
#include <QStyleHints>

namespace {

using Puzzle::Outcome;

const QColor Background(255, 192, 128);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor DarkBlue(0, 0, 192);
const QColor DarkRed(192, 0, 0);

// Qt lays out a cell's whole text again on every repaint, and a blinking cursor repaints twice a
// second. Past this many characters the layouts would keep an idle program busy, so the cursor of
// such a cell holds still while the cell has the focus.
constexpr qsizetype SteadyCursorLength = 10000;

// The window was drawn at 96 dots per inch, where its twips become whole pixels. Its fonts are
// held at the pixel size they had there, so text keeps its size relative to the boxes whatever
// the screen reports as its density; Qt scales pixels and text alike on dense screens.
QFont atDesignDensity(QFont font)
{
    font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    return font;
}

void setColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QString directionName(int word)
{
    return Puzzle::direction(word) == Puzzle::Direction::Across ? QStringLiteral("horizontal")
                                                                : QStringLiteral("vertical");
}

// What a screen reader says of a cell: its number and which letter of which words it holds.
QString cellDescription(int cell)
{
    QStringList uses;
    for (const Puzzle::WordLetter& use : Puzzle::wordsOfCell(cell))
        uses.append(QStringLiteral("letra %1 de %2 de la palabra %3, %4")
                        .arg(use.position)
                        .arg(Puzzle::wordLength(use.word))
                        .arg(use.word)
                        .arg(directionName(use.word)));
    return QStringLiteral("Casilla %1: %2").arg(cell).arg(uses.join(QStringLiteral("; ")));
}

// The cells of across words are blue and those only down words use are red; the crossing of
// across word 3 with down word 2 is red all the same.
QColor letterColor(int cell)
{
    constexpr int RedCrossing = 14;
    if (cell == RedCrossing)
        return Red;
    for (const Puzzle::WordLetter& use : Puzzle::wordsOfCell(cell))
        if (Puzzle::direction(use.word) == Puzzle::Direction::Across)
            return Blue;
    return Red;
}

// Nothing thrown inside a handler may cross Qt's event loop: it ends the handler as a failure.
template <typename Handler> Outcome guarded(Handler&& handler) noexcept
{
    try {
        return handler();
    } catch (...) {
        return Outcome::Failed;
    }
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TELMARONDA # 2 EL INTERNADO"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::size(Layout::ClientWidth, Layout::ClientHeight));
    client->setAutoFillBackground(true);
    // Screen readers see the controls on show: the hidden picture holders and labels are left out.
    Accessibility::setRole(client, QAccessible::Client);
    setColor(client, QPalette::Window, Background);
    setCentralWidget(client);

    // Pictures and labels first, so that cells, lists and boxes lie above them.
    buildPictures(client);
    buildLabels(client);
    buildCells(client);
    buildClueLists(client);
    buildMenu();

    // One tab order over the whole window: the cells, then the clue boxes.
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder.at(i - 1), m_tabOrder.at(i));
    for (QWidget* control : std::as_const(m_tabOrder))
        control->installEventFilter(this);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_cells.front()->setFocus();
}

Form1::~Form1()
{
    if (m_heldFlashTime)
        QGuiApplication::styleHints()->setCursorFlashTime(*m_heldFlashTime);
}

void Form1::buildPictures(QWidget* client)
{
    // Nothing is decoded here. A word's pictures are decoded when a check first shows one, and
    // every word's wrong holder shares one wrong picture, decoded on the first wrong check.
    auto wrong = std::make_shared<QPixmap>();
    const auto sharedWrong = [wrong] {
        if (wrong->isNull())
            *wrong = Pictures::wrongPicture();
        return *wrong;
    };
    for (int image = 1; image <= int(m_images.size()); ++image) {
        auto* box = new PictureBox(client);
        box->setObjectName(QStringLiteral("Image%1").arg(image));
        m_images.at(image - 1) = box;
    }
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        const QRect box = Layout::indicator(word).pixels();

        PictureBox* indicator = m_images.at(slots.indicator - 1);
        indicator->setGeometry(box);
        indicator->setBordered(true);

        // The holders only lend their pictures; they stay hidden where the indicator is.
        PictureBox* right = m_images.at(slots.right - 1);
        right->setGeometry(box);
        right->setPictureSource([word] { return Pictures::rightPicture(word); });
        right->hide();
        PictureBox* wrongHolder = m_images.at(slots.wrong - 1);
        wrongHolder->setGeometry(box);
        wrongHolder->setPictureSource(sharedWrong);
        wrongHolder->hide();
        nameIndicator(slots.indicator);
    }
    for (int image = PictureList::FirstDecoration; image <= int(m_images.size()); ++image) {
        PictureBox* decoration = m_images.at(image - 1);
        decoration->setGeometry(Layout::decoration(image).pixels());
        // Kept only at the size it is drawn.
        decoration->setScaledPictureSource(
            [image](QSize devicePixels) { return Pictures::decoration(image, devicePixels); });
        decoration->setAccessibleName(QStringLiteral("Fotografía"));
    }
}

void Form1::buildLabels(QWidget* client)
{
    const QFont font = atDesignDensity(Fonts::rounded(9.75));
    auto makeLabel
        = [&](const char* name, const char* caption, const QRect& box, const QColor& color) {
              auto* label = new QLabel(client);
              // A verdict is read out as it appears, wherever the keyboard focus is. The role
              // is given before the caption, whose setting makes Qt describe the label.
              Accessibility::setRole(label, QAccessible::Notification);
              label->setText(QString::fromUtf8(caption));
              label->setAccessibleName(label->text());
              label->setObjectName(QLatin1String(name));
              label->setGeometry(box);
              label->setFont(font);
              label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
              label->setAutoFillBackground(true);
              setColor(label, QPalette::WindowText, color);
              label->hide();
              return label;
          };
    m_label1 = makeLabel("Label1", "MUY BIEN", Layout::Label1.pixels(), DarkBlue);
    m_label2 = makeLabel("Label2", "MUY MAL", Layout::Label2.pixels(), DarkRed);
}

void Form1::buildCells(QWidget* client)
{
    const QFont font = atDesignDensity(Fonts::rounded(12));
    for (int cell = 1; cell <= Puzzle::CellCount; ++cell) {
        auto* edit = new QLineEdit(client);
        edit->setObjectName(QStringLiteral("Text%1").arg(cell));
        const Puzzle::TwipPoint corner = Puzzle::topLeftOf(cell);
        edit->setGeometry(
            Twips::rect(corner.left, corner.top, Puzzle::CellWidth, Puzzle::CellHeight));
        edit->setFont(font);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(std::numeric_limits<int>::max());
        // The box is small for its letters: they may use its whole height.
        edit->setTextMargins(0, -2, 0, -2);
        setColor(edit, QPalette::Text, letterColor(cell));
        edit->setAccessibleName(cellDescription(cell));
        connect(edit, &QLineEdit::textChanged, this, &Form1::updateCursorBlinking);
        m_cells.at(cell - 1) = edit;
        m_tabOrder.append(edit);
    }
}

void Form1::buildClueLists(QWidget* client)
{
    const QFont captionFont = atDesignDensity(Fonts::rounded(8.25));
    m_frames[0]
        = new ClueFrame(QStringLiteral("*********** VERTICALES *************"), DarkBlue, client);
    m_frames[0]->setObjectName(QStringLiteral("Frame1"));
    m_frames[0]->setGeometry(Layout::Frame1.pixels());
    m_frames[0]->setAccessibleName(QStringLiteral("Pistas verticales"));
    m_frames[1]
        = new ClueFrame(QStringLiteral("*********** HORIZONTALES **************"), DarkRed, client);
    m_frames[1]->setObjectName(QStringLiteral("Frame2"));
    m_frames[1]->setGeometry(Layout::Frame2.pixels());
    m_frames[1]->setAccessibleName(QStringLiteral("Pistas horizontales"));
    for (ClueFrame* frame : m_frames)
        frame->setFont(captionFont);

    using Handler = void (Form1::*)();
    constexpr std::array<Handler, Puzzle::WordCount> handlers {&Form1::Check1_Click,
        &Form1::Check2_Click, &Form1::Check3_Click, &Form1::Check4_Click, &Form1::Check5_Click,
        &Form1::Check6_Click, &Form1::Check7_Click, &Form1::Check8_Click, &Form1::Check9_Click,
        &Form1::Check10_Click, &Form1::Check11_Click, &Form1::Check12_Click};

    const QFont clueFont = atDesignDensity(Fonts::sansSerif(8.25));
    const QColor captionColor = QPalette().color(QPalette::WindowText);
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        ClueFrame* frame
            = m_frames.at(Puzzle::clueListOf(word) == Puzzle::ClueList::Frame1 ? 0 : 1);
        auto* box = new ClueBox(Puzzle::clue(word), frame);
        box->setObjectName(QStringLiteral("Check%1").arg(word));
        box->setGeometry(Layout::ClueBoxes.at(word - 1).pixels());
        // A box whose lower part the next box of its list covers draws only in the part left open.
        box->setOpenHeight(Twips::toPixels(Layout::openHeight(word)));
        box->setFont(clueFont);
        setColor(box, QPalette::WindowText, captionColor);
        box->setAccessibleName(QStringLiteral("Pista de la palabra %1, %2: %3")
                                   .arg(word)
                                   .arg(directionName(word))
                                   .arg(Puzzle::clue(word)));
        box->setAccessibleDescription(
            QStringLiteral("Pulse para comprobar la palabra %1").arg(word));
        connect(box, &QAbstractButton::clicked, this, handlers.at(word - 1));
        m_boxes.at(word - 1) = box;
        m_tabOrder.append(box);
    }
}

void Form1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    MenuBarStyle::install(bar);
    QAction* salir = bar->addAction(QStringLiteral("SALIR"));
    salir->setObjectName(QStringLiteral("SAL"));
    connect(salir, &QAction::triggered, this, &Form1::SAL_Click);
    QAction* autor = bar->addAction(QStringLiteral("AUTOR"));
    autor->setObjectName(QStringLiteral("mnuautor"));
    connect(autor, &QAction::triggered, this, &Form1::mnuautor_Click);
}

Outcome Form1::checkClick(int word)
{
    return guarded([&] { return Puzzle::CheckClick(word, *this); });
}

void Form1::mnuautor_Click()
{
    Q_EMIT autorRequested();
}

void Form1::SAL_Click()
{
    Platform::endProgram();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Before the control's own focus handling, which starts or stops its cursor's blinking.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        updateCursorBlinking();
    if (!m_tabOrder.contains(watched))
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // Keys typed faster than the window takes them wait in line before the focus move that an
        // earlier Enter or arrow asked for, addressed to the control the focus is leaving; a
        // screen reader that looks at keys first hands them back addressed so. The move is made
        // first, and each key goes where the focus is by then.
        return sendOnToFocus(watched, event) || previewKey(*static_cast<QKeyEvent*>(event));
    }
    const auto* input = event->type() == QEvent::InputMethod
        ? static_cast<const QInputMethodEvent*>(event)
        : nullptr;
    if (input && !input->commitString().isEmpty() && input->preeditString().isEmpty()
        && input->replacementLength() == 0) {
        // A letter typed with a dead key is composed by the platform as it reads the keys and
        // handed at once to the focused control, ahead of the keys typed before it, which still
        // wait in the window system's queue. Those are taken first, then it goes on as a key
        // would. Nothing they set off waits in a loop of its own ("GANASTES" is shown without
        // waiting), so the platform is not asked to compose again before it has finished. An
        // input method's preedit stays where the input method shows it.
        QWindowSystemInterface::flushWindowSystemEvents();
        return sendOnToFocus(watched, event);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::sendOnToFocus(QObject* watched, QEvent* event)
{
    m_focusMove.runIfPending();
    QWidget* focused = focusWidget();
    if (focused == watched || !m_tabOrder.contains(focused))
        return false;
    QCoreApplication::sendEvent(focused, event);
    return true;
}

bool Form1::previewKey(const QKeyEvent& event)
{
    // Only a key the logic acts on goes to it, to the handler that reads it.
    KeyCodes codes = keyCodesOf(event);
    if (codes.keyCode != Puzzle::KeyCode::NoKey) {
        const Outcome outcome = guarded([&] { return Puzzle::Form_KeyDown(*this, codes.keyCode); });
        if (outcome == Outcome::Done && codes.keyCode == Puzzle::KeyCode::NoKey)
            return true;
    }
    if (codes.keyAscii != Puzzle::KeyCode::NoKey) {
        const Outcome outcome
            = guarded([&] { return Puzzle::Form_KeyPress(*this, codes.keyAscii); });
        if (outcome == Outcome::Done && codes.keyAscii == Puzzle::KeyCode::NoKey)
            return true;
    }
    return false;
}

void Form1::requestFocusMove(bool forward)
{
    // Made once the key event is over, or as the next key arrives, whichever comes first; never
    // after the window is gone.
    m_moveForward = forward;
    m_focusMove.request();
}

void Form1::moveFocus(bool forward)
{
    const qsizetype count = m_tabOrder.size();
    const qsizetype current = m_tabOrder.indexOf(focusWidget());
    qsizetype next;
    if (current < 0)
        next = forward ? 0 : count - 1;
    else
        next = (current + (forward ? 1 : count - 1)) % count;
    // A move by keyboard, as Tab makes it: the style shows where the focus went.
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_tabOrder.at(next)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void Form1::updateCursorBlinking()
{
    const auto* focused = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    const bool steady = focused
        && std::find(m_cells.begin(), m_cells.end(), focused) != m_cells.end()
        && focused->text().size() > SteadyCursorLength;
    QStyleHints* hints = QGuiApplication::styleHints();
    if (steady && !m_heldFlashTime) {
        m_heldFlashTime = hints->cursorFlashTime();
        hints->setCursorFlashTime(0);
    } else if (!steady && m_heldFlashTime) {
        hints->setCursorFlashTime(*m_heldFlashTime);
        m_heldFlashTime.reset();
    }
}

std::optional<QString> Form1::CellText(int cell)
{
    if (cell < 1 || cell > Puzzle::CellCount)
        return std::nullopt;
    return m_cells.at(cell - 1)->text();
}

Outcome Form1::SetLabelVisible(Puzzle::FeedbackLabel label, bool visible)
{
    QLabel* shown = label == Puzzle::FeedbackLabel::Label1 ? m_label1 : m_label2;
    const bool again = visible && shown->isVisible();
    shown->setVisible(visible);
    // Showing raises the announcement; a verdict shown again is announced again.
    if (again)
        Accessibility::announce(shown);
    return Outcome::Done;
}

std::optional<Puzzle::Picture> Form1::GetPicture(int image)
{
    if (image < 1 || image > static_cast<int>(m_images.size()))
        return std::nullopt;
    const QPixmap picture = m_images.at(image - 1)->picture();
    if (picture.isNull())
        return Puzzle::Picture();
    return Puzzle::Picture::fromValue(picture);
}

Outcome Form1::SetPicture(int image, const Puzzle::Picture& picture)
{
    if (image < 1 || image > static_cast<int>(m_images.size()))
        return Outcome::Failed;
    QPixmap pixmap;
    if (!picture.isNull()) {
        if (!picture.canConvert<QPixmap>())
            return Outcome::Failed;
        pixmap = picture.value<QPixmap>();
    }
    m_images.at(image - 1)->setPicture(pixmap);
    nameIndicator(image);
    return Outcome::Done;
}

void Form1::nameIndicator(int image)
{
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        if (slots.indicator != image)
            continue;
        PictureBox* indicator = m_images.at(image - 1);
        const qint64 shown = indicator->picture().cacheKey();
        QString state;
        if (indicator->picture().isNull())
            state = QStringLiteral("sin comprobar");
        else if (shown == m_images.at(slots.right - 1)->picture().cacheKey())
            state = QStringLiteral("bien");
        else if (shown == m_images.at(slots.wrong - 1)->picture().cacheKey())
            state = QStringLiteral("mal");
        else
            state = QStringLiteral("otra imagen");
        // What a screen reader says of it: the word and what its picture shows. Renaming raises
        // the name-change event screen readers follow.
        indicator->setAccessibleName(QStringLiteral("Palabra %1: %2").arg(word).arg(state));
        return;
    }
}

Outcome Form1::ShowMessage(const QString& text)
{
    Message::show(this, text);
    return Outcome::Done;
}

Outcome Form1::FocusNext()
{
    requestFocusMove(true);
    return Outcome::Done;
}

Outcome Form1::FocusPrevious()
{
    requestFocusMove(false);
    return Outcome::Done;
}
