<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>molvera::AboutBox</name>
    <message>
        <location filename="../ui/aboutbox.cpp" line="+30"/>
        <source>This program is a molvera calculator for laboratory technicians. The program will assist in the preparation of reagents for use in laboratories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>For Windows 95/98/2000/NT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report comments and suggestions to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Visit our web site for updates:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::CalculationSheet</name>
    <message>
        <location filename="../print/calculationsheet.cpp" line="+20"/>
        <source>molvera calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your molvera Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reagent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Formula:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Molarity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Concentration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Prepared:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../print/sheetpdf.cpp" line="+71"/>
        <source>The PDF was not made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::CalculatorPage</name>
    <message>
        <location filename="../ui/calculatorpage.cpp" line="+169"/>
        <source> Input Error!</source>
        <extracomment>The title of the box that says a page&apos;s input cannot be used. The space before it is kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please correctly fill in all required text boxes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Preview…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/formtable.cpp" line="+106"/>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/refusalmessages.cpp" line="+14"/>
        <source>Cannot Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot Be Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A number is too large to calculate with. Please enter smaller numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The stock concentration is zero, so no amount of the stock holds the substance. Please enter the concentration of the stock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The specific gravity of the stock is zero, so its volume cannot be calculated. Please enter the specific gravity of the stock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The molecular weight of the salt with the waters required is zero, so the amount cannot be calculated. Please check the formula and the waters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The stock is weaker than the solution wanted, so the solution cannot be made from it by dilution. Please use a stronger stock or make a weaker solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An amount in the instructions would be negative, so they cannot be carried out. Please check the numbers for a minus sign.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::CommandLine</name>
    <message>
        <location filename="../ui/commandline.cpp" line="+69"/>
        <source>Works out how to make up reagent solutions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::ElementTable</name>
    <message>
        <location filename="../calc/elementtable.cpp" line="+23"/>
        <source>Aluminium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Argon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bromine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadmium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caesium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calcium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chlorine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chromium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cobalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fluorine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hydrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iodine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magnesium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nickel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nitrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxygen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Phosphous</source>
        <extracomment>The program&apos;s own spelling of Phosphorus.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potassium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silicon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sodium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sulphur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tungsten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zinc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::FormulaRows</name>
    <message>
        <location filename="../ui/formularows.cpp" line="+46"/>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Molecular Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Select an Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Element, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select the number of elements in this formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of atoms, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Molecular weight, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Total molecular weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Total Molecular Weight = </source>
        <extracomment>The caption left of the total box, which follows it on the same line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCalculation</name>
    <message>
        <location filename="../calc/hydratecalculation.cpp" line="+18"/>
        <source>To prepare %1mL of a %2 percent Solution of %3, Measure %4 grams of %3 and dilute up to %1 mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula (never translated), %4 grams of stock. The three print lines joined by spaces give this sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To prepare %1mL of a %2 percent Solution of %3,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measure %4 grams of %3 and dilute up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mL with solvent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::HydratePage</name>
    <message>
        <location filename="../ui/hydratepage.cpp" line="+17"/>
        <location line="+34"/>
        <source>Hydrate Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>1. Type of Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anhydrous Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Select Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3. Stock Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conc of Stock Soln:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Conc of the Stock Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Number of H2O:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Enter the number of H2Os in the stock solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number of H2O in the stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4. Required Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conc Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Concentration required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>% w/v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the number of H2Os required for the Hydrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number of H2O required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the amount you wish to make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5. Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Click here to calculate your result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Copper Sulphate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.cpp" line="+83"/>
        <source>Visit the Kestrova Software Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chemical Formula:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Chemical Formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chemical Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Chemical Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculation</name>
    <message>
        <location filename="../calc/molarcalculation.cpp" line="+18"/>
        <source>To prepare %1L of a %2 Molar Solution of %3, Measure %4 grams or mLs of %3 and dilute up to %1 Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams or millilitres of stock. The three print lines joined by spaces give this sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To prepare %1L of a %2 Molar Solution of %3,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measure %4 grams or mLs of %3 and dilute up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Litre(s) with solvent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::MolarPage</name>
    <message>
        <location filename="../ui/molarpage.cpp" line="+18"/>
        <source>Molar Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>1. Select Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculate Mol Wt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Manual Mol Wt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Stock Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conc of Stock Soln:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Conc of the Stock Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stock concentration unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Specific Gravity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Specific Gravity if required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3. Required Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Molarity Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Molarity required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Molar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter how many  Litres you wish to make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Litre(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4. Calculate</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Click here to calculate your result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Sulphuric Acid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::PageButtonBar</name>
    <message>
        <location filename="../ui/pagebuttonbar.cpp" line="+30"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear this calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Instructions and Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click here to view an example.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click here for Program Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculation</name>
    <message>
        <location filename="../calc/percentcalculation.cpp" line="+28"/>
        <source>To prepare %1 grams of a %2 % w/w solution of %3 , Measure %4 grams of %3 and mix with %5 grams of solvent.</source>
        <extracomment>%1 grams to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock, %5 grams of solvent. The three print lines joined by spaces give this sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To prepare %1 grams of a %2 % w/w solution of %3 ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measure %4 grams of %3 and mix with %5 grams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of solvent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 , Measure %4 grams of %3 and dilute up to %1 mL with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock. The three print lines joined by spaces give this sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Measure %4 grams of %3 and dilute up to %1 mL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location line="+8"/>
        <source>with solvent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-11"/>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 , Measure %4 mL of %3 and dilute up to %1 mL with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of a liquid stock. The three print lines joined by spaces give this sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>Measure %4 mL of %3 and dilute up to %1 mL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>To prepare %1 mL of a %2 % v/v solution of %3 , Measure %4 mL of %3 and dilute up to %1 mL with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of stock. The three print lines joined by spaces give this sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To prepare %1 mL of a %2 % v/v solution of %3 ,</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::PercentPage</name>
    <message>
        <location filename="../ui/percentpage.cpp" line="+18"/>
        <source>% Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>1. Type of Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>% w/w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Weight per Weight Concentrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>% w/v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight per Volume Concentrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>% v/v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Volume per Volume Concentrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Stock Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conc of Stock Soln:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Conc of the Stock Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Specific Gravity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the SG of the stock solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3. Required Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conc Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the Concentration required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the amount you wish to make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Click here to calculate your result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>grams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Sodium Chloride</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>molvera::SheetDialogs</name>
    <message>
        <location filename="../ui/sheetdialogs.cpp" line="+65"/>
        <source>The printer is stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The printer does not accept jobs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The printer reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No default printer is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+75"/>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-72"/>
        <source>The sheet was not saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it, a sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The sheet was not printed. %1</source>
        <extracomment>%1 says why, in a whole sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>PDF documents (*.pdf)</source>
        <extracomment>Keep &quot;(*.pdf)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
