// SPDX-License-Identifier: GPL-3.0-or-later
// The crossword window driven as a player drives it: keys go to the window, which hands them to
// the focused control after its key preview.
#include "assets/pictures.h"
#include "puzzle/puzzle.h"
#include "puzzle/twips.h"
#include "tests/support/support.h"
#include "ui/crossword/cluebox.h"
#include "ui/crossword/form1.h"
#include "ui/widgets/picturebox.h"

#include <memory>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QTimer>

namespace {

// How the keys of a burst reach the window.
enum class Arrival { Queued, AddressedAhead, Composed };

// Types text as key strokes delivered to the window.
void typeInto(QWindow* window, const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

// Counts the key presses that reach the watched widgets: a key a control leaves unused goes on to
// the control's parents.
class KeySpy : public QObject {
public:
    explicit KeySpy(const QList<QWidget*>& watched)
    {
        for (QWidget* widget : watched)
            widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++count;
        return false;
    }
};

// The accessibility events the window raises, as a screen reader would get them: what changed, and
// the role and name the object had at that moment.
struct SeenEvent {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};
QList<SeenEvent> seenEvents;

void recordEvent(QAccessibleEvent* event)
{
    QAccessibleInterface* object = event->accessibleInterface();
    if (object)
        seenEvents.append({event->type(), object->role(), object->text(QAccessible::Name)});
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensEmpty();
    void geometry_data();
    void geometry();
    void layoutInvariants();
    void cellsAndColours();
    void clueCaptionsAndNames();
    void menu();
    void tabCycle();
    void previewMoves_data();
    void previewMoves();
    void burstOfKeys_data();
    void burstOfKeys();
    void editingKeysStayInCell();
    void typing_data();
    void typing();
    void hugePaste();
    void wholeBoxTakesClicks();
    void feedback_data();
    void feedback();
    void solveByKeyboard();
    void messageBoxStaysInReach();
    void inputAsTheBoxOpens_data();
    void inputAsTheBoxOpens();
    void verdictsReachScreenReaders_data();
    void verdictsReachScreenReaders();
    void shownControlsOnly();

private:
    QLineEdit* cell(int n) const
    {
        return control<QLineEdit>(m_form.get(), QStringLiteral("Text%1").arg(n));
    }
    QAbstractButton* box(int n) const
    {
        return control<QAbstractButton>(m_form.get(), QStringLiteral("Check%1").arg(n));
    }
    PictureBox* image(int n) const
    {
        return control<PictureBox>(m_form.get(), QStringLiteral("Image%1").arg(n));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_form->windowHandle(), k, modifiers);
    }
    void focus(const QString& name)
    {
        control(m_form.get(), name)->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(focusName(m_form.get()), name);
    }
    // Every holder gets a picture of its own, so an indicator shows whose picture it took.
    void markHolders()
    {
        for (int word = 1; word <= Puzzle::WordCount; ++word) {
            const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
            for (int holder : {slots.right, slots.wrong}) {
                QPixmap marker(8, 8);
                marker.fill(QColor::fromHsv(holder * 9, 255, 255));
                image(holder)->setPicture(marker);
            }
        }
    }

    std::unique_ptr<Form1> m_form;
};

void TestForm1::initTestCase()
{
    // Events go to the recorder in place of a screen reader, as if one had asked for them.
    QAccessible::installUpdateHandler(recordEvent);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

void TestForm1::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestForm1::cleanup()
{
    m_form.reset();
}

void TestForm1::opensEmpty()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("TELMARONDA # 2 EL INTERNADO"));
    QCOMPARE(focusName(m_form.get()), QStringLiteral("Text1"));
    QCOMPARE(m_form->centralWidget()->palette().color(QPalette::Window), QColor(255, 192, 128));
    for (int n = 1; n <= Puzzle::CellCount; ++n)
        QVERIFY(cell(n)->text().isEmpty());
    QVERIFY(!control(m_form.get(), QStringLiteral("Label1"))->isVisible());
    QVERIFY(!control(m_form.get(), QStringLiteral("Label2"))->isVisible());
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        QVERIFY(image(slots.indicator)->isVisible());
        QVERIFY(image(slots.indicator)->picture().isNull());
        // An empty box with a border.
        const QImage shown = image(slots.indicator)->grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(255, 192, 128));
        QVERIFY(!image(slots.right)->isVisible());
        QVERIFY(!image(slots.wrong)->isVisible());
        // One wrong picture, shared by every word.
        QCOMPARE(image(slots.wrong)->picture().cacheKey(), image(2)->picture().cacheKey());
    }
    // The decorations fill their boxes, without a border.
    for (int n = 37; n <= 39; ++n) {
        QVERIFY(image(n)->isVisible());
        QCOMPARE(image(n)->grab().toImage().convertToFormat(QImage::Format_RGB32),
            Pictures::decoration(n, image(n)->size())
                .toImage()
                .convertToFormat(QImage::Format_RGB32));
    }
    for (int n = 1; n <= 12; ++n)
        QVERIFY(!box(n)->isChecked());
}

