#include "formulareading.h"

#include "elementtable.h"
#include "formulapanel.h"
#include "hydrateformula.h"
#include "numbertext.h"
#include "sentence.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace molvera {

namespace {

// What the refusals say. Places: a part of the formula as typed (an element's symbol, a bracket,
// a count) and the formula up to it. Symbols and formulas are never translated.
struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::FormulaReading)

    // clang-format off
    //: The formula box is empty.
    static constexpr LocalizedText NoFormula = MOLVERA_TR_NOOP("There is no formula to read.");
    //: %1 is an element symbol as typed, such as Mn.
    static constexpr LocalizedText UnknownElement = MOLVERA_TR_NOOP("%1 is not one of the elements molvera knows.");
    //: The element rows hold six elements. %1 is the symbol of the seventh different element.
    static constexpr LocalizedText TooManyElements = MOLVERA_TR_NOOP("The formula has more than six elements: %1 is the seventh.");
    //: A count box holds at most 32767. %1 is an element symbol.
    static constexpr LocalizedText TooManyAtoms = MOLVERA_TR_NOOP("The formula has more than 32767 atoms of %1.");
    //: %1 is the formula as typed, such as Ca(OH.
    static constexpr LocalizedText NotClosed = MOLVERA_TR_NOOP("A bracket is not closed after %1.");
    //: %1 is a closing bracket, ) or ], %2 the formula before it.
    static constexpr LocalizedText NotOpened = MOLVERA_TR_NOOP("%1 after %2 closes a bracket that was not opened.");
    //: %1 is a closing bracket, ) or ], %2 the formula before it, %3 the other kind of opening bracket.
    static constexpr LocalizedText OtherBracket = MOLVERA_TR_NOOP("%1 after %2 closes a bracket opened with %3.");
    //: %1 is a number as typed, %2 the formula before it.
    static constexpr LocalizedText BadCount = MOLVERA_TR_NOOP("%1 after %2 is not a count from 1 to 32767.");
    //: %1 is what was typed first: a character or a number.
    static constexpr LocalizedText NotAtStart = MOLVERA_TR_NOOP("%1 cannot stand at the start of a formula.");
    //: %1 is a character or a number as typed, %2 the formula before it.
    static constexpr LocalizedText NotAfter = MOLVERA_TR_NOOP("%1 cannot stand after %2.");
    //: %1 is ".", "·" or "*", %2 the formula before it. 5H2O is a formula: keep it.
    static constexpr LocalizedText NotWater = MOLVERA_TR_NOOP("%1 after %2 must begin a water of crystallisation at the end of the formula, such as 5H2O.");
    // clang-format on
};

constexpr std::size_t MaxElements = FormulaPanel::RowCount;
// How much of the formula a message quotes: the end of it, before the fault.
constexpr std::size_t QuotedLength = 24;
constexpr std::string_view Ellipsis = "\u2026";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
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

// The end of `text` for a message, shortened at its start.
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

// A part of the formula for a message, shortened at its end.
std::string quotedPart(std::string_view part)
{
    if (part.size() <= QuotedLength)
        return std::string(part);
    return std::string(part.substr(0, QuotedLength)) + std::string(Ellipsis);
}

// The element table's entry for a symbol; Argon's "A" is also typed as today's "Ar".
const ElementEntry *elementOf(std::string_view symbol)
{
    return ElementTable::lookupSymbol(symbol == "Ar" ? std::string_view("A") : symbol);
}

// Reads the part of a formula before its water, left to right; the first fault ends the reading.
// Each open bracket keeps its elements merged, at most six, after those of the brackets around
// it, so that memory and time grow with the formula's length only, however deep the nesting.
class Reader
{
public:
    Reader(std::string_view text, const TextTranslator &translator)
        : m_text(text)
        , m_translator(translator)
    {}

