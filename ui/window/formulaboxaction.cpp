#include "formulaboxaction.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QStyleHints>

namespace molvera {

using namespace Qt::StringLiterals;

FormulaBoxAction::FormulaBoxAction(QLineEdit *formulaBox, std::function<bool()> available)
    : QObject(formulaBox)
    , m_box(formulaBox)
    , m_action(new QAction(this))
    , m_available(std::move(available))
{
    m_action->setObjectName(u"mnuFillRows"_s);
    // The key named beside the entry as Qt names the box's own keys (Undo, Copy ...) there.
    QString text = tr("Fill &Element Rows from Formula");
    if (QGuiApplication::styleHints()->showShortcutsInContextMenus())
        text += u'\t' + QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText);
    m_action->setText(text);
    connect(m_action, &QAction::triggered, this, &FormulaBoxAction::triggered);
    connect(m_box, &QLineEdit::returnPressed, this, [this] {
        if (m_available())
            Q_EMIT triggered();
    });
    m_box->installEventFilter(this);
}

void FormulaBoxAction::addMenuActions(const QList<QAction *> &actions)
{
    m_more += actions;
}

bool FormulaBoxAction::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::ContextMenu) {
        showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FormulaBoxAction::showMenu(const QPoint &globalPos)
{
    // The box's usual menu (Undo, Cut, Copy ...), with the action first. It stays open without
    // blocking, like any popup, and goes when closed.
    QMenu *menu = m_box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_action->setEnabled(m_available());
    QAction *first = menu->actions().value(0);
    menu->insertAction(first, m_action);
    menu->insertActions(first, m_more);
    menu->insertSeparator(first);
    menu->popup(globalPos);
}

} // namespace molvera