void TestForm1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height as designed

    QTest::newRow("Text1") << QStringLiteral("Text1") << QRect(720, 480, 375, 285);
    QTest::newRow("Text11") << QStringLiteral("Text11") << QRect(1200, 120, 375, 285);
    QTest::newRow("Text32") << QStringLiteral("Text32") << QRect(240, 4080, 375, 285);
    QTest::newRow("Text42") << QStringLiteral("Text42") << QRect(6960, 2280, 375, 285);
    QTest::newRow("Text55") << QStringLiteral("Text55") << QRect(7680, 2160, 375, 285);
    QTest::newRow("Text64") << QStringLiteral("Text64") << QRect(8160, 3960, 375, 285);
    QTest::newRow("Frame1") << QStringLiteral("Frame1") << QRect(120, 4440, 3855, 2175);
    QTest::newRow("Frame2") << QStringLiteral("Frame2") << QRect(4560, 4440, 3975, 2175);
    QTest::newRow("Check1") << QStringLiteral("Check1") << QRect(120, 240, 3615, 315);
    QTest::newRow("Check4") << QStringLiteral("Check4") << QRect(120, 480, 3735, 435);
    QTest::newRow("Check6") << QStringLiteral("Check6") << QRect(120, 960, 3735, 315);
    QTest::newRow("Check11") << QStringLiteral("Check11") << QRect(120, 1680, 3615, 435);
    QTest::newRow("Check12") << QStringLiteral("Check12") << QRect(120, 1920, 3735, 195);
    QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(1920, 840, 1095, 375);
    QTest::newRow("Label2") << QStringLiteral("Label2") << QRect(1920, 1200, 1095, 255);
    QTest::newRow("Image3") << QStringLiteral("Image3") << QRect(120, 120, 495, 495);
    QTest::newRow("Image18") << QStringLiteral("Image18") << QRect(120, 3120, 495, 495);
    QTest::newRow("Image21") << QStringLiteral("Image21") << QRect(8160, 120, 495, 495);
    QTest::newRow("Image36") << QStringLiteral("Image36") << QRect(8160, 3120, 495, 495);
    QTest::newRow("Image37") << QStringLiteral("Image37") << QRect(2160, 2760, 1935, 1335);
    QTest::newRow("Image38") << QStringLiteral("Image38") << QRect(5760, 480, 2055, 1335);
    QTest::newRow("Image39") << QStringLiteral("Image39") << QRect(4080, 2760, 1575, 1335);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QCOMPARE(control(m_form.get(), name)->geometry(),
        Twips::rect(twips.left(), twips.top(), twips.width(), twips.height()));
}

