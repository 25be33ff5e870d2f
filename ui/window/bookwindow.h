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

// The reagent book's window (frmBook): the lab's bottles in a table narrowed by a search, with
// Add, Edit, Duplicate, Delete (asked once, and undone until the window closes), Use on This
// Page, Save Stock to Book, Restore Starter Bottles, Import and Export. A line over the table says
// what is wrong with the book's file, or that it can only be read; the buttons that change the
// book are disabled then.
class BookWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BookWindow(BookStore *store, QWidget *parent = nullptr);
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
    void openDialog(const Bottle &bottle);
    void saveFromDialog(BottleDialog *dialog);
    void tell(const QString &objectName, const QString &text, const QString &details = {});

    BookStore *m_store;
    BookModel *m_model;
    QLineEdit *m_search;
    QLabel *m_status;
    QTableView *m_table;
    QList<QPushButton *> m_changers; // the buttons that change the book
    QPushButton *m_use = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_duplicate = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_undo = nullptr;
    QList<Bottle> m_deleted; // undone in the reverse order, until the window closes
};

} // namespace molvera
