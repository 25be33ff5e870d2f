#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QMessageBox;

namespace uitest {

// The locale every test starts in, and the one with a decimal comma that rows switch to.
QLocale english();
QLocale german();

// The program's set-up (fonts, control library), once per test program, in US English.
void setUpProgram();

// Shows `window` and waits until it is active, as a window the user has just opened.
bool showActive(QWidget *window);

// The child `name` of `root`, of type T. A missing control is a broken test, not a failed check:
// it stops the program with the name.
template<typename T = QWidget> T *control(const QWidget *root, const QString &name)
{
    T *widget = root->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// Types `value` over the box's text as the user does, leaving the focus in the box; an empty
// value deletes the text.
void typeInto(QLineEdit *box, const QString &value);
void typeInto(QComboBox *box, const QString &value);

// Chooses the item `text` in the combo box's list with the mouse, as the user does.
bool chooseItem(QComboBox *combo, const QString &text);

// The open message boxes named `objectName` (InputErrorBox, PrintFailureBox), or the first of
// them, or nullptr.
QList<QMessageBox *> openMessageBoxes(const QWidget *window, const QString &objectName);
QMessageBox *openMessageBox(const QWidget *window, const QString &objectName);
// Closes it with its OK button and lets it go.
void acknowledge(QMessageBox *box);

// Presses Alt+key where the focus is, as the user does; a button's access key clicks it after a
// short animation, which this waits for.
void pressAccessKey(Qt::Key key);

// Runs deferred deletions, so that windows closed with WA_DeleteOnClose are gone.
void flushDeletes();

} // namespace uitest
