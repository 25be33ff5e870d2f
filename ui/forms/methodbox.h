#pragma once

#include <QTextEdit>

class QLabel;

namespace molvera {

// A page's method sentence: bold dark red on the menu face, read-only, set at the line pitch the
// box was laid out for. A sentence whose inputs have changed since it was worked out is marked
// out of date until the next one is written: greyed, though still reading at 4.5:1 on any
// palette, with a line under it in the box that says so in words, and described so to screen
// readers and in its tool-tip. It can still be read, selected and copied.
class MethodBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit MethodBox(QWidget *parent = nullptr);

    // Shows a newly worked-out sentence, up to date, and under it, in plain type, a note on how
    // its inputs came about, if there is one.
    void setMethod(const QString &text, const QString &note = {});
    // The sentence alone, without the note.
    QString method() const { return m_method; }
    void setOutOfDate(bool outOfDate);
    bool isOutOfDate() const { return m_outOfDate; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyColours();
    void placeNotice();

    QString m_method;
    QLabel *m_notice = nullptr; // lblOutOfDate, below the sentence while it is out of date
    bool m_outOfDate = false;
};

} // namespace molvera
