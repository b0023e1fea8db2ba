#include "ui/Widgets.h"

#include "ui/CapitalsLineEdit.h"
#include "ui/Pictures.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace Place {

QLabel *label(QWidget *parent, const QRect &place, const QString &text) {
    auto *widget = new QLabel(text, parent);
    widget->setGeometry(place);
    return widget;
}

QLabel *centredLabel(QWidget *parent, const QRect &place, const QString &text) {
    QLabel *widget = label(parent, place, text);
    widget->setAlignment(Qt::AlignCenter);
    return widget;
}

QLabel *pictureLabel(QWidget *parent, const QPoint &topLeft, int number) {
    auto *widget = new QLabel(parent);
    const QPixmap &pixmap = picture(number);
    widget->setPixmap(pixmap);
    widget->setGeometry(QRect(topLeft, pixmap.size()));
    return widget;
}

QLineEdit *field(QWidget *parent, const QRect &place) {
    auto *widget = new QLineEdit(parent);
    widget->setGeometry(place);
    return widget;
}

QLineEdit *capitalsField(QWidget *parent, const QRect &place) {
    auto *widget = new CapitalsLineEdit(parent);
    widget->setGeometry(place);
    return widget;
}

QPushButton *button(QWidget *parent, const QRect &place, const QString &text) {
    auto *widget = new QPushButton(text, parent);
    widget->setGeometry(place);
    widget->setAutoDefault(false);
    widget->setFocusPolicy(Qt::TabFocus);
    return widget;
}

QToolButton *pictureButton(QWidget *parent, const QRect &place, int number, const QString &tooltip) {
    auto *widget = new QToolButton(parent);
    widget->setGeometry(place);
    widget->setIcon(QIcon(picture(number)));
    widget->setIconSize(place.size() - QSize(4, 4));
    widget->setAutoRaise(true);
    widget->setFocusPolicy(Qt::NoFocus);
    if (!tooltip.isEmpty())
        widget->setToolTip(tooltip);
    return widget;
}

QFrame *frame(QWidget *parent, const QRect &place) {
    auto *widget = new QFrame(parent);
    widget->setFrameShape(QFrame::Box);
    widget->setFrameShadow(QFrame::Plain);
    widget->setGeometry(place);
    widget->lower();
    return widget;
}

QComboBox *dateChooser(QWidget *parent, const QRect &place) {
    auto *widget = new QComboBox(parent);
    widget->setEditable(false);
    widget->setGeometry(place);
    return widget;
}

ReportList *list(QWidget *parent, const QRect &place, const QList<ListColumn> &columns) {
    auto *widget = new ReportList(parent, columns);
    widget->setGeometry(place);
    return widget;
}

} // namespace Place

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    colours.setColor(QPalette::ButtonText, colour);
    widget->setPalette(colours);
}

void setBackgroundColour(QWidget *widget, const QColor &colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    colours.setColor(QPalette::Base, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

void setWindowColour(QWidget *window, const QColor &colour) {
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, colour);
    window->setPalette(colours);
    window->setAutoFillBackground(true);
}
