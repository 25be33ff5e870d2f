#include "bookschema.h"

#include "sqldialect.h"

namespace molvera {

using namespace Qt::StringLiterals;

QStringList migrationStep(int version, const SqlDialect &dialect)
{
    switch (version) {
    case 1:
        // The basis is stored as the CSV files write it; row_version tells two edits apart.
        return {
            u"CREATE TABLE bottles ("
            "id %1, "
            "name TEXT NOT NULL CHECK (name <> ''), "
            "formula TEXT NOT NULL, "
            "molecular_weight %2, "
            "basis TEXT NOT NULL "
            "CHECK (basis IN ('purity %', '% w/w', '% v/v', '% w/v', 'g/L', 'M')), "
            "strength %2 NOT NULL CHECK (strength > 0), "
            "specific_gravity %2, "
            "gravity_celsius %2, "
            "waters %2 NOT NULL, "
            "cas TEXT NOT NULL, "
            "location TEXT NOT NULL, "
            "note TEXT NOT NULL, "
            "source TEXT NOT NULL, "
            "added_at %3 NOT NULL, "
            "changed_at %3 NOT NULL, "
            "row_version INTEGER NOT NULL, "
            "starter_key TEXT UNIQUE)"_s.arg(dialect.idColumn, dialect.realType, dialect.timeType)};
    default:
        return {};
    }
}

} // namespace molvera
