// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's side of Platform.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDialog>

namespace Platform {

void prepareApplication()
{ }

void setUpApplication()
{ }

void runModal(QDialog* box, QWidget* blocked)
{
    static_cast<void>(blocked);
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->show();
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
