// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/identity.h"
#include "assets/fonts.h"
#include "assets/pictures.h"
#include "ui/platform.h"

#include <QApplication>
#include <QTranslator>

QtCommandLine::QtCommandLine(const char* programPath)
    : m_arguments {programPath ? programPath : TELMARONDA_NAME}
{
    for (const char* option : platformOptions())
        m_arguments.emplace_back(option);
    for (std::string& argument : m_arguments)
        m_argv.push_back(argument.data());
    m_argc = static_cast<int>(m_argv.size());
    m_argv.push_back(nullptr);
}

void configureApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral(TELMARONDA_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TELMARONDA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TELMARONDA_APP_ID));
    QApplication::setWindowIcon(Pictures::applicationIcon());
    app.setQuitOnLastWindowClosed(false);
    Platform::setUpApplication();
    // Qt's own texts (message-box buttons, text-box context menus) in Spanish, whatever the
    // user's language settings.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/translations/qtbase_es.qm")))
        QCoreApplication::installTranslator(translator);
    // Controls without a font of their own (the menu bar, the message box) use the bundled sans
    // serif too, not whatever the desktop or Windows offers.
    QApplication::setFont(Fonts::sansSerif(9));
    // Always left to right, whatever a translation or the command line would make of it.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}
