#pragma once

#include <QDialog>

#include <span>

class QLabel;

namespace molvera {

template<typename Form> struct ControlRow;

// The program's about box: its name and purpose, and links to the maker for support and updates.
// Not modal; it deletes itself when closed.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

private:
    static std::span<const ControlRow<AboutBox>> controls();

    QLabel *m_title = nullptr;
};

} // namespace molvera
