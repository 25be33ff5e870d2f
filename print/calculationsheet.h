#pragma once

#include <QString>
#include <QStringView>

#include <array>

class QDate;
class QLocale;
class QPrinter;
class QPrinterInfo;

namespace molvera {

class LinePrinter;
class SheetPrinter;

// Which page a sheet comes from: it decides the caption of the strength line of the label.
enum class SheetVariant { Molar, Percent, Hydrate };

// The stock that a sheet's instructions are for, as its calculation used it: the texts as typed.
struct SheetStock
{
    QString strength;        // "98.07", "5"; empty before the first calculation
    QString unit;            // "%" or "M"
    QString specificGravity; // only where the calculation used one
    QString waters;          // waters of crystallisation, only for a hydrate's stock
};

// Everything a sheet prints: the record of one calculation on a page, its print lines, the stock
// they are for and its label, as they stood when it was worked out.
struct CalculationSheet
{
    SheetVariant variant = SheetVariant::Molar;
    std::array<QString, 3> printLines;
    QString chemicalName;
    QString chemicalFormula;
    QString strength;     // the number text as typed ("0.5", "20")
    QString strengthUnit; // one of SheetTexts' units: "M", "% w/v" ...; the sheet writes it
                          // the language's way
    SheetStock stock;
};

// Why a sheet was or was not printed.
enum class PrintStatus {
    Printed,
    NoPrinter,          // there is no printer to print on
    PrinterStopped,     // the queue holds its jobs until someone starts it again
    PrinterRejectsJobs, // the queue turns every job away
    Failed,             // the printer would not start the job, or reported an error in it
};

// Prints the sheet's 31 lines on `out`, from three empty lines at the top to the empty line after
// the date, and leaves the document open; a text too wide for the paper takes more lines, and
// what follows moves down. The printer is left at 12 points, neither bold nor underlined.
void printSheetLines(SheetPrinter &out, const CalculationSheet &sheet, QStringView date);

// Prints the whole sheet on `out` as one document, from begin() to endDocument(): what every
// printed, previewed and saved sheet is made of. False when `out` would not start or reported an
// error.
bool printSheetDocument(LinePrinter &out, const CalculationSheet &sheet, const QDate &date,
                        const QLocale &locale);

// The title that a sheet's print job or PDF file carries.
QString sheetDocumentName();

// Prints the sheet on `printer` just as it is set up, without asking whether it is a real
// printer: the one a print preview draws on, or one the user chose in a print dialog.
bool printOnChosenPrinter(const CalculationSheet &sheet, QPrinter &printer, const QDate &date,
                          const QLocale &locale);

// Prints the sheet on `printer`, dated `date` with the names of `locale`. A printer set to write
// PDF without a file to write to (what QPrinter falls back to without any printer) is NoPrinter.
PrintStatus printCalculationSheet(const CalculationSheet &sheet, QPrinter &printer,
                                  const QDate &date, const QLocale &locale);

// Prints the sheet on the system's default printer, dated today in the user's locale.
PrintStatus printOnDefaultPrinter(const CalculationSheet &sheet);

// Prints the sheet on the printer `printerInfo` describes, dated today in the user's locale;
// NoPrinter when `printerInfo` is null. Nothing is sent to a queue that is stopped or turns jobs
// away: the sheet would not come out while the user waits for it.
PrintStatus printOnPrinter(const CalculationSheet &sheet, const QPrinterInfo &printerInfo);

// The line that names the stock, e.g. "Stock: 98.07 %, specific gravity 1.84", with a molar unit
// written as the label writes it; empty without a stock.
QString stockLineText(const SheetStock &stock);

// The date line of the label, e.g. "Sunday, 6 December 2026", with the names of `locale`.
QString preparedDateText(const QDate &date, const QLocale &locale);

} // namespace molvera
