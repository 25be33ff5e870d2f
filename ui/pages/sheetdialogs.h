#pragma once

#include <print/calculationsheet.h>

#include <QString>

class QWidget;

namespace molvera {

// A sheet read from a page, with the page it came from: the dialogs about the sheet open over the
// page, and the page's name stands in for a missing formula in the name of a saved file.
struct PageSheet
{
    QWidget *page = nullptr;
    QString pageName;
    CalculationSheet sheet;
};

// The box that says the sheet was not printed on `printerName` and why. Beside its OK button,
// "Save as PDF…" saves the same sheet instead.
void showPrintFailure(const PageSheet &source, PrintStatus status, const QString &printerName);

// Qt's print preview of the sheet, on the default printer's paper (the locale's when there is no
// printer), from which the user can print it on any printer through the print dialog. Its title
// is `menuEntry`, the program's own text that opened it, without access key and ellipsis.
void openPrintPreview(const PageSheet &source, const QString &menuEntry);

// Asks for a file name in the desktop's save dialog, in the folder used last time or else the
// user's documents, and writes the sheet there as PDF; says so, naming the file, when it cannot.
void saveSheetAsPdf(const PageSheet &source);

} // namespace molvera
