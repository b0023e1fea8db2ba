#pragma once

// Checks of where the widgets of a document window stand and what they say.

#include "ui/ReportList.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <tuple>

// The window's labels, by object name or else by text.
inline QHash<QString, QLabel *> labelsOf(QWidget &window) {
    QHash<QString, QLabel *> labels;
    for (QLabel *label : window.findChildren<QLabel *>())
        labels.insert(label->objectName().isEmpty() ? label->text() : label->objectName(), label);
    return labels;
}

// The places of the window's plain frames (not those inside other widgets).
inline QList<QRect> framesOf(QWidget &window) {
    QList<QRect> frames;
    for (QFrame *frame : window.findChildren<QFrame *>())
        if (QLatin1String(frame->metaObject()->className()) == QLatin1String("QFrame"))
            frames << frame->geometry();
    return frames;
}

// Each button by object name: its place and caption.
using ButtonPlace = std::tuple<const char *, QRect, QString>;
inline void checkButtons(QWidget &window, const QList<ButtonPlace> &buttons) {
    for (const auto &[name, place, caption] : buttons) {
        const QPushButton *button = window.findChild<QPushButton *>(name);
        QVERIFY2(button, name);
        QCOMPARE(button->geometry(), place);
        QCOMPARE(button->text(), caption);
    }
}

inline void checkColumns(const ReportList *list, const QList<ListColumn> &columns) {
    QCOMPARE(list->columnCount(), columns.size());
    for (int column = 0; column < columns.size(); ++column) {
        QCOMPARE(list->headerText(column), columns[column].title);
        QCOMPARE(list->columnWidth(column), columns[column].width);
    }
}
