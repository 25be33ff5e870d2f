#include "bookwindow.h"

#include "bottledialog.h"
#include "reagentbook.h"

#include <book/bookmodel.h>
#include <book/bookstore.h>
#include <book/bottletexts.h>
#include <book/labaddress.h>
#include <book/starterbottles.h>

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Where import and export look first.
QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

BookWindow::BookWindow(ReagentBook *book, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_book(book)
    , m_store(book->store())
    , m_lab(book->labStore())
    , m_model(new BookModel(QList{m_store, m_lab}, this))
    , m_search(new QLineEdit(this))
    , m_status(new QLabel(this))
    , m_labStatus(new QLabel(this))
    , m_labConnection(new QLineEdit(this))
    , m_table(new QTableView(this))
{
    setObjectName(u"frmBook"_s);
    //: The title of the reagent book's window.
    setWindowTitle(tr("Reagent Book"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *searchLabel = new QLabel(tr("Searc&h:"), this);
    searchLabel->setBuddy(m_search);
    m_search->setObjectName(u"txtBookSearch"_s);
    m_search->setClearButtonEnabled(true);
    //: Shown in the empty search box of the reagent book's window.
    m_search->setPlaceholderText(tr("A few letters of a name, a formula or a CAS number"));
    connect(m_search, &QLineEdit::textChanged, m_model, &BookModel::setSearchText);
    m_search->installEventFilter(this);

    m_status->setObjectName(u"lblBookStatus"_s);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_labStatus->setObjectName(u"lblLabStatus"_s);
    m_labStatus->setWordWrap(true);
    m_labStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_table->setObjectName(u"grdBook"_s);
    //: What screen readers call the reagent book's table of bottles.
    m_table->setAccessibleName(tr("Bottles"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->installEventFilter(this);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &BookWindow::useSelected);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);

    auto *buttons = new QGridLayout;
    m_use = addButton(u"cmdBookUse"_s, tr("&Use on This Page"));
    auto *add = addButton(u"cmdBookAdd"_s, tr("&Add…"));
    m_edit = addButton(u"cmdBookEdit"_s, tr("&Edit…"));
    m_duplicate = addButton(u"cmdBookDuplicate"_s, tr("Du&plicate…"));
    m_delete = addButton(u"cmdBookDelete"_s, tr("&Delete"));
    m_undo = addButton(u"cmdBookUndo"_s, tr("U&ndo Delete"));
    auto *saveStock = addButton(u"cmdBookSaveStock"_s, tr("Save &Stock to Book…"));
    auto *restore = addButton(u"cmdBookRestore"_s, tr("&Restore Starter Bottles"));
    auto *import = addButton(u"cmdBookImport"_s, tr("&Import…"));
    auto *exportButton = addButton(u"cmdBookExport"_s, tr("E&xport…"));
    m_copy = addButton(u"cmdBookCopy"_s, tr("C&opy to Lab Book"));
    auto *close = addButton(u"cmdBookClose"_s, tr("&Close"));
    const QList<QPushButton *> order{m_use,  add,       m_edit,  m_duplicate, m_delete,     m_undo,
                                     m_copy, saveStock, restore, import,      exportButton, close};
    for (qsizetype index = 0; index < order.size(); ++index)
        buttons->addWidget(order[index], int(index / 6), int(index % 6));
    m_changers = {add, saveStock, restore, import};
    connect(m_copy, &QPushButton::clicked, this, &BookWindow::copySelected);

    // The lab book: a connection string or URI, never with a password.
    auto *labLabel = new QLabel(tr("&Lab book:"), this);
    labLabel->setBuddy(m_labConnection);
    m_labConnection->setObjectName(u"txtLabBook"_s);
    //: Shown in the empty lab book box. Keep host=, dbname= and postgresql:// as they are.
    m_labConnection->setPlaceholderText(
        tr("host=… dbname=…, or postgresql://…; empty for no lab book"));
    m_labConnection->setText(maskedConnection(ReagentBook::labConnection()));
    auto *labConnect = addButton(u"cmdLabConnect"_s, tr("Co&nnect"));
    connect(labConnect, &QPushButton::clicked, this, &BookWindow::connectLab);
    connect(m_labConnection, &QLineEdit::returnPressed, this, &BookWindow::connectLab);
    // The environment's lab book is the one in force: it is shown, not set here.
    const bool fromEnvironment = !BookStore::environmentLabBook().isEmpty();
    m_labConnection->setReadOnly(fromEnvironment);
    labConnect->setEnabled(!fromEnvironment);
    if (fromEnvironment)
        //: The lab book comes from the environment variable; keep MOLVERA_LAB_BOOK as it is.
        m_labConnection->setToolTip(tr("Set by MOLVERA_LAB_BOOK"));
    auto *labRow = new QHBoxLayout;
    labRow->addWidget(labLabel);
    labRow->addWidget(m_labConnection, 1);
    labRow->addWidget(labConnect);
    connect(m_lab, &BookStore::statusChanged, this, &BookWindow::updateState);

    connect(m_use, &QPushButton::clicked, this, &BookWindow::useSelected);
    connect(add, &QPushButton::clicked, this, &BookWindow::addBottle);
    connect(m_edit, &QPushButton::clicked, this, &BookWindow::editSelected);
    connect(m_duplicate, &QPushButton::clicked, this, &BookWindow::duplicateSelected);
    connect(m_delete, &QPushButton::clicked, this, &BookWindow::deleteSelected);
    connect(m_undo, &QPushButton::clicked, this, &BookWindow::undoDelete);
    connect(saveStock, &QPushButton::clicked, this, &BookWindow::saveStockRequested);
    connect(restore, &QPushButton::clicked, this, &BookWindow::restoreStarters);
    connect(import, &QPushButton::clicked, this, &BookWindow::importFile);
    connect(exportButton, &QPushButton::clicked, this, &BookWindow::exportFile);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_status);
    layout->addWidget(m_labStatus);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    layout->addLayout(labRow);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BookWindow::updateState);
    connect(m_model, &QAbstractItemModel::modelReset, this, &BookWindow::updateState);
    connect(m_store, &BookStore::bottlesChanged, this, &BookWindow::updateState);
    updateState();
    resize(860, 520);
    m_search->setFocus(Qt::OtherFocusReason);
}

BookWindow::~BookWindow() = default;

QPushButton *BookWindow::addButton(const QString &objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void BookWindow::select(qint64 id)
{
    m_search->clear();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->bottleAt(row).id == id) {
            m_table->selectRow(row);
            m_table->scrollTo(m_model->index(row, 0));
            m_table->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

const Bottle *BookWindow::selected() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return &m_model->bottleAt(rows.front().row());
}

BookStore *BookWindow::selectedStore() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->storeAt(rows.front().row());
}

BookStore *BookWindow::otherStore(const BookStore *store) const
{
    return store == m_store ? m_lab : m_store;
}

void BookWindow::copySelected()
{
    const Bottle *chosen = selected();
    BookStore *from = selectedStore();
    if (!chosen || !from)
        return;
    const StoreResult<Bottle> copied = otherStore(from)->copyIn(*chosen);
    if (const auto *refusal = std::get_if<StoreRefusal>(&copied))
        tell(u"BookRefusedBox"_s, refusal->message);
}

void BookWindow::connectLab()
{
    const QString typed = m_labConnection->text();
    // A masked string shown is the one in force: unchanged, it connects again as it is.
    const QString connection = typed == maskedConnection(ReagentBook::labConnection())
                                   ? ReagentBook::labConnection()
                                   : typed;
    if (const QString refused = m_book->setLabConnection(connection); !refused.isEmpty()) {
        tell(u"LabBookRefusedBox"_s, refused);
        return;
    }
    m_labConnection->setText(maskedConnection(connection.trimmed()));
    updateState();
}

void BookWindow::updateState()
{
    const BookStatus &status = m_store->status();
    QString said = status.message;
    if (said.isEmpty() && status.state == BookState::ReadOnly)
        //: %1 is the book's file. The book can be read but not changed.
        said = tr("The book %1 can only be read: its file or folder cannot be written to.")
                   .arg(status.path);
    m_status->setText(said);
    m_status->setVisible(!said.isEmpty());
    const BookStatus &lab = m_lab->status();
    QString labSaid = lab.message;
    if (lab.state == BookState::Connecting) {
        const std::optional<LabAddress> address = LabAddress::read(ReagentBook::labConnection());
        //: While the lab book's server is asked; %1 is its host.
        labSaid =
            tr("Asking the lab book's server at %1 …").arg(address ? address->where() : QString());
    }
    m_labStatus->setText(labSaid);
    m_labStatus->setVisible(!labSaid.isEmpty());

    // The user's own book takes new bottles; a bottle is changed in its own book.
    const bool writable = status.canWrite();
    for (QPushButton *button : std::as_const(m_changers))
        button->setEnabled(writable);
    const BookStore *store = selectedStore();
    const bool chosen = selected() != nullptr;
    const bool changeable = chosen && store && store->status().canWrite();
    m_use->setEnabled(chosen);
    m_edit->setEnabled(changeable);
    m_duplicate->setEnabled(writable && chosen);
    m_delete->setEnabled(changeable);
    m_undo->setEnabled(!m_deleted.isEmpty());
    const BookStore *other = store ? otherStore(store) : nullptr;
    m_copy->setEnabled(chosen && other && other->status().canWrite());
    m_copy->setText(store == m_lab ? tr("C&opy to My Book") : tr("C&opy to Lab Book"));
}

void BookWindow::useSelected()
{
    if (const Bottle *bottle = selected())
        Q_EMIT useRequested(*bottle);
}

void BookWindow::addBottle()
{
    openDialog(Bottle{});
}

void BookWindow::editSelected()
{
    if (const Bottle *bottle = selected())
        openDialog(*bottle, selectedStore());
}

void BookWindow::duplicateSelected()
{
    const Bottle *chosen = selected();
    if (!chosen)
        return;
    // A new bottle of the same reagent: it is no starter bottle, and is named apart.
    Bottle copy = *chosen;
    copy.id = 0;
    copy.rowVersion = 0;
    copy.starterKey.clear();
    //: The name of a duplicated bottle: %1 is the name of the bottle it was copied from.
    copy.name = tr("%1 (copy)").arg(shownName(*chosen));
    openDialog(copy);
}

void BookWindow::openDialog(const Bottle &bottle, BookStore *store)
{
    makeDialog(bottle, store ? store : m_store)->open();
}

// OK saves in `store`; a refusal of the book opens the dialog again with the reason.
BottleDialog *BookWindow::makeDialog(const Bottle &bottle, BookStore *store)
{
    auto *dialog = new BottleDialog(bottle, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog, store](int result) {
        if (result == QDialog::Accepted)
            saveFromDialog(dialog, store);
    });
    return dialog;
}

