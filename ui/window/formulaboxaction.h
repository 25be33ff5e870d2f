#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QLineEdit;

namespace molvera {

// The shared formula box's own action: filling the shown page's element rows from the formula
// typed. Enter in the box runs it, and it heads the box's context menu, where the keyboard
// (the menu key, Shift+F10) and screen readers find it too; the box's text is left as it is.
class FormulaBoxAction : public QObject
{
    Q_OBJECT

public:
    // `available` says whether the page shown has element rows to fill now; without them Enter
    // does nothing and the menu shows the entry disabled.
    FormulaBoxAction(QLineEdit *formulaBox, std::function<bool()> available);

    // Further entries of the box's own, after the action.
    void addMenuActions(const QList<QAction *> &actions);

Q_SIGNALS:
    void triggered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &globalPos);

    QLineEdit *m_box;
    QAction *m_action;
    QList<QAction *> m_more;
    std::function<bool()> m_available;
};

} // namespace molvera
