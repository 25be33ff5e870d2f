#pragma once

#include <QCoreApplication>

namespace molvera {

// The printed sheet's texts, in English, marked for translation in one context and translated
// where they are printed (SheetTexts::tr).
class SheetTexts
{
    Q_DECLARE_TR_FUNCTIONS(molvera::CalculationSheet)

public:
    //: The title of a sheet's print job and of its PDF file.
    static constexpr const char *DocumentName = QT_TR_NOOP("molvera calculation");
    static constexpr const char *Heading = QT_TR_NOOP("Your molvera Calculation");
    static constexpr const char *InstructionsTitle = QT_TR_NOOP("Instructions");
    static constexpr const char *LabelTitle = QT_TR_NOOP("Label");

    // The label's captions.
    static constexpr const char *Reagent = QT_TR_NOOP("Reagent:");
    static constexpr const char *Formula = QT_TR_NOOP("Formula:");
    static constexpr const char *Molarity = QT_TR_NOOP("Molarity:");
    static constexpr const char *Concentration = QT_TR_NOOP("Concentration:");
    static constexpr const char *DatePrepared = QT_TR_NOOP("Date Prepared:");
    //: The strength on the label: %1 the number as typed, %2 its unit (below). English writes
    //: them together: "0.5M", "20% w/v".
    static constexpr const char *Strength = QT_TR_NOOP("%1%2");
    // The units of the strength, in the program's notation; each language writes them its way.
    //: The molarity's unit on the label, as in "0.5M", and of a molar stock, as in "Stock: 2 M".
    static constexpr const char *MolarUnit = QT_TR_NOOP("M");
    //: Millimoles per litre, as in "50mM"; write it as the language writes "M" (mmol/L).
    static constexpr const char *MillimolarUnit = QT_TR_NOOP("mM");
    //: Micromoles per litre, as in "10µM"; write it as the language writes "M" (µmol/L).
    static constexpr const char *MicromolarUnit = QT_TR_NOOP("µM");
    //: Nanomoles per litre, as in "5nM"; write it as the language writes "M" (nmol/L).
    static constexpr const char *NanomolarUnit = QT_TR_NOOP("nM");
    //: Grams per litre, a stock's strength, as in "10 g/L".
    static constexpr const char *GramsPerLitreUnit = QT_TR_NOOP("g/L");
    //: Percent weight in weight, as in "20% w/w".
    static constexpr const char *WeightPerWeightUnit = QT_TR_NOOP("% w/w");
    //: Percent weight in volume, as in "20% w/v".
    static constexpr const char *WeightPerVolumeUnit = QT_TR_NOOP("% w/v");
    //: Percent volume in volume, as in "20% v/v".
    static constexpr const char *VolumePerVolumeUnit = QT_TR_NOOP("% v/v");
    //: The date on the label, as a date pattern: dddd the weekday, d the day, MMMM the month,
    //: yyyy the year; words between single quotes are kept as written ('de').
    static constexpr const char *DatePattern = QT_TR_NOOP("dddd, d MMMM yyyy");

    //: The stock the instructions are for: %1 its strength (a number), %2 its unit ("%", or the
    //: molarity's unit as translated above).
    static constexpr const char *Stock = QT_TR_NOOP("Stock: %1 %2");
    //: The stock the instructions are for: %1 its strength (a number), %2 its unit ("%", or the
    //: molarity's unit as translated above), %3 its specific gravity (a number).
    static constexpr const char *StockWithGravity = QT_TR_NOOP("Stock: %1 %2, specific gravity %3");
    //: The stock of a hydrate solution: %1 its strength (a number), %2 its unit ("%"), %3 its
    //: number of waters of crystallisation (a number, 0 for the anhydrous salt). Worded as the
    //: hydrate page's caption of that number, "Number of H2O:"; H2O is a formula, not a word.
    static constexpr const char *StockWithWaters = QT_TR_NOOP("Stock: %1 %2, Number of H2O: %3");

    static constexpr const char *PdfNotMade = QT_TR_NOOP("The PDF was not made.");
};

} // namespace molvera
