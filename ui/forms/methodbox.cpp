#include "methodbox.h"

#include "readablecolors.h"

#include <hoverlet/olecolor.h>
#include <ui/widgets/inputguard.h>
#include <ui/widgets/twips.h>

#include <QLabel>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// One line of a method box: the pitch of the 8-point bitmap face the boxes were designed with.
constexpr int MethodLineTwips = 195;

// The faintest grey text that still reads on `background` (4.5:1, WCAG AA): the first grey that
// stands out enough from it, going from the background's end of the scale to the other.
QColor faintestReadableGrey(const QColor &background, const QColor &fallback)
{
    constexpr double Reading = 4.5;
    const bool onDark = hoverlet::isDarkFace(background);
    for (int step = 0; step <= 255; ++step) {
        const int level = onDark ? step : 255 - step;
        if (const QColor grey(level, level, level);
            hoverlet::contrastRatio(grey, background) >= Reading)
            return grey;
    }
    return fallback;
}

} // namespace

MethodBox::MethodBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    refuseInputMethodWhenReadOnly(this);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAcceptRichText(false);
    // The box was sized for four lines of a 13-pixel bitmap face; the substitute faces leave more
    // room between lines, so the lines are set at the old pitch and the margin kept thin.
    document()->setDocumentMargin(1);
    //: What screen readers call a page's method sentence.
    setAccessibleName(tr("Method"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    //: Shown in a page's method box, under a sentence that an entry changed since it was
    //: calculated. Keep it short: it has one line of the box.
    m_notice = new QLabel(tr("Out of date: calculate again."), this);
    m_notice->setObjectName(u"lblOutOfDate"_s);
    // The sentence's grey on the sentence's ground, in the face of the box but set apart from the
    // sentence by its plain italic type.
    m_notice->setForegroundRole(QPalette::Text);
    m_notice->setBackgroundRole(QPalette::Base);
    m_notice->setAutoFillBackground(true);
    QFont aside = font();
    aside.setBold(false);
    aside.setItalic(true);
    m_notice->setFont(aside);
    m_notice->setContentsMargins(int(document()->documentMargin()), 0, 0, 0);
    m_notice->hide();
    followPalette(this, [this] { applyColours(); });
}

void MethodBox::setMethod(const QString &text, const QString &note)
{
    m_method = text;
    setPlainText(text);
    if (!note.isEmpty()) {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        QTextCharFormat plain;
        plain.setFontWeight(QFont::Normal);
        end.insertBlock();
        end.insertText(note, plain);
    }
    QTextBlockFormat lines;
    lines.setLineHeight(twipsToPixels(MethodLineTwips), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(lines);
    setOutOfDate(false);
}

void MethodBox::setOutOfDate(bool outOfDate)
{
    if (outOfDate == m_outOfDate)
        return;
    m_outOfDate = outOfDate;
    //: Said of a page's method sentence, by screen readers and in its tool-tip, once an input it
    //: was worked out from has changed.
    const QString said =
        outOfDate ? tr("Out of date: an entry has changed since this was calculated. Calculate "
                       "again to bring it up to date.")
                  : QString();
    setAccessibleDescription(said);
    setToolTip(said);
    // The line for the words is taken from the sentence's room below it, where the sentences of the
    // worked examples leave a line free; a longer sentence scrolls rather than hides under it.
    setViewportMargins(0, 0, 0, outOfDate ? twipsToPixels(MethodLineTwips) : 0);
    m_notice->setVisible(outOfDate);
    placeNotice();
    applyColours();
}

void MethodBox::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    placeNotice();
}

void MethodBox::placeNotice()
{
    const QRect sentence = viewport()->geometry();
    m_notice->setGeometry(sentence.left(), sentence.bottom() + 1, sentence.width(),
                          viewportMargins().bottom());
}

void MethodBox::applyColours()
{
    QPalette palette = this->palette();
    const QColor base = palette.color(QPalette::Window);
    const QColor designed = hoverlet::readableOn(DarkRed, base);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, m_outOfDate ? faintestReadableGrey(base, designed) : designed);
    setPalette(palette);
}

} // namespace molvera
