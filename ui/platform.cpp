// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's side of Platform.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace Platform {

void runModal(QWidget* box, QWidget* blocked)
{
    static_cast<void>(blocked);
    // Held through a guard: the box dies with the window it blocks, should that go first.
    const QPointer<QWidget> guard = box;
    // It waits in a loop of its own rather than in exec(), which would end should the box be
    // shown afresh.
    QEventLoop dismissed;
    if (auto* dialog = qobject_cast<QDialog*>(box))
        QObject::connect(dialog, &QDialog::finished, &dismissed, &QEventLoop::quit);
    QObject::connect(box, &QObject::destroyed, &dismissed, &QEventLoop::quit);
    box->show();
    dismissed.exec(QEventLoop::DialogExec);
    delete guard.data();
}

void show(QWidget* window)
{
    window->show();
}

void endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace Platform
