#pragma once

#include "ui/ReportList.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// Widgets placed at given window coordinates; every window is built from its own table of places.
namespace Place {

QLabel *label(QWidget *parent, const QRect &place, const QString &text = {});
QLabel *centredLabel(QWidget *parent, const QRect &place, const QString &text = {});
QLabel *pictureLabel(QWidget *parent, const QPoint &topLeft, int picture);
QLineEdit *field(QWidget *parent, const QRect &place);
QLineEdit *capitalsField(QWidget *parent, const QRect &place);
QPushButton *button(QWidget *parent, const QRect &place, const QString &text);
QToolButton *pictureButton(QWidget *parent, const QRect &place, int picture, const QString &tooltip = {});
QFrame *frame(QWidget *parent, const QRect &place);
QComboBox *dateChooser(QWidget *parent, const QRect &place);
ReportList *list(QWidget *parent, const QRect &place, const QList<ListColumn> &columns);

} // namespace Place

// Colours and fonts of single widgets.
void setTextColour(QWidget *widget, const QColor &colour);
void setBackgroundColour(QWidget *widget, const QColor &colour);
// The colour of a window's own background; its fields, lists and bars keep theirs.
void setWindowColour(QWidget *window, const QColor &colour);
