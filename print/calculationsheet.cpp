#include "calculationsheet.h"

#include "lineprinter.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>

namespace molvera {

namespace {

constexpr QStringView documentName = u"molvera calculation";
constexpr QStringView heading = u"Your molvera Calculation";
constexpr QStringView instructionsTitle = u"Instructions";
constexpr QStringView labelTitle = u"Label";
constexpr QStringView reagentCaption = u"Reagent:            ";
constexpr QStringView formulaCaption = u"Formula:            ";
constexpr QStringView molarityCaption = u"Molarity:             ";
constexpr QStringView concentrationCaption = u"Concentration:   ";
constexpr QStringView datePreparedCaption = u"Date Prepared:   ";

QStringView strengthCaption(SheetVariant variant)
{
    switch (variant) {
    case SheetVariant::Molar:
        return molarityCaption;
    case SheetVariant::Percent:
    case SheetVariant::Hydrate:
        return concentrationCaption;
    }
    return concentrationCaption;
}

// One line of the label block: the caption at column 15 in the bold type in force, the value in
// plain type after it.
void printLabelLine(SheetPrinter &out, QStringView caption, QStringView value)
{
    out.print(15, {caption}, SheetPrinter::LineEnd::Continue);
    out.setBold(false);
    out.print(SheetPrinter::NoColumn, {value});
}

void printEmptyLines(SheetPrinter &out, int count)
{
    for (int i = 0; i < count; ++i)
        out.printEmptyLine();
}

} // namespace

void printSheetLines(SheetPrinter &out, const CalculationSheet &sheet, QStringView date)
{
    printEmptyLines(out, 3);
    out.setBold(true);
    out.setFontSize(16);
    out.print(20, {heading});
    printEmptyLines(out, 3);

    out.setFontSize(12);
    out.setUnderline(true);
    out.print(10, {instructionsTitle});
    out.setUnderline(false);
    out.setBold(false);
    printEmptyLines(out, 4);
    for (const QString &line : sheet.printLines)
        out.print(15, {line});
    printEmptyLines(out, 5);

    out.setBold(true);
    out.setUnderline(true);
    out.print(10, {labelTitle});
    out.setUnderline(false);
    printEmptyLines(out, 2);
    // Still bold from the title.
    printLabelLine(out, reagentCaption, sheet.chemicalName);
    printEmptyLines(out, 1);
    out.setBold(true);
    printLabelLine(out, formulaCaption, sheet.chemicalFormula);
    printEmptyLines(out, 1);
    out.setBold(true);
    printLabelLine(out, strengthCaption(sheet.variant),
                   QString(sheet.strength + sheet.strengthUnit));
    printEmptyLines(out, 1);
    out.setBold(true);
    printLabelLine(out, datePreparedCaption, date);
    printEmptyLines(out, 1);
}

QString preparedDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QStringLiteral("dddd, d MMMM yyyy"));
}

QString sheetDocumentName()
{
    return documentName.toString();
}

bool printSheetDocument(LinePrinter &out, const CalculationSheet &sheet, const QDate &date,
                        const QLocale &locale)
{
    if (!out.begin())
        return false;
    printSheetLines(out, sheet, preparedDateText(date, locale));
    return out.endDocument();
}

bool printOnChosenPrinter(const CalculationSheet &sheet, QPrinter &printer, const QDate &date,
                          const QLocale &locale)
{
    if (printer.docName().isEmpty())
        printer.setDocName(sheetDocumentName());
    LinePrinter out(printer);
    return printSheetDocument(out, sheet, date, locale);
}

PrintStatus printCalculationSheet(const CalculationSheet &sheet, QPrinter &printer,
                                  const QDate &date, const QLocale &locale)
{
    // Without any printer QPrinter quietly turns into a PDF writer with no file, which would
    // print nothing and say nothing.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        return PrintStatus::NoPrinter;
    return printOnChosenPrinter(sheet, printer, date, locale) ? PrintStatus::Printed
                                                              : PrintStatus::Failed;
}

} // namespace molvera
