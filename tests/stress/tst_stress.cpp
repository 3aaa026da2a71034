// SPDX-License-Identifier: GPL-3.0-or-later
// A long random session with the game: thousands of keys, pastes and clicks drawn from a fixed
// seed and delivered through the windows as the window system delivers a player's input, with
// the game's invariants checked after every single event. A failure names the seed and the step;
// the same session is replayed with
//
//     TELMARONDA_STRESS_SEED=<seed> TELMARONDA_STRESS_STEPS=<steps> tst_stress
//
// A crash names no step, but the seed is in the first lines of the output, and fewer steps narrow
// the session down to the event that crashes.
#include "app/application.h"
#include "app/windowsequence.h"
#include "puzzle/puzzle.h"
#include "tests/support/support.h"
#include "ui/crossword/cluebox.h"
#include "ui/widgets/picturebox.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <string_view>

namespace {

constexpr quint32 DefaultSeed = 20261208;
constexpr int DefaultSteps = 4000;
// Below this many steps a session is too short to be sure of reaching every part of the game.
constexpr int StepsForFullCoverage = 2000;
constexpr int LongestPaste = 100'000;
constexpr double CreditsSeconds = 5.0;
constexpr int ImageCount = 39;

// A key as the window system hands it over: the key, the text it types and the modifiers held.
struct Stroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

template <std::size_t N> using Texts = std::array<std::u16string_view, N>;

const Texts<18> Accented {u"Á", u"É", u"Í", u"Ó", u"Ú", u"Ü", u"Ñ", u"á", u"é", u"í", u"ó", u"ú",
    u"ü", u"ñ", u"¿", u"¡", u"ç", u"º"};
const Texts<14> NonLatin {
    u"Ω", u"Ж", u"ж", u"漢", u"字", u"ع", u"ש", u"क", u"ก", u"ß", u"Ǆ", u"ﬁ", u"İ", u"Ａ"};
// Emoji and other texts of several UTF-16 units, or none that show: a key of an input method may
// commit any of them at once.
const Texts<14> Unusual {u"😀", u"👍🏽", u"👨‍👩‍👧", u"🇪🇸", u"🀄", u"A\u0301",
    u"E\u0301", u"\u200B", u"\uFEFF", u"\u00A0", u"\u202E", u"\uFFFD", u"\u2028", u"\u0085"};
const Texts<8> AsciiOthers {u" ", u"0", u"7", u".", u",", u"-", u"'", u"@"};

QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

// A text shown in a failure message: control and invisible characters spelled out, long texts
// cut short with their length.
QString shown(const QString& text)
{
    constexpr qsizetype Shown = 12;
    QString out;
    for (qsizetype i = 0; i < std::min(text.size(), Shown); ++i) {
        const QChar c = text.at(i);
        if (c.isPrint() && c != u'\\')
            out.append(c);
        else
            out.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    if (text.size() > Shown)
        out.append(QStringLiteral("...(%1 characters)").arg(text.size()));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString describe(const Stroke& stroke)
{
    QString modifiers;
    if (stroke.modifiers & Qt::ShiftModifier)
        modifiers += QStringLiteral("Shift+");
    if (stroke.modifiers & Qt::ControlModifier)
        modifiers += QStringLiteral("Ctrl+");
    if (stroke.modifiers & Qt::AltModifier)
        modifiers += QStringLiteral("Alt+");
    return QStringLiteral("key %1%2 typing %3")
        .arg(modifiers, QKeySequence(stroke.key).toString(), shown(stroke.text));
}

// The word's cells hold exactly its answer: each cell's whole text is the one capital letter.
// Written here on its own, so that the window's checks are compared with a second reckoning.
bool answerIsIn(const std::array<QLineEdit*, Puzzle::CellCount>& cells, int word)
{
    const QString answer = answerOf(word);
    const std::span<const int> wordCells = Puzzle::cellsOfWord(word);
    if (answer.size() != static_cast<qsizetype>(wordCells.size()))
        return false;
    for (std::size_t i = 0; i < wordCells.size(); ++i)
        if (cells.at(static_cast<std::size_t>(wordCells[i] - 1))->text()
            != QString(answer.at(static_cast<qsizetype>(i))))
            return false;
    return true;
}

// The offscreen platform cannot pass size hints on, and no installed font shapes some of the
// scripts typed here: Qt says so at every turn, which would bury the session's own messages.
QtMessageHandler passOn = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.contains(QLatin1String("propagateSizeHints"))
            || message.contains(QLatin1String("OpenType support missing"))))
        return;
    passOn(type, context, message);
}

