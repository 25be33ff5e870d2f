#pragma once

#include <QString>

#include <array>

class QDate;
class QLocale;
class QPrinter;

namespace molvera {

// Which page a sheet comes from: it decides the caption of the strength line of the label.
enum class SheetVariant { Molar, Percent, Hydrate };

// Everything a sheet prints, read from the page at the moment Print is pressed.
struct CalculationSheet
{
    SheetVariant variant = SheetVariant::Molar;
    std::array<QString, 3> printLines;
    QString chemicalName;
    QString chemicalFormula;
    QString strength;     // the number text as typed ("0.5", "20")
    QString strengthUnit; // appended directly: "M", "% w/v" ...
};

enum class PrintStatus { Printed, NoPrinter, Failed };

// Prints the sheet on `printer`, dated `date` with the names of `locale`.
PrintStatus printCalculationSheet(const CalculationSheet &sheet, QPrinter &printer,
                                  const QDate &date, const QLocale &locale);

// Prints the sheet on the system's default printer, dated today in the user's locale.
PrintStatus printOnDefaultPrinter(const CalculationSheet &sheet);

} // namespace molvera
