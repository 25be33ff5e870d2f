#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <span>

class QLineEdit;
class QTabWidget;

namespace molvera {

class AboutBox;
class CalculatorPage;
class ReagentBook;
template<typename Form> struct ControlRow;

// The program's one window: the header strip with the reagent's formula and name, which all
// pages share, and the tab control with the calculator pages.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Shows the single about box, creating it if it is not open.
    void showAbout();
    // Ends the program at once, closing every window.
    void exitProgram();

    AboutBox *aboutBox() const;
    ReagentBook *reagentBook() const { return m_book; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    static std::span<const ControlRow<MainWindow>> controls();

    void addPages();
    void addPageKeys();
    void setFocusOrder();
    void addFormulaAction();
    void quitIfNoWindowOpen();

    QList<QWidget *> m_headerFocusOrder; // txtReag, txtName
    QLineEdit *m_formula = nullptr;
    QLineEdit *m_name = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<CalculatorPage *> m_pages;
    QPointer<AboutBox> m_about;
    ReagentBook *m_book = nullptr;
    bool m_painted = false;
};

} // namespace molvera
