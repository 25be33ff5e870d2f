#include "formulapanel.h"

#include "elementtable.h"
#include "formulareading.h"
#include "numbertext.h"
#include "periodictable.h"

#include <cmath>

namespace molvera {

void FormulaPanel::clear()
{
    for (FormulaRow &row : rows) {
        row.elementText.clear();
        row.countText.clear();
        row.weightText.clear();
    }
    totalText.clear();
}

int FormulaPanel::rowWithBadCount(const NumberLocale &locale) const
{
    for (int row = 1; row <= RowCount; ++row) {
        const FormulaRow &formulaRow = rows[row - 1];
        if (!ElementTable::lookup(formulaRow.elementText))
            continue;
        const NumberRead count = readNumber(formulaRow.countText, locale);
        const double *value = std::get_if<double>(&count);
        if (!value || *value < 1 || *value > MaxCount || *value != std::floor(*value))
            return row;
    }
    return 0;
}

void CommitRow(FormulaPanel &panel, int row, const NumberLocale &locale)
{
    if (row < 1 || row > FormulaPanel::RowCount)
        return;
    FormulaRow &formulaRow = panel.rows[row - 1];
    const std::int16_t count = readCount(formulaRow.countText, locale);
    // With no element chosen the weight stays exactly as it was, stale or empty.
    if (const ElementEntry *entry = ElementTable::lookup(formulaRow.elementText))
        formulaRow.weightText = writeGeneral(entry->atomicWeight * count, locale);
    RecomputeTotal(panel, locale);
}

void RecomputeTotal(FormulaPanel &panel, const NumberLocale &locale)
{
    // The weights as displayed, not the unrounded products, make the total.
    double total = 0;
    for (const FormulaRow &row : panel.rows) {
        if (row.weightText.empty())
            continue; // an empty weight adds nothing
        const NumberRead weight = readNumber(row.weightText, locale);
        const double *value = std::get_if<double>(&weight);
        if (!value)
            return; // a weight that does not convert: the total keeps its text
        total += *value;
    }
    // Only reachable with weights that CommitRow did not write; the total then keeps its text,
    // as for any other total that cannot be summed.
    if (!std::isfinite(total))
        return;
    panel.totalText = writeGeneral(total, locale);
}

FormulaPanel panelOf(const FormulaReading &reading, const NumberLocale &locale)
{
    FormulaPanel panel;
    for (std::size_t index = 0; index < reading.elements.size() && index < panel.rows.size();
         ++index) {
        const ElementCount &element = reading.elements[index];
        if (const ElementEntry *entry = PeriodicTable::listed(*element.element)) {
            panel.rows[index].elementText = entry->displayText;
            panel.rows[index].countText = writeGeneral(element.count, locale);
        }
        CommitRow(panel, int(index) + 1, locale);
    }
    return panel;
}

std::string formulaWeightText(const FormulaReading &reading, const NumberLocale &locale)
{
    if (rowsMisfit(reading))
        return writeGeneral(molecularWeight(reading), locale);
    return panelOf(reading, locale).totalText;
}

} // namespace molvera
