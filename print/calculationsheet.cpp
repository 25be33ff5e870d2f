#include "calculationsheet.h"

#include "lineprinter.h"
#include "sheettexts.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>

#include <algorithm>
#include <cstring>

namespace molvera {

namespace {

// A label caption, and the spaces after it that set its value clear of it: as many as the English
// sheet has, which leave the values in proportional type about level.
struct LabelCaption
{
    const char *text; // marked in SheetTexts
    int englishPadding;
};
constexpr LabelCaption reagentCaption{SheetTexts::Reagent, 12};
constexpr LabelCaption formulaCaption{SheetTexts::Formula, 12};
constexpr LabelCaption molarityCaption{SheetTexts::Molarity, 13};
constexpr LabelCaption concentrationCaption{SheetTexts::Concentration, 3};
constexpr LabelCaption datePreparedCaption{SheetTexts::DatePrepared, 3};

// A translated caption ends where the English one with its spaces ends, by the count of
// characters, and at least three spaces after its text: translators need not count spaces.
QString paddedCaption(const LabelCaption &caption)
{
    constexpr int LeastPadding = 3;
    const QString text = SheetTexts::tr(caption.text);
    const auto english = qsizetype(std::strlen(caption.text));
    if (text == QLatin1StringView(caption.text))
        return text + QString(caption.englishPadding, u' ');
    const qsizetype width = english + caption.englishPadding;
    return text + QString(std::max<qsizetype>(LeastPadding, width - text.size()), u' ');
}

const LabelCaption &strengthCaption(SheetVariant variant)
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
void printLabelLine(SheetPrinter &out, const LabelCaption &caption, QStringView value)
{
    out.print(15, {paddedCaption(caption)}, SheetPrinter::LineEnd::Continue);
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
    out.print(20, {SheetTexts::tr(SheetTexts::Heading)});
    printEmptyLines(out, 3);

    out.setFontSize(12);
    out.setUnderline(true);
    out.print(10, {SheetTexts::tr(SheetTexts::InstructionsTitle)});
    out.setUnderline(false);
    out.setBold(false);
    printEmptyLines(out, 4);
    for (const QString &line : sheet.printLines)
        out.print(15, {line});
    // The stock they are for, after one empty line; the label keeps its place.
    printEmptyLines(out, 1);
    if (const QString stock = stockLineText(sheet.stock); stock.isEmpty())
        out.printEmptyLine();
    else
        out.print(15, {stock});
    printEmptyLines(out, 3);

    out.setBold(true);
    out.setUnderline(true);
    out.print(10, {SheetTexts::tr(SheetTexts::LabelTitle)});
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

QString stockLineText(const SheetStock &stock)
{
    if (stock.strength.isEmpty())
        return {};
    if (!stock.waters.isEmpty())
        return SheetTexts::tr(SheetTexts::StockWithWaters)
            .arg(stock.strength, stock.unit, stock.waters);
    if (!stock.specificGravity.isEmpty())
        return SheetTexts::tr(SheetTexts::StockWithGravity)
            .arg(stock.strength, stock.unit, stock.specificGravity);
    return SheetTexts::tr(SheetTexts::Stock).arg(stock.strength, stock.unit);
}

QString preparedDateText(const QDate &date, const QLocale &locale)
{
    // The order and the small words are the language's; the names of the day and the month
    // follow the user's date locale.
    return locale.toString(date, SheetTexts::tr(SheetTexts::DatePattern));
}

QString sheetDocumentName()
{
    return SheetTexts::tr(SheetTexts::DocumentName);
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
