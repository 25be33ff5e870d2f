// libFuzzer target for the calculation core: arbitrary texts go through number reading and
// writing, formula reading, the formula rows and the three calculations, and every invariant that
// must always hold is checked; a broken one aborts, as does any sanitizer report.
//
// Input layout: byte 0 picks the decimal separator, byte 1 the percent type (its top bit the
// stock's basis), byte 2 the molar stock unit (or the stock's text split into strength and unit),
// byte 3 the formula rows' elements; the rest is
// split at '\n' into text fields, which each calculation takes in the order of its own inputs.

#include <calc/elementtable.h>
#include <calc/evaluation.h>
#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/hydratecalculation.h>
#include <calc/hydrateformula.h>
#include <calc/measuredamount.h>
#include <calc/molarcalculation.h>
#include <calc/numbertext.h>
#include <calc/percentcalculation.h>
#include <calc/periodictable.h>
#include <calc/quantity.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace molvera;

namespace {

void require(bool holds, const char *invariant)
{
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", invariant);
        std::abort();
    }
}

// A finite value at least this large writes 15 digits that round beyond the largest double.
constexpr double WritesBeyondRange = 1.797693134862315e308;

enum class Kind { Number, NotANumber, OutOfRange };

Kind kindOf(const NumberRead &read)
{
    if (std::holds_alternative<double>(read))
        return Kind::Number;
    return std::get<NumberError>(read) == NumberError::OutOfRange ? Kind::OutOfRange
                                                                  : Kind::NotANumber;
}

std::string replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (!from.empty() && text.substr(i).starts_with(from)) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string joined(const PrintLines &lines)
{
    return lines[0] + ' ' + lines[1] + ' ' + lines[2];
}

// Significant digits of a general text's mantissa.
int significantDigits(std::string_view text)
{
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    int count = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++count;
    }
    // Trailing zeros of a whole number are places, not digits written out of the value.
    if (e == std::string_view::npos &&
        mantissa.find_first_not_of("-0123456789") == std::string_view::npos) {
        std::size_t end = mantissa.size();
        while (end > 1 && mantissa[end - 1] == '0') {
            --end;
            --count;
        }
    }
    return count;
}

bool isFixed2(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t digitsBegin = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digitsBegin || !text.substr(i).starts_with(separator))
        return false;
    i += separator.size();
    return text.size() == i + 2 && text[i] >= '0' && text[i] <= '9' && text[i + 1] >= '0' &&
           text[i + 1] <= '9';
}

void checkWrites(double value, const NumberLocale &locale)
{
    const std::string general = writeGeneral(value, locale);
    const std::string fixed = writeFixed2(value, locale);
    require(!general.empty() && !fixed.empty(), "writes give a text");
    if (!std::isfinite(value))
        return;
    const double magnitude = std::fabs(value);
    const double tiny = std::numeric_limits<double>::denorm_min();

    require(general != "-0", "general never writes -0");
    require(significantDigits(general) <= 15, "general writes at most 15 significant digits");
    require(general.find('.') == std::string::npos || locale.decimalSeparator == ".",
            "general writes the locale's separator only");
    const NumberLocale english;
    require(general == replaced(writeGeneral(value, english), ".", locale.decimalSeparator),
            "general differs between locales only in the separator");
    const NumberRead generalRead = readNumber(general, locale);
    if (const double *back = std::get_if<double>(&generalRead)) {
        require(std::fabs(*back - value) <= magnitude * 1e-14 + tiny, "general re-reads close");
        require(writeGeneral(*back, locale) == general, "general is stable");
    } else {
        require(kindOf(generalRead) == Kind::OutOfRange && magnitude >= WritesBeyondRange,
                "general re-reads unless its 15 digits exceed the range");
    }

    require(isFixed2(fixed, locale.decimalSeparator), "fixed is -?digits separator digit digit");
    require(fixed.front() != '-' || fixed.find_first_of("123456789") != std::string::npos,
            "fixed never writes -0.00");
    require(fixed == replaced(writeFixed2(value, english), ".", locale.decimalSeparator),
            "fixed differs between locales only in the separator");
    const NumberRead fixedRead = readNumber(fixed, locale);
    if (const double *back = std::get_if<double>(&fixedRead)) {
        require(std::fabs(*back - value) <= 0.005 + magnitude * 1e-14, "fixed re-reads close");
        require(writeFixed2(*back, locale) == fixed, "fixed is stable");
    } else {
        require(kindOf(fixedRead) == Kind::OutOfRange && magnitude >= WritesBeyondRange,
                "fixed re-reads unless its 15 digits exceed the range");
    }
}

