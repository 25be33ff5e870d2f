#include "starterbottles.h"

#include "bookcsv.h"

#include <QCoreApplication>
#include <QFile>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// The starter bottles' names, in a context of their own. The file's names are the English texts;
// tst_book checks that each of them is here.
struct StarterNames
{
    Q_DECLARE_TR_FUNCTIONS(molvera::StarterBottles)

public:
    static QList<const char *> marked();
};

QList<const char *> StarterNames::marked()
{
    return {
        QT_TR_NOOP("Hydrochloric acid 37 %"),
        QT_TR_NOOP("Sulfuric acid 96 %"),
        QT_TR_NOOP("Nitric acid 65 %"),
        QT_TR_NOOP("Nitric acid 70 %"),
        QT_TR_NOOP("Phosphoric acid 85 %"),
        QT_TR_NOOP("Acetic acid, glacial"),
        QT_TR_NOOP("Formic acid 98 %"),
        QT_TR_NOOP("Ammonia solution 25 %"),
        QT_TR_NOOP("Ammonia solution 28 %"),
        QT_TR_NOOP("Hydrogen peroxide 30 %"),
        QT_TR_NOOP("Ethanol 96 %"),
        QT_TR_NOOP("Ethanol, absolute"),
        QT_TR_NOOP("2-Propanol"),
        QT_TR_NOOP("Methanol"),
        QT_TR_NOOP("Glycerol"),
        QT_TR_NOOP("Formaldehyde solution 37 %"),
        QT_TR_NOOP("Perchloric acid 70 %"),
        QT_TR_NOOP("Hydrofluoric acid 48 %"),
        QT_TR_NOOP("Sodium hydroxide solution 50 %"),
        QT_TR_NOOP("Sodium hydroxide pellets"),
        QT_TR_NOOP("Sodium chloride"),
        QT_TR_NOOP("Potassium chloride"),
        QT_TR_NOOP("Calcium chloride dihydrate"),
        QT_TR_NOOP("Magnesium chloride hexahydrate"),
        QT_TR_NOOP("Magnesium sulfate heptahydrate"),
        QT_TR_NOOP("Copper(II) sulfate pentahydrate"),
        QT_TR_NOOP("Disodium hydrogen phosphate dihydrate"),
        QT_TR_NOOP("Sodium dihydrogen phosphate monohydrate"),
        QT_TR_NOOP("Potassium dihydrogen phosphate"),
        QT_TR_NOOP("Sodium carbonate, anhydrous"),
        QT_TR_NOOP("Sodium hydrogen carbonate"),
        QT_TR_NOOP("Tris base"),
        QT_TR_NOOP("EDTA disodium dihydrate"),
        QT_TR_NOOP("D-Glucose, anhydrous"),
        QT_TR_NOOP("D-Glucose monohydrate"),
    };
}

} // namespace

QString starterFile()
{
    return u":/molvera/book/starter-bottles.csv"_s;
}

QList<Bottle> starterBottles()
{
    QFile file(starterFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Bottle> bottles;
    for (const CsvBottle &row : readBookCsv(file.readAll()).bottles) {
        bottles.append(row.bottle);
        bottles.back().starterKey = row.bottle.name;
    }
    return bottles;
}

QList<const char *> markedStarterNames()
{
    return StarterNames::marked();
}

QString shownName(const Bottle &bottle)
{
    if (bottle.starterKey.isEmpty() || bottle.name != bottle.starterKey)
        return bottle.name;
    return StarterNames::tr(bottle.starterKey.toUtf8().constData());
}

} // namespace molvera
