#pragma once

#include "bottle.h"

#include <QStringView>

class QSqlQuery;

namespace molvera {

// How a bottle is stored: its columns after id, in the order bottleOf() reads them; the same
// columns as named values to bind; and the SET list of an update, which bumps the row version.
inline constexpr QStringView BottleColumns =
    u"name, formula, molecular_weight, basis, strength, specific_gravity, "
    "gravity_celsius, waters, cas, location, note, source, added_at, "
    "changed_at, row_version, starter_key";
inline constexpr QStringView BottleValues =
    u":name, :formula, :molecular_weight, :basis, :strength, "
    ":specific_gravity, :gravity_celsius, :waters, :cas, :location, :note, "
    ":source, :added_at, :changed_at, :row_version, :starter_key";
inline constexpr QStringView BottleChanges =
    u"name = :name, formula = :formula, molecular_weight = :molecular_weight, "
    "basis = :basis, strength = :strength, "
    "specific_gravity = :specific_gravity, gravity_celsius = :gravity_celsius, "
    "waters = :waters, cas = :cas, location = :location, note = :note, "
    "source = :source, changed_at = :changed_at, "
    "row_version = row_version + 1";

// Binds what an update changes (BottleChanges), or every column (BottleValues).
void bindChanges(QSqlQuery &query, const Bottle &bottle);
void bindAll(QSqlQuery &query, const Bottle &bottle);

// The bottle on the query's row, selected as id, then BottleColumns.
Bottle bottleOf(const QSqlQuery &query);

} // namespace molvera
