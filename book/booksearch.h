#pragma once

#include "bottle.h"

#include <QList>

#include <vector>

namespace molvera {

// A text as the search compares it: case folded, accents taken off, compatibility forms made
// plain ("H₂O" is "h2o"), and a hydrate's "·" or "*" read as ".".
QString searchFold(QStringView text);

// Finds bottles from a few letters of their name as shown (in the user's language), formula or
// CAS number, case and accents ignored: "natrium", "NACL", "7647".
class BookSearch
{
public:
    BookSearch() = default;
    explicit BookSearch(const QList<Bottle> &bottles);

    // The bottles' places in the list searched, best first: the name starts with the text, then
    // a word of the name does, then the formula or the CAS number does, then the text stands
    // anywhere in them; by name within each. Every bottle, by name, for a blank text.
    QList<int> find(QStringView typed) const;

private:
    struct Entry
    {
        int index = 0;
        QString name;
        QString formula;
        QString cas; // its digits only
    };
    std::vector<Entry> m_entries; // by name
};

} // namespace molvera