void TestForm1::layoutInvariants()
{
    QWidget* client = m_form->centralWidget();
    QCOMPARE(client->size(), QSize(580, 444));
    QVERIFY(client->geometry().top() >= m_form->menuBar()->geometry().bottom());
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize()); // not resizable

    // The labels are hidden at first; show them to see where they would fall.
    control(m_form.get(), QStringLiteral("Label1"))->show();
    control(m_form.get(), QStringLiteral("Label2"))->show();

    const QRect lists = control(m_form.get(), QStringLiteral("Frame1"))
                            ->geometry()
                            .united(control(m_form.get(), QStringLiteral("Frame2"))->geometry());
    QList<QWidget*> covered {control(m_form.get(), QStringLiteral("Frame1")),
        control(m_form.get(), QStringLiteral("Frame2"))};
    for (int n = 1; n <= Puzzle::CellCount; ++n) {
        const QRect r = cell(n)->geometry();
        QVERIFY2(client->rect().contains(r), qPrintable(cell(n)->objectName()));
        QVERIFY2(r.bottom() < lists.top(), qPrintable(cell(n)->objectName()));
        covered.append(cell(n));
    }
    QList<QWidget*> shown {control(m_form.get(), QStringLiteral("Label1")),
        control(m_form.get(), QStringLiteral("Label2"))};
    for (int n = 1; n <= 39; ++n)
        if (image(n)->isVisible())
            shown.append(image(n));
    QCOMPARE(shown.size(), 2 + 12 + 3);
    for (QWidget* upper : std::as_const(covered))
        for (QWidget* lower : std::as_const(shown))
            QVERIFY2(!upper->geometry().intersects(lower->geometry()),
                qPrintable(upper->objectName() + QLatin1Char('/') + lower->objectName()));
    // The cells, lists and boxes lie above the pictures and labels.
    QVERIFY(client->childAt(cell(1)->geometry().center()) == cell(1));
}

void TestForm1::cellsAndColours()
{
    QList<int> red;
    for (int n = 1; n <= Puzzle::CellCount; ++n) {
        QLineEdit* edit = cell(n);
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(edit->maxLength() >= 1'000'000);
        QVERIFY(edit->validator() == nullptr);
        QVERIFY(edit->hasFrame());
        QCOMPARE(edit->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        const QColor color = edit->palette().color(QPalette::Text);
        QVERIFY(color == QColor(255, 0, 0) || color == QColor(0, 0, 255));
        if (color == QColor(255, 0, 0))
            red.append(n);
        QVERIFY(edit->font().bold());
    }
    const QList<int> expected {11, 12, 13, 14, 15, 25, 26, 27, 28, 29, 30, 35, 36, 43, 44, 45, 46,
        47, 48, 49, 55, 56, 57, 58};
    QCOMPARE(red, expected);
}

void TestForm1::clueCaptionsAndNames()
{
    QSet<QString> names;
    for (int n = 1; n <= Puzzle::CellCount; ++n) {
        const QString name = cell(n)->accessibleName();
        QVERIFY(name.contains(QStringLiteral("palabra")));
        names.insert(name);
    }
    QCOMPARE(names.size(), Puzzle::CellCount);
    QVERIFY(cell(2)->accessibleName().contains(QStringLiteral("palabra 1")));
    QVERIFY(cell(2)->accessibleName().contains(QStringLiteral("palabra 2")));
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        QCOMPARE(box(word)->text(), Puzzle::clue(word));
        QCOMPARE(box(word)->parentWidget()->objectName(),
            word % 2 ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
        QVERIFY(box(word)->accessibleName().contains(Puzzle::clue(word)));
    }
    QCOMPARE(box(9)->text(), QString::fromUtf8("Como se llama el pap\u00e1 de Tavi"));
}

void TestForm1::menu()
{
    QMenuBar* bar = m_form->menuBar();
    const QList<QAction*> entries = bar->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0)->text(), QStringLiteral("SALIR"));
    QCOMPARE(entries.at(0)->objectName(), QStringLiteral("SAL"));
    QCOMPARE(entries.at(1)->text(), QStringLiteral("AUTOR"));
    QCOMPARE(entries.at(1)->objectName(), QStringLiteral("mnuautor"));
    for (QAction* entry : entries) {
        QVERIFY(!entry->menu());
        QVERIFY(entry->shortcut().isEmpty());
        QVERIFY(!entry->text().contains(QLatin1Char('&')));
    }

    // A click on "AUTOR" asks for the credits and leaves everything else to the program.
    QSignalSpy autor(m_form.get(), &Form1::autorRequested);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entries.at(1)).center());
    QCOMPARE(autor.count(), 1);
    QVERIFY(m_form->isVisible());
}