// C's strtod, in the fuzzer's untouched "C" locale, as an independent oracle for the value.
double referenceValue(std::string_view text, const NumberLocale &locale, bool &outOfRange)
{
    const std::string copy = replaced(text, locale.decimalSeparator, ".");
    errno = 0;
    const double value = std::strtod(copy.c_str(), nullptr);
    outOfRange = errno == ERANGE && std::isinf(value);
    return value;
}

std::int16_t referenceCount(const NumberRead &read)
{
    const double *value = std::get_if<double>(&read);
    if (!value)
        return 0;
    const double rounded = std::nearbyint(*value); // the default environment rounds half to even
    if (rounded < -32768 || rounded > 32767)
        return 0;
    return static_cast<std::int16_t>(rounded);
}

void checkNumberText(std::string_view text, const NumberLocale &locale)
{
    const NumberRead read = readNumber(text, locale);
    std::int16_t count = 0;
    try {
        count = readCount(text, locale);
    } catch (...) {
        require(false, "readCount never throws");
    }
    require(count == referenceCount(read), "count rounds half to even within 16 bits, else 0");

    if (text.find('\0') != std::string_view::npos)
        return; // strtod would stop there
    bool outOfRange = false;
    const double reference = referenceValue(text, locale, outOfRange);
    if (const double *value = std::get_if<double>(&read)) {
        require(std::isfinite(*value), "a number read is finite");
        require(*value == reference, "a number read is the correctly rounded value");
        checkWrites(*value, locale);
    } else if (kindOf(read) == Kind::OutOfRange) {
        require(outOfRange, "out of range only beyond a double's range");
    }
}

// What a calculation must end in, found from the fixed order of conversion.
struct Expected
{
    enum State {
        Input,
        Arithmetic,
        ZeroStock,
        ZeroGravity,
        ZeroWeight,
        Mismatch,
        Weak,
        Negative,
        Running
    };
    State state = Running;
    const NumberLocale &locale;

    // Which of these failures a result's alternative is; Running for an outcome.
    static State of(const InputFailure &) { return Input; }
    static State of(const ArithmeticFailure &) { return Arithmetic; }
    static State of(const ZeroStockConcentration &) { return ZeroStock; }
    static State of(const ZeroStockPurity &) { return ZeroStock; }
    static State of(const ZeroSpecificGravity &) { return ZeroGravity; }
    static State of(const StockBasisMismatch &) { return Mismatch; }
    static State of(const ZeroMolecularWeight &) { return ZeroWeight; }
    static State of(const WeakStock &) { return Weak; }
    static State of(const NegativeAmount &) { return Negative; }
    template<typename Outcome> static State of(const Outcome &) { return Running; }

    // A refusal of its own, when nothing has failed before.
    void refuse(bool when, State as)
    {
        if (state == Running && when)
            state = as;
    }

    double number(std::string_view text)
    {
        if (state != Running)
            return 0;
        const NumberRead read = readNumber(text, locale);
        if (const double *value = std::get_if<double>(&read))
            return *value;
        state = kindOf(read) == Kind::OutOfRange ? Arithmetic : Input;
        return 0;
    }
    // A number with a unit of the dimension after it, in `bare`.
    Quantity quantity(std::string_view text, Dimension dimension, Unit bare)
    {
        if (state != Running)
            return {};
        const QuantityRead read = readQuantity(text, dimension, bare, locale);
        if (const auto *quantity = std::get_if<Quantity>(&read)) {
            const NumberRead number = readNumber(quantity->number, locale);
            require(std::holds_alternative<double>(number), "a quantity's number reads alone");
            require(!quantity->unit || dimensionOf(*quantity->unit) == dimension,
                    "a quantity's unit is of its box's dimension");
            return *quantity;
        }
        state = std::get<NumberError>(read) == NumberError::OutOfRange ? Arithmetic : Input;
        return {};
    }
    double step(double value)
    {
        if (state == Running && !std::isfinite(value))
            state = Arithmetic;
        return state == Running ? value : 0;
    }
};

