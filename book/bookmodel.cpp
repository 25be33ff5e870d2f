#include "bookmodel.h"

#include "bookstore.h"
#include "bottletexts.h"
#include "starterbottles.h"

#include <QLocale>

#include <algorithm>

namespace molvera {

BookModel::BookModel(BookStore *store, QObject *parent)
    : BookModel(QList{store}, parent)
{}

BookModel::BookModel(const QList<BookStore *> &stores, QObject *parent)
    : QAbstractTableModel(parent)
    , m_bottlesOf(stores.size())
{
    for (int at = 0; at < stores.size(); ++at) {
        m_stores.append(stores[at]);
        // Only the book that changed is read again: a lab book's 10,000 bottles come over the
        // network.
        const auto reloadThis = [this, at] {
            beginResetModel();
            reloadStore(at);
            gather();
            endResetModel();
        };
        connect(stores[at], &BookStore::bottlesChanged, this, reloadThis);
        // A book that opens sends its bottles first; one that is lost, or closed, takes its
        // bottles and the Book column away.
        connect(stores[at], &BookStore::statusChanged, this,
                [reloadThis](const BookStatus &status) {
                    if (!status.canRead())
                        reloadThis();
                });
    }
    reload();
}

int BookModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BookModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    // The Book column says which book a bottle is in where there is more than one to read.
    const auto readable =
        std::count_if(m_stores.begin(), m_stores.end(), [](const QPointer<BookStore> &store) {
            return store && store->status().canRead();
        });
    return readable > 1 ? Book + 1 : ColumnCount;
}

QVariant BookModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Bottle &bottle = bottleAt(index.row());
    if (role == BottleIdRole)
        return bottle.id;
    if (role == StoreRole)
        return m_storeOf[m_rows[index.row()]];
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
    case Book:
        return storeAt(index.row()) ? storeAt(index.row())->title() : QString();
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
    case Book:
        //: Which book the bottle is in: the lab's or the user's own.
        return tr("Book");
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

const Bottle &BookModel::bottleAt(int row) const
{
    return m_bottles[m_rows[row]];
}

BookStore *BookModel::storeAt(int row) const
{
    return m_stores[m_storeOf[m_rows[row]]];
}

void BookModel::reload()
{
    beginResetModel();
    for (int at = 0; at < m_stores.size(); ++at)
        reloadStore(at);
    gather();
    endResetModel();
}

void BookModel::reloadStore(int store)
{
    m_bottlesOf[store] = m_stores[store] ? m_stores[store]->bottles() : QList<Bottle>();
}

void BookModel::gather()
{
    m_bottles.clear();
    m_storeOf.clear();
    for (int at = 0; at < m_bottlesOf.size(); ++at) {
        m_bottles.append(m_bottlesOf[at]);
        m_storeOf.append(QList<int>(m_bottlesOf[at].size(), at));
    }
    m_search = BookSearch(m_bottles);
    m_rows = m_search.find(m_typed);
}

} // namespace molvera
