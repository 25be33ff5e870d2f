#include "calculationsheet.h"

#include "lineprinter.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>

namespace molvera {

namespace {

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

// One line of the label block: the caption in bold at column 15, the value in plain type after it.
void printLabelLine(LinePrinter &out, QStringView caption, QStringView value)
{
    out.setBold(true);
    out.moveToColumn(15);
    out.print(caption);
    out.setBold(false);
    out.print(value);
    out.endLine();
}

void printSheet(LinePrinter &out, const CalculationSheet &sheet, const QString &date)
{
    out.emptyLines(3);
    out.setBold(true);
    out.setPointSize(16);
    out.moveToColumn(20);
    out.print(heading);
    out.endLine();
    out.emptyLines(3);

    out.setPointSize(12);
    out.setUnderline(true);
    out.moveToColumn(10);
    out.print(instructionsTitle);
    out.endLine();
    out.setUnderline(false);
    out.setBold(false);
    out.emptyLines(4);
    for (const QString &line : sheet.printLines) {
        out.moveToColumn(15);
        out.print(line);
        out.endLine();
    }
    out.emptyLines(5);

    out.setBold(true);
    out.setUnderline(true);
    out.moveToColumn(10);
    out.print(labelTitle);
    out.endLine();
    out.setUnderline(false);
    out.emptyLines(2);
    printLabelLine(out, reagentCaption, sheet.chemicalName);
    out.emptyLines(1);
    printLabelLine(out, formulaCaption, sheet.chemicalFormula);
    out.emptyLines(1);
    printLabelLine(out, strengthCaption(sheet.variant),
                   QString(sheet.strength + sheet.strengthUnit));
    out.emptyLines(1);
    printLabelLine(out, datePreparedCaption, date);
    out.emptyLines(1);
}

} // namespace

QString preparedDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QStringLiteral("dddd, d MMMM yyyy"));
}

PrintStatus printCalculationSheet(const CalculationSheet &sheet, QPrinter &printer,
                                  const QDate &date, const QLocale &locale)
{
    // Without any printer QPrinter quietly turns into a PDF writer with no file, which would
    // print nothing and say nothing.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        return PrintStatus::NoPrinter;
    if (printer.docName().isEmpty())
        printer.setDocName(QStringLiteral("molvera calculation"));

    LinePrinter out(printer);
    if (!out.begin())
        return PrintStatus::Failed;
    printSheet(out, sheet, preparedDateText(date, locale));
    return out.endDocument() ? PrintStatus::Printed : PrintStatus::Failed;
}

} // namespace molvera
