// The calculation core on the worked examples' inputs, texts included: the goal is well under a
// microsecond per calculation, so that a page never waits on its arithmetic.

#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/hydratecalculation.h>
#include <calc/molarcalculation.h>
#include <calc/numbertext.h>
#include <calc/percentcalculation.h>

#include <benchmark/benchmark.h>

using namespace molvera;

namespace {

const NumberLocale English{"."};
const NumberLocale German{","};

FormulaPanel sulphuricAcid()
{
    FormulaPanel panel;
    panel.rows[0] = {"H  - Hydrogen", "2", ""};
    panel.rows[1] = {"S  - Sulphur", "1", ""};
    panel.rows[2] = {"O  - Oxygen", "4", ""};
    for (int row = 1; row <= 3; ++row)
        CommitRow(panel, row, English);
    return panel;
}

// One commit: the row's weight written, and the total summed from the six weight texts.
void BM_CommitRow(benchmark::State &state)
{
    FormulaPanel panel = sulphuricAcid();
    for (auto _ : state) {
        CommitRow(panel, 1, English);
        benchmark::DoNotOptimize(panel.totalText.data());
    }
}
BENCHMARK(BM_CommitRow);

void BM_CommitRow_Lead32767(benchmark::State &state)
{
    FormulaPanel panel = sulphuricAcid();
    panel.rows[3] = {"Pb - Lead", "32767", ""};
    for (auto _ : state) {
        CommitRow(panel, 4, English);
        benchmark::DoNotOptimize(panel.totalText.data());
    }
}
BENCHMARK(BM_CommitRow_Lead32767);

void molar(benchmark::State &state, const MolarInputs &inputs, const NumberLocale &locale)
{
    for (auto _ : state) {
        MolarResult result = MolarCalculation::calculate(inputs, locale);
        benchmark::DoNotOptimize(result);
    }
}

void BM_Molar_Example(benchmark::State &state)
{
    molar(state, {"98.08", "0.5", "1", "1.84", "98.07", "%", "H2SO4"}, English);
}
BENCHMARK(BM_Molar_Example);

void BM_Molar_ExampleGerman(benchmark::State &state)
{
    molar(state, {"98,08", "0,5", "1", "1,84", "98,07", "%", "H2SO4"}, German);
}
BENCHMARK(BM_Molar_ExampleGerman);

void BM_Molar_MolarStock(benchmark::State &state)
{
    molar(state, {"98.08", "0.5", "1", "1.84", "10", "M", "HCl"}, English);
}
BENCHMARK(BM_Molar_MolarStock);

void percent(benchmark::State &state, ConcentrationType type)
{
    const PercentInputs inputs{"98", "1.00", "600", "20", "NaCl"};
    for (auto _ : state) {
        PercentResult result = PercentCalculation::calculate(type, inputs, English);
        benchmark::DoNotOptimize(result);
    }
}

void BM_Percent_ExampleWeightPerVolume(benchmark::State &state)
{
    percent(state, ConcentrationType::WeightPerVolume);
}
BENCHMARK(BM_Percent_ExampleWeightPerVolume);

// The solvent's extra read-back and second "0.00" text.
void BM_Percent_ExampleWeightPerWeight(benchmark::State &state)
{
    percent(state, ConcentrationType::WeightPerWeight);
}
BENCHMARK(BM_Percent_ExampleWeightPerWeight);

void BM_Percent_ExampleVolumePerVolume(benchmark::State &state)
{
    percent(state, ConcentrationType::VolumePerVolume);
}
BENCHMARK(BM_Percent_ExampleVolumePerVolume);

void BM_Hydrate_Example(benchmark::State &state)
{
    const HydrateInputs inputs{"159.604", "100", "0", "15", "2", "100", "CuSO4.2H2O"};
    for (auto _ : state) {
        HydrateResult result = HydrateCalculation::calculate(inputs, English);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Hydrate_Example);

// The failure paths end before any text is built.
void BM_Molar_InputFailure(benchmark::State &state)
{
    molar(state, {"", "0.5", "1", "1.84", "98.07", "%", "H2SO4"}, English);
}
BENCHMARK(BM_Molar_InputFailure);

// Reading the formula box for the element rows, which Enter there runs before the rows are
// written: under 10 µs for anything a user types is the goal.
void BM_ReadFormula(benchmark::State &state, std::string_view formula, WaterPart water)
{
    for (auto _ : state) {
        FormulaRead read = readFormula(formula, water);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK_CAPTURE(BM_ReadFormula, H2SO4, "H2SO4", WaterPart::InElements);
BENCHMARK_CAPTURE(BM_ReadFormula, MohrsSaltWithWater, "(NH4)2Fe(SO4)2\u00B76H2O",
                  WaterPart::InElements);
BENCHMARK_CAPTURE(BM_ReadFormula, HydrateApart, "CuSO4\u00B75H2O", WaterPart::Apart);
BENCHMARK_CAPTURE(BM_ReadFormula, NestedBrackets, "K4[Fe(CN)6]", WaterPart::InElements);
// A refusal writes its message.
BENCHMARK_CAPTURE(BM_ReadFormula, UnknownElement, "KMnO4", WaterPart::InElements);

// The longest text the formula box takes, 32767 characters, nested as deep as it goes: the time
// grows with the length only.
void BM_ReadFormula_LongestNested(benchmark::State &state)
{
    const std::string formula = std::string(16383, '(') + "H" + std::string(16383, ')');
    for (auto _ : state) {
        FormulaRead read = readFormula(formula, WaterPart::InElements);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ReadFormula_LongestNested);

// The number texts on their own.
void BM_ReadNumber(benchmark::State &state)
{
    for (auto _ : state) {
        NumberRead read = readNumber("98.07", English);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ReadNumber);

void BM_WriteGeneral(benchmark::State &state)
{
    double value = 207.19 * 32767;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string text = writeGeneral(value, English);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_WriteGeneral);

void BM_WriteFixed2(benchmark::State &state)
{
    double value = 49.04 / (0.9807 * 1.84);
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string text = writeFixed2(value, English);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_WriteFixed2);

} // namespace

BENCHMARK_MAIN();
