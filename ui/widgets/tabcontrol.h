#pragma once

#include <QTabWidget>

namespace molvera {

// The window's tab control: all tabs in one row, sharing its width equally, at a fixed height.
class TabControl : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget *parent = nullptr);
};

} // namespace molvera
