#include "calculationsheet.h"

#include "lineprinter.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPrinter>

#include <algorithm>
#include <cstring>

namespace molvera {

namespace {

// The sheet's texts, in English; each is translated where it is printed.
constexpr const char *Context = "molvera::CalculationSheet";
constexpr const char *documentName =
    QT_TRANSLATE_NOOP("molvera::CalculationSheet", "molvera calculation");
constexpr const char *heading =
    QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Your molvera Calculation");
constexpr const char *instructionsTitle =
    QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Instructions");
constexpr const char *labelTitle = QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Label");

// A label caption, and the spaces after it that set its value clear of it: as many as the English
// sheet has, which leave the values in proportional type about level.
struct LabelCaption
{
    const char *text;
    int englishPadding;
};
constexpr LabelCaption reagentCaption{QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Reagent:"),
                                      12};
constexpr LabelCaption formulaCaption{QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Formula:"),
                                      12};
constexpr LabelCaption molarityCaption{QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Molarity:"),
                                       13};
constexpr LabelCaption concentrationCaption{
    QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Concentration:"), 3};
constexpr LabelCaption datePreparedCaption{
    QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Date Prepared:"), 3};

QString translated(const char *text)
{
    return QCoreApplication::translate(Context, text);
}

// A translated caption ends where the English one with its spaces ends, by the count of
// characters, and at least three spaces after its text: translators need not count spaces.
QString paddedCaption(const LabelCaption &caption)
{
    constexpr int LeastPadding = 3;
    const QString text = translated(caption.text);
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
    out.print(20, {translated(heading)});
    printEmptyLines(out, 3);

    out.setFontSize(12);
    out.setUnderline(true);
    out.print(10, {translated(instructionsTitle)});
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
    out.print(10, {translated(labelTitle)});
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
    if (!stock.waters.isEmpty()) {
        //: The stock of a hydrate solution: %1 its strength (a number), %2 its unit ("%"), %3 its
        //: waters of crystallisation (a number, 0 for the anhydrous salt).
        return translated(QT_TRANSLATE_NOOP("molvera::CalculationSheet",
                                            "Stock: %1 %2, waters of crystallisation: %3"))
            .arg(stock.strength, stock.unit, stock.waters);
    }
    if (!stock.specificGravity.isEmpty()) {
        //: The stock the instructions are for: %1 its strength (a number), %2 its unit ("%" or
        //: "M"), %3 its specific gravity (a number).
        return translated(QT_TRANSLATE_NOOP("molvera::CalculationSheet",
                                            "Stock: %1 %2, specific gravity %3"))
            .arg(stock.strength, stock.unit, stock.specificGravity);
    }
    //: The stock the instructions are for: %1 its strength (a number), %2 its unit ("%" or "M").
    return translated(QT_TRANSLATE_NOOP("molvera::CalculationSheet", "Stock: %1 %2"))
        .arg(stock.strength, stock.unit);
}

QString preparedDateText(const QDate &date, const QLocale &locale)
{
    // The order and the small words are the language's; the names of the day and the month
    // follow the user's date locale.
    //: The date on the label, as a date pattern: dddd the weekday, d the day, MMMM the month,
    //: yyyy the year; words between single quotes are kept as written ('de').
    const char *pattern = QT_TRANSLATE_NOOP("molvera::CalculationSheet", "dddd, d MMMM yyyy");
    return locale.toString(date, translated(pattern));
}

QString sheetDocumentName()
{
    return translated(documentName);
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
