#include "bookcsv.h"

#include "bottlecheck.h"

#include <calc/numbertext.h>

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(molvera::BookCsv)
};

// The columns, as the header names them: the starter file's first, in its order.
constexpr std::array Columns{
    std::pair{BottleField::Name, u"name"},
    std::pair{BottleField::Formula, u"formula"},
    std::pair{BottleField::Basis, u"basis"},
    std::pair{BottleField::Strength, u"strength"},
    std::pair{BottleField::SpecificGravity, u"specific_gravity"},
    std::pair{BottleField::GravityCelsius, u"at_celsius"},
    std::pair{BottleField::Source, u"source"},
    std::pair{BottleField::Note, u"note"},
    std::pair{BottleField::MolecularWeight, u"molecular_weight"},
    std::pair{BottleField::Waters, u"waters"},
    std::pair{BottleField::Cas, u"cas"},
    std::pair{BottleField::Location, u"location"},
    std::pair{BottleField::Added, u"added"},
    std::pair{BottleField::Changed, u"changed"},
};

QString columnName(BottleField field)
{
    for (const auto &[each, name] : Columns) {
        if (each == field)
            return QString::fromUtf16(name);
    }
    return {};
}

constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

QChar separatorOf(CsvDialect dialect)
{
    return dialect == CsvDialect::DecimalComma ? u';' : u',';
}

// What a spreadsheet would take for a formula to run rather than text to show; an apostrophe
// first is how spreadsheets themselves mark text, and an apostrophe is here so that reading can
// always take exactly one off.
bool wouldRun(QStringView text)
{
    return !text.isEmpty() && QStringView(u"=+-@'").contains(text.front());
}

QString quoted(QString cell, QChar separator)
{
    if (cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n') ||
        cell.contains(u'\r'))
        return u'"' + cell.replace(u'"', u"\"\""_s) + u'"';
    return cell;
}

QString textCell(const QString &text, QChar separator)
{
    return quoted(wouldRun(text) ? u'\'' + text : text, separator);
}

QString numberCell(std::optional<double> value, CsvDialect dialect)
{
    if (!value)
        return {};
    // The shortest text that reads back as the same double.
    QString text = QString::number(*value, 'g', QLocale::FloatingPointShortest);
    if (dialect == CsvDialect::DecimalComma)
        text.replace(u'.', u',');
    return text;
}