// The crossword window's controls, found by name each time a fresh window is loaded.
struct Crossword {
    QPointer<Form1> form;
    std::array<QLineEdit*, Puzzle::CellCount> cells {};
    std::array<ClueBox*, Puzzle::WordCount> boxes {};
    std::array<PictureBox*, ImageCount> images {};
    QLabel* label1 = nullptr;
    QLabel* label2 = nullptr;
    QAction* autor = nullptr;
    QAction* salir = nullptr;
    // The controls that may hold the focus: the cells and the clue boxes.
    QList<QWidget*> focusable;
    // The pictures the holders lend: each word's own, and the one wrong picture they all share.
    std::array<qint64, Puzzle::WordCount> rightPictures {};
    qint64 wrongPicture = 0;

    PictureBox* image(int n) const { return images.at(static_cast<std::size_t>(n - 1)); }
    ClueBox* box(int word) const { return boxes.at(static_cast<std::size_t>(word - 1)); }
    QLineEdit* cell(int n) const { return cells.at(static_cast<std::size_t>(n - 1)); }
};

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void randomSession();

private:
    // Drawing.
    int draw(int bound) { return static_cast<int>(m_random.bounded(quint32(bound))); }
    bool chance(int percent) { return draw(100) < percent; }
    template <std::size_t N> QString pick(const Texts<N>& texts)
    {
        return toQString(texts.at(static_cast<std::size_t>(draw(int(N)))));
    }
    Qt::KeyboardModifiers drawModifiers();
    Stroke drawCharacter();
    QString drawPasteText();

    // The steps of the session. Each delivers one or more events and stops at the first fault.
    void step();
    void typeCharacter();
    void navigate();
    void edit();
    void paste();
    void click();
    void solveWord();
    void pickAutor();
    void creditsStep();
    void creditsRunOut();

    // Delivering events and checking after each one.
    bool deliver(const QString& what, const std::function<void()>& send);
    bool key(const Stroke& stroke);
    bool clickAt(
        QWidget* target, QPoint point, Qt::KeyboardModifiers modifiers = {}, bool twice = false);
    QPoint pointHitting(QWidget* target);
    QString bindCrossword();
    void onCheck(int word);
    QString crosswordFault();
    QString creditsFault() const;

    quint32 m_seed = DefaultSeed;
    int m_steps = DefaultSteps;
    int m_step = 0;
    QRandomGenerator m_random;

    std::shared_ptr<FakeClock> m_clock;
    std::unique_ptr<WindowSequence> m_windows;
    std::unique_ptr<QSignalSpy> m_finished;
    std::unique_ptr<QSignalSpy> m_salir;
    Dismisser m_dismisser;
    UrlTrap m_urls;

    Crossword m_crossword;
    // What the window must show, from the checks seen so far on this window.
    std::optional<bool> m_lastVerdict;
    std::array<std::optional<bool>, Puzzle::WordCount> m_indicatorVerdicts {};
    QString m_checkFault;
    QString m_sendFault;
    QString m_failure;

    // Whether the credits are on; the credits window, the clock reading it was loaded at, and
    // how many more events it gets before its five seconds are over.
    bool m_inCredits = false;
    QPointer<Form2> m_credits;
    double m_creditsStart = 0;
    int m_creditsEventsLeft = 0;

    // What the session went through.
    int m_events = 0;
    int m_rightChecks = 0;
    int m_wrongChecks = 0;
    int m_lastWordChecks = 0;
    int m_creditsRounds = 0;
    int m_pastes = 0;
    qsizetype m_longestCell = 0;
};

void TestStress::initTestCase()
{
    passOn = qInstallMessageHandler(quietHandler);
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("TELMARONDA_STRESS_SEED").toUInt(&ok);
    if (ok)
        m_seed = seed;
    const int steps = qEnvironmentVariableIntValue("TELMARONDA_STRESS_STEPS", &ok);
    if (ok && steps > 0)
        m_steps = steps;
    m_random.seed(m_seed);
    qInfo("seed %u, %d steps (replay with TELMARONDA_STRESS_SEED and TELMARONDA_STRESS_STEPS)",
        m_seed, m_steps);

    // The answers are capital letters, one per cell, as the checks below take them to be.
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const QString answer = answerOf(word);
        QCOMPARE(answer.size(), static_cast<qsizetype>(Puzzle::cellsOfWord(word).size()));
        for (QChar letter : answer)
            QVERIFY(letter >= u'A' && letter <= u'Z');
    }

    configureApplication(*qApp);
}

void TestStress::cleanupTestCase()
{
    qInstallMessageHandler(passOn);
}

