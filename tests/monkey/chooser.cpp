#include "chooser.h"

#include "texts.h"
#include "widgetpath.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QTabBar>
#include <QToolButton>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

template<typename T> QList<T *> visibleIn(const QWidget *window)
{
    QList<T *> found;
    for (T *widget : window->findChildren<T *>()) {
        if (widget->isVisible() && widget->window() == window)
            found.append(widget);
    }
    return found;
}

bool captionIs(const QAbstractButton *button, QStringView caption)
{
    return QString(button->text()).remove(u'&') == caption;
}

// The letters after '&' in the window's captions: every access key of the window.
QList<QChar> accessKeys(const QWidget *window)
{
    QStringList captions;
    for (const QAbstractButton *button : visibleIn<QAbstractButton>(window))
        captions.append(button->text());
    for (const QLabel *label : visibleIn<QLabel>(window))
        captions.append(label->text());
    for (const QTabBar *tabs : visibleIn<QTabBar>(window)) {
        for (int i = 0; i < tabs->count(); ++i)
            captions.append(tabs->tabText(i));
    }
    QList<QChar> keys;
    for (const QString &caption : std::as_const(captions)) {
        const qsizetype amp = caption.indexOf(u'&');
        if (amp >= 0 && amp + 1 < caption.size() && caption[amp + 1] != u'&')
            keys.append(caption[amp + 1].toUpper());
    }
    return keys;
}

struct KeyChoice
{
    int key;
    Qt::KeyboardModifiers modifiers;
};

// clang-format off
constexpr KeyChoice Keys[] = {
    {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Escape, {}}, {Qt::Key_Return, {}},
    {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Up, {}}, {Qt::Key_Down, {}}, {Qt::Key_Left, {}},
    {Qt::Key_Right, {}}, {Qt::Key_Home, {}}, {Qt::Key_End, {}}, {Qt::Key_PageUp, {}},
    {Qt::Key_PageDown, {}}, {Qt::Key_Space, {}}, {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}},
    {Qt::Key_F4, {}}, {Qt::Key_Down, Qt::AltModifier}, {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_Tab, Qt::ControlModifier}, {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_PageDown, Qt::ControlModifier}, {Qt::Key_PageUp, Qt::ControlModifier},
    {Qt::Key_P, Qt::ControlModifier}, {Qt::Key_S, Qt::ControlModifier},
};
// clang-format on

} // namespace

Chooser::Chooser(quint64 seed)
    : m_random(seed)
{}

bool Chooser::rarely(int percentKept)
{
    return int(m_random.bounded(100)) >= percentKept;
}

Action Chooser::next(QWidget *mainWindow)
{
    Action action;
    QWidget *about = windowByRole(u"about", mainWindow);
    if (QWidget *popup = QApplication::activePopupWidget())
        action = forPopup(mainWindow, popup);
    else if (QWidget *modal = QApplication::activeModalWidget())
        action = forModal(mainWindow, modal);
    else if (about && (!mainWindow->isVisible() || m_random.bounded(3) == 0))
        action = forAbout(mainWindow, about);
    else
        action = forWindow(mainWindow, mainWindow);
    action.answer = m_random.bounded(4);
    return action;
}

Action Chooser::clickOn(QWidget *mainWindow, QWidget *widget, ActionKind kind)
{
    Action action;
    action.kind = kind;
    action.target = pathOf(widget, mainWindow);
    action.at = {int(m_random.bounded(qMax(1, widget->width()))),
                 int(m_random.bounded(qMax(1, widget->height())))};
    if (const auto *tabs = qobject_cast<QTabBar *>(widget); tabs && tabs->count() > 0)
        action.at = tabs->tabRect(m_random.bounded(tabs->count())).center();
    return action;
}

Action Chooser::textInto(QWidget *mainWindow, QWidget *box)
{
    Action action = clickOn(mainWindow, box);
    action.at = {qMin(4, box->width() - 1), box->height() / 2};
    const int route = m_random.bounded(10);
    action.kind = route < 6 ? ActionKind::Type : route < 8 ? ActionKind::Commit : ActionKind::Paste;
    const RandomText text = randomText(m_random, action.kind != ActionKind::Type);
    // Typing over a selection (Ctrl+A first) or into the text where it was clicked.
    const bool replace = action.kind == ActionKind::Type && m_random.bounded(2) == 0;
    action.text = replace ? u"\u0001"_s + text.text : text.text;
    action.repeat = text.repeat;
    return action;
}

