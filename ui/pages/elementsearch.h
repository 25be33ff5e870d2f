#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace molvera {

// Typing into an element list picks by chemical symbol: "S" is Sulphur, "Si" Silicon, "C"
// Carbon, "Cl" Chlorine and "Cu" Copper, where the list's own search would take the first text
// that starts with the letters (Silicon, Cadmium). A symbol typed in full comes first, then a
// symbol that starts with the letters, then a name; keys typed in quick succession add up, and
// one letter pressed again steps through its matches. Each item carries its symbol, which no
// translation changes, and its name in the user's language as item data, so the search is the
// same in every language. It works on the closed list and in its drop-down list alike.
class ElementSearch : public QObject
{
    Q_OBJECT

public:
    // The item data an element list's items carry.
    static constexpr int SymbolRole = Qt::UserRole;
    static constexpr int NameRole = Qt::UserRole + 1;

    explicit ElementSearch(QComboBox *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The item that `typed` picks, searching from after `current` when one letter is repeated;
    // -1 if none.
    static int match(const QComboBox *list, const QString &typed, int current);

    QComboBox *m_list;
    QString m_typed;
    QElapsedTimer m_sinceKey;
    bool m_viewWatched = false;
};

} // namespace molvera
