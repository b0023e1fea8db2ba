#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vireska"));
    return runProgram(application);
}
