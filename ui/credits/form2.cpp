#include "form2.h"

#include "creditscontrols.h"
#include "creditstexts.h"
#include "fonts.h"
#include "picturebox.h"
#include "pictures.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr float CreditsSeconds = 5.0f;
constexpr int TickMilliseconds = 50;
constexpr quint16 EscapeKey = 27;

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

} // namespace

Form2::Form2(
    std::shared_ptr<const Clock> clock, std::shared_ptr<DesktopOpener> opener, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_clock(std::move(clock))
    , m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ACERCA DEL AUTOR"));
    resize(Twips::size(6150, 3600));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);

    // Controls from the bottom of the stack to the top: each one is drawn over the ones before.
    auto* shape1 = new ShapeControl(
        ShapeControl::Outline, Twips::rect(0, 0, 5895, 3375), Qt::black, 40, this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    auto* shape2 = new ShapeControl(
        ShapeControl::RoundedFill, Twips::rect(120, 120, 5895, 3375), CardOrange, 0, this);
    shape2->setObjectName(QStringLiteral("Shape2"));

    Label1 = makeLabel(
        this, "Label1", CreditsTexts::toQString(CreditsTexts::Title), 18, Qt::AlignLeft);
    Label1->setWordWrap(false);
    Label1->setToolTip(CreditsTexts::toQString(CreditsTexts::Version));
    Label1->move(Twips::rect(1200, 240, 3255, 435).topLeft());
    Label1->adjustSize(); // sized to fit its text

    imgSalir = new PictureBox(this);
    imgSalir->setObjectName(QStringLiteral("imgSalir"));
    imgSalir->setGeometry(Twips::rect(5520, 240, 360, 360));
    imgSalir->setPicture(Pictures::closePicture());
    imgSalir->setCursor(Pictures::handCursor());
    imgSalir->setToolTip(QStringLiteral("Cerrar"));
    imgSalir->setEnabled(false);
    imgSalir->installEventFilter(this);

    Label2 = makeLabel(this, "Label2", CreditsTexts::creditsBlock(), 8.25, Qt::AlignLeft);
    Label2->setGeometry(Twips::rect(240, 720, 2055, 1935));

    auto* line2
        = new LineControl(Twips::toPixels(360), Twips::toPixels(2400), Twips::toPixels(1440), this);
    line2->setObjectName(QStringLiteral("Line2"));
    auto* line1
        = new LineControl(Twips::toPixels(360), Twips::toPixels(2280), Twips::toPixels(2640), this);
    line1->setObjectName(QStringLiteral("Line1"));

    Label3 = makeLabel(
        this, "Label3", CreditsTexts::toQString(CreditsTexts::Dedication), 8.25, Qt::AlignHCenter);
    Label3->setGeometry(Twips::rect(2160, 1080, 3735, 615));

    Label4 = makeLabel(this, "Label4", CreditsTexts::framedAddress(), 8.25, Qt::AlignHCenter);
    Label4->setGeometry(Twips::rect(1800, 1680, 3735, 615));
    connect(Label4, &CaptionLabel::clicked, this, &Form2::Label4_Click);

    Image9 = new PictureBox(this);
    Image9->setObjectName(QStringLiteral("Image9"));
    Image9->setGeometry(Twips::rect(5280, 2760, 600, 375));
    Image9->setPicture(Pictures::flag());

    Label5 = makeLabel(this, "Label5", CreditsTexts::rightsNotice(), 8.25, Qt::AlignHCenter);
    Label5->setGeometry(Twips::rect(960, 2880, 4215, 375));
    connect(Label5, &CaptionLabel::clicked, this, &Form2::Label5_Click);

    Timer1->start(); // enabled from creation
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
    Timer1->stop();
    unload();
    Q_EMIT crosswordRequested();
}

void Form2::Form_KeyPress(quint16& keyAscii)
{
    const bool closeVisible = !imgSalir->isHidden();
    if (keyAscii == EscapeKey && closeVisible)
        imgSalir_Click();
}

void Form2::imgSalir_Click()
{
    unload();
}

void Form2::Label4_Click()
{
    // The caption frames the address in parentheses and blanks; the desktop gets the address.
    m_opener->open(addressOf(Label4->text()));
}

void Form2::Label5_Click()
{
    m_opener->open(QStringLiteral("mailto:") + Label5->text());
}

void Form2::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Timer1->stop();
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
    quint16 keyAscii = 0;
    if (event->key() == Qt::Key_Escape)
        keyAscii = EscapeKey;
    else if (!event->text().isEmpty())
        keyAscii = event->text().at(0).unicode();
    if (keyAscii == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress(keyAscii);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgSalir && event->type() == QEvent::MouseButtonRelease
        && imgSalir->isEnabled()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton
            && imgSalir->rect().contains(mouse->position().toPoint())) {
            imgSalir_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
