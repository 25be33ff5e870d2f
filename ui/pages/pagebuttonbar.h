#pragma once

#include <ui/widgets/twips.h>

#include <QStringView>
#include <QWidget>

#include <array>
#include <span>

class QToolButton;

namespace molvera {

// The names that one page gives its five buttons, top to bottom.
struct PageButtonNames
{
    QStringView exit;
    QStringView clear;
    QStringView print;
    QStringView example;
    QStringView about;
};

// The column of five picture buttons at the right of every page: Exit, Clear, Print, Example,
// About, each with its picture above its caption, a tool-tip and an access key.
class PageButtonBar : public QWidget
{
    Q_OBJECT

public:
    enum Role { Exit, Clear, Print, Example, About };
    static constexpr int RoleCount = 5;

    explicit PageButtonBar(const PageButtonNames &names, QWidget *parent = nullptr);

    // Where the bar stands on its page, in twips from the tab control's corner.
    static TwipRect placement();

    QToolButton *button(Role role) const { return m_buttons[role]; }
    // Exit, Clear, Print, Example, About: the order in which the keyboard reaches them.
    QList<QWidget *> focusOrder() const;

Q_SIGNALS:
    void triggered(molvera::PageButtonBar::Role role);

private:
    struct ButtonDesign;
    static std::span<const ButtonDesign, RoleCount> designs();

    std::array<QToolButton *, RoleCount> m_buttons{};
};

} // namespace molvera
