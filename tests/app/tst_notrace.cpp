// SPDX-License-Identifier: GPL-3.0-or-later
// The game leaves no trace on the machine: a whole session, from start through a check, the
// "GANASTES" box, the credits and a fresh crossword, writes nothing into the player's home,
// configuration, cache, data, state or runtime folders.
#include "app/application.h"
#include "app/windowsequence.h"
#include "tests/support/support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Every file and folder below `root`, as paths relative to it.
QStringList entriesBelow(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(root).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace

class TestNoTrace : public QObject {
    Q_OBJECT
public:
    explicit TestNoTrace(QString home)
        : m_home(std::move(home))
    { }

private Q_SLOTS:
    void aWholeSessionWritesNothing();

private:
    QString m_home;
};

void TestNoTrace::aWholeSessionWritesNothing()
{
    const QStringList before = entriesBelow(m_home);
    {
        auto clock = std::make_shared<FakeClock>(100.0);
        WindowSequence windows(clock);
        Form1* crossword = windows.showForm1();
        QVERIFY(QTest::qWaitForWindowExposed(crossword));

        crossword->findChild<QLineEdit*>(QStringLiteral("Text60"))->setText(QStringLiteral("A"));
        // The last word ends with the modal "GANASTES" box.
        Dismisser dismisser;
        crossword->findChild<QAbstractButton*>(QStringLiteral("Check12"))->click();

        windows.mnuautor_Click();
        QTRY_VERIFY(windows.form2() != nullptr);
        clock->now += 5.0;
        QTRY_VERIFY(windows.form2() == nullptr && windows.form1() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(windows.form1()));
    }
    dropDeletedWindows();
    QCOMPARE(entriesBelow(m_home), before);
}

int main(int argc, char* argv[])
{
    // A home of the test's own, so that anything written there shows.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QByteArray root = home.path().toLocal8Bit();
    qputenv("HOME", root);
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
             "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
        const QByteArray folder = root + '/' + QByteArray(variable).toLower();
        QDir().mkpath(QString::fromLocal8Bit(folder));
        QFile::setPermissions(QString::fromLocal8Bit(folder),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(variable, folder);
    }

    QApplication app(argc, argv);
    configureApplication(app);
    TestNoTrace test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_notrace.moc"
