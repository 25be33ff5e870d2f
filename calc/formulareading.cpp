#include "formulareading.h"

#include "elementtable.h"
#include "formulapanel.h"
#include "formulatext.h"
#include "hydrateformula.h"
#include "numbertext.h"
#include "periodictable.h"

#include <cstdint>
#include <initializer_list>

namespace molvera {

namespace {

// How much of the formula a refusal quotes: the end of it, before the fault.
constexpr std::size_t QuotedLength = 24;
constexpr std::string_view Ellipsis = "\u2026";

bool isCapital(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool isSmall(char c)
{
    return c >= 'a' && c <= 'z';
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The one character (of up to four UTF-8 bytes) that starts at `at`.
std::string_view characterAt(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && end - at < 4 && isContinuationByte(text[end]))
        ++end;
    return text.substr(at, end - at);
}

// The end of `text` for a refusal, shortened at its start.
std::string quotedEnd(std::string_view text)
{
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.size() <= QuotedLength)
        return std::string(text);
    std::size_t from = text.size() - QuotedLength;
    while (from < text.size() && isContinuationByte(text[from]))
        ++from;
    return std::string(Ellipsis) + std::string(text.substr(from));
}

// A part of the formula for a refusal, shortened at its end.
std::string quotedPart(std::string_view part)
{
    if (part.size() <= QuotedLength)
        return std::string(part);
    std::size_t to = QuotedLength;
    while (to > 0 && isContinuationByte(part[to]))
        --to;
    return std::string(part.substr(0, to)) + std::string(Ellipsis);
}

// The element a symbol names; the element lists' "A" is argon.
const ChemicalElement *elementOf(std::string_view symbol)
{
    return PeriodicTable::lookup(symbol == "A" ? std::string_view("Ar") : symbol);
}

// Reads the part of a formula before its water, left to right; the first fault ends the reading.
// Each open bracket keeps its elements merged after those of the brackets around it, so that
// memory and time grow with the formula's length only, however deep the nesting.
class Reader
{
public:
    explicit Reader(std::string_view text)
        : m_text(text)
    {}

    // The refusal, or none once the whole text is read.
    std::optional<FormulaRefusal> read()
    {
        skipBlanks();
        while (!m_refusal && m_at < m_text.size()) {
            const std::size_t start = m_at;
            const char c = m_text[m_at];
            if (isCapital(c))
                readElement(start);
            else if (c == '(' || c == '[')
                m_open.push_back({m_entries.size(), c, m_at++});
            else if (c == ')' || c == ']')
                closeBracket(start);
            else
                refuseUnexpected(start);
            skipBlanks();
        }
        if (!m_refusal && !m_open.empty())
            refuse(FormulaFault::NotClosed, {quotedEnd(m_text)});
        return m_refusal;
    }

    // The elements read, once every bracket is closed.
    std::vector<ElementCount> takeElements()
    {
        std::vector<ElementCount> elements;
        elements.reserve(m_entries.size());
        for (const Entry &entry : m_entries)
            elements.push_back({entry.element, double(entry.count)});
        return elements;
    }

private:
    struct Entry
    {
        const ChemicalElement *element;
        int count;
    };
    struct Bracket
    {
        std::size_t firstEntry; // its elements start there in m_entries
        char opening;
        std::size_t at;
    };

    void skipBlanks()
    {
        while (m_at < m_text.size() && isBlank(m_text[m_at]))
            ++m_at;
    }

    std::string before(std::size_t at) const { return quotedEnd(m_text.substr(0, at)); }

    void refuse(FormulaFault fault, std::initializer_list<std::string_view> places)
    {
        if (!m_refusal)
            m_refusal = FormulaRefusal{fault, {places.begin(), places.end()}};
    }

