#pragma once

#include "print/Page.h"

#include <QString>
#include <functional>
#include <memory>

class QPrinter;

// The system's print dialog and the start of a print job; tests route the jobs elsewhere.
namespace PrintJob {

// Every job the program starts carries this name.
inline const QString JobName = QStringLiteral("Print-Doc");

// Shows the print dialog (one copy) and starts a job on the chosen printer, its first page open for
// drawing. nullptr when the user cancels or the job cannot start.
std::unique_ptr<Page> start();

// Starts a job named JobName on the given printer without asking; nullptr when it cannot start.
std::unique_ptr<Page> startOn(std::unique_ptr<QPrinter> printer);

// Replaces the dialog and the printer (tests); an empty handler restores them.
using Handler = std::function<std::unique_ptr<Page>()>;
void setHandler(Handler handler);
const Handler &handler();

} // namespace PrintJob