QString dateCell(const QDateTime &when)
{
    return when.isValid() ? when.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QString cellOf(const Bottle &bottle, BottleField field, CsvDialect dialect)
{
    const QChar separator = separatorOf(dialect);
    switch (field) {
    case BottleField::Name:
        return textCell(bottle.name, separator);
    case BottleField::Formula:
        return textCell(bottle.formula, separator);
    case BottleField::Basis:
        return basisKey(bottle.basis);
    case BottleField::Strength:
        return numberCell(bottle.strength, dialect);
    case BottleField::SpecificGravity:
        return numberCell(bottle.specificGravity, dialect);
    case BottleField::GravityCelsius:
        return numberCell(bottle.gravityCelsius, dialect);
    case BottleField::Source:
        return textCell(bottle.source, separator);
    case BottleField::Note:
        return textCell(bottle.note, separator);
    case BottleField::MolecularWeight:
        return numberCell(bottle.molecularWeight, dialect);
    case BottleField::Waters:
        return numberCell(bottle.waters, dialect);
    case BottleField::Cas:
        return textCell(bottle.cas, separator);
    case BottleField::Location:
        return textCell(bottle.location, separator);
    case BottleField::Added:
        return dateCell(bottle.added);
    case BottleField::Changed:
        return dateCell(bottle.changed);
    }
    return {};
}

// One row of the file as its cells, with the line it starts on.
struct Record
{
    int line = 0;
    QStringList cells;
};

// RFC 4180's records, read leniently as spreadsheets write them: CRLF or LF, a quote inside an
// unquoted cell taken as it stands. Blank lines are left out.
QList<Record> recordsOf(QStringView text, QChar separator)
{
    QList<Record> records;
    int line = 1;
    qsizetype at = 0;
    const auto atLineEnd = [&] { return text[at] == u'\n' || text[at] == u'\r'; };
    while (at < text.size()) {
        Record record{line, {}};
        for (;;) {
            QString cell;
            if (at < text.size() && text[at] == u'"') {
                for (++at; at < text.size(); ++at) {
                    if (text[at] == u'"') {
                        if (at + 1 < text.size() && text[at + 1] == u'"') {
                            ++at;
                        } else {
                            ++at;
                            break;
                        }
                    } else if (text[at] == u'\n') {
                        ++line;
                    }
                    cell += text[at];
                }
            }
            while (at < text.size() && text[at] != separator && !atLineEnd())
                cell += text[at++];
            record.cells.append(cell);
            if (at < text.size() && text[at] == separator) {
                ++at;
                continue;
            }
            break;
        }
        if (at < text.size() && text[at] == u'\r')
            ++at;
        if (at < text.size() && text[at] == u'\n')
            ++at;
        ++line;
        if (record.cells.size() > 1 || !record.cells.front().isEmpty())
            records.append(record);
    }
    return records;
}

// The dialect of the file, from its header row: the separator it uses most outside quotes.
CsvDialect dialectOf(QStringView text)
{
    int commas = 0;
    int semicolons = 0;
    bool inQuotes = false;
    for (QChar c : text) {
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == u'\n' || c == u'\r'))
            break;
        else if (!inQuotes && c == u',')
            ++commas;
        else if (!inQuotes && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? CsvDialect::DecimalComma : CsvDialect::Rfc4180;
}

// Reads one row's cells into a bottle, noting each cell that is not what its column holds.
class RowReader
{
public:
    RowReader(const QList<std::optional<BottleField>> &columns, CsvDialect dialect)
        : m_columns(columns)
        , m_decimal{dialect == CsvDialect::DecimalComma ? "," : "."}
    {}

    CsvBottle read(const Record &record, QList<ImportProblem> &problems) const
    {
        CsvBottle row{record.line, {}};
        Bottle &bottle = row.bottle;
        const auto problemsBefore = problems.size();
        const auto problem = [&](BottleField field, const QString &message) {
            problems.append({record.line, columnName(field), message});
        };
        if (record.cells.size() > m_columns.size()) {
            problems.append(
                {record.line, {}, Texts::tr("The row has more cells than the header has names.")});
        }
        for (qsizetype index = 0; index < m_columns.size() && index < record.cells.size();
             ++index) {
            if (!m_columns[index])
                continue;
            const BottleField field = *m_columns[index];
            const QString &cell = record.cells[index];
            const auto number = [&]() -> std::optional<double> {
                if (cell.trimmed().isEmpty())
                    return std::nullopt;
                const auto read = readNumber(cell.toStdString(), m_decimal);
                if (const double *value = std::get_if<double>(&read))
                    return *value;
                //: %1 is the cell's text as it stands in the file.
                problem(field, Texts::tr("%1 is not a number.").arg(cell));
                return std::nullopt;
            };
            const auto date = [&] {
                if (cell.trimmed().isEmpty())
                    return QDateTime();
                const QDateTime when = QDateTime::fromString(cell.trimmed(), Qt::ISODateWithMs);
                if (!when.isValid()) {
                    //: %1 is the cell's text; the example date and time stays as it is.
                    problem(field, Texts::tr("%1 is not a date and time such as "
                                             "2026-12-07T09:30:00Z.")
                                       .arg(cell));
                }
                return when;
            };
            const auto text = [&] {
                return cell.size() > 1 && cell.front() == u'\'' &&
                               wouldRun(QStringView(cell).sliced(1))
                           ? cell.sliced(1)
                           : cell;
            };
            switch (field) {
            case BottleField::Name:
                bottle.name = text();
                break;
            case BottleField::Formula:
                bottle.formula = text();
                break;
            case BottleField::Basis:
                if (const auto basis = basisFromKey(cell.trimmed())) {
                    bottle.basis = *basis;
                } else {
                    //: %1 is the cell's text; the bases listed are written as they stand.
                    problem(field, Texts::tr("%1 is not a basis molvera knows: write purity %, "
                                             "% w/w, % v/v, % w/v, g/L or M.")
                                       .arg(cell));
                }
                break;
            case BottleField::Strength:
                bottle.strength = number().value_or(0);
                break;
            case BottleField::SpecificGravity:
                bottle.specificGravity = number();
                break;
            case BottleField::GravityCelsius:
                bottle.gravityCelsius = number();
                break;
            case BottleField::Source:
                bottle.source = text();
                break;
            case BottleField::Note:
                bottle.note = text();
                break;
            case BottleField::MolecularWeight:
                bottle.molecularWeight = number();
                break;
            case BottleField::Waters:
                bottle.waters = number().value_or(0);
                break;
            case BottleField::Cas:
                bottle.cas = text().trimmed();
                break;
            case BottleField::Location:
                bottle.location = text();
                break;
            case BottleField::Added:
                bottle.added = date();
                break;
            case BottleField::Changed:
                bottle.changed = date();
                break;
            }
        }
        bottle = withFormulaFacts(bottle);
        // A cell that did not read has said so; the check would only say it again.
        const auto checked = checkBottle(bottle);
        for (auto each = checked.begin(); each != checked.end(); ++each) {
            const QString column = columnName(each.key());
            const bool told =
                std::any_of(problems.begin() + problemsBefore, problems.end(),
                            [&](const ImportProblem &p) { return p.column == column; });
            if (!told)
                problem(each.key(), each.value());
        }
        return row;
    }

private:
    QList<std::optional<BottleField>> m_columns;
    NumberLocale m_decimal;
};

} // namespace