void TestForm1::tabCycle()
{
    QStringList expected;
    for (int n = 1; n <= 64; ++n)
        expected.append(QStringLiteral("Text%1").arg(n));
    for (int n = 1; n <= 12; ++n)
        expected.append(QStringLiteral("Check%1").arg(n));

    QStringList forward {focusName(m_form.get())};
    for (int i = 0; i < expected.size(); ++i) {
        key(Qt::Key_Tab);
        forward.append(focusName(m_form.get()));
    }
    QCOMPARE(forward, expected + QStringList {QStringLiteral("Text1")});

    QStringList backward {focusName(m_form.get())};
    for (int i = 0; i < expected.size(); ++i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focusName(m_form.get()));
    }
    QCOMPARE(backward, expected + QStringList {QStringLiteral("Text1")});
}

void TestForm1::previewMoves_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("to");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const QString text1 = QStringLiteral("Text1");
    const QString check12 = QStringLiteral("Check12");
    QTest::newRow("Enter in a cell") << text1 << int(Qt::Key_Return) << none << "Text2";
    QTest::newRow("keypad Enter") << "Text7" << int(Qt::Key_Enter) << none << "Text8";
    QTest::newRow("Shift+Enter") << "Text7" << int(Qt::Key_Return) << shift << "Text8";
    QTest::newRow("Enter in Text64") << "Text64" << int(Qt::Key_Return) << none << "Check1";
    QTest::newRow("Enter in Check12") << check12 << int(Qt::Key_Return) << none << text1;
    QTest::newRow("Enter on a box") << "Check3" << int(Qt::Key_Return) << none << "Check4";
    QTest::newRow("Down in Check12") << check12 << int(Qt::Key_Down) << none << text1;
    QTest::newRow("Up in Text1") << text1 << int(Qt::Key_Up) << none << check12;
    QTest::newRow("Down follows numbers") << "Text11" << int(Qt::Key_Down) << none << "Text12";
    QTest::newRow("Up on a box") << "Check3" << int(Qt::Key_Up) << none << "Check2";
    QTest::newRow("Shift+Down") << "Text5" << int(Qt::Key_Down) << shift << "Text6";
    QTest::newRow("Shift+Up") << "Text5" << int(Qt::Key_Up) << shift << "Text4";
    QTest::newRow("Ctrl+Down") << "Text5" << int(Qt::Key_Down) << int(Qt::ControlModifier)
                               << "Text6";
    QTest::newRow("Tab from Text10") << "Text10" << int(Qt::Key_Tab) << none << "Text11";
}

void TestForm1::previewMoves()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, to);

    focus(from);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control(m_form.get(), from));
    if (edit) {
        edit->setText(QStringLiteral("AB"));
        edit->setCursorPosition(1);
    }
    const bool ticked
        = !edit && qobject_cast<QAbstractButton*>(control(m_form.get(), from))->isChecked();
    KeySpy unused(
        {m_form.get(), m_form->centralWidget(), control(m_form.get(), QStringLiteral("Frame1")),
            control(m_form.get(), QStringLiteral("Frame2"))});
    std::unique_ptr<QSignalSpy> returnPressed;
    if (edit)
        returnPressed = std::make_unique<QSignalSpy>(edit, &QLineEdit::returnPressed);

    // Delivered through the application to the focused control, as the window system does; the
    // focus moves only once the key event is over.
    const QString text
        = key == Qt::Key_Return || key == Qt::Key_Enter ? QStringLiteral("\r") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(control(m_form.get(), from), &press);
    QApplication::sendEvent(control(m_form.get(), from), &release);
    if (key != Qt::Key_Tab) // Tab is the control's own key and moves at once
        QCOMPARE(focusName(m_form.get()), from);
    QTRY_COMPARE(focusName(m_form.get()), to);
    QCOMPARE(unused.count, 0);
    if (returnPressed)
        QCOMPARE(returnPressed->count(), 0);
    // The key was consumed: nothing typed, no caret moved, no box ticked.
    if (edit) {
        QCOMPARE(edit->text(), QStringLiteral("AB"));
        if (key != Qt::Key_Tab)
            QCOMPARE(edit->cursorPosition(), 1);
    } else {
        QCOMPARE(qobject_cast<QAbstractButton*>(control(m_form.get(), from))->isChecked(), ticked);
        QVERIFY(!control(m_form.get(), QStringLiteral("Label2"))->isVisible());
    }
}

