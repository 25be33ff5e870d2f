#include "bottlecheck.h"

#include "bottle.h"
#include "casnumber.h"
#include "formulafacts.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace molvera {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(molvera::BottleCheck)
};

} // namespace

BottleProblems checkBottle(const Bottle &bottle)
{
    BottleProblems problems;
    if (bottle.name.trimmed().isEmpty())
        problems[BottleField::Name] = Texts::tr("Enter the bottle's name.");

    if (!(bottle.strength > 0)) {
        problems[BottleField::Strength] = Texts::tr("The strength must be more than 0.");
    } else if (isShareOfWhole(bottle.basis) && bottle.strength > 100) {
        problems[BottleField::Strength] =
            Texts::tr("A strength in percent cannot be more than 100 %.");
    }

    if (bottle.specificGravity) {
        const double gravity = *bottle.specificGravity;
        if (!(gravity >= 0.5 && gravity <= 2.5)) {
            //: %1 and %2 are the numbers 0.5 and 2.5 in the user's notation.
            problems[BottleField::SpecificGravity] =
                Texts::tr("The specific gravity must lie between %1 and %2.")
                    .arg(QLocale().toString(0.5), QLocale().toString(2.5));
        }
    } else if (needsSpecificGravity(bottle.basis)) {
        problems[BottleField::SpecificGravity] =
            Texts::tr("Enter the specific gravity: a % w/w or % v/v strength needs it.");
    }
    if (bottle.gravityCelsius && !std::isfinite(*bottle.gravityCelsius))
        problems[BottleField::GravityCelsius] = Texts::tr("The temperature is not a number.");

    if (bottle.molecularWeight && !(*bottle.molecularWeight > 0)) {
        problems[BottleField::MolecularWeight] =
            Texts::tr("The molecular weight must be more than 0.");
    } else if (!bottle.molecularWeight && !bottle.formula.trimmed().isEmpty()) {
        if (std::holds_alternative<FormulaRefusal>(readFormulaFacts(bottle.formula))) {
            problems[BottleField::Formula] = Texts::tr(
                "molvera cannot read this formula. Enter the molecular weight, or correct the "
                "formula.");
        }
    }
    if (!(bottle.waters >= 0))
        problems[BottleField::Waters] = Texts::tr("The number of waters cannot be negative.");

    if (!bottle.cas.isEmpty()) {
        const auto digit = casCheckDigit(bottle.cas);
        if (!digit) {
            //: %1 is the text typed as the CAS number; the example 7647-14-5 stays as it is.
            problems[BottleField::Cas] =
                Texts::tr("%1 is not written as a CAS number: 2 to 7 digits, 2 digits and a "
                          "check digit, joined by hyphens, such as 7647-14-5.")
                    .arg(bottle.cas);
        } else if (*digit != bottle.cas.back().digitValue()) {
            //: %1 is the CAS number typed, %2 the check digit its other digits call for.
            problems[BottleField::Cas] =
                Texts::tr("The CAS number %1 has a wrong check digit: it should end in %2.")
                    .arg(bottle.cas)
                    .arg(*digit);
        }
    }
    return problems;
}

} // namespace molvera