void TestStress::randomSession()
{
    QElapsedTimer elapsed;
    elapsed.start();
    m_clock = std::make_shared<FakeClock>(1000.0);
    m_windows = std::make_unique<WindowSequence>(m_clock);
    m_finished = std::make_unique<QSignalSpy>(m_windows.get(), &WindowSequence::finished);
    m_windows->showForm1();
    m_failure = bindCrossword();
    QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));

    for (m_step = 1; m_step <= m_steps && m_failure.isEmpty(); ++m_step)
        step();
    if (!m_failure.isEmpty())
        QFAIL(qPrintable(m_failure));

    qInfo("%d events in %.1f s: %d right and %d wrong checks, %d GANASTES, %d credits, "
          "%d pastes, longest cell %lld characters",
        m_events, double(elapsed.elapsed()) / 1000.0, m_rightChecks, m_wrongChecks,
        m_lastWordChecks, m_creditsRounds, m_pastes, static_cast<long long>(m_longestCell));
    if (m_steps >= StepsForFullCoverage) {
        QVERIFY2(m_rightChecks > 0 && m_wrongChecks > 0, "both verdicts were reached");
        QVERIFY2(m_lastWordChecks > 0, "the last word was checked");
        QVERIFY2(m_creditsRounds > 0, "the credits were shown");
    }

    m_finished.reset();
    m_salir.reset();
    m_windows.reset();
    dropDeletedWindows();
    QCOMPARE(liveWindows("Form1"), 0);
    QCOMPARE(liveWindows("Form2"), 0);
}

// ---------------------------------------------------------------------------------------------
// Drawing the player's input

Qt::KeyboardModifiers TestStress::drawModifiers()
{
    switch (draw(8)) {
    case 0:
        return Qt::ShiftModifier;
    case 1:
        return Qt::ControlModifier;
    case 2:
        return Qt::AltModifier;
    case 3:
        return Qt::ControlModifier | Qt::ShiftModifier;
    default:
        return Qt::NoModifier;
    }
}

Stroke TestStress::drawCharacter()
{
    const int kind = draw(100);
    const int letter = draw(26);
    const auto letterKey = static_cast<Qt::Key>(Qt::Key_A + letter);
    if (kind < 30) // a capital, with Shift or Caps Lock
        return {letterKey, QString(QLatin1Char(char('A' + letter))),
            chance(50) ? Qt::ShiftModifier : Qt::NoModifier};
    if (kind < 55)
        return {letterKey, QString(QLatin1Char(char('a' + letter)))};
    if (kind < 63) {
        const QString text = pick(AsciiOthers);
        return {static_cast<Qt::Key>(text.front().unicode()), text};
    }
    if (kind < 75) { // Latin-1 keys are named by their capital
        const QString text = pick(Accented);
        return {static_cast<Qt::Key>(text.toUpper().front().unicode()), text};
    }
    if (kind < 83)
        return {Qt::Key_unknown, pick(NonLatin)};
    if (kind < 92)
        return {Qt::Key_unknown, pick(Unusual)};
    // Control characters: Ctrl with a letter types its control code, and a few more come bare.
    switch (draw(4)) {
    case 0:
        return {Qt::Key_unknown, QString(QChar(char16_t(0)))};
    case 1:
        return {Qt::Key_unknown, QString(QChar(char16_t(0x7f)))};
    default:
        return {letterKey, QString(QChar(char16_t(letter + 1))), Qt::ControlModifier};
    }
}

QString TestStress::drawPasteText()
{
    // Mostly short, sometimes a paragraph; now and then long, up to the longest a player pastes
    // here. Every key in a cell that long lays the whole text out again, so long ones stay few.
    qsizetype length;
    const int kind = draw(100);
    if (kind < 2)
        length = LongestPaste;
    else if (kind < 6)
        length = 1000 + draw(LongestPaste - 1000);
    else if (kind < 30)
        length = 10 + draw(990);
    else
        length = 1 + draw(9);

    // Long pastes repeat a short piece, as copied text does; a lone surrogate or a line break
    // may be anywhere.
    QString piece;
    const qsizetype pieceLength = std::min<qsizetype>(length, 1 + draw(40));
    while (piece.size() < pieceLength) {
        switch (draw(10)) {
        case 0:
            piece.append(pick(Accented));
            break;
        case 1:
            piece.append(pick(NonLatin));
            break;
        case 2:
            piece.append(pick(Unusual));
            break;
        case 3:
            piece.append(QChar(char16_t(chance(50) ? u'\n' : u'\t')));
            break;
        case 4:
            piece.append(QChar(char16_t(chance(50) ? 0xD800 : 0xDC00)));
            break;
        default:
            piece.append(QLatin1Char(char((chance(50) ? 'A' : 'a') + draw(26))));
        }
    }
    QString text;
    text.reserve(length);
    while (text.size() + piece.size() <= length)
        text.append(piece);
    text.append(piece.left(length - text.size()));
    return text;
}

