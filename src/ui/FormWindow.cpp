#include "ui/FormWindow.h"

#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>

FormWindow::FormWindow(const QString &title, QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto bind = [this](const QKeySequence &keys, std::function<void()> action) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    bind(QKeySequence(Qt::Key_Return), [this] { enterPressed(focusWidget()); });
    bind(QKeySequence(Qt::Key_Enter), [this] { enterPressed(focusWidget()); });
    bind(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), [this] { enterPressed(focusWidget()); });
    for (int number = 1; number <= 12; ++number)
        bind(QKeySequence(Qt::Key(Qt::Key_F1 + number - 1)), [this, number] { functionKeyPressed(number); });
    bind(QKeySequence(Qt::AltModifier | Qt::Key_Delete), [this] { deletePressed(); });
    bind(QKeySequence(Qt::Key_Escape), [this] { escapePressed(); });
}

FormWindow::~FormWindow() {
    // Field handlers must not run while the children are being destroyed.
    m_fieldHandlers.clear();
}

void FormWindow::run() {
    if (m_closing)
        return;
    setWindowModality(Qt::ApplicationModal);
    if (m_maximised)
        showMaximisedOnScreen(this);
    else
        show();
    raise();
    activateWindow();
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    hide();
}

void FormWindow::closeWindow() {
    m_closing = true;
    close();
    if (m_loop)
        m_loop->quit();
}

void FormWindow::closeEvent(QCloseEvent *event) {
    m_closing = true;
    if (m_loop)
        m_loop->quit();
    event->accept();
}

void showMaximisedOnScreen(QWidget *window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
}

void FormWindow::centre(const QSize &clientSize) {
    resize(clientSize);
    // The inner area is centred, not the frame: move() would place the frame and push the inner
    // area down by the height of the title bar.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const QPoint margin((available.width() - clientSize.width()) / 2, (available.height() - clientSize.height()) / 2);
        setGeometry(QRect(available.topLeft() + margin, clientSize));
    }
}

void FormWindow::setMainMenuWindowLook(const QColor &background) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setOpensMaximised(true);
    setWindowColour(this, background);
}

void FormWindow::onFieldEvent(QLineEdit *field, std::function<void()> handler) {
    m_fieldHandlers.insert(field, handler);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this, field] {
        if (const auto handler = m_fieldHandlers.value(field))
            handler();
    });
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (const auto handler = m_fieldHandlers.value(watched))
            handler();
    }
    return QWidget::eventFilter(watched, event);
}
