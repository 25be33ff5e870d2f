#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QLineEdit;
class QWidget;

namespace molvera {

class BookStore;
class BookWindow;
class CalculatorPage;
struct Bottle;

// The main window's reagent book: the user's book of bottles, opened once the window has painted
// so that start-up never waits for it; the bottles offered under the formula and name boxes as
// the user types; its window (Ctrl+B); and the page's stock saved as a bottle. A bottle picked or
// used goes onto the page shown.
class ReagentBook : public QObject
{
    Q_OBJECT

public:
    ReagentBook(QLineEdit *formula, QLineEdit *name, std::function<CalculatorPage *()> shownPage,
                QWidget *window);
    ~ReagentBook() override;

    // Opens the book in the user's data folder, and asks the lab book's server off the window's
    // thread, if there is a lab book: a book that cannot be opened or reached is said in its
    // window, and the program calculates as always.
    void open();
    BookStore *store() const { return m_store; }
    BookStore *labStore() const { return m_lab; }

    // The lab book's connection string or URI: MOLVERA_LAB_BOOK where it is set, else the one the
    // book window's settings keep; empty for none.
    static QString labConnection();
    // Keeps a lab book's connection string for the next start and connects to it now; empty
    // forgets it. A string with a password in it is not kept: the message says where the
    // password goes instead. Gives the message, or empty when it was taken.
    QString setLabConnection(const QString &connection);
    BookWindow *window() const;

    // The entries the formula box's context menu offers: the book's window, and Save Stock.
    QList<QAction *> menuActions() const { return {m_showAction, m_saveAction}; }

    void showWindow();
    // Makes a bottle of the shown page's stock, asking only for what it lacks.
    void saveStock();

private:
    void use(const Bottle &bottle);

    std::function<CalculatorPage *()> m_shownPage;
    QWidget *m_mainWindow;
    BookStore *m_store;
    BookStore *m_lab;
    QPointer<BookWindow> m_window;
    QAction *m_showAction;
    QAction *m_saveAction;
};

} // namespace molvera
