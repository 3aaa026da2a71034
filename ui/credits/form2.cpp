// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/form2.h"

#include "assets/fonts.h"
#include "assets/pictures.h"
#include "ui/credits/creditscontrols.h"
#include "ui/credits/creditstexts.h"
#include "ui/credits/layout.h"
#include "ui/credits/windowpin.h"
#include "ui/keys.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/picturebox.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

namespace {

constexpr float CreditsSeconds = 5.0f;
constexpr int TickMilliseconds = 50;

const QColor CaptionRed(255, 0, 0);
const QColor CardOrange(255, 192, 128);

CaptionLabel* makeLabel(
    QWidget* parent, const char* name, const QString& text, qreal points, Qt::Alignment alignment)
{
    auto* label = new CaptionLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(Fonts::sansSerif(points, QFont::Bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, CaptionRed);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// The web address inside its framing "( ... )".
QString addressOf(const QString& caption)
{
    QString address = caption.trimmed();
    if (address.startsWith(u'('))
        address.remove(0, 1);
    if (address.endsWith(u')'))
        address.chop(1);
    return address.trimmed();
}

// Screen readers get the texts as they read, without the runs of blanks that lay them out, and
// the window reads as a dialog whose description is all of them.
void describeForScreenReaders(QWidget* window)
{
    QStringList texts;
    for (CaptionLabel* label : window->findChildren<CaptionLabel*>(Qt::FindDirectChildrenOnly)) {
        label->setAccessibleName(label->text().simplified());
        texts.append(label->accessibleName());
    }
    Accessibility::setRole(window, QAccessible::Dialog);
    window->setAccessibleDescription(texts.join(u'\n'));
}

} // namespace

Form2::Form2(std::shared_ptr<const Clock> clock, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ACERCA DEL AUTOR"));
    // A fixed size: a tiling window manager floats the window rather than stretching it.
    setFixedSize(CreditsLayout::Window.pixels().size());

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(TickMilliseconds);
    connect(m_timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);

    // Controls from the bottom of the stack to the top: each one is drawn over the ones before.
    auto* shape1 = new ShapeControl(
        ShapeControl::Outline, CreditsLayout::Shape1.pixels(), Qt::black, 40, this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    auto* shape2 = new ShapeControl(
        ShapeControl::RoundedFill, CreditsLayout::Shape2.pixels(), CardOrange, 0, this);
    shape2->setObjectName(QStringLiteral("Shape2"));

    m_label1 = makeLabel(
        this, "Label1", CreditsTexts::toQString(CreditsTexts::Title), 18, Qt::AlignLeft);
    m_label1->setWordWrap(false);
    m_label1->setToolTip(CreditsTexts::toQString(CreditsTexts::Version));
    m_label1->move(CreditsLayout::Label1.pixels().topLeft());
    m_label1->adjustSize(); // sized to fit its text

    m_imgSalir = new PictureBox(this);
    m_imgSalir->setObjectName(QStringLiteral("imgSalir"));
    m_imgSalir->setGeometry(CreditsLayout::imgSalir.pixels());
    m_imgSalir->setPicture(Pictures::closePicture());
    m_imgSalir->setCursor(Pictures::handCursor());
    m_imgSalir->setToolTip(QStringLiteral("Cerrar"));
    m_imgSalir->setAccessibleName(QStringLiteral("Cerrar"));
    m_imgSalir->setEnabled(false);
    m_imgSalir->installEventFilter(this);

    m_label2 = makeLabel(this, "Label2", CreditsTexts::creditsBlock(), 8.25, Qt::AlignLeft);
    m_label2->setGeometry(CreditsLayout::Label2.pixels());

    // Two rules in the captions' colour, which they keep when the window's input is disabled.
    for (const auto& [name, box] :
        {std::pair {"Line2", CreditsLayout::Line2}, std::pair {"Line1", CreditsLayout::Line1}}) {
        auto* line = new QWidget(this);
        line->setObjectName(QLatin1String(name));
        line->setGeometry(box.pixels());
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::WindowText));
        line->setPalette(palette);
    }

    m_label3 = makeLabel(
        this, "Label3", CreditsTexts::toQString(CreditsTexts::Dedication), 8.25, Qt::AlignHCenter);
    m_label3->setGeometry(CreditsLayout::Label3.pixels());

    m_label4 = makeLabel(this, "Label4", CreditsTexts::framedAddress(), 8.25, Qt::AlignHCenter);
    m_label4->setGeometry(CreditsLayout::Label4.pixels());
    connect(m_label4, &CaptionLabel::clicked, this, &Form2::Label4_Click);

    m_image9 = new PictureBox(this);
    m_image9->setObjectName(QStringLiteral("Image9"));
    m_image9->setGeometry(CreditsLayout::Image9.pixels());
    m_image9->setPicture(Pictures::flag());
    m_image9->setAccessibleName(QStringLiteral("Bandera"));

    m_label5 = makeLabel(this, "Label5", CreditsTexts::rightsNotice(), 8.25, Qt::AlignHCenter);
    m_label5->setGeometry(CreditsLayout::Label5.pixels());
    connect(m_label5, &CaptionLabel::clicked, this, &Form2::Label5_Click);

    describeForScreenReaders(this);
    // While it shows, the user can neither move, resize nor minimise the window.
    WindowPin::pin(this);

    m_timer1->start(); // enabled from creation
    Form_Load();
}

void Form2::Form_Load()
{
    m_startTime = m_clock->seconds();
}

void Form2::Timer1_Timer()
{
    // The difference is taken on a monotonic clock, so it grows steadily from the load on and
    // reaches five seconds whatever the time of day.
    const auto elapsed = static_cast<float>(m_clock->seconds() - m_startTime);
    if (elapsed < CreditsSeconds)
        return;
    m_timer1->stop();
    unload();
    Q_EMIT crosswordRequested();
}

void Form2::Form_KeyPress(quint16& keyAscii)
{
    if (keyAscii == Puzzle::KeyCode::Escape)
        imgSalir_Click();
}

void Form2::imgSalir_Click()
{
    unload();
}

void Form2::Label4_Click()
{
    // The caption frames the address in parentheses and blanks; the desktop gets the address.
    QDesktopServices::openUrl(QUrl(addressOf(m_label4->text())));
}

void Form2::Label5_Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_label5->text()));
}

void Form2::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_timer1->stop();
    hide();
    deleteLater();
    Q_EMIT unloaded();
}

void Form2::closeEvent(QCloseEvent* event)
{
    // With its input disabled the window refuses every close request of the user; the window
    // manager's close button and Alt+F4 still reach a disabled window.
    if (!isEnabled() && !m_unloaded) {
        event->ignore();
        return;
    }
    event->accept();
    unload();
}

void Form2::keyPressEvent(QKeyEvent* event)
{
    KeyCodes codes = keyCodesOf(*event);
    if (codes.keyAscii == Puzzle::KeyCode::NoKey) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress(codes.keyAscii);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_imgSalir && event->type() == QEvent::MouseButtonRelease
        && m_imgSalir->isEnabled()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton
            && m_imgSalir->rect().contains(mouse->position().toPoint())) {
            imgSalir_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
