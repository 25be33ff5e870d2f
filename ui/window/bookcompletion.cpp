#include "bookcompletion.h"

#include <book/bookmodel.h>
#include <book/bottletexts.h>

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QCoreApplication>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Letters typed before bottles are offered: one letter matches half the book.
constexpr int LettersToOffer = 2;

// The book's rows as the popup lists them: name, formula and strength on one line.
class OfferedBottles : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || index.column() != BookModel::Name)
            return QIdentityProxyModel::data(index, role);
        const auto *book = static_cast<const BookModel *>(sourceModel());
        const Bottle &bottle = book->bottleAt(mapToSource(index).row());
        QStringList parts{QIdentityProxyModel::data(index, role).toString()};
        if (!bottle.formula.isEmpty())
            parts.append(bottle.formula);
        parts.append(strengthText(bottle));
        return parts.join(u"  \u00B7  "_s);
    }
};

} // namespace

BookCompletion::BookCompletion(QLineEdit *box, BookModel *model)
    : QObject(box)
    , m_box(box)
    , m_model(model)
{
    connect(box, &QLineEdit::textEdited, this, &BookCompletion::offer);
}

// Made when bottles are first offered: most sessions never type two letters of one, and the
// window's start does not wait for the list.
QCompleter *BookCompletion::completer()
{
    if (m_completer)
        return m_completer;
    m_completer = new QCompleter(this);
    auto *offers = new OfferedBottles(m_completer);
    offers->setSourceModel(m_model);
    m_completer->setModel(offers);
    // The book orders its matches itself; the completer shows them all as they come.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCompletionColumn(BookModel::Name);
    m_completer->setMaxVisibleItems(8);
    m_completer->setWidget(m_box);
    m_completer->popup()->setObjectName(m_box->objectName() + u"Bottles"_s);
    //: What screen readers call the list of bottles offered under a box as one types.
    m_completer->popup()->setAccessibleName(tr("Bottles of the reagent book"));
    m_completer->popup()->installEventFilter(this);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            &BookCompletion::pick);
    return m_completer;
}

void BookCompletion::pick(const QModelIndex &offered)
{
    // The popup's rows are the completer's own model's, over the offers, over the book's.
    const auto *offers = static_cast<const QIdentityProxyModel *>(m_completer->model());
    QModelIndex row = offered;
    if (row.model() == m_completer->completionModel())
        row = static_cast<const QAbstractProxyModel *>(m_completer->completionModel())
                  ->mapToSource(row);
    if (row.model() == offers)
        row = offers->mapToSource(row);
    if (row.isValid() && row.model() == m_model)
        Q_EMIT bottlePicked(m_model->bottleAt(row.row()));
}

void BookCompletion::offer(const QString &typed)
{
    const bool enough = typed.trimmed().size() >= LettersToOffer;
    if (enough)
        m_model->setSearchText(typed);
    if (!enough || m_model->rowCount() == 0) {
        if (m_completer)
            m_completer->popup()->hide();
        return;
    }
    // Wider than the box, so that a bottle's name, formula and strength read whole.
    QRect under = m_box->rect();
    under.setWidth(std::max(under.width(), m_box->fontMetrics().averageCharWidth() * 60));
    completer()->complete(under);
    // Nothing is picked until the user picks it: the completer would make the best match current,
    // and Enter would take it.
    m_completer->popup()->setCurrentIndex({});
}

bool BookCompletion::eventFilter(QObject *watched, QEvent *event)
{
    // Enter is decided here, before the completer hands it to the box: with a bottle picked it
    // takes that bottle and nothing else; with none it is the box's own Enter, which the
    // completer would only close its list with.
    if (watched == m_completer->popup() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const QModelIndex current = m_completer->popup()->currentIndex();
            m_completer->popup()->hide();
            if (current.isValid()) {
                pick(current);
            } else {
                QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(m_box, &again);
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace molvera
