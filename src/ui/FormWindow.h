#pragma once

#include <QColor>
#include <QHash>
#include <QWidget>
#include <functional>

class QEventLoop;
class QLineEdit;

// Base of every form window: the keyboard scheme shared by all forms (Enter, F1 to F12, Alt+Delete,
// Escape are taken by the window; each window acts on the keys it needs) and the window's own event loop.
// A window opened from another takes the input until it closes; the windows below stay visible.
// Shows a window maximised; where no window manager maximises it, it still covers the screen's free area.
void showMaximisedOnScreen(QWidget *window);

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const QString &title, QWidget *parent = nullptr);
    ~FormWindow() override;

    // Shows the window and runs its loop until it closes.
    void run();

    // Ends the window's loop and closes it (the window's quit flag).
    void closeWindow();
    bool isClosing() const { return m_closing; }

    // Client size, centred on the primary screen.
    void centre(const QSize &clientSize);

    // The window opens maximised.
    void setOpensMaximised(bool maximised) { m_maximised = maximised; }

    // A window of the main menu: title bar, system menu, minimise and close boxes but no maximise box,
    // opened maximised on its own background colour.
    void setMainMenuWindowLook(const QColor &background);

    // Runs the handler on every event of the field: a change of its text, the focus coming or going.
    void onFieldEvent(QLineEdit *field, std::function<void()> handler);

protected:
    // Enter in the focused widget.
    virtual void enterPressed(QWidget *focused) { Q_UNUSED(focused); }
    // F1 to F12.
    virtual void functionKeyPressed(int number) { Q_UNUSED(number); }
    virtual void deletePressed() {}
    virtual void escapePressed() {}

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QEventLoop *m_loop = nullptr;
    bool m_closing = false;
    bool m_maximised = false;
    QHash<QObject *, std::function<void()>> m_fieldHandlers;
};
