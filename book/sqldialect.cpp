#include "sqldialect.h"

#include "bookschema.h"

namespace molvera {

using namespace Qt::StringLiterals;

const SqlDialect &sqliteDialect()
{
    static const SqlDialect dialect{
        .driver = u"QSQLITE"_s,
        .connectOptions = u"QSQLITE_BUSY_TIMEOUT=10000"_s,
        .readOnlyOption = u";QSQLITE_OPEN_READONLY"_s,
        .idColumn = u"INTEGER PRIMARY KEY"_s,
        .realType = u"REAL"_s,
        .timeType = u"TEXT"_s,
        .readVersion = u"PRAGMA user_version"_s,
        .writeVersion = [](int version) { return u"PRAGMA user_version = %1"_s.arg(version); },
        .markAsBook = u"PRAGMA application_id = %1"_s.arg(BookApplicationId),
        .beginWrite = u"BEGIN IMMEDIATE"_s,
        .insertIfMissing = u"ON CONFLICT (starter_key) DO NOTHING"_s,
        .quickCheck = u"PRAGMA quick_check(1)"_s,
        .integrityCheck = u"PRAGMA integrity_check(1)"_s,
    };
    return dialect;
}

} // namespace molvera
