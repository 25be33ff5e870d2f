#include "bookmodel.h"

#include "bookstore.h"
#include "bottletexts.h"
#include "starterbottles.h"

#include <QLocale>

namespace molvera {

BookModel::BookModel(BookStore *store, QObject *parent)
    : QAbstractTableModel(parent)
    , m_store(store)
{
    connect(store, &BookStore::bottlesChanged, this, &BookModel::reload);
    reload();
}

int BookModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BookModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Bottle &bottle = bottleAt(index.row());
    if (role == BottleIdRole)
        return bottle.id;
    const bool sorting = role == SortRole;
    if (!sorting && role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
        return {};
    const auto number = [&](std::optional<double> value) -> QVariant {
        if (!value)
            return {};
        return sorting ? QVariant(*value) : QVariant(QLocale().toString(*value));
    };
    switch (Column(index.column())) {
    case Name:
        return role == Qt::ToolTipRole ? bottle.note : shownName(bottle);
    case Formula:
        return bottle.formula;
    case Strength:
        return sorting ? QVariant(bottle.strength) : QVariant(strengthText(bottle));
    case SpecificGravity:
        return number(bottle.specificGravity);
    case ImpliedMolarity:
        return sorting ? number(impliedMolarity(bottle)) : QVariant(impliedMolarityText(bottle));
    case Cas:
        return bottle.cas;
    case Location:
        return bottle.location;
    }
    return {};
}

QVariant BookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Name:
        return tr("Name");
    case Formula:
        return tr("Formula");
    case Strength:
        return tr("Strength");
    case SpecificGravity:
        return tr("Specific gravity");
    case ImpliedMolarity:
        //: The molarity the bottle's strength works out at: a check of the numbers on its label.
        return tr("Works out at");
    case Cas:
        //: The CAS registry number.
        return tr("CAS number");
    case Location:
        //: Where the bottle stands in the lab.
        return tr("Place");
    }
    return {};
}

void BookModel::setSearchText(const QString &typed)
{
    beginResetModel();
    m_typed = typed;
    m_rows = m_search.find(typed);
    endResetModel();
}

QString BookModel::searchText() const
{
    return m_typed;
}

const Bottle &BookModel::bottleAt(int row) const
{
    return m_bottles[m_rows[row]];
}

void BookModel::reload()
{
    beginResetModel();
    m_bottles = m_store ? m_store->bottles() : QList<Bottle>();
    m_search = BookSearch(m_bottles);
    m_rows = m_search.find(m_typed);
    endResetModel();
}

} // namespace molvera
