#include "elementsearch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <array>

namespace molvera {

namespace {

// The items that `typed` matches, best first: symbol in full, symbol begun, name begun.
QList<int> matches(const QComboBox *list, QStringView typed)
{
    struct Test
    {
        int role;
        bool whole;
    };
    constexpr std::array<Test, 3> Tests{{{ElementSearch::SymbolRole, true},
                                         {ElementSearch::SymbolRole, false},
                                         {ElementSearch::NameRole, false}}};
    QList<int> found;
    for (const Test &test : Tests) {
        for (int index = 0; index < list->count(); ++index) {
            const QString data = list->itemData(index, test.role).toString();
            const bool match = test.whole ? data.compare(typed, Qt::CaseInsensitive) == 0
                                          : data.startsWith(typed, Qt::CaseInsensitive);
            if (match && !found.contains(index))
                found.append(index);
        }
    }
    return found;
}

} // namespace

ElementSearch::ElementSearch(QComboBox *list)
    : QObject(list)
    , m_list(list)
{
    list->installEventFilter(this);
}

int ElementSearch::match(const QComboBox *list, const QString &typed, int current)
{
    const QList<int> whole = matches(list, typed);
    if (!whole.isEmpty() || typed.size() < 2 || typed.count(typed.front()) != typed.size())
        return whole.value(0, -1);
    // The same letter again: the next of its matches.
    const QList<int> single = matches(list, typed.left(1));
    if (single.isEmpty())
        return -1;
    return single.value((single.indexOf(current) + 1) % single.size(), -1);
}

bool ElementSearch::eventFilter(QObject *watched, QEvent *event)
{
    // The drop-down list is made when first opened, not with every list of the window; it is
    // watched from then on, after the combo box's own filter, so that this one sees keys first.
    if (event->type() == QEvent::ChildPolished && watched == m_list && !m_viewWatched) {
        m_viewWatched = true;
        m_list->view()->installEventFilter(this);
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.front().isLetter() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return QObject::eventFilter(watched, event);

    if (!m_sinceKey.isValid() || m_sinceKey.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceKey.start();
    m_typed += text;

    QAbstractItemView *view = m_list->view();
    const bool inPopup = watched == view;
    const int current = inPopup ? view->currentIndex().row() : m_list->currentIndex();
    const int found = match(m_list, m_typed, current);
    if (found >= 0 && found != current) {
        if (inPopup) {
            view->setCurrentIndex(
                m_list->model()->index(found, m_list->modelColumn(), m_list->rootModelIndex()));
        } else {
            m_list->setCurrentIndex(found);
            // As the list's own search does: typing a choice is choosing.
            Q_EMIT m_list->activated(found);
        }
    }
    return true;
}

} // namespace molvera