void TestForm1::burstOfKeys_data()
{
    QTest::addColumn<Arrival>("arrival");
    QTest::newRow("queued by the window system") << Arrival::Queued;
    // A screen reader that looks at every key first hands each back to the control that had the
    // focus when it was typed.
    QTest::newRow("addressed ahead") << Arrival::AddressedAhead;
    // Letters typed with dead keys: the platform composes each as it reads the keys and hands it
    // at once to the focused control, ahead of the keys still queued before it.
    QTest::newRow("composed on reading") << Arrival::Composed;
}

void TestForm1::burstOfKeys()
{
    QFETCH(Arrival, arrival);
    // Word 1 and an Enter after each letter, all typed before the window takes the first key.
    const auto send = [&](QEvent::Type type, int key, const QString& text) {
        if (arrival == Arrival::AddressedAhead) {
            QCoreApplication::postEvent(cell(1), new QKeyEvent(type, key, Qt::NoModifier, text));
        } else if (arrival == Arrival::Composed && type == QEvent::KeyPress
            && key != Qt::Key_Return) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
        } else {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                m_form->windowHandle(), type, key, Qt::NoModifier, text);
        }
    };
    for (QChar letter : answerOf(1)) {
        for (const auto& [key, text] : {std::pair(int(letter.unicode()), QString(letter)),
                 std::pair(int(Qt::Key_Return), QStringLiteral("\r"))}) {
            send(QEvent::KeyPress, key, text);
            send(QEvent::KeyRelease, key, text);
        }
    }
    QTRY_COMPARE(focusName(m_form.get()), QStringLiteral("Text11"));
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(cell(n)->text(), QString(QLatin1Char(letterOf(n))));
}

void TestForm1::editingKeysStayInCell()
{
    focus(QStringLiteral("Text5"));
    QLineEdit* edit = cell(5);
    edit->setText(QStringLiteral("ABC"));
    edit->setCursorPosition(3);
    key(Qt::Key_Left);
    QCOMPARE(edit->cursorPosition(), 2);
    key(Qt::Key_Home);
    key(Qt::Key_Left);
    QCOMPARE(edit->cursorPosition(), 0);
    key(Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("BC"));
    key(Qt::Key_End);
    key(Qt::Key_Right);
    key(Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("B"));
    QCoreApplication::processEvents();
    QCOMPARE(focusName(m_form.get()), QStringLiteral("Text5"));
}

void TestForm1::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("two letters") << QStringLiteral("JA");
    QTest::newRow("lower case") << QStringLiteral("j");
    QTest::newRow("space and digit") << QStringLiteral(" 7");
}

void TestForm1::typing()
{
    QFETCH(QString, typed);
    typeInto(m_form->windowHandle(), typed);
    QCoreApplication::processEvents();
    QCOMPARE(cell(1)->text(), typed);
    QCOMPARE(focusName(m_form.get()), QStringLiteral("Text1"));
}

void TestForm1::hugePaste()
{
    const QString pasted(100'000, QLatin1Char('J'));
    QApplication::clipboard()->setText(pasted);
    QStyleHints* hints = QGuiApplication::styleHints();
    const int flashTime = hints->cursorFlashTime();
    QVERIFY(flashTime > 0);
    key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(1)->text(), pasted);
    // Its cursor holds still, so that an idle window does not lay the text out twice a second.
    QCOMPARE(hints->cursorFlashTime(), 0);

    Dismisser dismisser;
    QTest::mouseClick(box(1), Qt::LeftButton);
    QVERIFY(control(m_form.get(), QStringLiteral("Label2"))->isVisible());
    QVERIFY(!control(m_form.get(), QStringLiteral("Label1"))->isVisible());
    QCOMPARE(cell(1)->text().size(), pasted.size());
    QVERIFY(dismisser.seen.isEmpty());

    // Blinking comes back with the focus elsewhere, with a short text, and with the window gone.
    QCOMPARE(focusName(m_form.get()), QStringLiteral("Check1"));
    QCOMPARE(hints->cursorFlashTime(), flashTime);
    cell(1)->setFocus();
    QCOMPARE(hints->cursorFlashTime(), 0);
    cell(1)->setText(QStringLiteral("J"));
    QCOMPARE(hints->cursorFlashTime(), flashTime);
    cell(1)->setText(pasted);
    QCOMPARE(hints->cursorFlashTime(), 0);
    m_form.reset();
    QCOMPARE(hints->cursorFlashTime(), flashTime);
}

