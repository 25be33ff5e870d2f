#pragma once

#include "booksearch.h"
#include "bottle.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace molvera {

class BookStore;

// The book's bottles as a table, narrowed and ordered by what was typed into a search: the book
// window's table and the pages' completers each keep one. A completer takes it with
// QCompleter::UnfilteredPopupCompletion and the Name column, and its page hands the typed text
// to setSearchText(). The model follows the store's changes.
class BookModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Formula, Strength, SpecificGravity, ImpliedMolarity, Cas, Location };
    static constexpr int ColumnCount = Location + 1;
    enum Role {
        BottleIdRole = Qt::UserRole, // the bottle's id in the book
        SortRole,                    // numbers as numbers, texts as shown
    };

    explicit BookModel(BookStore *store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The rows become the bottles that match, best first (BookSearch); all bottles, by name, for
    // a blank text.
    void setSearchText(const QString &typed);
    QString searchText() const;

    const Bottle &bottleAt(int row) const;

    // Reads the bottles from the store again.
    void reload();

private:
    QPointer<BookStore> m_store;
    QList<Bottle> m_bottles;
    BookSearch m_search;
    QList<int> m_rows; // places in m_bottles, in the order shown
    QString m_typed;
};

} // namespace molvera
