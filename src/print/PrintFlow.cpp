#include "print/PrintFlow.h"

#include "platform/Messages.h"
#include "platform/PrintJob.h"

bool printDocument(int count, const DrawDocument &draw) {
    if (count <= 0) {
        Messages::error(NothingToPrintMessage);
        return false;
    }
    const std::unique_ptr<Page> page = PrintJob::start();
    if (!page)
        return false;
    const PrinterFonts fonts(*page);
    if (draw)
        draw(*page, fonts);
    page->endJob();
    return true;
}