    // A capital letter, a small one with it if there is one, then the count.
    void readElement(std::size_t start)
    {
        std::size_t end = start + 1;
        if (end < m_text.size() && isSmall(m_text[end]))
            ++end;
        const std::string_view symbol = m_text.substr(start, end - start);
        const ChemicalElement *element = elementOf(symbol);
        if (!element) {
            refuse(FormulaFault::UnknownElement, {symbol});
            return;
        }
        if (!element->hasStandardWeight()) {
            refuse(FormulaFault::NoStandardWeight, {symbol});
            return;
        }
        m_at = end;
        if (const int count = readCount())
            add(element, count);
    }

    void closeBracket(std::size_t start)
    {
        const char closing = m_text[start];
        const std::string_view bracket = m_text.substr(start, 1);
        if (m_open.empty()) {
            refuse(FormulaFault::NotOpened, {bracket, before(start)});
            return;
        }
        const Bracket open = m_open.back();
        if ((open.opening == '(') != (closing == ')')) {
            refuse(FormulaFault::OtherBracket, {bracket, before(start), m_text.substr(open.at, 1)});
            return;
        }
        if (m_entries.size() == open.firstEntry) {
            refuse(FormulaFault::NotAfter, {bracket, before(start)});
            return;
        }
        ++m_at;
        const int count = readCount();
        if (!count)
            return;
        std::vector<Entry> group;
        group.reserve(m_entries.size() - open.firstEntry);
        for (std::size_t i = open.firstEntry; i < m_entries.size(); ++i) {
            const std::int64_t atoms = std::int64_t(m_entries[i].count) * count;
            if (atoms > MaxCount) {
                refuse(FormulaFault::TooManyAtoms, {m_entries[i].element->symbol});
                return;
            }
            group.push_back({m_entries[i].element, int(atoms)});
        }
        m_open.pop_back();
        m_entries.resize(open.firstEntry);
        for (const Entry &entry : group)
            add(entry.element, entry.count);
    }

    // The count written straight after an element or a bracket: 1 when there is none, 0 once
    // refused.
    int readCount()
    {
        const std::size_t begin = m_at;
        std::size_t end = begin;
        int value = 0;
        while (const std::optional<FormulaDigit> digit = digitAt(m_text, end)) {
            if (value <= MaxCount)
                value = value * 10 + digit->value;
            end += digit->length;
        }
        if (end == begin)
            return 1;
        if (const std::size_t fractionEnd = fractionAfter(end)) {
            refuse(FormulaFault::FractionalCount,
                   {quotedPart(m_text.substr(begin, fractionEnd - begin)), before(begin)});
            return 0;
        }
        if (value < 1 || value > MaxCount) {
            refuse(FormulaFault::BadCount,
                   {quotedPart(m_text.substr(begin, end - begin)), before(begin)});
            return 0;
        }
        m_at = end;
        return value;
    }

    // Where a decimal fraction that goes on a count ends (",5" or ".5" not followed by a letter,
    // which would make the "." a hydrate dot before something that is no water), or 0.
    std::size_t fractionAfter(std::size_t at) const
    {
        if (at >= m_text.size() || (m_text[at] != '.' && m_text[at] != ','))
            return 0;
        std::size_t end = at + 1;
        while (const std::optional<FormulaDigit> digit = digitAt(m_text, end))
            end += digit->length;
        if (end == at + 1)
            return 0;
        if (m_text[at] == '.' && end < m_text.size() &&
            (isCapital(m_text[end]) || isSmall(m_text[end])))
            return 0;
        return end;
    }

    // Adds atoms to the innermost open bracket, or to the formula outside every bracket.
    void add(const ChemicalElement *element, int count)
    {
        const std::size_t first = m_open.empty() ? 0 : m_open.back().firstEntry;
        for (std::size_t i = first; i < m_entries.size(); ++i) {
            if (m_entries[i].element == element) {
                if (m_entries[i].count > MaxCount - count)
                    refuse(FormulaFault::TooManyAtoms, {element->symbol});
                else
                    m_entries[i].count += count;
                return;
            }
        }
        m_entries.push_back({element, count});
    }