double amountOf(const MolarOutcome &outcome)
{
    return outcome.amount;
}

double amountOf(const PercentOutcome &outcome)
{
    return outcome.amount;
}

double amountOf(const HydrateOutcome &outcome)
{
    return outcome.mass;
}

template<typename Outcome>
void checkSuccess(const Outcome &outcome, double amount, const NumberLocale &locale)
{
    require(std::isfinite(amountOf(outcome)), "an amount is finite");
    require(amountOf(outcome) == amount, "the amount follows the fixed order of arithmetic");
    require(!outcome.resultText.empty() && !outcome.methodText.empty(), "success has its texts");
    for (const std::string &line : outcome.printLines)
        require(!line.empty(), "success has three print lines");
    require(outcome.resultText == writeFixed2(amount, locale), "the result text is the amount");
    require(joined(outcome.printLines) == outcome.methodText,
            "the print lines joined by one space give the method text");
    require(outcome.methodText.starts_with("To prepare "),
            "the sentence starts with its fixed opening");
    // The amount as measured: two decimals, or three significant digits in a smaller unit.
    const std::string grams = amountText(measuredAmount(amount, Dimension::Mass, locale), {});
    const std::string millilitres =
        amountText(measuredAmount(amount, Dimension::Volume, locale), {});
    require(outcome.methodText.find(grams.substr(0, grams.find(' '))) != std::string::npos ||
                outcome.methodText.find(millilitres.substr(0, millilitres.find(' '))) !=
                    std::string::npos,
            "the sentence gives the amount as measured");
}

template<typename Result> void checkFailure(const Result &result, const Expected &expected)
{
    const auto state = std::visit([](const auto &a) { return Expected::of(a); }, result);
    require(state == expected.state, "the failure as expected");
}

void checkMolar(const std::vector<std::string_view> &f, std::string_view unit,
                const NumberLocale &locale)
{
    const MolarInputs inputs{f[0], f[1], f[2], f[3], f[4], unit, f[5]};
    const MolarResult result = MolarCalculation::calculate(inputs, locale);

    Expected expected{Expected::Running, locale};
    const bool molar = unit == "M" || unit == "mM";
    const double m = expected.number(f[0]);
    const double r = expected.quantity(f[1], Dimension::Molarity, Unit::Molar).value;
    const double v = expected.quantity(f[2], Dimension::Volume, Unit::Litre).value;
    const double g = expected.number(f[3]);
    const double c = molar ? expected
                                 .quantity(f[4], Dimension::Molarity,
                                           unit == "M" ? Unit::Molar : Unit::Millimolar)
                                 .value
                           : expected.number(f[4]);
    expected.refuse(unit != "%" && !molar && unit != "% w/v" && unit != "g/L", Expected::Input);
    expected.refuse(c == 0, Expected::ZeroStock);
    expected.refuse(unit == "%" && g == 0, Expected::ZeroGravity);
    double amount = 0;
    if (molar) {
        const double inMolar = unit == "mM" ? inUnit(c, Unit::Millimolar, Unit::Molar) : c;
        amount = expected.step(expected.step(expected.step(v * r) / inMolar) * 1000);
    } else {
        const double a = expected.step(expected.step(m * r) * v);
        double b = expected.step(c / (unit == "g/L" ? 1000 : 100));
        if (unit == "%")
            b = expected.step(b * g);
        amount = expected.step(a / b);
    }
    expected.refuse(v < 0 || amount < 0, Expected::Negative);
    const bool solid = unit == "%" && g == 1;
    expected.refuse(!solid && exceeds(amount, v * 1000), Expected::Weak);
    if (expected.state != Expected::Running) {
        checkFailure(result, expected);
        return;
    }
    require(std::holds_alternative<MolarOutcome>(result), "molar succeeds as expected");
    const MolarOutcome &outcome = std::get<MolarOutcome>(result);
    checkSuccess(outcome, amount, locale);
    require(outcome.printLines[2].ends_with("with solvent.") ||
                outcome.printLines[2].ends_with("dilute it."),
            "molar line 3 ends the instructions");
}

