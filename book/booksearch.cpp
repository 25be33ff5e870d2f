#include "booksearch.h"

#include "starterbottles.h"

#include <calc/formulatext.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace molvera {

using namespace Qt::StringLiterals;

QString searchFold(QStringView text)
{
    // Most names and every formula typed on an English keyboard: nothing to take apart.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toString().toLower().replace(u'*', u'.');
    const QString plain = text.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(plain.size());
    for (const QChar c : plain) {
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            continue;
        default:
            break;
        }
        folded += hydrateDotAt(QString(c).toStdString(), 0) ? QChar(u'.') : c;
    }
    return folded.toCaseFolded();
}

BookSearch::BookSearch(const QList<Bottle> &bottles)
{
    m_entries.reserve(bottles.size());
    for (int index = 0; index < bottles.size(); ++index) {
        const Bottle &bottle = bottles[index];
        m_entries.push_back({index, searchFold(shownName(bottle)), searchFold(bottle.formula),
                             QString(bottle.cas).remove(u'-')});
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry &a, const Entry &b) { return a.name < b.name; });
}

namespace {

std::u16string_view viewOf(QStringView text)
{
    return {text.utf16(), size_t(text.size())};
}

// Where text stands in a folded string, from a place on: the standard library's search, quicker
// than QStringView::indexOf() on the short texts of a keystroke.
qsizetype place(const QString &in, std::u16string_view text, qsizetype from = 0)
{
    const auto at = viewOf(in).find(text, size_t(from));
    return at == std::u16string_view::npos ? -1 : qsizetype(at);
}

// 0 to 3 from best to worst as find() ranks, or -1: not found.
int rankOf(const QString &name, const QString &formula, const QString &cas,
           std::u16string_view text, std::u16string_view casText)
{
    const qsizetype at = place(name, text);
    if (at == 0)
        return 0;
    for (qsizetype word = at; word > 0; word = place(name, text, word + 1)) {
        if (!name[word - 1].isLetterOrNumber())
            return 1;
    }
    const bool byCas = !casText.empty();
    const qsizetype inFormula = place(formula, text);
    const qsizetype inCas = byCas ? place(cas, casText) : -1;
    if (inFormula == 0 || inCas == 0)
        return 2;
    if (at > 0 || inFormula > 0 || inCas > 0)
        return 3;
    return -1;
}

} // namespace

QList<int> BookSearch::find(QStringView typed) const
{
    QList<int> found;
    found.reserve(qsizetype(m_entries.size()));
    const QString text = searchFold(typed.trimmed());
    if (text.isEmpty()) {
        for (const Entry &entry : m_entries)
            found.append(entry.index);
        return found;
    }
    // A CAS number is found by its digits, typed with or without its hyphens.
    const bool digits =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() || c == u'-'; });
    const QString casText = digits ? QString(text).remove(u'-') : QString();

    std::array<QList<int>, 4> ranks;
    for (const Entry &entry : m_entries) {
        const int rank =
            rankOf(entry.name, entry.formula, entry.cas, viewOf(text), viewOf(casText));
        if (rank >= 0)
            ranks[rank].append(entry.index);
    }
    for (const QList<int> &rank : ranks)
        found.append(rank);
    return found;
}

} // namespace molvera
