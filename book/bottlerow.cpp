#include "bottlerow.h"

#include <QSqlQuery>
#include <QVariant>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

QVariant nullable(std::optional<double> value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

// Texts are never NULL: a null QString would be bound as one.
QString text(const QString &value)
{
    return value.isNull() ? u""_s : value;
}

std::optional<double> optionalOf(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toDouble());
}

// A stored time. The book's own "2026-12-07T09:30:00.000Z" is read field by field: with
// QDateTime's general parser, reading 10,000 bottles took a quarter longer.
QDateTime timeOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        const auto number = [&](qsizetype at, qsizetype size) {
            return QStringView(text).sliced(at, size).toInt();
        };
        if (text.size() == 24 && text[10] == u'T' && text[23] == u'Z') {
            return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                             QTime(number(11, 2), number(14, 2), number(17, 2), number(20, 3)),
                             Qt::UTC);
        }
    }
    QDateTime when = value.toDateTime();
    return when.isValid() ? when.toUTC() : when;
}

} // namespace

void bindChanges(QSqlQuery &query, const Bottle &bottle)
{
    query.bindValue(u":name"_s, text(bottle.name));
    query.bindValue(u":formula"_s, text(bottle.formula));
    query.bindValue(u":molecular_weight"_s, nullable(bottle.molecularWeight));
    query.bindValue(u":basis"_s, basisKey(bottle.basis));
    query.bindValue(u":strength"_s, bottle.strength);
    query.bindValue(u":specific_gravity"_s, nullable(bottle.specificGravity));
    query.bindValue(u":gravity_celsius"_s, nullable(bottle.gravityCelsius));
    query.bindValue(u":waters"_s, bottle.waters);
    query.bindValue(u":cas"_s, text(bottle.cas));
    query.bindValue(u":location"_s, text(bottle.location));
    query.bindValue(u":note"_s, text(bottle.note));
    query.bindValue(u":source"_s, text(bottle.source));
    query.bindValue(u":changed_at"_s, bottle.changed.toUTC());
}

void bindAll(QSqlQuery &query, const Bottle &bottle)
{
    bindChanges(query, bottle);
    query.bindValue(u":added_at"_s, bottle.added.toUTC());
    query.bindValue(u":row_version"_s, bottle.rowVersion);
    query.bindValue(u":starter_key"_s, bottle.starterKey.isEmpty()
                                           ? QVariant(QMetaType::fromType<QString>())
                                           : QVariant(bottle.starterKey));
}

Bottle bottleOf(const QSqlQuery &query)
{
    Bottle bottle;
    bottle.id = query.value(0).toLongLong();
    bottle.name = query.value(1).toString();
    bottle.formula = query.value(2).toString();
    bottle.molecularWeight = optionalOf(query.value(3));
    bottle.basis = basisFromKey(query.value(4).toString()).value_or(StockBasis::Purity);
    bottle.strength = query.value(5).toDouble();
    bottle.specificGravity = optionalOf(query.value(6));
    bottle.gravityCelsius = optionalOf(query.value(7));
    bottle.waters = query.value(8).toDouble();
    bottle.cas = query.value(9).toString();
    bottle.location = query.value(10).toString();
    bottle.note = query.value(11).toString();
    bottle.source = query.value(12).toString();
    bottle.added = timeOf(query.value(13));
    bottle.changed = timeOf(query.value(14));
    bottle.rowVersion = query.value(15).toLongLong();
    bottle.starterKey = query.value(16).toString();
    return bottle;
}

} // namespace molvera
