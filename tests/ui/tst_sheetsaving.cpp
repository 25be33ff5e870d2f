// Save as PDF and Print Preview from the pages on a bench without a printer: CUPS is out of reach
// (CUPS_SERVER names a socket that does not exist). The program's settings and the user's
// documents folder live in a scratch folder of the test's own.
#include "pdftext.h"
#include "windowtest.h"
#include "writeprotection.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct PageControls
{
    QString page;
    QString example;
    QString print;
    QString formula;
    QString reagentLine;
};

const PageControls MolarPage{u"MolarPage"_s, u"cmdExample"_s, u"cmdPrint"_s, u"H2SO4"_s,
                             u"Reagent: Sulphuric Acid"_s};
const PageControls PercentPage{u"PercentPage"_s, u"cmdEgConc"_s, u"cmdPrnC"_s, u"NaCl"_s,
                               u"Reagent: Sodium Chloride"_s};
const PageControls HydratePage{u"HydratePage"_s, u"cmdHEg"_s, u"cmdHPrnt"_s, u"CuSO4.2H20"_s,
                               u"Reagent: Copper Sulphate"_s};

QString proposedName(const QString &formula)
{
    return formula + u' ' + QDate::currentDate().toString(Qt::ISODate) + u".pdf"_s;
}

QAbstractButton *dialogButton(const QFileDialog *dialog, QDialogButtonBox::ButtonRole role)
{
    for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons()) {
        if (dialog->findChild<QDialogButtonBox *>()->buttonRole(button) == role)
            return button;
    }
    qFatal("the save dialog has no button of role %d", int(role));
}

// Answers the next message box that opens modally (the save dialog's own question) with
// `answer`, as long as the returned timer lives.
std::unique_ptr<QTimer> answerNextBox(QMessageBox::StandardButton answer)
{
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, poll.get(), [timer = poll.get(), answer] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            timer->stop();
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        }
    });
    poll->start(10);
    return poll;
}

} // namespace

Q_DECLARE_METATYPE(PageControls)

class TestSheetSaving : public uitest::WindowTest
{
    Q_OBJECT

public:
    enum class Route { FailureBox, ContextMenu, Shortcut };
    Q_ENUM(Route)
    enum class Answer { Cancel, OtherFolder, ReplaceConfirmed, ReplaceDeclined, ReadOnlyFolder };
    Q_ENUM(Answer)

private:
    QString documents() const { return m_scratch->filePath(u"Documents"_s); }
    QString otherFolder() const { return m_scratch->filePath(u"other"_s); }

    // Shows the page's example.
    void showExample(const PageControls &page)
    {
        tabControl()->setCurrentWidget(control(page.page));
        click(page.example);
    }
    // Right-clicks the Print button and picks `action` from its menu.
    void chooseFromMenu(const PageControls &page, const QString &action)
    {
        auto *button = control<QToolButton>(page.print);
        const QPoint at = button->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, button->mapToGlobal(at));
        QApplication::sendEvent(button, &event);
        auto *menu = button->findChild<QMenu *>(u"PrintMenu"_s);
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QAction *chosen = nullptr;
        for (QAction *item : menu->actions()) {
            if (item->objectName() == action)
                chosen = item;
        }
        QVERIFY(chosen);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    QFileDialog *openSaveDialog() const
    {
        auto *dialog = m_window->findChild<QFileDialog *>(u"SaveAsPdfDialog"_s);
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }
    // Opens the save dialog from the shown page with the keyboard.
    QFileDialog *pressSaveShortcut()
    {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
        return openSaveDialog();
    }
    QStringList files(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (pdftext::pdfToTextProgram().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the saved sheets cannot be read");
        qputenv("CUPS_SERVER", "/nonexistent/molvera-no-cups.sock");
        m_scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(m_scratch->isValid());
        // Open to the user nobody, as whom WriteProtection has root's files checked.
        QFile::setPermissions(m_scratch->path(), QFile::Permissions(0x7755));
        QVERIFY(QDir(m_scratch->path()).mkpath(u"config"_s));
        QFile userDirs(m_scratch->filePath(u"config/user-dirs.dirs"_s));
        QVERIFY(userDirs.open(QIODevice::WriteOnly));
        userDirs.write("XDG_DOCUMENTS_DIR=\"" + documents().toLocal8Bit() + "\"\n");
        userDirs.close();
        qputenv("XDG_CONFIG_HOME", m_scratch->filePath(u"config"_s).toLocal8Bit());
        uitest::setUpProgram();
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "CUPS was reached after all");
    }
    void init()
    {
        for (const QString &folder : {documents(), otherFolder()}) {
            QDir(folder).removeRecursively();
            QVERIFY(QDir().mkpath(folder));
        }
        QFile::remove(m_scratch->filePath(u"config/molvera/molvera.conf"_s));
        startWindow();
    }

    void savesFromEachRoute_data()
    {
        QTest::addColumn<PageControls>("page");
        QTest::addColumn<Route>("route");
        QTest::newRow("molar: the print failure box's Save as PDF…")
            << MolarPage << Route::FailureBox;
        QTest::newRow("percent: the Print button's context menu")
            << PercentPage << Route::ContextMenu;
        QTest::newRow("hydrate: the shortcut reaches the page that is shown")
            << HydratePage << Route::Shortcut;
    }
    void savesFromEachRoute()
    {
        QFETCH(PageControls, page);
        QFETCH(Route, route);

        showExample(page);
        switch (route) {
        case Route::FailureBox: {
            click(page.print);
            QMessageBox *box = uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s);
            QVERIFY(box);
            QTest::mouseClick(box->findChild<QPushButton *>(u"cmdSaveAsPdf"_s), Qt::LeftButton);
            QVERIFY(!box->isVisible());
            break;
        }
        case Route::ContextMenu:
            chooseFromMenu(page, u"mnuSaveAsPdf"_s);
            break;
        case Route::Shortcut:
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
            break;
        }

