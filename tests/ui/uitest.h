#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QComboBox;
class QMessageBox;

namespace molvera {
class MainWindow;
}

namespace uitest {

// The program's set-up (fonts, control library), once per test program.
void setUpProgram();

// A shown and active main window, as the user meets it at start.
std::unique_ptr<molvera::MainWindow> startWindow();

// The child `name` of `root`, of type T, or nullptr.
template<typename T> T *find(const QWidget *root, const QString &name)
{
    return root->findChild<T *>(name);
}

// Chooses the item `text` in the combo box's list with the mouse, as the user does.
bool chooseItem(QComboBox *combo, const QString &text);

// The open message box named `objectName` (InputErrorBox, PrintFailureBox), or nullptr.
QMessageBox *openMessageBox(const QWidget *window, const QString &objectName);
// Closes it with its OK button and lets it go.
void acknowledge(QMessageBox *box);

// Presses Alt+key where the focus is, as the user does; a button's access key clicks it after a
// short animation, which this waits for.
void pressAccessKey(Qt::Key key);

// Runs deferred deletions, so that windows closed with WA_DeleteOnClose are gone.
void flushDeletes();

} // namespace uitest
