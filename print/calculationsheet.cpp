#include "calculationsheet.h"

#include "lineprinter.h"
#include "sheettexts.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace molvera {

namespace {

// A label caption, and the spaces after it that set its value clear of it in English: the English
// sheet's values stand where these spaces leave them, about level in proportional type.
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

constexpr int LabelColumn = 15;

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

// A unit as the language writes it: "M" is "mol/L" in German, "% w/v" is "% (m/V)". A unit the
// sheet does not know, such as a stock's "%", is written as it stands.
QString unitText(const QString &unit)
{
    for (const char *known :
         {SheetTexts::MolarUnit, SheetTexts::MillimolarUnit, SheetTexts::MicromolarUnit,
          SheetTexts::NanomolarUnit, SheetTexts::GramsPerLitreUnit, SheetTexts::WeightPerWeightUnit,
          SheetTexts::WeightPerVolumeUnit, SheetTexts::VolumePerVolumeUnit}) {
        if (unit == QString::fromUtf8(known))
            return SheetTexts::tr(known);
    }
    return unit;
}

// The strength as the language writes it: "0.5M" and "20% w/v" in English, "0,5 mol/L" or
// "20 % (m/V)" in German.
QString strengthText(const CalculationSheet &sheet)
{
    if (sheet.strength.isEmpty() && sheet.strengthUnit.isEmpty())
        return {};
    return SheetTexts::tr(SheetTexts::Strength).arg(sheet.strength, unitText(sheet.strengthUnit));
}

struct LabelLine
{
    const LabelCaption &caption;
    QStringView value;
};

// Where the values of a translated label stand: one column, in the captions' bold type, two
// columns right of the widest caption. 0 for the English label, whose captions keep their own
// spaces.
int valueColumn(const SheetPrinter &out, std::span<const LabelLine> label)
{
    qreal widest = 0;
    bool translated = false;
    for (const LabelLine &line : label) {
        const QString caption = SheetTexts::tr(line.caption.text);
        translated = translated || caption != QLatin1StringView(line.caption.text);
        widest = std::max(widest, out.columnsOf(caption));
    }
    return translated ? LabelColumn + int(std::ceil(widest)) + 2 : 0;
}

// One line of the label block: the caption at column 15 in the bold type in force, the value in
// plain type after it: after the English caption's own spaces, or at `valueColumn`.
void printLabelLine(SheetPrinter &out, const LabelLine &line, int valueColumn)
{
    const QString caption = SheetTexts::tr(line.caption.text);
    if (valueColumn == 0) {
        const QString padded = caption + QString(line.caption.englishPadding, u' ');
        out.print(LabelColumn, {padded}, SheetPrinter::LineEnd::Continue);
    } else {
        out.print(LabelColumn, {caption}, SheetPrinter::LineEnd::Continue);
        out.print(valueColumn, {}, SheetPrinter::LineEnd::Continue);
    }
    out.setBold(false);
    out.print(SheetPrinter::NoColumn, {line.value});
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
    const QString strength = strengthText(sheet);
    const std::array<LabelLine, 4> label{{
        {reagentCaption, sheet.chemicalName},
        {formulaCaption, sheet.chemicalFormula},
        {strengthCaption(sheet.variant), strength},
        {datePreparedCaption, date},
    }};
    const int column = valueColumn(out, label); // in the bold type the title left
    for (const LabelLine &line : label) {
        if (&line != label.data())
            out.setBold(true);
        printLabelLine(out, line, column);
        printEmptyLines(out, 1);
    }
}

QString stockLineText(const SheetStock &stock)
{
    if (stock.strength.isEmpty())
        return {};
    const QString unit = unitText(stock.unit);
    if (!stock.waters.isEmpty())
        return SheetTexts::tr(SheetTexts::StockWithWaters).arg(stock.strength, unit, stock.waters);
    if (!stock.specificGravity.isEmpty())
        return SheetTexts::tr(SheetTexts::StockWithGravity)
            .arg(stock.strength, unit, stock.specificGravity);
    return SheetTexts::tr(SheetTexts::Stock).arg(stock.strength, unit);
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
