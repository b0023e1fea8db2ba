#pragma once

#include <QList>
#include <QString>
#include <functional>

// The event numbers of the main window's menu items and toolbar buttons, and what each one does.
struct MenuItem {
    int event; // 0 for a separator
    const char *text;
};

struct Menu {
    const char *title;
    QList<MenuItem> items;
};

const QList<Menu> &mainMenu();

// Tooltip of toolbar button 100 + i.
const QList<QString> &toolbarTooltips();

constexpr int QuitEvent = 99;

class MainWindow;

// What an event number opens, or an empty function when it opens nothing.
std::function<void()> actionForEvent(int event, MainWindow &window);
