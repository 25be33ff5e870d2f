#pragma once

#include <QDialog>

namespace molvera {

// The program's about box: its name and purpose, and links to the maker for support and updates.
// Not modal; it deletes itself when closed.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

    static QString description();
};

} // namespace molvera
