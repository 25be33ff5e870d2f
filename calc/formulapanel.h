#pragma once

#include <array>
#include <string>

namespace molvera {

struct FormulaReading;
struct NumberLocale;

// One element row of a formula; every field is text, as the user and the row's commit left it.
struct FormulaRow
{
    std::string elementText; // an ElementTable display text, or empty while nothing is chosen
    std::string countText;   // as typed or picked: any text
    std::string weightText;  // written only by CommitRow
};

// The six rows of a page's formula and its total molecular weight.
struct FormulaPanel
{
    static constexpr int RowCount = 6;

    std::array<FormulaRow, RowCount> rows;
    std::string totalText;

    // No element chosen, and every count, weight and the total empty.
    void clear();

    // The first row (1 to 6) with an element chosen and a count that is not a whole number from 1
    // to 32767 ("", "a", "0", "1.5", "-1", "99999"), or 0. Committing such a row counts the
    // element 0 times, or rounds it; calculating with it would give a wrong weight.
    int rowWithBadCount(const NumberLocale &locale) const;
};

// Recomputes row `row` (1 to 6) from its element and count texts, then the total.
void CommitRow(FormulaPanel &panel, int row, const NumberLocale &locale);

// Recomputes the total text from the six weight texts as they stand.
void RecomputeTotal(FormulaPanel &panel, const NumberLocale &locale);

// The rows a formula fills, each committed in turn, as the formula box fills a page's rows. The
// rows must be able to hold it (rowsMisfit()).
FormulaPanel panelOf(const FormulaReading &reading, const NumberLocale &locale);

// A formula's molecular weight as the pages give it: the total of the rows it fills, or, where the
// rows cannot hold it, its weight in general form.
std::string formulaWeightText(const FormulaReading &reading, const NumberLocale &locale);

} // namespace molvera