// A click anywhere in the open part of a clue box checks its word, also above and below the
// line its caption would take as a plain check box.
void TestForm1::wholeBoxTakesClicks()
{
    for (int word : {1, 4, 11}) {
        auto* clueBox = control<ClueBox>(m_form.get(), QStringLiteral("Check%1").arg(word));
        for (int y : {0, clueBox->openHeight() - 1}) {
            const bool ticked = clueBox->isChecked();
            QTest::mouseClick(clueBox, Qt::LeftButton, {}, QPoint(clueBox->width() / 2, y));
            QVERIFY2(clueBox->isChecked() != ticked,
                qPrintable(QStringLiteral("word %1 at y %2").arg(word).arg(y)));
        }
    }
    QVERIFY(control(m_form.get(), QStringLiteral("Label2"))->isVisible()); // the words were checked
}

void TestForm1::feedback_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<bool>("firstRight");

    for (int word : {1, 4, 11}) {
        QTest::addRow("word %d right, then wrong", word) << word << true;
        QTest::addRow("word %d wrong, then right", word) << word << false;
    }
}

void TestForm1::feedback()
{
    QFETCH(int, word);
    QFETCH(bool, firstRight);
    markHolders();
    const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
    auto fill = [&](bool right) {
        for (int position = 1; position <= Puzzle::wordLength(word); ++position) {
            const int n = Puzzle::cellsOfWord(word)[position - 1];
            const char letter = Puzzle::expectedLetter(word, position);
            cell(n)->setText(right ? QString(QLatin1Char(letter)) : QStringLiteral("x"));
        }
    };
    auto expectVerdict = [&](bool right) {
        QCOMPARE(control(m_form.get(), QStringLiteral("Label1"))->isVisible(), right);
        QCOMPARE(control(m_form.get(), QStringLiteral("Label2"))->isVisible(), !right);
        QCOMPARE(image(slots.indicator)->picture().cacheKey(),
            image(right ? slots.right : slots.wrong)->picture().cacheKey());
    };

    // The first click ticks the box, the second unticks it: both check the word.
    fill(firstRight);
    QTest::mouseClick(box(word), Qt::LeftButton);
    expectVerdict(firstRight);
    QVERIFY(box(word)->isChecked());
    fill(!firstRight);
    QTest::mouseClick(box(word), Qt::LeftButton);
    expectVerdict(!firstRight);
    QVERIFY(!box(word)->isChecked());
    // No other indicator changed.
    for (int other = 1; other <= Puzzle::WordCount; ++other)
        if (other != word)
            QVERIFY(image(Puzzle::pictureSlots(other).indicator)->picture().isNull());
}

