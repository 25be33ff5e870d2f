#pragma once

#include <QTabBar>

namespace molvera {

// A tab bar whose tabs share its width equally and have a fixed height.
class TabStrip : public QTabBar
{
    Q_OBJECT

public:
    explicit TabStrip(int tabHeight, QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    int m_tabHeight;
};

} // namespace molvera
