#pragma once

#include <QTextEdit>

namespace molvera {

// A page's method sentence: bold dark red on the menu face, read-only, set at the line pitch the
// box was laid out for. A sentence whose inputs have changed since it was worked out is marked
// out of date until the next one is written: greyed, though still reading at 4.5:1 on any
// palette, and described so to screen readers and in its tool-tip. It can still be read,
// selected and copied.
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

private:
    void applyColours();

    QString m_method;
    bool m_outOfDate = false;
};

} // namespace molvera