// ---------------------------------------------------------------------------------------------
// The steps

void TestStress::step()
{
    if (m_inCredits) {
        if (m_creditsEventsLeft-- > 0)
            creditsStep();
        else
            creditsRunOut();
        return;
    }
    const int roll = draw(1000);
    if (roll < 330)
        typeCharacter();
    else if (roll < 570)
        navigate();
    else if (roll < 660)
        edit();
    else if (roll < 700)
        paste();
    else if (roll < 920)
        click();
    else if (roll < 995)
        solveWord();
    else
        pickAutor();
}

void TestStress::typeCharacter()
{
    key(drawCharacter());
}

void TestStress::navigate()
{
    const Qt::KeyboardModifiers modifiers = drawModifiers();
    switch (draw(12)) {
    case 0:
    case 1:
    case 2:
        key({chance(80) ? Qt::Key_Return : Qt::Key_Enter, QStringLiteral("\r"), modifiers});
        break;
    case 3:
    case 4:
        key({Qt::Key_Down, QString(), modifiers});
        break;
    case 5:
    case 6:
        key({Qt::Key_Up, QString(), modifiers});
        break;
    case 7:
        key({chance(50) ? Qt::Key_Left : Qt::Key_Right, QString(), modifiers});
        break;
    case 8:
        key({Qt::Key_Tab, QStringLiteral("\t"), chance(80) ? Qt::NoModifier : modifiers});
        break;
    case 9:
        key({Qt::Key_Backtab, QStringLiteral("\t"), Qt::ShiftModifier});
        break;
    case 10:
        key({chance(50) ? Qt::Key_Home : Qt::Key_End, QString(), modifiers});
        break;
    default:
        key({chance(50) ? Qt::Key_PageUp : Qt::Key_PageDown, QString(), modifiers});
    }
}

void TestStress::edit()
{
    switch (draw(6)) {
    case 0:
    case 1:
        key({Qt::Key_Backspace, QStringLiteral("\b"),
            chance(80) ? Qt::NoModifier : Qt::ControlModifier});
        break;
    case 2:
        key({Qt::Key_Delete, QString(QChar(char16_t(0x7f)))});
        break;
    case 3:
    case 4: // on a clue box, Space ticks it and checks the word
        key({Qt::Key_Space, QStringLiteral(" ")});
        break;
    default:
        key({Qt::Key_A, QString(QChar(char16_t(1))), Qt::ControlModifier}); // select all
    }
}

void TestStress::paste()
{
    ++m_pastes;
    const QString text = drawPasteText();
    QApplication::clipboard()->setText(text);
    if (chance(50) && !key({Qt::Key_A, QString(QChar(char16_t(1))), Qt::ControlModifier}))
        return;
    const bool insertKey = chance(20); // Shift+Insert pastes as well
    const Stroke stroke = insertKey ? Stroke {Qt::Key_Insert, QString(), Qt::ShiftModifier}
                                    : Stroke {Qt::Key_V, QStringLiteral("v"), Qt::ControlModifier};
    deliver(QStringLiteral("paste of %1 (%2)").arg(shown(text), describe(stroke)), [&] {
        QTest::sendKeyEvent(QTest::Click, m_crossword.form->windowHandle(), stroke.key, stroke.text,
            stroke.modifiers);
    });
}

void TestStress::click()
{
    const Crossword& c = m_crossword;
    QWidget* target;
    const int kind = draw(100);
    if (kind < 55)
        target = c.box(1 + draw(Puzzle::WordCount));
    else if (kind < 65)
        target = chance(50) ? c.label1 : c.label2;
    else if (kind < 82)
        target = c.image(1 + draw(ImageCount));
    else if (kind < 97)
        target = c.cell(1 + draw(Puzzle::CellCount));
    else
        target = c.form->centralWidget();
    // Anywhere in the control: whatever lies on top there takes the click, as on screen.
    const QPoint point(draw(std::max(1, target->width())), draw(std::max(1, target->height())));
    const Qt::KeyboardModifiers modifiers = chance(90) ? Qt::NoModifier : drawModifiers();
    clickAt(target, point, modifiers, chance(8));
}

