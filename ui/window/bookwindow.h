#pragma once

#include <book/bottle.h>

#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace molvera {

class BookModel;
class BookStore;
class BottleDialog;
class ReagentBook;

// The reagent book's window (frmBook): the bottles of the user's book, and of the lab book where
// there is one (marked with their book), in a table narrowed by a search, with Add, Edit,
// Duplicate, Delete (asked once, and undone until the window closes), Copy to the other book, Use
// on This Page, Save Stock to Book, Restore Starter Bottles, Import and Export. A line over the
// table says what is wrong with the book's file, or that it can only be read, and one what came
// of the lab book; the lab book's connection string is set under the table. A book that cannot
// be changed keeps its bottles' changing buttons disabled.
class BookWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BookWindow(ReagentBook *book, QWidget *parent = nullptr);
    ~BookWindow() override;

    // Selects the bottle with this id, if the table shows it.
    void select(qint64 id);
    // Adds a new bottle, asking in its dialog for whatever it lacks or has wrong.
    void saveNew(const Bottle &bottle);

Q_SIGNALS:
    // Use on This Page: the main window puts the bottle on the page shown.
    void useRequested(const Bottle &bottle);
    // Save Stock to Book: the main window makes a bottle of the shown page's stock.
    void saveStockRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *addButton(const QString &objectName, const QString &caption);
    const Bottle *selected() const;
    // The book of the bottle selected, and the other book it can be copied to.
    BookStore *selectedStore() const;
    BookStore *otherStore(const BookStore *store) const;
    void copySelected();
    void connectLab();
    void updateState();
    void useSelected();
    void addBottle();
    void editSelected();
    void duplicateSelected();
    void deleteSelected();
    void undoDelete();
    void restoreStarters();
    void importFile();
    void exportFile();
    // Opens the bottle's dialog; OK saves it (added when it has no id yet).
    // The bottle's own book, or the user's for a new one.
    void openDialog(const Bottle &bottle, BookStore *store = nullptr);
    BottleDialog *makeDialog(const Bottle &bottle, BookStore *store);
    void saveFromDialog(BottleDialog *dialog, BookStore *store);
    void tell(const QString &objectName, const QString &text, const QString &details = {});

    ReagentBook *m_book;
    BookStore *m_store; // the user's own
    BookStore *m_lab;
    BookModel *m_model;
    QLineEdit *m_search;
    QLabel *m_status;
    QLabel *m_labStatus;
    QLineEdit *m_labConnection;
    QTableView *m_table;
    QList<QPushButton *> m_changers; // the buttons that change the book
    QPushButton *m_use = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_duplicate = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_copy = nullptr;
    struct Deleted
    {
        BookStore *store;
        Bottle bottle;
    };
    QList<Deleted> m_deleted; // undone in the reverse order, until the window closes
};

} // namespace molvera
