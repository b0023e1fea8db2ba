#pragma once

#include <QLineEdit>

// A one-line field that turns what is typed into capitals while typing. Text set by the program is
// kept as it is.
class CapitalsLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CapitalsLineEdit(QWidget *parent = nullptr);
};