void BookWindow::saveFromDialog(BottleDialog *dialog, BookStore *store)
{
    const Bottle bottle = dialog->bottle();
    const StoreResult<Bottle> saved = bottle.id ? store->update(bottle) : store->add(bottle);
    if (const auto *refusal = std::get_if<StoreRefusal>(&saved)) {
        // The edits are not lost: a new dialog holds them, with the book's reason and, where
        // someone changed the bottle meanwhile, the bottle as the book now holds it.
        BottleDialog *again = makeDialog(bottle, store);
        QString said = refusal->message;
        if (refusal->current) {
            const Bottle &now = *refusal->current;
            //: After a refusal because the bottle changed: %1 its name and %2 its strength as
            //: the book now holds them.
            said += u' ' + tr("The book now holds: %1, %2.").arg(shownName(now), strengthText(now));
            // Saving again saves these edits over the version now seen.
            again->takeVersion(now.rowVersion);
        }
        again->showRefusal(said);
        again->open();
        return;
    }
    select(std::get<Bottle>(saved).id);
}

void BookWindow::saveNew(const Bottle &bottle)
{
    // Whatever is missing or wrong is asked for in the bottle's dialog, with the reasons.
    if (!checkBottle(bottle).isEmpty()) {
        openDialog(bottle);
        return;
    }
    const StoreResult<Bottle> added = m_store->add(bottle);
    if (const auto *refusal = std::get_if<StoreRefusal>(&added))
        tell(u"BookRefusedBox"_s, refusal->message);
    else
        select(std::get<Bottle>(added).id);
}