Action Chooser::randomKey(QWidget *window)
{
    Action action;
    action.kind = ActionKind::Key;
    const QList<QChar> access = accessKeys(window);
    if (!access.isEmpty() && m_random.bounded(3) == 0) {
        action.key = access[m_random.bounded(int(access.size()))].unicode();
        action.modifiers = Qt::AltModifier;
    } else {
        const KeyChoice &choice = Keys[m_random.bounded(int(std::size(Keys)))];
        action.key = choice.key;
        action.modifiers = choice.modifiers;
    }
    // Alt+X is Exit; Ctrl+P and Alt+P print.
    const bool exits = action.key == Qt::Key_X && action.modifiers == Qt::AltModifier;
    const bool prints = action.key == Qt::Key_P;
    if ((exits || prints) && rarely(15))
        return randomKey(window);
    return action;
}

Action Chooser::forWindow(QWidget *mainWindow, QWidget *window)
{
    const int roll = m_random.bounded(100);
    QList<QWidget *> buttons;
    for (QAbstractButton *button : visibleIn<QAbstractButton>(window)) {
        if ((captionIs(button, u"Exit") || captionIs(button, u"Print")) && rarely(15))
            continue;
        buttons.append(button);
    }
    QList<QWidget *> clickable = buttons;
    for (QComboBox *combo : visibleIn<QComboBox>(window))
        clickable.append(combo);
    for (QLineEdit *box : visibleIn<QLineEdit>(window))
        clickable.append(box);
    for (QTabBar *tabs : visibleIn<QTabBar>(window))
        clickable += {tabs, tabs, tabs};
    const QList<QLabel *> labels = visibleIn<QLabel>(window);
    if (!labels.isEmpty())
        clickable.append(labels[m_random.bounded(int(labels.size()))]);
    const QList<QLineEdit *> boxes = visibleIn<QLineEdit>(window);

    if (clickable.isEmpty() || boxes.isEmpty()) {
        Action action;
        action.kind = ActionKind::Key;
        action.key = Qt::Key_Tab;
        return action;
    }
    if (roll < 15 && !buttons.isEmpty())
        return clickOn(mainWindow, buttons[m_random.bounded(int(buttons.size()))]);
    if (roll < 30)
        return clickOn(mainWindow, clickable[m_random.bounded(int(clickable.size()))]);
    if (roll < 34) {
        QList<QWidget *> menuOwners(boxes.begin(), boxes.end());
        for (QAbstractButton *button : visibleIn<QAbstractButton>(window)) {
            if (captionIs(button, u"Print"))
                menuOwners += {button, button, button};
        }
        return clickOn(mainWindow, menuOwners[m_random.bounded(int(menuOwners.size()))],
                       ActionKind::RightClick);
    }
    if (roll < 56)
        return textInto(mainWindow, boxes[m_random.bounded(int(boxes.size()))]);
    if (roll < 80)
        return randomKey(window);
    if (roll < 90) {
        Action action = clickOn(mainWindow, clickable[m_random.bounded(int(clickable.size()))],
                                ActionKind::Wheel);
        action.delta = m_random.bounded(2) ? 120 : -120;
        return action;
    }
    if (roll < 95) {
        const QList<QComboBox *> combos = visibleIn<QComboBox>(window);
        if (!combos.isEmpty()) {
            // The arrow at the right end opens the list.
            QComboBox *combo = combos[m_random.bounded(int(combos.size()))];
            Action action = clickOn(mainWindow, combo);
            action.at = {combo->width() - 4, combo->height() / 2};
            return action;
        }
    }
    if (roll < 97) {
        for (QAbstractButton *button : visibleIn<QAbstractButton>(window)) {
            if (captionIs(button, u"About"))
                return clickOn(mainWindow, button);
        }
    }
    if (roll == 97 && rarely(30)) {
        Action action;
        action.kind = ActionKind::Close;
        action.target = pathOf(window, mainWindow);
        return action;
    }
    return clickOn(mainWindow, boxes[m_random.bounded(int(boxes.size()))], ActionKind::DoubleClick);
}

