#include "platform/PrintJob.h"

#include "print/PrinterPage.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace PrintJob {
namespace {

Handler &currentHandler() {
    static Handler current;
    return current;
}

// The printer chosen last is offered first by the next dialog.
QString &lastPrinterName() {
    static QString name;
    return name;
}

std::unique_ptr<Page> askAndStart() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!lastPrinterName().isEmpty())
        printer->setPrinterName(lastPrinterName());
    printer->setCopyCount(1);
    printer->setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    // Documents always print whole, from their first page.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    lastPrinterName() = printer->printerName();
    return startOn(std::move(printer));
}

} // namespace

std::unique_ptr<Page> start() {
    if (currentHandler())
        return currentHandler()();
    return askAndStart();
}

std::unique_ptr<Page> startOn(std::unique_ptr<QPrinter> printer) {
    if (!printer)
        return nullptr;
    printer->setDocName(JobName);
    return PrinterPage::begin(std::move(printer));
}

void setHandler(Handler handler) {
    currentHandler() = std::move(handler);
}

const Handler &handler() {
    return currentHandler();
}

} // namespace PrintJob