void TestStress::solveWord()
{
    // The player writes a word's answer cell by cell, now and then with a slip, and mostly
    // checks it after.
    const int word = 1 + draw(Puzzle::WordCount);
    const QString answer = answerOf(word);
    const std::span<const int> cells = Puzzle::cellsOfWord(word);
    const int slip = chance(30) ? draw(int(cells.size())) : -1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QLineEdit* cell = m_crossword.cell(cells[i]);
        if (!clickAt(cell, cell->rect().center()))
            return;
        if (!key({Qt::Key_A, QString(QChar(char16_t(1))), Qt::ControlModifier}))
            return;
        const QChar letter = answer.at(static_cast<qsizetype>(i));
        QString typed(letter);
        if (int(i) == slip) {
            switch (draw(6)) {
            case 0:
                typed = letter.toLower();
                break;
            case 1:
                typed = QString(letter) + QLatin1Char(' ');
                break;
            case 2:
                typed = QString(letter) + letter;
                break;
            case 3:
                typed = QString(letter) + QChar(char16_t(0x0301)); // a combining accent
                break;
            case 4:
                typed = QString(QChar(char16_t(0xFF21 + (letter.unicode() - u'A')))); // full width
                break;
            default:
                typed.clear(); // left empty
            }
        }
        if (typed.isEmpty() && !key({Qt::Key_Backspace, QStringLiteral("\b")}))
            return;
        for (QChar c : std::as_const(typed)) {
            const bool capital = c.unicode() >= u'A' && c.unicode() <= u'Z';
            const Qt::Key k = capital || (c.unicode() >= u'a' && c.unicode() <= u'z')
                ? static_cast<Qt::Key>(c.toUpper().unicode())
                : (c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown);
            if (!key({k, QString(c), capital ? Qt::ShiftModifier : Qt::NoModifier}))
                return;
        }
    }
    if (chance(70)) {
        ClueBox* box = m_crossword.box(word);
        clickAt(box, pointHitting(box));
    }
}

void TestStress::pickAutor()
{
    Form1* form = m_crossword.form;
    const bool byMenu = chance(50);
    const double now = m_clock->now;
    deliver(byMenu ? QStringLiteral("click on AUTOR") : QStringLiteral("AUTOR triggered"), [&] {
        if (byMenu) {
            QMenuBar* bar = form->menuBar();
            const QPoint point = bar->mapTo(form, bar->actionGeometry(m_crossword.autor).center());
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, point);
        } else {
            m_crossword.autor->trigger();
        }
        m_inCredits = true;
        m_credits = m_windows->form2();
        m_crossword = Crossword();
        m_salir.reset();
        m_creditsStart = now;
        m_creditsEventsLeft = draw(16);
        ++m_creditsRounds;
        if (!m_credits)
            m_sendFault = QStringLiteral("AUTOR showed no credits");
        else if (m_credits->StartTime() != now)
            m_sendFault = QStringLiteral("the credits were loaded at %1 s, not at %2 s")
                              .arg(m_credits->StartTime())
                              .arg(now);
    });
}

void TestStress::creditsStep()
{
    // The clock moves on, though not to the five seconds yet; whatever the player does to the
    // credits window changes nothing.
    m_clock->now = std::min(
        m_clock->now + 0.4 * m_random.generateDouble(), m_creditsStart + CreditsSeconds - 0.01);
    Form2* credits = m_credits;
    QWindow* window = credits->windowHandle();
    switch (draw(6)) {
    case 0:
    case 1: {
        const Stroke stroke = drawCharacter();
        deliver(describe(stroke) + QStringLiteral(" on the credits"), [&] {
            QTest::sendKeyEvent(QTest::Click, window, stroke.key, stroke.text, stroke.modifiers);
        });
        break;
    }
    case 2: {
        const Stroke stroke = chance(50) ? Stroke {Qt::Key_Escape, QStringLiteral("\x1b")}
                                         : Stroke {Qt::Key_F4, QString(), Qt::AltModifier};
        deliver(describe(stroke) + QStringLiteral(" on the credits"), [&] {
            QTest::sendKeyEvent(QTest::Click, window, stroke.key, stroke.text, stroke.modifiers);
        });
        break;
    }
    case 3:
        deliver(QStringLiteral("close request to the credits"), [&] { window->close(); });
        break;
    default: {
        // The close symbol, the address, the mail address or anywhere on the card.
        static const std::array<const char*, 4> Names {"imgSalir", "Label4", "Label5", "Image9"};
        QWidget* target = credits->findChild<QWidget*>(
            QLatin1String(Names.at(static_cast<std::size_t>(draw(4)))));
        const QPoint point = target && chance(75)
            ? target->mapTo(credits, target->rect().center())
            : QPoint(draw(credits->width()), draw(credits->height()));
        deliver(QStringLiteral("click on the credits at %1,%2").arg(point.x()).arg(point.y()),
            [&] { QTest::mouseClick(window, Qt::LeftButton, {}, point); });
    }
    }
}