void checkPercent(const std::vector<std::string_view> &f, std::uint8_t typeByte,
                  const NumberLocale &locale)
{
    std::optional<ConcentrationType> type;
    switch (typeByte % 4) {
    case 1:
        type = ConcentrationType::WeightPerWeight;
        break;
    case 2:
        type = ConcentrationType::WeightPerVolume;
        break;
    case 3:
        type = ConcentrationType::VolumePerVolume;
        break;
    }
    const ConcentrationType basis =
        typeByte & 0x80 ? ConcentrationType::WeightPerVolume : ConcentrationType::WeightPerWeight;
    const PercentInputs inputs{f[0], f[1], f[2], f[3], f[4], basis};
    const PercentResult result = PercentCalculation::calculate(type, inputs, locale);

    Expected expected{Expected::Running, locale};
    const double s = expected.number(f[0]);
    const double g = expected.number(f[1]);
    const bool byWeight = type == ConcentrationType::WeightPerWeight ||
                          (!type && std::holds_alternative<Quantity>(
                                        readQuantity(f[2], Dimension::Mass, Unit::Gram, locale)));
    const double v = byWeight ? expected.quantity(f[2], Dimension::Mass, Unit::Gram).value
                              : expected.quantity(f[2], Dimension::Volume, Unit::Millilitre).value;
    const double c = expected.number(f[3]);
    if (expected.state != Expected::Running) {
        checkFailure(result, expected);
        return;
    }
    if (!type) {
        require(std::holds_alternative<NoConcentrationType>(result), "no type gives nothing");
        return;
    }
    const bool wvStock = basis == ConcentrationType::WeightPerVolume;
    expected.refuse(wvStock && *type != ConcentrationType::WeightPerVolume, Expected::Mismatch);
    const bool byDensity = *type == ConcentrationType::WeightPerVolume && !wvStock;
    expected.refuse(s == 0, Expected::ZeroStock);
    expected.refuse(byDensity && g == 0, Expected::ZeroGravity);
    const double a = expected.step(expected.step(c / 100) * v);
    const double b = byDensity ? expected.step(expected.step(s / 100) * g) : expected.step(s / 100);
    const double amount = expected.step(a / b);
    expected.refuse(v < 0 || amount < 0, Expected::Negative);
    const bool solid = byDensity && g == 1;
    expected.refuse(!solid && exceeds(amount, v), Expected::Weak);
    std::string solvent;
    if (expected.state == Expected::Running && *type == ConcentrationType::WeightPerWeight) {
        const NumberRead written = readNumber(writeFixed2(amount, locale), locale);
        const double *measured = std::get_if<double>(&written);
        expected.refuse(!measured, Expected::Arithmetic);
        const double left = measured ? expected.step(v - *measured) : 0;
        solvent = writeFixed2(left < 0 ? 0 : left, locale);
    }
    if (expected.state != Expected::Running) {
        checkFailure(result, expected);
        return;
    }
    require(std::holds_alternative<PercentOutcome>(result), "percent succeeds as expected");
    const PercentOutcome &outcome = std::get<PercentOutcome>(result);
    checkSuccess(outcome, amount, locale);
    const bool weightPerWeight = *type == ConcentrationType::WeightPerWeight;
    require(outcome.solventText.has_value() == weightPerWeight, "a solvent text for w/w only");
    if (weightPerWeight)
        require(*outcome.solventText == solvent, "the solvent comes from the result text");
}

