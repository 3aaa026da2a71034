// SPDX-License-Identifier: GPL-3.0-or-later
// For the browser test: where the crossword window's controls stand, in its own pixels (as in the
// golden references), what each cell expects, and the window's title, printed as JSON. Taken from
// the window itself, built offscreen as the program builds it.
#include "app/application.h"
#include "app/windowsequence.h"
#include "puzzle/puzzle.h"
#include "tests/support/support.h"

#include <cstdio>
#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace {

QJsonArray point(const QPoint& at)
{
    return {at.x(), at.y()};
}

QJsonArray rect(const QRect& box)
{
    return {box.x(), box.y(), box.width(), box.height()};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    WindowSequence windows;
    Form1* form = windows.showForm1();
    const auto centreOf = [form](const QWidget* control) {
        return point(control->mapTo(form, control->rect().center()));
    };
    const auto boxOf = [form](const QWidget* control) {
        return rect(QRect(control->mapTo(form, QPoint()), control->size()));
    };

    QJsonArray cells;
    QString letters;
    for (int cell = 1; cell <= Puzzle::CellCount; ++cell) {
        cells.append(centreOf(control(form, QStringLiteral("Text%1").arg(cell))));
        letters.append(QLatin1Char(letterOf(cell)));
    }
    QJsonArray boxes;
    QJsonArray words;
    QJsonArray indicators;
    for (int word = 1; word <= Puzzle::WordCount; ++word) {
        boxes.append(centreOf(control(form, QStringLiteral("Check%1").arg(word))));
        const int indicator = Puzzle::pictureSlots(word).indicator;
        indicators.append(boxOf(control(form, QStringLiteral("Image%1").arg(indicator))));
        QJsonArray wordCells;
        for (int cell : Puzzle::cellsOfWord(word))
            wordCells.append(cell);
        words.append(wordCells);
    }
    QJsonObject menu;
    const QMenuBar* bar = form->menuBar();
    for (QAction* action : bar->actions())
        menu.insert(action->text(), point(bar->mapTo(form, bar->actionGeometry(action).center())));

    const QJsonObject places {
        {QStringLiteral("title"), form->windowTitle()},
        {QStringLiteral("size"), point(QPoint(form->width(), form->height()))},
        {QStringLiteral("menu"), menu},
        {QStringLiteral("cells"), cells},
        {QStringLiteral("letters"), letters},
        {QStringLiteral("words"), words},
        {QStringLiteral("boxes"), boxes},
        {QStringLiteral("indicators"), indicators},
        {QStringLiteral("label1"), boxOf(control<QLabel>(form, QStringLiteral("Label1")))},
        {QStringLiteral("label2"), boxOf(control<QLabel>(form, QStringLiteral("Label2")))},
    };
    std::fputs(QJsonDocument(places).toJson().constData(), stdout);
    return 0;
}