void TestStress::creditsRunOut()
{
    // Now and then the credits' own timer ticks just short of the five seconds: they stay.
    if (chance(30)) {
        auto* timer = m_credits->findChild<QTimer*>(QStringLiteral("Timer1"));
        const double shortOf = m_creditsStart + CreditsSeconds - 0.01;
        const bool stayed = deliver(QStringLiteral("a tick of Timer1 at %1 s after the credits "
                                                   "were loaded")
                                        .arg(shortOf - m_creditsStart),
            [&] {
                m_clock->now = shortOf;
                if (!timer) {
                    m_sendFault = QStringLiteral("the credits have no Timer1");
                    return;
                }
                QSignalSpy tick(timer, &QTimer::timeout);
                if (!tick.wait(10'000))
                    m_sendFault = QStringLiteral("the credits' timer does not tick");
            });
        if (!stayed)
            return;
    }
    const double past = m_creditsStart + CreditsSeconds + 0.5 * m_random.generateDouble();
    deliver(
        QStringLiteral("clock at %1 s after the credits were loaded").arg(past - m_creditsStart),
        [&] {
            QSignalSpy back(m_credits.data(), &Form2::crosswordRequested);
            m_clock->now = past;
            if (!back.wait(10'000)) {
                m_sendFault = QStringLiteral("the credits stayed past their five seconds");
                return;
            }
            dropDeletedWindows();
            if (m_credits)
                m_sendFault = QStringLiteral("the credits window outlived its five seconds");
            m_inCredits = false;
            const QString fault = bindCrossword();
            if (!fault.isEmpty() && m_sendFault.isEmpty())
                m_sendFault = fault;
        });
}

// ---------------------------------------------------------------------------------------------
// Delivery and checking

bool TestStress::deliver(const QString& what, const std::function<void()>& send)
{
    ++m_events;
    send();
    QCoreApplication::processEvents();
    dropDeletedWindows();

    QString fault = m_sendFault;
    if (fault.isEmpty())
        fault = m_inCredits ? creditsFault() : crosswordFault();
    if (fault.isEmpty())
        return true;
    m_failure = QStringLiteral("seed %1, step %2 of %3, after %4: %5")
                    .arg(m_seed)
                    .arg(m_step)
                    .arg(m_steps)
                    .arg(what, fault);
    return false;
}

bool TestStress::key(const Stroke& stroke)
{
    // Through the window, as the window system hands a key over: the window's key preview sees
    // it before the focused control.
    return deliver(describe(stroke), [&] {
        QTest::sendKeyEvent(QTest::Click, m_crossword.form->windowHandle(), stroke.key, stroke.text,
            stroke.modifiers);
    });
}

bool TestStress::clickAt(QWidget* target, QPoint point, Qt::KeyboardModifiers modifiers, bool twice)
{
    Form1* form = m_crossword.form;
    const QPoint inWindow = target->mapTo(form, point);
    QWidget* hit = form->childAt(inWindow);
    const QString what = QStringLiteral("%1 on %2 at %3,%4 (%5 on top)")
                             .arg(twice ? QStringLiteral("double click") : QStringLiteral("click"),
                                 target->objectName())
                             .arg(point.x())
                             .arg(point.y())
                             .arg(hit ? hit->objectName() : QStringLiteral("nothing"));
    return deliver(what, [&] {
        if (twice)
            QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, modifiers, inWindow);
        else
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, modifiers, inWindow);
    });
}

// A point of the control that no other control covers.
QPoint TestStress::pointHitting(QWidget* target)
{
    Form1* form = m_crossword.form;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QPoint point(draw(target->width()), draw(target->height()));
        if (form->childAt(target->mapTo(form, point)) == target)
            return point;
    }
    return QPoint(2, 2);
}

