// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crossword/messagebox.h"

#include "ui/platform.h"
#include "ui/queuedcall.h"
#include "ui/widgets/frame.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QMessageBox>

namespace Message {

namespace {

// Brings the box back over the window it blocks; belongs to the box.
class Keeper : public QObject {
public:
    Keeper(QWidget* box, QWidget* blocked)
        : QObject(box)
        , m_box(box)
        , m_blocked(blocked)
    {
        // Qt forgets a filter that is gone.
        box->installEventFilter(this);
        blocked->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_box) {
            // Minimised, it is shown again; shown again, it takes the focus.
            if (event->type() == QEvent::WindowStateChange)
                m_bringBack.request();
            else if (event->type() == QEvent::WindowActivate)
                m_reshown = false;
        } else if (event->type() == QEvent::WindowStateChange && m_blocked->isMinimized()) {
            m_bringBack.request();
        } else if (event->type() == QEvent::WindowActivate && m_box->isVisible() && !m_reshown) {
            m_bringBack.request();
        }
        return false;
    }

private:
    void bringBack()
    {
        if (!m_box->isVisible() && !m_box->isMinimized())
            return;
        // A window manager may minimise the two together, and Windows shows no box whose window
        // is minimised.
        if (m_blocked->isMinimized())
            m_blocked->showNormal();
        // Qt may still count a box the window manager has just minimised as the active window.
        // Shown normally again, it comes back here to take the focus.
        if (m_box->isMinimized()) {
            m_box->showNormal();
            return;
        }
        if (m_box->isActiveWindow())
            return;
        // A window can seldom raise or focus itself: under Wayland never, and a compositor may
        // ignore an X window's request too. A window newly shown gets both everywhere.
        m_reshown = true;
        m_box->hide();
        Platform::show(m_box);
    }

    QWidget* m_box;
    QWidget* m_blocked;
    // Shown afresh and not yet given the focus: meanwhile the compositor may hand the focus to the
    // blocked window, which is no reason to show the box once more.
    bool m_reshown = false;
    // Made once the window system's event is over.
    QueuedCall m_bringBack {this, [this] { bringBack(); }};
};

} // namespace

void show(QWidget* window, const QString& text)
{
    auto* box = new QMessageBox(
        QMessageBox::NoIcon, QStringLiteral("TELMARONDA"), text, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("message"));
    box->setWindowFlags(Frame::titleAndCloseOnly(Qt::Dialog));
    new Keeper(box, window);
    for (QAbstractButton* button : box->buttons())
        button->setIcon(QIcon());
    // Wide enough for the window manager to show the whole title in the box's frame, in a title
    // font of its own, which may be larger, beside an icon and three buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const QFontMetrics metrics(titleFont);
        const int titleRoom
            = 3 * metrics.horizontalAdvance(box->windowTitle()) / 2 + 6 * metrics.height();
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    box->setWindowModality(Qt::ApplicationModal);
    Platform::runModal(box, window);
}

} // namespace Message
