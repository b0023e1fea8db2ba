#pragma once

#include "print/Page.h"
#include "print/PrinterFonts.h"

#include <QString>
#include <functional>

// What every print action shows when its list is empty.
inline const QString NothingToPrintMessage = QStringLiteral("Il n'y a rien à imprimer ! ");

// Draws one document (header, body, frame) on a started job with that job's printer fonts. Documents
// are plain functions of (page, fonts, data), so they can be drawn on a recording page as well.
using DrawDocument = std::function<void(Page &page, const PrinterFonts &fonts)>;

// The flow of every print action: an empty count shows the "nothing to print" error and asks no
// printer; otherwise the print dialog, one job, the printer fonts for its page, the drawing, the end
// of the job. A cancelled dialog or a job that cannot start ends quietly. True when a job was printed.
bool printDocument(int count, const DrawDocument &draw);