        QFileDialog *dialog = openSaveDialog();
        QVERIFY(dialog);
        const QString path = QDir(documents()).filePath(proposedName(page.formula));
        QCOMPARE(dialog->selectedFiles(), QStringList{path});
        QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::AcceptRole), Qt::LeftButton);

        QTRY_VERIFY(!openSaveDialog());
        QVERIFY(!uitest::openMessageBox(m_window.get(), u"SaveFailureBox"_s));
        QCOMPARE(files(documents()), QStringList{QFileInfo(path).fileName()});
        QVERIFY(pdftext::lines(path).contains(page.reagentLine));
    }

    void dialogAnswers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("cancelled: nothing written, nothing said") << Answer::Cancel;
        QTest::newRow("another folder: proposed again in the next run") << Answer::OtherFolder;
        QTest::newRow("existing file replaced once confirmed") << Answer::ReplaceConfirmed;
        QTest::newRow("existing file kept when not confirmed") << Answer::ReplaceDeclined;
        QTest::newRow("read-only folder: the box names the file") << Answer::ReadOnlyFolder;
    }
    void dialogAnswers()
    {
        QFETCH(Answer, answer);

        showExample(MolarPage);
        QFileDialog *dialog = pressSaveShortcut();
        QVERIFY(dialog);
        const QString proposed = QDir(documents()).filePath(proposedName(MolarPage.formula));
        const QString other = otherFolder();
        const QString inOther = QDir(other).filePath(u"sheet.pdf"_s);

        switch (answer) {
        case Answer::Cancel:
            QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::RejectRole), Qt::LeftButton);
            QTRY_VERIFY(!openSaveDialog());
            QCOMPARE(files(documents()), QStringList());
            break;
        case Answer::OtherFolder:
            dialog->selectFile(inOther);
            QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::AcceptRole), Qt::LeftButton);
            QTRY_VERIFY(!openSaveDialog());
            QCOMPARE(files(other), QStringList{u"sheet.pdf"_s});
            // The next run of the program starts there.
            startWindow();
            showExample(MolarPage);
            dialog = pressSaveShortcut();
            QVERIFY(dialog);
            QCOMPARE(dialog->directory(), QDir(other));
            dialog->reject();
            break;
        case Answer::ReplaceConfirmed:
        case Answer::ReplaceDeclined: {
            QFile old(proposed);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("older sheet");
            old.close();
            const bool confirmed = answer == Answer::ReplaceConfirmed;
            const auto answering = answerNextBox(confirmed ? QMessageBox::Yes : QMessageBox::No);
            QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::AcceptRole), Qt::LeftButton);
            QCOMPARE(openSaveDialog() == nullptr, confirmed);
            QCOMPARE(pdftext::lines(proposed).contains(MolarPage.reagentLine), confirmed);
            QCOMPARE(files(documents()), QStringList{QFileInfo(proposed).fileName()});
            if (!confirmed)
                dialog->reject();
            break;
        }
        case Answer::ReadOnlyFolder: {
            dialog->selectFile(inOther);
            {
                const WriteProtection protection(other);
                if (!protection.holds())
                    QSKIP("This process can write into any folder here");
                QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::AcceptRole),
                                  Qt::LeftButton);
            }
            QCOMPARE(files(other), QStringList());
            QMessageBox *box = uitest::openMessageBox(m_window.get(), u"SaveFailureBox"_s);
            QVERIFY(box);
            QVERIFY2(box->text().contains(u'"' + QDir::toNativeSeparators(inOther) + u'"'),
                     qPrintable(box->text()));
            uitest::acknowledge(box);
            break;
        }
        }
        QVERIFY(!uitest::openMessageBox(m_window.get(), u"SaveFailureBox"_s));
    }

    void printMenu()
    {
        showExample(PercentPage);
        auto *menu = control<QToolButton>(PercentPage.print)->findChild<QMenu *>();
        QVERIFY(!menu); // made when first asked for
        chooseFromMenu(PercentPage, u"mnuPrint"_s);
        menu = control<QToolButton>(PercentPage.print)->findChild<QMenu *>();
        QStringList items;
        for (const QAction *action : menu->actions())
            items << action->text() + u'\t' + action->shortcut().toString();
        QCOMPARE(items, (QStringList{u"Print\tCtrl+P"_s, u"Print Preview…\t"_s,
                                     u"Save as PDF…\tCtrl+S"_s}));

        // Print, with no printer: the box says so.
        QMessageBox *box = uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s);
        QVERIFY(box);
        uitest::acknowledge(box);

        // The preview opens without a printer, with the one page of the sheet.
        chooseFromMenu(PercentPage, u"mnuPrintPreview"_s);
        auto *preview = m_window->findChild<QPrintPreviewDialog *>(u"PrintPreviewDialog"_s);
        QVERIFY(preview);
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QCOMPARE(preview->findChild<QPrintPreviewWidget *>()->pageCount(), 1);
        preview->reject();
        QVERIFY(!uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s));
    }

private:
    std::unique_ptr<QTemporaryDir> m_scratch;
};

QTEST_MAIN(TestSheetSaving)
#include "tst_sheetsaving.moc"
