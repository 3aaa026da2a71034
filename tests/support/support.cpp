// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/support.h"

#include "puzzle/puzzle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QTimer>

namespace {
const char* const UrlSchemes[] = {"http", "https", "mailto", "file"};
} // namespace

char letterOf(int cell)
{
    const Puzzle::WordLetter use = Puzzle::wordsOfCell(cell).front();
    return Puzzle::expectedLetter(use.word, use.position);
}

QString answerOf(int word)
{
    QString answer;
    for (int position = 1; position <= Puzzle::wordLength(word); ++position)
        answer.append(QLatin1Char(Puzzle::expectedLetter(word, position)));
    return answer;
}

QString focusName(const QWidget* window)
{
    const QWidget* focus = window->focusWidget();
    return focus ? focus->objectName() : QString();
}

int liveWindows(const char* name)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String(name) ? 1 : 0;
    return count;
}

void dropDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Dismisser::Dismisser()
{
    qApp->installEventFilter(this);
}

Dismisser::~Dismisser()
{
    qApp->removeEventFilter(this);
}

bool Dismisser::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || (!window->isModal() && window->windowType() != Qt::Popup))
        return false;
    Seen shown;
    shown.className = QString::fromLatin1(window->metaObject()->className());
    shown.title = window->windowTitle();
    if (const auto* box = qobject_cast<const QMessageBox*>(window)) {
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttons = box->standardButtons();
    }
    shown.parent = window->parentWidget();
    shown.modality = window->windowModality();
    seen.append(shown);
    QTimer::singleShot(0, window, [window] {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box && box->button(QMessageBox::Ok))
            box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    });
    return false;
}

UrlTrap::UrlTrap()
{
    for (const char* scheme : UrlSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlTrap::~UrlTrap()
{
    for (const char* scheme : UrlSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlTrap::open(const QUrl& url)
{
    opened.append(url);
}
