#include "app/MainWindow.h"

#include "app/Events.h"
#include "common/ProgramState.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>

namespace {
constexpr int ToolbarStep = 30; // running width added per toolbar button
constexpr int LogoTop = 120;
} // namespace

MainWindow::MainWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Vireska v.3 (Logiciel de gestion médicale - 2023)"));
    setObjectName(QStringLiteral("mainWindow"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    auto *centre = new QWidget(this);
    centre->setAutoFillBackground(true);
    centre->setPalette(colours);
    setCentralWidget(centre);
    resize(0, 645);

    buildMenu();
    buildToolbar();
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setPixmap(picture(Picture::Logo));
    placeLogo();
}

QList<int> MainWindow::picturesShown() {
    QList<int> numbers;
    for (int i = 0; i < Picture::ToolbarCount; ++i)
        numbers << Picture::ToolbarFirst + i;
    return numbers << Picture::ToolbarFiller << Picture::Logo;
}

void MainWindow::buildMenu() {
    for (const Menu &menu : mainMenu()) {
        QMenu *titleMenu = menuBar()->addMenu(QString::fromUtf8(menu.title));
        for (const MenuItem &item : menu.items) {
            if (item.event == 0) {
                titleMenu->addSeparator();
                continue;
            }
            QAction *action = titleMenu->addAction(QString::fromUtf8(item.text));
            action->setData(item.event);
            connect(action, &QAction::triggered, this, [this, event = item.event] { dispatch(event); });
        }
    }
}

void MainWindow::buildToolbar() {
    auto *toolbar = addToolBar(QStringLiteral("Barre d'outils"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    // Each button with its separator takes 30 pixels, so the bar fills the desktop without overflowing.
    toolbar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                                          "QToolBar::separator { width: 6px; }"));
    const auto addButton = [toolbar](const QIcon &icon, const QString &text) {
        QAction *button = toolbar->addAction(icon, text);
        toolbar->widgetForAction(button)->setFixedSize(24, 24);
        toolbar->addSeparator();
        return button;
    };
    int runningWidth = 0;
    for (int i = 0; i < Picture::ToolbarCount; ++i) {
        const int event = Picture::ToolbarFirst + i;
        QAction *button = addButton(QIcon(picture(event)), toolbarTooltips()[i]);
        button->setData(event);
        button->setToolTip(toolbarTooltips()[i]);
        connect(button, &QAction::triggered, this, [this, event] { dispatch(event); });
        runningWidth += ToolbarStep;
    }
    // Fillers only carry the bar's look across the screen.
    while (runningWidth < programState().desktopWidth - 100) {
        addButton(QIcon(picture(Picture::ToolbarFiller)), QString());
        runningWidth += ToolbarStep;
        ++m_fillerCount;
    }
}

void MainWindow::placeLogo() {
    const QSize size = picture(Picture::Logo).size();
    const int x = (programState().desktopWidth - size.width()) / 2 - 3;
    // The logo stands 120 pixels below the top of the window's client area, under the menu bar.
    m_logo->setGeometry(x, menuBar()->geometry().bottom() + 1 + LogoTop, size.width(), size.height());
    m_logo->raise();
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    placeLogo();
}

void MainWindow::dispatch(int event) {
    if (const auto action = actionForEvent(event, *this))
        action();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    emit quitRequested();
}
