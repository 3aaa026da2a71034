// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtspanish.h"

#include <QCoreApplication>
#include <QTranslator>

void installQtSpanish(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/translations/qtbase_es.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