    // A count where none belongs, a symbol in small letters, a separator before the water's
    // place, or any other character.
    void refuseUnexpected(std::size_t start)
    {
        const std::string quotedBefore = before(start);
        if (isSmall(m_text[start]) && refuseSmallLetters(start))
            return;
        std::string_view part = characterAt(m_text, start);
        const bool count = digitAt(m_text, start).has_value();
        if (count) {
            std::size_t end = start;
            while (const std::optional<FormulaDigit> digit = digitAt(m_text, end))
                end += digit->length;
            part = m_text.substr(start, end - start);
        }
        const std::string quoted = quotedPart(part);
        if (quotedBefore.empty())
            refuse(FormulaFault::NotAtStart, {quoted});
        else if (count && isBlank(m_text[start - 1]))
            refuse(FormulaFault::CountApart, {quoted, quotedBefore});
        else if (hydrateDotAt(m_text, start))
            refuse(FormulaFault::NotWater, {quoted, quotedBefore});
        else
            refuse(FormulaFault::NotAfter, {quoted, quotedBefore});
    }

    // "nacl": a symbol typed in small letters, told with the symbol it would be; false when the
    // letters name no element however they are written.
    bool refuseSmallLetters(std::size_t start)
    {
        const std::size_t length = start + 1 < m_text.size() && isSmall(m_text[start + 1]) ? 2 : 1;
        for (std::size_t letters = length; letters >= 1; --letters) {
            std::string symbol(m_text.substr(start, letters));
            symbol[0] = char(symbol[0] - 'a' + 'A');
            if (PeriodicTable::lookup(symbol)) {
                refuse(FormulaFault::SmallLetter, {m_text.substr(start, letters), symbol});
                return true;
            }
        }
        return false;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::vector<Entry> m_entries; // the open brackets' elements, innermost last
    std::vector<Bracket> m_open;
    std::optional<FormulaRefusal> m_refusal;
};

// Adds `count` atoms of an element outside every bracket: a water of crystallisation's.
void addAtoms(std::vector<ElementCount> &elements, std::string_view symbol, double count)
{
    const ChemicalElement *element = PeriodicTable::lookup(symbol);
    for (ElementCount &entry : elements) {
        if (entry.element == element) {
            entry.count += count;
            return;
        }
    }
    elements.push_back({element, count});
}

} // namespace

FormulaRead readFormula(std::string_view formula, WaterPart water)
{
    const HydrateFormula split = splitWaters(formula);
    if (split.salt.empty()) {
        if (split.separator.empty())
            return FormulaRefusal{FormulaFault::NoFormula, {}};
        return FormulaRefusal{FormulaFault::NotAtStart, {std::string(split.separator)}};
    }
    Reader reader(split.salt);
    if (std::optional<FormulaRefusal> refusal = reader.read())
        return std::move(*refusal);
    FormulaReading reading{reader.takeElements(), split.waters};
    if (water == WaterPart::InElements && split.waters > 0) {
        addAtoms(reading.elements, "H", 2 * split.waters);
        addAtoms(reading.elements, "O", split.waters);
        for (const ElementCount &entry : reading.elements) {
            if (entry.count > MaxCount)
                return FormulaRefusal{FormulaFault::TooManyAtoms,
                                      {std::string(entry.element->symbol)}};
        }
    }
    return reading;
}

double molecularWeight(const FormulaReading &reading)
{
    double weight = 0;
    for (const ElementCount &entry : reading.elements)
        weight += entry.count * PeriodicTable::formulaWeight(*entry.element);
    return weight;
}

std::optional<RowsMisfit> rowsMisfit(const FormulaReading &reading)
{
    for (std::size_t index = 0; index < reading.elements.size(); ++index) {
        const ElementCount &entry = reading.elements[index];
        const std::string symbol(entry.element->symbol);
        if (!PeriodicTable::listed(*entry.element))
            return RowsMisfit{RowsMisfit::Reason::NotListed, symbol};
        if (entry.count != double(int(entry.count)))
            return RowsMisfit{RowsMisfit::Reason::Fractional, symbol};
        if (index == std::size_t(FormulaPanel::RowCount))
            return RowsMisfit{RowsMisfit::Reason::MoreThanSix, symbol};
    }
    return std::nullopt;
}

} // namespace molvera