Action Chooser::forPopup(QWidget *mainWindow, QWidget *popup)
{
    const int roll = m_random.bounded(100);
    if (roll < 55) {
        if (auto *menu = qobject_cast<QMenu *>(popup)) {
            QList<QAction *> items;
            for (QAction *item : menu->actions()) {
                if (!item->isSeparator() && item->isVisible())
                    items.append(item);
            }
            if (!items.isEmpty()) {
                Action action = clickOn(mainWindow, menu);
                action.at =
                    menu->actionGeometry(items[m_random.bounded(int(items.size()))]).center();
                return action;
            }
        }
        if (const QList<QAbstractItemView *> views = visibleIn<QAbstractItemView>(popup);
            !views.isEmpty())
            return clickOn(mainWindow, views.front()->viewport());
        return clickOn(mainWindow, popup);
    }
    if (roll < 80) {
        static constexpr int PopupKeys[] = {Qt::Key_Up,    Qt::Key_Down, Qt::Key_PageDown,
                                            Qt::Key_Home,  Qt::Key_End,  Qt::Key_Return,
                                            Qt::Key_Escape};
        Action action;
        action.kind = ActionKind::Key;
        action.key = PopupKeys[m_random.bounded(int(std::size(PopupKeys)))];
        return action;
    }
    if (roll < 88) {
        Action action = clickOn(mainWindow, popup, ActionKind::Wheel);
        action.delta = m_random.bounded(2) ? 120 : -120;
        return action;
    }
    // A click elsewhere closes the popup. The window's close button cannot be reached while a
    // popup holds the pointer.
    Action action = forWindow(mainWindow, mainWindow);
    if (action.kind == ActionKind::Close) {
        action.kind = ActionKind::Key;
        action.key = Qt::Key_Escape;
    }
    return action;
}

Action Chooser::forModal(QWidget *mainWindow, QWidget *modal)
{
    const int roll = m_random.bounded(100);
    if (roll < 8) // a stray action at the window behind, which the box blocks
        return forWindow(mainWindow, mainWindow);
    Action action;
    action.kind = ActionKind::Key;
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        // Only a typed path and the answers: the dialog's own navigation could leave the scratch
        // folder, and a path typed into the dialog is how a user names the file anyway.
        auto *nameBox = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
        if (roll < 40 && nameBox && nameBox->isVisible()) {
            static constexpr QStringView Names[] = {u"sheet.pdf",
                                                    u"sheet",
                                                    u"two words.pdf",
                                                    u"Серная кислота.pdf",
                                                    u"missing/sheet.pdf",
                                                    u"sheet.PDF",
                                                    u""};
            action = clickOn(mainWindow, nameBox);
            action.kind = ActionKind::Type;
            action.at = {4, nameBox->height() / 2};
            // Ctrl+A first: the typed path replaces the name the dialog offers.
            action.text =
                u"\u0001"_s + SheetsFolder + u'/' + Names[m_random.bounded(int(std::size(Names)))];
            return action;
        }
        if (roll < 60) {
            action.key = Qt::Key_Return;
            return action;
        }
    } else if (qobject_cast<QPrintPreviewDialog *>(modal) && roll < 55) {
        const QList<QToolButton *> tools = visibleIn<QToolButton>(modal);
        if (!tools.isEmpty())
            return clickOn(mainWindow, tools[m_random.bounded(int(tools.size()))]);
    }
    if (roll < 70) {
        if (const QList<QDialogButtonBox *> boxes = visibleIn<QDialogButtonBox>(modal);
            !boxes.isEmpty() && !boxes.front()->buttons().isEmpty()) {
            const QList<QAbstractButton *> buttons = boxes.front()->buttons();
            return clickOn(mainWindow, buttons[m_random.bounded(int(buttons.size()))]);
        }
    }
    if (roll < 80)
        action.key = Qt::Key_Return;
    else if (roll < 92)
        action.key = Qt::Key_Escape;
    else {
        action.kind = ActionKind::Close;
        action.target = pathOf(modal, mainWindow);
    }
    return action;
}

Action Chooser::forAbout(QWidget *mainWindow, QWidget *about)
{
    const int roll = m_random.bounded(100);
    Action action;
    action.kind = ActionKind::Key;
    if (roll < 30) {
        if (auto *ok = about->findChild<QAbstractButton *>(u"cmdOK"_s))
            return clickOn(mainWindow, ok);
    }
    if (roll < 55) {
        const QList<QWidget *> widgets = visibleIn<QWidget>(about);
        if (!widgets.isEmpty())
            return clickOn(mainWindow, widgets[m_random.bounded(int(widgets.size()))]);
    }
    if (roll < 70) {
        action.kind = ActionKind::Close;
        action.target = pathOf(about, mainWindow);
    } else if (roll < 80) {
        action.key = Qt::Key_Escape;
    } else if (roll < 88) {
        action.key = Qt::Key_Return;
    } else {
        return randomKey(about);
    }
    return action;
}

} // namespace monkey
