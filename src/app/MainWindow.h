#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QLabel;

// The program's main window: menu bar, toolbar and logo. Every menu item and toolbar button carries
// an event number; one table maps the numbers to what they open.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window for the desktop width read at start-up.
    MainWindow();

    // The pictures the window shows as soon as it opens, in the order it asks for them.
    static QList<int> picturesShown();

    // Runs the action of an event number (menu item or toolbar button); unknown numbers do nothing.
    void dispatch(int event);

    // Toolbar buttons, numbered and fillers, in order.
    int fillerCount() const { return m_fillerCount; }

signals:
    // The close box or "Fermer le logiciel et quitter": the program ends without a question.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    void buildToolbar();
    void placeLogo();

    QLabel *m_logo = nullptr;
    int m_fillerCount = 0;
};