QString TestStress::bindCrossword()
{
    Crossword c;
    c.form = m_windows->form1();
    if (!c.form)
        return QStringLiteral("no crossword window is loaded");
    auto find = [&c]<typename T>(T*& into, const QString& name) {
        into = c.form->findChild<T*>(name);
        return into != nullptr;
    };
    for (int n = 1; n <= Puzzle::CellCount; ++n) {
        QLineEdit*& cell = c.cells.at(static_cast<std::size_t>(n - 1));
        if (!find(cell, QStringLiteral("Text%1").arg(n)))
            return QStringLiteral("no cell Text%1").arg(n);
        c.focusable.append(cell);
    }
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        ClueBox*& box = c.boxes.at(static_cast<std::size_t>(word - 1));
        if (!find(box, QStringLiteral("Check%1").arg(word)))
            return QStringLiteral("no clue box Check%1").arg(word);
        c.focusable.append(box);
    }
    for (int n = 1; n <= ImageCount; ++n)
        if (!find(c.images.at(static_cast<std::size_t>(n - 1)), QStringLiteral("Image%1").arg(n)))
            return QStringLiteral("no picture Image%1").arg(n);
    if (!find(c.label1, QStringLiteral("Label1")) || !find(c.label2, QStringLiteral("Label2")))
        return QStringLiteral("a feedback label is missing");
    if (!find(c.autor, QStringLiteral("mnuautor")) || !find(c.salir, QStringLiteral("SAL")))
        return QStringLiteral("a menu entry is missing");

    c.wrongPicture = c.image(Puzzle::pictureSlots(1).wrong)->picture().cacheKey();
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        c.rightPictures.at(static_cast<std::size_t>(word - 1))
            = c.image(slots.right)->picture().cacheKey();
        ClueBox* box = c.box(word);
        connect(box, &QAbstractButton::clicked, this, [this, word] { onCheck(word); });
    }

    // A fresh window: empty cells, nothing shown, no box ticked, the focus in the first cell.
    for (QLineEdit* cell : c.cells)
        if (!cell->text().isEmpty())
            return QStringLiteral("a fresh window has %1 in %2")
                .arg(shown(cell->text()), cell->objectName());
    for (ClueBox* box : c.boxes)
        if (box->isChecked())
            return QStringLiteral("a fresh window has %1 ticked").arg(box->objectName());
    for (int word = 1; word <= Puzzle::WordCount; ++word)
        if (!c.image(Puzzle::pictureSlots(word).indicator)->picture().isNull())
            return QStringLiteral("a fresh window shows a picture for word %1").arg(word);
    if (!c.label1->isHidden() || !c.label2->isHidden())
        return QStringLiteral("a fresh window shows a feedback label");
    if (c.form->focusWidget() != c.cell(1))
        return QStringLiteral("a fresh window has the focus off Text1");

    m_crossword = c;
    m_salir = std::make_unique<QSignalSpy>(c.salir, &QAction::triggered);
    m_lastVerdict.reset();
    m_indicatorVerdicts.fill(std::nullopt);
    return QString();
}

// Runs right after the window's own handler of clue box N, so the cells are as it read them.
void TestStress::onCheck(int word)
{
    const Crossword& c = m_crossword;
    const bool right = answerIsIn(c.cells, word);
    ++(right ? m_rightChecks : m_wrongChecks);
    m_lastWordChecks += word == Puzzle::WordCount ? 1 : 0;
    m_lastVerdict = right;
    m_indicatorVerdicts.at(static_cast<std::size_t>(word - 1)) = right;

    const bool label1 = !c.label1->isHidden();
    const bool label2 = !c.label2->isHidden();
    const qint64 indicator = c.image(Puzzle::pictureSlots(word).indicator)->picture().cacheKey();
    const qint64 expected
        = right ? c.rightPictures.at(static_cast<std::size_t>(word - 1)) : c.wrongPicture;
    QString fault;
    if (label1 != right || label2 != !right) {
        QStringList texts;
        for (int cell : Puzzle::cellsOfWord(word))
            texts.append(shown(c.cell(cell)->text()));
        fault = QStringLiteral("checking word %1 showed MUY BIEN %2, MUY MAL %3; its cells %4 "
                               "make it %5")
                    .arg(word)
                    .arg(label1 ? QStringLiteral("shown") : QStringLiteral("hidden"),
                        label2 ? QStringLiteral("shown") : QStringLiteral("hidden"),
                        texts.join(QLatin1Char(' ')),
                        right ? QStringLiteral("right") : QStringLiteral("wrong"));
    } else if (indicator != expected) {
        fault = QStringLiteral("checking word %1 (%2) left its indicator on another picture")
                    .arg(word)
                    .arg(right ? QStringLiteral("right") : QStringLiteral("wrong"));
    } else if (m_dismisser.seen.size() != m_lastWordChecks) {
        fault = QStringLiteral("checking word %1 made %2 messages in all for %3 checks of the "
                               "last word")
                    .arg(word)
                    .arg(m_dismisser.seen.size())
                    .arg(m_lastWordChecks);
    } else if (word == Puzzle::WordCount && m_dismisser.seen.constLast().parent != c.form) {
        fault = QStringLiteral("the message after checking the last word is not over its window");
    }
    if (m_checkFault.isEmpty())
        m_checkFault = fault;
}