void BookWindow::deleteSelected()
{
    const Bottle *chosen = selected();
    if (!chosen)
        return;
    const Bottle bottle = *chosen;
    BookStore *store = selectedStore();
    //: %1 is the bottle's name. Undo Delete brings it back while the window is open.
    auto *box = new QMessageBox(QMessageBox::Question, tr("Delete Bottle"),
                                tr("Delete the bottle %1 from the book?").arg(shownName(bottle)),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(u"DeleteBottleBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [this, bottle, store](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        const StoreResult<Bottle> removed = store->remove(bottle);
        if (const auto *refusal = std::get_if<StoreRefusal>(&removed)) {
            tell(u"BookRefusedBox"_s, refusal->message);
            return;
        }
        m_deleted.append({store, std::get<Bottle>(removed)});
        updateState();
    });
    box->open();
}

void BookWindow::undoDelete()
{
    if (m_deleted.isEmpty())
        return;
    auto [store, bottle] = m_deleted.takeLast();
    bottle.id = 0;
    bottle.rowVersion = 0;
    const StoreResult<Bottle> added = store->add(bottle);
    if (const auto *refusal = std::get_if<StoreRefusal>(&added))
        tell(u"BookRefusedBox"_s, refusal->message);
    else
        select(std::get<Bottle>(added).id);
    updateState();
}