void checkHydrate(const std::vector<std::string_view> &f, const NumberLocale &locale)
{
    const HydrateInputs inputs{f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
    const HydrateResult result = HydrateCalculation::calculate(inputs, locale);

    constexpr double water = HydrateCalculation::WaterWeight;
    Expected expected{Expected::Running, locale};
    const double m = expected.number(f[0]);
    const double cs = expected.number(f[1]);
    const double hs = expected.number(f[2]);
    expected.refuse(hs < 0, Expected::Input);
    const double ws = expected.step(hs * water);
    const double cr = expected.number(f[3]);
    const double hr = expected.number(f[4]);
    expected.refuse(hr < 0, Expected::Input);
    const double wr = expected.step(hr * water);
    const double v = expected.quantity(f[5], Dimension::Volume, Unit::Millilitre).value;
    expected.refuse(cs == 0, Expected::ZeroStock);
    const double a =
        expected.step(expected.step(expected.step(cr / 100) * v) * expected.step(ws + m));
    const double weight = expected.step(wr + m);
    expected.refuse(weight == 0, Expected::ZeroWeight);
    const double b = expected.step(weight * expected.step(cs / 100));
    const double mass = expected.step(a / b);
    expected.refuse(v < 0 || mass < 0, Expected::Negative);
    if (expected.state != Expected::Running) {
        checkFailure(result, expected);
        return;
    }
    require(std::holds_alternative<HydrateOutcome>(result), "hydrate succeeds as expected");
    const HydrateOutcome &outcome = std::get<HydrateOutcome>(result);
    checkSuccess(outcome, mass, locale);
    require(outcome.printLines[2].ends_with("with solvent.") ||
                outcome.printLines[2].ends_with("dilute it."),
            "hydrate line 3 ends the instructions");
    require(outcome.methodText.find(outcome.solutionFormula) != std::string::npos,
            "the sentence names the solution");
}

// A stock's text splits into a strength within it and one of the stock units; a number alone is
// a percent stock's.
void checkStockText(std::string_view text, const NumberLocale &locale)
{
    const StockText split = splitStock(text);
    require(split.unit == MolarInputs::PercentStock || split.unit == MolarInputs::MolarStock ||
                split.unit == MolarInputs::WeightPerVolumeStock ||
                split.unit == MolarInputs::GramsPerLitreStock,
            "a stock text's unit is a stock unit");
    require(split.strength.empty() ||
                (split.strength.data() >= text.data() &&
                 split.strength.data() + split.strength.size() <= text.data() + text.size()),
            "a stock's strength is part of its text");
    require(split.strength == trimBlanks(split.strength),
            "a stock's strength has no blanks around");
    if (std::holds_alternative<double>(readNumber(text, locale)))
        require(split.unit == MolarInputs::PercentStock && split.strength == trimBlanks(text),
                "a number alone is a percent stock's strength");
}

void checkFormulaPanel(const std::vector<std::string_view> &f, std::uint8_t elementByte,
                       const NumberLocale &locale)
{
    const auto entries = ElementTable::entries();
    FormulaPanel panel;
    for (int i = 0; i < FormulaPanel::RowCount; ++i) {
        const std::size_t index = (elementByte * (i + 1) + i) % (entries.size() + 1);
        if (index < entries.size())
            panel.rows[i].elementText = entries[index].displayText;
        panel.rows[i].countText = f[i];
        // Weights that CommitRow did not write, for rows without an element.
        if (elementByte & 0x80)
            panel.rows[i].weightText = f[(i + 1) % f.size()];
    }
    std::string totalBefore;
    for (int row = 1; row <= FormulaPanel::RowCount; ++row) {
        totalBefore = panel.totalText;
        const FormulaRow before = panel.rows[row - 1];
        CommitRow(panel, row, locale);
        const FormulaRow &after = panel.rows[row - 1];
        if (const ElementEntry *entry = ElementTable::lookup(before.elementText)) {
            require(
                after.weightText ==
                    writeGeneral(entry->atomicWeight * readCount(before.countText, locale), locale),
                "a row's weight is its element's weight times its count");
        } else {
            require(after.weightText == before.weightText, "no element leaves the weight alone");
        }
    }
    double sum = 0;
    bool summable = true;
    for (const FormulaRow &row : panel.rows) {
        if (row.weightText.empty())
            continue;
        const NumberRead weight = readNumber(row.weightText, locale);
        if (const double *value = std::get_if<double>(&weight))
            sum += *value;
        else
            summable = false;
    }
    if (summable && std::isfinite(sum))
        require(panel.totalText == writeGeneral(sum, locale), "the total sums the weight texts");
    else
        require(panel.totalText == totalBefore, "a total that cannot be summed keeps its text");

    panel.clear();
    for (const FormulaRow &row : panel.rows)
        require(row.elementText.empty() && row.countText.empty() && row.weightText.empty(),
                "clear empties every row");
    require(panel.totalText.empty(), "clear empties the total");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const NumberLocale locales[] = {{"."}, {","}, {"\xD9\xAB"}};
    if (size < 4)
        return 0;
    const NumberLocale &locale = locales[data[0] % 3];

    const std::string_view rest(reinterpret_cast<const char *>(data) + 4, size - 4);
    std::vector<std::string_view> fields;
    for (std::size_t begin = 0;;) {
        const std::size_t end = rest.find('\n', begin);
        fields.push_back(rest.substr(begin, end == std::string_view::npos ? end : end - begin));
        if (end == std::string_view::npos)
            break;
        begin = end + 1;
    }
    for (const std::string_view field : fields) {
        checkNumberText(field, locale);
        checkStockText(field, locale);
        // Any text gives a refusal with its places, or elements with counts of above 0 to 32767,
        // whole where the rows can hold them, and a finite molecular weight.
        const bool apart = data[1] % 2;
        const FormulaRead read =
            readFormula(field, apart ? WaterPart::Apart : WaterPart::InElements);
        const auto *reading = std::get_if<FormulaReading>(&read);
        if (!reading) {
            const FormulaRefusal &refusal = std::get<FormulaRefusal>(read);
            require(refusal.fault == FormulaFault::NoFormula || !refusal.places.empty(),
                    "a refusal names what it points at");
            continue;
        }
        require(!reading->elements.empty(), "a reading has elements");
        for (const auto &[element, count] : reading->elements)
            require(element && element->hasStandardWeight() && count > 0 && count <= 32767,
                    "an element of a reading has a weight and a count of above 0 to 32767");
        require(std::isfinite(molecularWeight(*reading)), "a formula's weight is finite");
        if (!rowsMisfit(*reading)) {
            require(reading->elements.size() <= 6, "rows that fit are six at most");
            for (const auto &[element, count] : reading->elements)
                require(count == double(int(count)) && PeriodicTable::listed(*element),
                        "rows that fit hold whole counts of the lists' elements");
        }
        // A name with other waters is built from the salt, or is the formula as typed.
        const std::string named = withWaters(field, "2", 2);
        require(named == field || named.starts_with(splitWaters(field).salt),
                "a renamed formula keeps its salt");
    }
    fields.resize(std::max<std::size_t>(fields.size(), 8));

    if (size >= 12) {
        double raw;
        std::memcpy(&raw, data + 4, sizeof raw);
        checkWrites(raw, locale);
    }

    static constexpr std::string_view units[] = {"%", "M", "mM", "% w/v", "g/L"};
    if (data[2] % 7 == 6) {
        // The stock written with its unit, as the command line takes it.
        const StockText stock = splitStock(fields[4]);
        std::vector<std::string_view> split = fields;
        split[4] = stock.strength;
        checkMolar(split, stock.unit, locale);
    } else {
        checkMolar(fields, data[2] % 7 < 5 ? units[data[2] % 7] : fields[7], locale);
    }
    checkPercent(fields, data[1], locale);
    checkHydrate(fields, locale);
    checkFormulaPanel(fields, data[3], locale);
    return 0;
}
