#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace pdftext {

namespace {

QString run(const QStringList &arguments)
{
    QProcess process;
    process.start(pdfToTextProgram(), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString unescaped(const QString &html)
{
    QString text = html;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

} // namespace

QString pdfToTextProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QStringList lines(const QString &pdfPath)
{
    QStringList result;
    const QString text = run({QStringLiteral("-layout"), QStringLiteral("-enc"),
                              QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            result.append(simplified);
    }
    return result;
}

QList<Word> words(const QString &pdfPath)
{
    static const QRegularExpression pageOrWord(
        QStringLiteral("<page |<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" "
                       "xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    QList<Word> result;
    int page = 0;
    const QString html = run({QStringLiteral("-bbox"), QStringLiteral("-enc"),
                              QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    for (const QRegularExpressionMatch &match : pageOrWord.globalMatch(html)) {
        if (match.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        result.append({unescaped(match.captured(5)), page, match.captured(1).toDouble(),
                       match.captured(2).toDouble(), match.captured(3).toDouble(),
                       match.captured(4).toDouble()});
    }
    return result;
}

Word firstWord(const QList<Word> &words, const QString &text)
{
    for (const Word &word : words) {
        if (word.text == text)
            return word;
    }
    return {};
}

int pageCount(const QString &pdfPath)
{
    static const QRegularExpression page(QStringLiteral("<page "));
    const QString html = run({QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    return int(html.count(page));
}

QSizeF pageSize(const QString &pdfPath)
{
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpressionMatch match =
        page.match(run({QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

} // namespace pdftext