QString ImportProblem::sentence() const
{
    if (line == 0)
        return message;
    if (column.isEmpty()) {
        //: %1 is the line's number in the file, %2 the sentence that says what is wrong.
        return Texts::tr("Line %1: %2").arg(line).arg(message);
    }
    //: %1 is the line's number in the file, %2 the column's name as the file's header writes it
    //: (not translated), %3 the sentence that says what is wrong.
    return Texts::tr("Line %1, column %2: %3").arg(line).arg(column, message);
}

QByteArray writeBookCsv(const QList<Bottle> &bottles, CsvDialect dialect)
{
    const QChar separator = separatorOf(dialect);
    QString text;
    for (const auto &[field, name] : Columns)
        text += QString::fromUtf16(name) + separator;
    text.back() = u'\r';
    text += u'\n';
    for (const Bottle &bottle : bottles) {
        for (const auto &[field, name] : Columns)
            text += cellOf(bottle, field, dialect) + separator;
        text.back() = u'\r';
        text += u'\n';
    }
    QByteArray bytes = text.toUtf8();
    if (dialect == CsvDialect::DecimalComma)
        bytes.prepend(ByteOrderMark);
    return bytes;
}

CsvReading readBookCsv(const QByteArray &bytes)
{
    CsvReading reading;
    const QByteArrayView body =
        bytes.startsWith(ByteOrderMark) ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(body);
    if (decoder.hasError()) {
        reading.problems.append({0,
                                 {},
                                 Texts::tr("The file is not UTF-8 text. Save it as CSV in "
                                           "UTF-8 and import it again.")});
        return reading;
    }
    reading.dialect = dialectOf(text);
    const QList<Record> records = recordsOf(text, separatorOf(reading.dialect));
    if (records.isEmpty()) {
        reading.problems.append({0, {}, Texts::tr("The file is empty.")});
        return reading;
    }

    QList<std::optional<BottleField>> columns;
    for (const QString &name : records.front().cells) {
        std::optional<BottleField> column;
        for (const auto &[field, each] : Columns) {
            if (name.trimmed().compare(QStringView(each), Qt::CaseInsensitive) == 0)
                column = field;
        }
        columns.append(column);
    }
    for (const BottleField needed :
         {BottleField::Name, BottleField::Basis, BottleField::Strength}) {
        if (!columns.contains(needed)) {
            //: %1 is a column's name as the file's header writes it (not translated).
            reading.problems.append(
                {records.front().line,
                 {},
                 Texts::tr("The header has no column %1.").arg(columnName(needed))});
        }
    }
    if (!reading.problems.isEmpty())
        return reading;

    const RowReader reader(columns, reading.dialect);
    for (const Record &record : QList<Record>(records.begin() + 1, records.end())) {
        const auto problemsBefore = reading.problems.size();
        CsvBottle row = reader.read(record, reading.problems);
        if (reading.problems.size() == problemsBefore)
            reading.bottles.append(std::move(row));
    }
    return reading;
}

} // namespace molvera
