// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/xdo.h"

#include "tests/support/support.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Xdo {

namespace {
QString program()
{
    static const QString found = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    return found;
}
} // namespace

bool available()
{
    return !program().isEmpty();
}

QString run(const QStringList& arguments)
{
    QProcess process;
    process.start(program(), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool succeeds(const QStringList& arguments)
{
    return QProcess::execute(program(), arguments) == 0;
}

bool click(const QPoint& at, int times)
{
    return succeeds({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
        QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
        QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
}

bool typeAnswer(int word, int delay)
{
    QStringList keys {QStringLiteral("key"), QStringLiteral("--delay"), QString::number(delay)};
    for (QChar letter : answerOf(word))
        keys << QString(letter) << QStringLiteral("Return");
    return succeeds(keys);
}

QString windowNamed(const QString& title)
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    return run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                   pattern})
        .section(QLatin1Char('\n'), 0, 0);
}

QRect geometry(const QString& window)
{
    // xwininfo's absolute position: xdotool's counts the window manager's frame in on some.
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    if (!xwininfo.waitForFinished(10000))
        return {};
    QRect rect;
    for (const QString& line :
        QString::fromLocal8Bit(xwininfo.readAllStandardOutput()).split(u'\n')) {
        const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
        if (line.contains(QLatin1String("Absolute upper-left X")))
            rect.moveLeft(value);
        else if (line.contains(QLatin1String("Absolute upper-left Y")))
            rect.moveTop(value);
        else if (line.contains(QLatin1String("Width:")))
            rect.setWidth(value);
        else if (line.contains(QLatin1String("Height:")))
            rect.setHeight(value);
    }
    return rect;
}

QMargins frameExtents(const QString& window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
        {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")});
    if (!xprop.waitForFinished(10000))
        return {};
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QStringList values = QString::fromLatin1(xprop.readAllStandardOutput())
                                   .section(QLatin1Char('='), 1)
                                   .split(QLatin1Char(','));
    if (values.size() != 4)
        return {};
    return QMargins(values[0].toInt(), values[2].toInt(), values[1].toInt(), values[3].toInt());
}

QList<QRect> frameButtons(const QString& window)
{
    const auto tree = [](const QString& id) {
        QProcess xwininfo;
        xwininfo.start(
            QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), id});
        xwininfo.waitForFinished(10000);
        return QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    };
    // The frame is the window's parent; its tree gives each window in it its size and place on the
    // screen ("0x200280 (has no name): ()  12x12+531+3  +882+274"). Unused buttons are 1x1.
    static const QRegularExpression parent(QStringLiteral("Parent window id: (0x[0-9a-f]+)"));
    static const QRegularExpression part(
        QStringLiteral("(\\d+)x(\\d+)\\+-?\\d+\\+-?\\d+ +\\+(-?\\d+)\\+(-?\\d+)"));
    const QRect client = geometry(window);
    QList<QRect> buttons;
    for (const auto& m : part.globalMatch(tree(parent.match(tree(window)).captured(1)))) {
        const QRect box(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
            m.captured(2).toInt());
        if (box.width() == box.height() && box.width() > 1 && box.bottom() < client.top()
            && box.left() > client.center().x())
            buttons.append(box);
    }
    std::sort(buttons.begin(), buttons.end(),
        [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
    return buttons;
}

} // namespace Xdo