void TestForm1::solveByKeyboard()
{
    markHolders();
    for (int n = 1; n <= Puzzle::CellCount; ++n) {
        QCOMPARE(focusName(m_form.get()), QStringLiteral("Text%1").arg(n));
        QTest::keyClick(m_form->windowHandle(), letterOf(n));
        key(Qt::Key_Return);
        QTRY_COMPARE(focusName(m_form.get()),
            n < 64 ? QStringLiteral("Text%1").arg(n + 1) : QStringLiteral("Check1"));
    }
    Dismisser dismisser;
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        QCOMPARE(focusName(m_form.get()), QStringLiteral("Check%1").arg(word));
        key(Qt::Key_Space);
        QVERIFY(control(m_form.get(), QStringLiteral("Label1"))->isVisible());
        QVERIFY(!control(m_form.get(), QStringLiteral("Label2"))->isVisible());
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        QCOMPARE(
            image(slots.indicator)->picture().cacheKey(), image(slots.right)->picture().cacheKey());
        QCOMPARE(dismisser.seen.size(), word == 12 ? 1 : 0);
        // The crossword takes the key once "GANASTES" has gone.
        QTRY_VERIFY(!QApplication::activeModalWidget());
        key(Qt::Key_Return);
        QTRY_COMPARE(focusName(m_form.get()),
            word < 12 ? QStringLiteral("Check%1").arg(word + 1) : QStringLiteral("Text1"));
    }
    const Dismisser::Seen& seen = dismisser.seen.constFirst();
    QCOMPARE(seen.text, QStringLiteral("GANASTES"));
    QCOMPARE(seen.title, QStringLiteral("TELMARONDA"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QCOMPARE(seen.parent, m_form.get());
}

void TestForm1::messageBoxStaysInReach()
{
    // Shown without waiting for the player: the click is over while the box is up.
    QTest::mouseClick(box(12), Qt::LeftButton);
    QWidget* message = QApplication::activeModalWidget();
    QVERIFY(message);
    QVERIFY(!(message->windowFlags() & Qt::WindowMinimizeButtonHint));
    // A window manager that iconifies it all the same sees it come straight back.
    message->showMinimized();
    QTRY_VERIFY(!message->isMinimized() && message->isActiveWindow());
    // The blocked crossword clicked, or raised over the box: once the crossword has had the focus,
    // the box is back on top, and takes Return.
    QSignalSpy focusMoves(qApp, &QGuiApplication::focusWindowChanged);
    m_form->activateWindow();
    QTRY_VERIFY(focusMoves.size() >= 2 && message->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void TestForm1::inputAsTheBoxOpens_data()
{
    QTest::addColumn<bool>("preedit");
    // A letter composed from a dead key as it is read comes ahead of the keys and clicks queued
    // before it, among them the click that opens "GANASTES"; the window takes those first. Nothing
    // waits for the box meanwhile, so the platform's composing is not re-entered, and the letter,
    // typed after the click, goes to no cell of the blocked crossword.
    QTest::newRow("letter composed from a dead key") << false;
    // An input method's preedit is the input method's own: it is left where it is shown, and the
    // queued click waits its turn.
    QTest::newRow("preedit in progress") << true;
}

void TestForm1::inputAsTheBoxOpens()
{
    QFETCH(bool, preedit);
    for (int n = 1; n <= Puzzle::CellCount; ++n)
        cell(n)->setText(QString(QLatin1Char(letterOf(n))));
    focus(QStringLiteral("Text64"));
    const QPoint inBox = box(12)->mapTo(m_form.get(), QPoint(box(12)->width() / 2, 4));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            m_form->windowHandle(), inBox, m_form->mapToGlobal(inBox),
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, type);
    }
    QInputMethodEvent typed(preedit ? QStringLiteral("\u00B4") : QString(), {});
    if (!preedit)
        typed.setCommitString(QStringLiteral("\u00C9"));
    // Set off by a loop that runs inside the delivery, which only a box waiting for the player
    // would start.
    bool delivered = false;
    bool waited = false;
    QTimer inside;
    inside.setSingleShot(true);
    connect(&inside, &QTimer::timeout, this, [&] {
        waited = !delivered;
        if (waited && QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
    inside.start(0);
    QCoreApplication::sendEvent(cell(64), &typed);
    delivered = true;
    QVERIFY(!waited);
    QCOMPARE(QApplication::activeModalWidget() != nullptr, !preedit);
    QTRY_VERIFY(QApplication::activeModalWidget());
    for (int n = 1; n <= Puzzle::CellCount; ++n)
        QCOMPARE(cell(n)->text(), QString(QLatin1Char(letterOf(n))));
    QApplication::activeModalWidget()->close();
}

// tst_form1 --salir, the test salir_ends_program (tests/CMakeLists.txt), which CTest starts as a
// process of its own: a window with letters typed and a box ticked, where the player clicks
// "SALIR". Ends with the program's own exit status; 3 if the program is still running.
static int runSalir(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    QTimer::singleShot(0, &form, [&form] {
        typeInto(form.windowHandle(), QStringLiteral("JAR"));
        form.findChild<QAbstractButton*>(QStringLiteral("Check3"))->setChecked(true);
        QMenuBar* bar = form.menuBar();
        QTest::mouseClick(
            bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().constFirst()).center());
    });
    QTimer::singleShot(30'000, [] { QCoreApplication::exit(3); });
    return QApplication::exec();
}

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--salir") == 0)
        return runSalir(argc, argv);
    QApplication app(argc, argv);
    TestForm1 test;
    return QTest::qExec(&test, argc, argv);
}

void TestForm1::verdictsReachScreenReaders_data()
{
    QTest::addColumn<bool>("firstRight");
    QTest::addColumn<bool>("secondRight");
    for (bool first : {false, true})
        for (bool second : {false, true})
            QTest::addRow("%s, then %s", first ? "right" : "wrong", second ? "right" : "wrong")
                << first << second;
}

// Every check is announced with its verdict, the same verdict twice included, the focus stays on
// the box, and the word's indicator is renamed after what it shows.
void TestForm1::verdictsReachScreenReaders()
{
    QFETCH(bool, firstRight);
    QFETCH(bool, secondRight);
    constexpr int word = 4;
    const int indicator = Puzzle::pictureSlots(word).indicator;
    QCOMPARE(QAccessible::queryAccessibleInterface(image(indicator))->text(QAccessible::Name),
        QStringLiteral("Palabra 4: sin comprobar"));
    for (bool right : {firstRight, secondRight}) {
        for (int position = 1; position <= Puzzle::wordLength(word); ++position)
            cell(Puzzle::cellsOfWord(word)[position - 1])
                ->setText(right ? QString(QLatin1Char(Puzzle::expectedLetter(word, position)))
                                : QString());
        focus(QStringLiteral("Check4"));
        seenEvents.clear();
        key(Qt::Key_Space);

        QStringList announced;
        QStringList renamed;
        for (const SeenEvent& event : std::as_const(seenEvents)) {
            if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification)
                announced.append(event.name);
            if (event.type == QAccessible::NameChanged && event.role == QAccessible::Graphic)
                renamed.append(event.name);
        }
        QCOMPARE(
            announced, QStringList(right ? QStringLiteral("MUY BIEN") : QStringLiteral("MUY MAL")));
        QCOMPARE(renamed,
            QStringList(
                right ? QStringLiteral("Palabra 4: bien") : QStringLiteral("Palabra 4: mal")));
        QCOMPARE(focusName(m_form.get()), QStringLiteral("Check4"));
    }
}

// Screen readers find the controls on show: the hidden picture holders and the hidden feedback
// labels are left out, the indicators and photographs are pictures.
void TestForm1::shownControlsOnly()
{
    QAccessibleInterface* client
        = QAccessible::queryAccessibleInterface(control(m_form.get(), QStringLiteral("client")));
    QSet<QObject*> listed;
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface* child = client->child(i);
        QCOMPARE(client->indexOfChild(child), i);
        listed.insert(child->object());
    }
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        const Puzzle::PictureSlots slots = Puzzle::pictureSlots(word);
        QVERIFY(!listed.contains(image(slots.right)));
        QVERIFY(!listed.contains(image(slots.wrong)));
        QVERIFY(listed.contains(image(slots.indicator)));
        QCOMPARE(QAccessible::queryAccessibleInterface(image(slots.indicator))->role(),
            QAccessible::Graphic);
    }
    QVERIFY(listed.contains(image(37)));
    QVERIFY(listed.contains(cell(64)));
    QVERIFY(!listed.contains(control(m_form.get(), QStringLiteral("Label2"))));

    // A label that is shown joins the tree.
    QTest::mouseClick(box(1), Qt::LeftButton);
    QAccessibleInterface* label
        = QAccessible::queryAccessibleInterface(control(m_form.get(), QStringLiteral("Label2")));
    QVERIFY(client->indexOfChild(label) >= 0);
    QCOMPARE(label->role(), QAccessible::Notification);
}

#include "tst_form1.moc"
