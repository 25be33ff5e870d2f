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
//
// A model of several books (the lab book and the user's own) shows all their bottles in one
// table and one search, each marked with its book: the Book column (the book's title()) and
// StoreRole. To copy a bottle to another book: target->copyIn(model.bottleAt(row)).
class BookModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Book is there only where the model has more than one book to read.
    enum Column { Name, Formula, Strength, SpecificGravity, ImpliedMolarity, Cas, Location, Book };
    static constexpr int ColumnCount = Location + 1; // of a model of one book
    enum Role {
        BottleIdRole = Qt::UserRole, // the bottle's id in its book
        SortRole,                    // numbers as numbers, texts as shown
        StoreRole,                   // the place of the bottle's book in the stores given
    };

    explicit BookModel(BookStore *store, QObject *parent = nullptr);
    explicit BookModel(const QList<BookStore *> &stores, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The rows become the bottles that match, best first (BookSearch); all bottles, by name, for
    // a blank text.
    void setSearchText(const QString &typed);

    const Bottle &bottleAt(int row) const;
    BookStore *storeAt(int row) const;

    // Reads the bottles from the stores again.
    void reload();

private:
    void reloadStore(int store);
    void gather();

    QList<QPointer<BookStore>> m_stores;
    QList<QList<Bottle>> m_bottlesOf; // per store
    QList<Bottle> m_bottles;          // every store's, one after the other
    QList<int> m_storeOf;             // per bottle in m_bottles
    BookSearch m_search;
    QList<int> m_rows; // places in m_bottles, in the order shown
    QString m_typed;
};

} // namespace molvera
