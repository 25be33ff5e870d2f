#pragma once

#include <QStringList>

namespace molvera {

struct SqlDialect;

// The schema version this molvera writes. A book of a lower version is brought up to it, step by
// step; a book of a higher one was written by a newer molvera and is left as it is.
constexpr int BookSchemaVersion = 1;

// What marks an SQLite file as a molvera book (PRAGMA application_id): "MLVB".
constexpr int BookApplicationId = 0x4D4C5642;

// The statements that take a book from version - 1 to version, in the dialect's types.
QStringList migrationStep(int version, const SqlDialect &dialect);

} // namespace molvera