void BookWindow::restoreStarters()
{
    const StoreResult<int> restored = m_store->restoreStarterBottles();
    if (const auto *refusal = std::get_if<StoreRefusal>(&restored)) {
        tell(u"BookRefusedBox"_s, refusal->message);
        return;
    }
    //: %n is how many starter bottles were added back to the book.
    tell(u"BookRestoredBox"_s, tr("%n starter bottle(s) added back.", "", std::get<int>(restored)));
}

void BookWindow::importFile()
{
    //: The title of the file dialog that chooses a CSV file to import into the reagent book.
    auto *dialog = new QFileDialog(this, tr("Import Bottles"), documentsFolder());
    dialog->setObjectName(u"ImportBookDialog"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    //: Keep "(*.csv)": it is the pattern the dialog filters by.
    dialog->setNameFilter(tr("CSV files (*.csv)"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            //: %1 is the file, %2 why it could not be read.
            tell(u"BookImportBox"_s, tr("%1 could not be read: %2").arg(path, file.errorString()));
            return;
        }
        const ImportReport report = m_store->importCsv(file.readAll());
        QStringList lines;
        for (const ImportProblem &problem : report.problems)
            lines << problem.sentence();
        for (const ImportProblem &problem : report.skipped)
            lines << problem.sentence();
        QString said;
        if (report.refusal)
            said = report.refusal->message;
        else if (!report.problems.isEmpty())
            //: %n rows of the file cannot be imported; the details name each by line and column.
            said = tr("Nothing was imported: %n row(s) cannot be. The details name each by line "
                      "and column.",
                      "", int(report.problems.size()));
        else
            //: %1 is how many bottles were added, %2 how many rows were already in the book.
            said = tr("%1 bottles added; %2 already in the book and not added again.")
                       .arg(report.added)
                       .arg(report.skipped.size());
        tell(u"BookImportBox"_s, said, lines.join(u'\n'));
    });
    dialog->open();
}

void BookWindow::exportFile()
{
    //: The title of the file dialog that chooses where to export the reagent book.
    auto *dialog = new QFileDialog(this, tr("Export Bottles"), documentsFolder());
    dialog->setObjectName(u"ExportBookDialog"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(u"csv"_s);
    //: Keep "(*.csv)". The file for spreadsheets that write numbers with a decimal point.
    const QString commas = tr("CSV with commas and decimal points (*.csv)");
    //: Keep "(*.csv)". The file German, French ... spreadsheets read: ";" and decimal commas.
    const QString semicolons = tr("CSV with semicolons and decimal commas (*.csv)");
    dialog->setNameFilters({commas, semicolons});
    // The spreadsheets of a desktop with a decimal comma read the second.
    const bool decimalComma = QLocale().decimalPoint() == u',';
    dialog->selectNameFilter(decimalComma ? semicolons : commas);
    //: The file name the export proposes.
    dialog->selectFile(tr("reagent book.csv"));
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, dialog, semicolons](const QString &path) {
                const CsvDialect dialect = dialog->selectedNameFilter() == semicolons
                                               ? CsvDialect::DecimalComma
                                               : CsvDialect::Rfc4180;
                QSaveFile file(path);
                if (!file.open(QIODevice::WriteOnly) ||
                    file.write(writeBookCsv(m_store->bottles(), dialect)) < 0 || !file.commit()) {
                    //: %1 is the file, %2 why it could not be written.
                    tell(u"BookExportBox"_s,
                         tr("%1 could not be written: %2").arg(path, file.errorString()));
                }
            });
    dialog->open();
}

void BookWindow::tell(const QString &objectName, const QString &text, const QString &details)
{
    auto *box =
        new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (!details.isEmpty())
        box->setDetailedText(details);
    box->open();
}

bool BookWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // From the search, Down goes into the table and Enter uses the best match.
        if (watched == m_search && (key->key() == Qt::Key_Down || enter) &&
            m_model->rowCount() > 0) {
            if (!selected())
                m_table->selectRow(0);
            if (enter)
                useSelected();
            else
                m_table->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == m_table && enter) {
            useSelected();
            return true;
        }
        if (watched == m_table && key->key() == Qt::Key_Delete && m_delete->isEnabled()) {
            deleteSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BookWindow::closeEvent(QCloseEvent *event)
{
    // What was deleted stays deleted once the window is closed.
    m_deleted.clear();
    QWidget::closeEvent(event);
}

} // namespace molvera
