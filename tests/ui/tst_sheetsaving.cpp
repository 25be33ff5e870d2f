// Save as PDF and Print Preview on a bench without a printer: CUPS is out of reach (CUPS_SERVER
// names a socket that does not exist). The program's settings and the user's documents folder
// live in a scratch folder of the test's own.
#include "pdftext.h"
#include "windowtest.h"

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

using namespace Qt::StringLiterals;

namespace {

struct PageControls
{
    QString page;
    QString example;
    QString print;
    QString formula;
};

const PageControls MolarPage{u"MolarPage"_s, u"cmdExample"_s, u"cmdPrint"_s, u"H2SO4"_s};
const PageControls PercentPage{u"PercentPage"_s, u"cmdEgConc"_s, u"cmdPrnC"_s, u"NaCl"_s};

void pressDialogButton(const QFileDialog *dialog, QDialogButtonBox::ButtonRole role)
{
    const auto *box = dialog->findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == role)
            QTest::mouseClick(button, Qt::LeftButton);
    }
}

} // namespace

Q_DECLARE_METATYPE(PageControls)

class TestSheetSaving : public uitest::WindowTest
{
    Q_OBJECT

public:
    enum class Route { FailureBox, ContextMenu, Shortcut };
    Q_ENUM(Route)
    enum class Answer { Cancel, OtherFolder, DeclineReplacing, MissingFolder };
    Q_ENUM(Answer)

private:
    QString folder(const QString &name) const { return m_scratch.filePath(name); }
    QStringList files(const QString &name) const
    {
        return QDir(folder(name)).entryList(QDir::Files | QDir::Hidden);
    }
    void showExample(const PageControls &page)
    {
        tabControl()->setCurrentWidget(control(page.page));
        click(page.example);
    }
    // Right-clicks the Print button and picks the item `action` from its menu.
    void chooseFromMenu(const PageControls &page, const QString &action)
    {
        auto *button = control<QToolButton>(page.print);
        const QPoint at = button->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, button->mapToGlobal(at));
        QApplication::sendEvent(button, &event);
        auto *menu = button->findChild<QMenu *>(u"PrintMenu"_s);
        QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
        for (QAction *item : menu->actions()) {
            if (item->objectName() == action)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        }
        QTRY_VERIFY(!menu->isVisible());
    }
    QFileDialog *saveDialog() const
    {
        auto *dialog = m_window->findChild<QFileDialog *>(u"SaveAsPdfDialog"_s);
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (pdftext::pdfToTextProgram().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the saved sheets cannot be read");
        qputenv("CUPS_SERVER", "/nonexistent/molvera-no-cups.sock");
        QVERIFY(m_scratch.isValid() && QDir(m_scratch.path()).mkpath(u"config"_s));
        QFile userDirs(folder(u"config/user-dirs.dirs"_s));
        QVERIFY(userDirs.open(QIODevice::WriteOnly));
        userDirs.write("XDG_DOCUMENTS_DIR=\"" + folder(u"Documents"_s).toLocal8Bit() + "\"\n");
        userDirs.close();
        qputenv("XDG_CONFIG_HOME", folder(u"config"_s).toLocal8Bit());
        uitest::setUpProgram();
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "CUPS was reached after all");
    }
    void init()
    {
        for (const QString &name : {u"Documents"_s, u"other"_s}) {
            QDir(folder(name)).removeRecursively();
            QVERIFY(QDir().mkpath(folder(name)));
        }
        QFile::remove(folder(u"config/molvera/molvera.conf"_s));
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
            << PageControls{u"HydratePage"_s, u"cmdHEg"_s, u"cmdHPrnt"_s, u"CuSO4.2H2O"_s}
            << Route::Shortcut;
    }
    void savesFromEachRoute()
    {
        QFETCH(PageControls, page);
        QFETCH(Route, route);

        showExample(page);
        if (route == Route::FailureBox) {
            click(page.print);
            QMessageBox *box = uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s);
            QVERIFY(box);
            QTest::mouseClick(box->findChild<QPushButton *>(u"cmdSaveAsPdf"_s), Qt::LeftButton);
        } else if (route == Route::ContextMenu) {
            chooseFromMenu(page, u"mnuSaveAsPdf"_s);
        } else {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
        }

        QFileDialog *dialog = saveDialog();
        QVERIFY(dialog);
        const QString name = page.formula + QDate::currentDate().toString(u" yyyy-MM-dd'.pdf'"_s);
        QCOMPARE(dialog->selectedFiles(), QStringList{QDir(folder(u"Documents"_s)).filePath(name)});
        pressDialogButton(dialog, QDialogButtonBox::AcceptRole);
        QTRY_VERIFY(!saveDialog());
        QCOMPARE(files(u"Documents"_s), QStringList{name});
        QVERIFY(
            pdftext::lines(folder(u"Documents/"_s + name)).contains(u"Formula: "_s + page.formula));
        QVERIFY(uitest::openMessageBoxes(m_window.get(), {}).isEmpty());
    }

    void dialogAnswers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("cancelled: nothing written, nothing said") << Answer::Cancel;
        QTest::newRow("another folder: proposed in the next run") << Answer::OtherFolder;
        QTest::newRow("existing file: asked first, kept when declined") << Answer::DeclineReplacing;
        QTest::newRow("folder that does not exist: the box names the file")
            << Answer::MissingFolder;
    }
    void dialogAnswers()
    {
        QFETCH(Answer, answer);

        showExample(MolarPage);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
        QFileDialog *dialog = saveDialog();
        QVERIFY(dialog);
        switch (answer) {
        case Answer::Cancel:
            pressDialogButton(dialog, QDialogButtonBox::RejectRole);
            break;
        case Answer::OtherFolder:
            dialog->selectFile(folder(u"other/sheet.pdf"_s));
            pressDialogButton(dialog, QDialogButtonBox::AcceptRole);
            QCOMPARE(files(u"other"_s), QStringList{u"sheet.pdf"_s});
            startWindow();
            showExample(MolarPage);
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Save);
            QVERIFY(saveDialog());
            QCOMPARE(saveDialog()->directory(), QDir(folder(u"other"_s)));
            saveDialog()->reject();
            break;
        case Answer::DeclineReplacing: {
            QFile old(dialog->selectedFiles().value(0));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older sheet") > 0);
            old.close();
            QTimer answerQuestion; // the dialog's own question, asked in a loop of its own
            connect(&answerQuestion, &QTimer::timeout, this, [&answerQuestion] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    answerQuestion.stop();
                    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
                }
            });
            answerQuestion.start(10);
            pressDialogButton(dialog, QDialogButtonBox::AcceptRole);
            QVERIFY(!answerQuestion.isActive() && saveDialog());
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), "older sheet");
            dialog->reject();
            break;
        }
        case Answer::MissingFolder: {
            dialog->selectFile(folder(u"missing/sheet.pdf"_s));
            const QString path = dialog->selectedFiles().value(0);
            pressDialogButton(dialog, QDialogButtonBox::AcceptRole);
            QMessageBox *box = uitest::openMessageBox(m_window.get(), u"SaveFailureBox"_s);
            QVERIFY(box);
            QVERIFY2(box->text().contains(u'"' + QDir::toNativeSeparators(path) + u'"'),
                     qPrintable(box->text()));
            uitest::acknowledge(box);
            break;
        }
        }
        QTRY_VERIFY(!saveDialog());
        QCOMPARE(files(u"Documents"_s).size(), answer == Answer::DeclineReplacing ? 1 : 0);
    }

    void printMenu()
    {
        showExample(PercentPage);
        chooseFromMenu(PercentPage, u"mnuPrint"_s);
        QStringList items;
        for (const QAction *action : control(PercentPage.print)->findChild<QMenu *>()->actions())
            items << action->text() + u'\t' + action->shortcut().toString();
        QCOMPARE(items, (QStringList{u"Print\tCtrl+P"_s, u"Print Preview…\t"_s,
                                     u"Save as PDF…\tCtrl+S"_s}));
        // Print without a printer: the box says so.
        QVERIFY(uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s));
        uitest::acknowledge(uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s));

        // The preview opens without a printer, on the sheet's one page.
        chooseFromMenu(PercentPage, u"mnuPrintPreview"_s);
        auto *preview = m_window->findChild<QPrintPreviewDialog *>(u"PrintPreviewDialog"_s);
        QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
        QCOMPARE(preview->findChild<QPrintPreviewWidget *>()->pageCount(), 1);
        QCOMPARE(preview->windowTitle(), u"Print Preview"_s); // its menu entry's text
        preview->reject();
    }

private:
    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestSheetSaving)
#include "tst_sheetsaving.moc"
