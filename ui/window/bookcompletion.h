#pragma once

#include <QObject>

class QCompleter;
class QModelIndex;
class QLineEdit;

namespace molvera {

class BookModel;
struct Bottle;

// Offers the reagent book's bottles under a header box as the user types: those whose name,
// formula or CAS number hold what was typed, best first, through Qt's own QCompleter. Down, Up
// and Enter or a click pick one; nothing is filled until a bottle is picked, and Enter with none
// picked is the box's own Enter (the formula box fills the rows with it).
class BookCompletion : public QObject
{
    Q_OBJECT

public:
    BookCompletion(QLineEdit *box, BookModel *model);

Q_SIGNALS:
    void bottlePicked(const Bottle &bottle);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCompleter *completer();
    void offer(const QString &typed);
    // Takes the bottle of a row of the popup.
    void pick(const QModelIndex &offered);

    QLineEdit *m_box;
    BookModel *m_model;
    QCompleter *m_completer = nullptr;
};

} // namespace molvera