QString TestStress::crosswordFault()
{
    const Crossword& c = m_crossword;
    if (!c.form || m_windows->form1() != c.form)
        return QStringLiteral("the crossword window is gone");
    if (m_windows->form2() || liveWindows("Form1") != 1 || liveWindows("Form2") != 0)
        return QStringLiteral("%1 crossword and %2 credits windows are loaded")
            .arg(liveWindows("Form1"))
            .arg(liveWindows("Form2"));
    if (!c.form->isVisible())
        return QStringLiteral("the crossword window is hidden");
    if (!m_finished->isEmpty() || !m_salir->isEmpty())
        return QStringLiteral("the program was asked to end");
    if (!m_checkFault.isEmpty())
        return m_checkFault;

    // The labels: at most one shown, the one of the last check.
    const bool label1 = !c.label1->isHidden();
    const bool label2 = !c.label2->isHidden();
    if (label1 && label2)
        return QStringLiteral("MUY BIEN and MUY MAL are both shown");
    if (label1 != (m_lastVerdict == true) || label2 != (m_lastVerdict == false))
        return QStringLiteral("MUY BIEN %1, MUY MAL %2 after the last check said %3")
            .arg(label1 ? QStringLiteral("shown") : QStringLiteral("hidden"),
                label2 ? QStringLiteral("shown") : QStringLiteral("hidden"),
                !m_lastVerdict       ? QStringLiteral("nothing")
                    : *m_lastVerdict ? QStringLiteral("right")
                                     : QStringLiteral("wrong"));

    // The pictures: an indicator is empty or shows its word's own picture or the shared wrong
    // one, as its word's last check said; the holders keep theirs, out of sight.
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        const qint64 own = c.rightPictures.at(static_cast<std::size_t>(word - 1));
        const qint64 shownPicture = c.image(slots.indicator)->picture().cacheKey();
        if (shownPicture != 0 && shownPicture != own && shownPicture != c.wrongPicture)
            return QStringLiteral("the indicator of word %1 shows a picture not its own").arg(word);
        const std::optional<bool> verdict
            = m_indicatorVerdicts.at(static_cast<std::size_t>(word - 1));
        const qint64 expected = !verdict ? 0 : *verdict ? own : c.wrongPicture;
        if (shownPicture != expected)
            return QStringLiteral("the indicator of word %1 disagrees with its last check")
                .arg(word);
        if (c.image(slots.right)->picture().cacheKey() != own
            || c.image(slots.wrong)->picture().cacheKey() != c.wrongPicture
            || !c.image(slots.right)->isHidden() || !c.image(slots.wrong)->isHidden() || own == 0
            || own == c.wrongPicture)
            return QStringLiteral("the picture holders of word %1 changed").arg(word);
    }

    // The focus stays on a cell or a clue box.
    QWidget* focus = c.form->focusWidget();
    if (!c.focusable.contains(focus))
        return QStringLiteral("the focus is on %1")
            .arg(focus ? QString::fromLatin1(focus->metaObject()->className()) + QLatin1Char(' ')
                        + focus->objectName()
                       : QStringLiteral("nothing"));

    // Messages: one "GANASTES" for each check of the last word, over this window; nothing else.
    if (m_dismisser.seen.size() != m_lastWordChecks)
        return QStringLiteral("%1 messages for %2 checks of the last word")
            .arg(m_dismisser.seen.size())
            .arg(m_lastWordChecks);
    if (!m_dismisser.seen.isEmpty()) {
        const Dismisser::Seen& last = m_dismisser.seen.constLast();
        if (last.className != QLatin1String("QMessageBox")
            || last.text != QStringLiteral("GANASTES") || last.title != QStringLiteral("TELMARONDA")
            || last.modality != Qt::ApplicationModal)
            return QStringLiteral("a %1 said %2").arg(last.className, shown(last.text));
    }
    if (!m_urls.opened.isEmpty())
        return QStringLiteral("the desktop was asked to open %1")
            .arg(m_urls.opened.constFirst().toString());

    for (QLineEdit* cell : c.cells)
        m_longestCell = std::max(m_longestCell, cell->text().size());
    return QString();
}

QString TestStress::creditsFault() const
{
    if (!m_credits || m_windows->form2() != m_credits)
        return QStringLiteral("the credits window is gone before its time");
    if (m_windows->form1() || liveWindows("Form1") != 0 || liveWindows("Form2") != 1)
        return QStringLiteral("%1 crossword and %2 credits windows are loaded during the credits")
            .arg(liveWindows("Form1"))
            .arg(liveWindows("Form2"));
    if (!m_credits->isVisible() || m_credits->isEnabled())
        return QStringLiteral("the credits window is %1")
            .arg(!m_credits->isVisible() ? QStringLiteral("hidden")
                                         : QStringLiteral("taking input"));
    if (!m_finished->isEmpty())
        return QStringLiteral("the program ended during the credits");
    if (m_dismisser.seen.size() != m_lastWordChecks)
        return QStringLiteral("a message appeared during the credits");
    if (!m_urls.opened.isEmpty())
        return QStringLiteral("the desktop was asked to open %1")
            .arg(m_urls.opened.constFirst().toString());
    return QString();
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
