// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtspanish.h"

#include <QCoreApplication>
#include <QTranslator>

bool installQtSpanish(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/translations/qtbase_es.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
