#include "commands.h"

#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/numbertext.h>
#include <calc/periodictable.h>
#include <ui/forms/numberlocale.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QStringList>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::FormulaCommand)

    //: The formula command's line in --help.
    static constexpr LocalizedText Summary =
        MOLVERA_TR_NOOP("The elements of a formula with their counts, and its molecular weight.");
    //: The formulas are never translated.
    static constexpr LocalizedText Argument =
        MOLVERA_TR_NOOP("The formula, such as NaCl, CuSO4·5H2O or K4[Fe(CN)6].");

    //: %1 is the formula as typed, %2 its elements with their counts ("Na 1, Cl 1"), %3 its
    //: molecular weight (a number). Symbols and formulas are never translated.
    static constexpr LocalizedText Reading = MOLVERA_TR_NOOP("%1: %2; molecular weight %3");
    //: %1 is the formula as typed, %2 its elements with their counts, water's included ("Cu 1,
    //: S 1, O 9, H 10"), %3 its molecular weight, %4 its waters of crystallisation (numbers).
    static constexpr LocalizedText ReadingWithWaters =
        MOLVERA_TR_NOOP("%1: %2; molecular weight %3; waters of crystallisation: %4");
    //: F stands for the formula, as the help writes it.
    static constexpr LocalizedText NoFormula =
        MOLVERA_TR_NOOP("The formula command needs a formula: molvera formula F.");
};

CommandOutcome answer(const QCommandLineParser &parser);

constexpr Command ThisCommand{
    .name = "formula"_L1,
    .summary = Texts::Summary,
    .options = {},
    .arguments = CommandArguments{.syntax = "F"_L1, .description = Texts::Argument, .most = 1},
    .printsSheet = false,
    .answer = &answer,
};

CommandOutcome answer(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments().mid(1);
    if (arguments.isEmpty())
        return Refusal{ExitStatus::UsageError, translated(Texts::NoFormula)};
    const std::string formula = toUtf8(arguments.first());
    // As the molar page reads it: the water of crystallisation is part of the substance.
    const FormulaRead read = readFormula(formula, WaterPart::InElements);
    if (const auto *refusal = std::get_if<FormulaRefusal>(&read))
        return badArgument(ThisCommand, formulaRefusalText(*refusal));
    const auto &reading = std::get<FormulaReading>(read);

    const NumberLocale locale = userNumberLocale();
    QStringList counts;
    QJsonArray elements;
    for (const ElementCount &element : reading.elements) {
        const QString symbol = fromUtf8(element.element->symbol);
        counts.append(symbol + u' ' + fromUtf8(writeGeneral(element.count, locale)));
        elements.append(QJsonObject{{u"symbol"_s, symbol}, {u"count"_s, element.count}});
    }
    const std::string weight = formulaWeightText(reading, locale);
    const QString sentence =
        reading.waters > 0 ? translated(Texts::ReadingWithWaters)
                                 .arg(arguments.first(), counts.join(u", "), fromUtf8(weight),
                                      fromUtf8(writeGeneral(reading.waters, locale)))
                           : translated(Texts::Reading)
                                 .arg(arguments.first(), counts.join(u", "), fromUtf8(weight));
    return Answer{.sentence = sentence,
                  .json = {{u"elements"_s, elements},
                           {u"waters"_s, reading.waters},
                           {u"molecular_weight"_s, numberJson(weight, locale)}},
                  .sheet = std::nullopt};
}

} // namespace

Command formulaCommand()
{
    return ThisCommand;
}

} // namespace molvera
