#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;

namespace molvera {

class AboutBox;
class CalculatorPage;
class MolarPage;
class PercentPage;
class HydratePage;
class TabControl;

// The program's one window: the header strip with the reagent's formula and name, which all
// pages share, and the tab control with the three calculator pages.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Shows the single about box, creating it if it is not open.
    void showAbout();
    // Ends the program at once, closing every window.
    void exitProgram();

    AboutBox *aboutBox() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildHeader();
    void buildPages();
    void setFocusOrder();
    void quitIfNoWindowOpen();

    QLineEdit *m_formula = nullptr; // txtReag
    QLineEdit *m_name = nullptr;    // txtName
    TabControl *m_tabs = nullptr;
    MolarPage *m_molar = nullptr;
    PercentPage *m_percent = nullptr;
    HydratePage *m_hydrate = nullptr;
    QPointer<AboutBox> m_about;
};

} // namespace molvera