    // The refusal's message, or none once the whole text is read.
    std::optional<std::string> read()
    {
        skipBlanks();
        while (!m_refusal && m_at < m_text.size()) {
            const std::size_t start = m_at;
            const char c = m_text[m_at];
            if (c >= 'A' && c <= 'Z')
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
            refuse(Texts::NotClosed, {quotedEnd(m_text)});
        return m_refusal;
    }

    // Adds `count` atoms of the element outside every bracket: a water of crystallisation.
    std::optional<std::string> add(std::string_view symbol, int count)
    {
        add(elementOf(symbol), count);
        return m_refusal;
    }

    // The elements read, once every bracket is closed.
    std::vector<ElementCount> takeElements() { return std::move(m_entries); }

private:
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

    void refuse(const LocalizedText &message, std::initializer_list<std::string_view> places)
    {
        if (!m_refusal)
            m_refusal = fillPlaces(translated(m_translator, message), places);
    }

    // A capital letter, a small one with it if there is one, then the count.
    void readElement(std::size_t start)
    {
        std::size_t end = start + 1;
        if (end < m_text.size() && m_text[end] >= 'a' && m_text[end] <= 'z')
            ++end;
        const std::string_view symbol = m_text.substr(start, end - start);
        const ElementEntry *element = elementOf(symbol);
        if (!element) {
            refuse(Texts::UnknownElement, {symbol});
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
            refuse(Texts::NotOpened, {bracket, before(start)});
            return;
        }
        const Bracket open = m_open.back();
        if ((open.opening == '(') != (closing == ')')) {
            refuse(Texts::OtherBracket, {bracket, before(start), m_text.substr(open.at, 1)});
            return;
        }
        if (m_entries.size() == open.firstEntry) {
            refuse(Texts::NotAfter, {bracket, before(start)});
            return;
        }
        ++m_at;
        const int count = readCount();
        if (!count)
            return;
        std::array<ElementCount, MaxElements> group{};
        std::size_t size = 0;
        for (std::size_t i = open.firstEntry; i < m_entries.size(); ++i) {
            const std::int64_t atoms = std::int64_t(m_entries[i].count) * count;
            if (atoms > MaxCount) {
                refuse(Texts::TooManyAtoms, {m_entries[i].element->symbol});
                return;
            }
            group[size++] = {m_entries[i].element, int(atoms)};
        }
        m_open.pop_back();
        m_entries.resize(open.firstEntry);
        for (std::size_t i = 0; i < size; ++i)
            add(group[i].element, group[i].count);
    }

    // The count after an element or a bracket: 1 when there is none, 0 once refused.
    int readCount()
    {
        std::size_t begin = m_at;
        while (begin < m_text.size() && isBlank(m_text[begin]))
            ++begin;
        std::size_t end = begin;
        int value = 0;
        for (; end < m_text.size() && isDigit(m_text[end]); ++end) {
            if (value <= MaxCount)
                value = value * 10 + (m_text[end] - '0');
        }
        if (end == begin)
            return 1;
        if (value < 1 || value > MaxCount) {
            refuse(Texts::BadCount, {quotedPart(m_text.substr(begin, end - begin)), before(begin)});
            return 0;
        }
        m_at = end;
        return value;
    }

    // Adds atoms to the innermost open bracket, or to the formula outside every bracket.
    void add(const ElementEntry *element, int count)
    {
        const std::size_t first = m_open.empty() ? 0 : m_open.back().firstEntry;
        for (std::size_t i = first; i < m_entries.size(); ++i) {
            if (m_entries[i].element == element) {
                if (m_entries[i].count > MaxCount - count)
                    refuse(Texts::TooManyAtoms, {element->symbol});
                else
                    m_entries[i].count += count;
                return;
            }
        }
        const auto index = std::size_t(element - ElementTable::entries().data());
        if (!m_seen[index]) {
            if (m_seen.count() == MaxElements) {
                refuse(Texts::TooManyElements, {element->symbol});
                return;
            }
            m_seen[index] = true;
        }
        m_entries.push_back({element, count});
    }

    // A count where none belongs, a separator before the water's place, or any other character.
    void refuseUnexpected(std::size_t start)
    {
        std::string_view part = characterAt(m_text, start);
        if (isDigit(m_text[start])) {
            std::size_t end = start;
            while (end < m_text.size() && isDigit(m_text[end]))
                ++end;
            part = m_text.substr(start, end - start);
        }
        const std::string quoted = quotedPart(part);
        if (start == 0)
            refuse(Texts::NotAtStart, {quoted});
        else if (part == "." || part == "\u00B7" || part == "*")
            refuse(Texts::NotWater, {quoted, before(start)});
        else
            refuse(Texts::NotAfter, {quoted, before(start)});
    }

    std::string_view m_text;
    const TextTranslator &m_translator;
    std::size_t m_at = 0;
    std::vector<ElementCount> m_entries; // the open brackets' elements, innermost last
    std::vector<Bracket> m_open;
    std::bitset<32> m_seen; // by place in the element table of 32
    std::optional<std::string> m_refusal;
};

} // namespace

FormulaRead readFormula(std::string_view formula, WaterPart water, const TextTranslator &translator)
{
    const HydrateFormula split = splitWaters(formula);
    if (split.salt.empty()) {
        if (split.separator.empty())
            return FormulaRefusal{translated(translator, Texts::NoFormula)};
        return FormulaRefusal{
            fillPlaces(translated(translator, Texts::NotAtStart), {split.separator})};
    }
    Reader reader(split.salt, translator);
    if (std::optional<std::string> refusal = reader.read())
        return FormulaRefusal{std::move(*refusal)};
    if (water == WaterPart::InElements && split.waters > 0) {
        if (std::optional<std::string> refusal = reader.add("H", 2 * split.waters))
            return FormulaRefusal{std::move(*refusal)};
        if (std::optional<std::string> refusal = reader.add("O", split.waters))
            return FormulaRefusal{std::move(*refusal)};
    }
    return FormulaReading{reader.takeElements(), split.waters};
}

} // namespace molvera
