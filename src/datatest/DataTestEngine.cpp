#include "datatest/DataTestEngine.h"

#include "core/DateUtil.h"
#include "core/Field.h"
#include "core/Formats.h"
#include "datatest/DataTestChecks.h"
#include "domain/DataModForm.h"

#include <QRegularExpression>

namespace zort {

using datatest::CheckKind;
using datatest::CheckLine;
using datatest::Table;

namespace {

const QString kTitleCard = QStringLiteral("Test danych dotyczących wypełnienia Statystycznej Karty Wypadku");
const QString kTitleProtocol = QStringLiteral("Test danych dotyczących wypełnienia Protokołu Powypadkowego");
const QString kTitleEverything = QStringLiteral("Wyniki weryfikacji danych dotyczących wypadku");

// The format with its "%s" filled.
QString fill(const char* format, const QString& value) {
    QString line = QString::fromUtf8(format);
    const qsizetype at = line.indexOf(QLatin1String("%s"));
    if (at >= 0) line.replace(at, 2, value);
    return line;
}

QString fill2(const char* format, const QString& first, const QString& second) {
    QString line = QString::fromUtf8(format);
    qsizetype at = line.indexOf(QLatin1String("%s"));
    line.replace(at, 2, first);
    at = line.indexOf(QLatin1String("%s"), at + first.size());
    line.replace(at, 2, second);
    return line;
}

QString codeAndName(const QString& code, const QString& name) {
    return QLatin1Char('[') + code + QStringLiteral("] - ") + name;
}

// A number in a printf format, with "." as the decimal point whatever the locale.
QString intText(const char* format, qint64 v) { return QString::asprintf(format, int(v)); }
QString decimalText(const char* format, double v) { return QString::asprintf(format, v); }

// Trailing blanks dropped: fixed-width columns come back padded.
QString shortText(const Field& f) { return f.asTrimmed(); }

QString trainingText(const Field& f, bool instruction) {
    const QString v = shortText(f).toLower();
    if (v == QLatin1String("t")) return instruction ? QStringLiteral("odbyty") : QStringLiteral("odbyte");
    if (v == QLatin1String("n"))
        return instruction ? QStringLiteral("nie został odbyty") : QStringLiteral("nie zostało odbyte");
    return QString();
}

// The lines of a stored text; CR LF (and LF CR) is one break, as is a lone CR or LF.
QStringList textLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n\r|\r|\n"));
    return text.split(breaks);
}

// The six-month notice counts whole days from the accident to today's midnight, on
// the calendar and clock as stored: a change of the clock in between moves nothing.
bool sixMonthsPassed(const QDateTime& accident, const QDate& today) {
    if (!accident.isValid() || !today.isValid()) return false;
    qint64 days = accident.date().daysTo(today);
    if (accident.time() > QTime(0, 0)) --days;   // part of the first day is not a whole day
    return days >= 183;
}

// One run: the lines and counters, filled check by check.
class DataTestRun {
public:
    DataTestRun(const DataTestInput& in, DataTestReport& out) : m_in(in), m_out(out) {}

    void frame(const QString& title, int underline, const QVector<int>& checks) {
        m_out = DataTestReport();
        add(title);
        add(QString(underline, QLatin1Char('=')));
        const QDateTime now = m_in.now.isValid() ? m_in.now : QDateTime::currentDateTime();
        add(fill2("Test wykonano : %s r. o godzinie %s", Formats::date(now.date()), Formats::time(now)));
        if (sixMonthsPassed(field(Table::Accident, "DATA").asDateTime(), now.date()))
            add(QStringLiteral("UWAGA : Od daty wypadku minęło ponad 6 miesięcy"));
        add(QString());
        for (int n : checks) runCheck(n);
        add(QString());
        add(QStringLiteral("Podsumowanie"));
        add(QStringLiteral("============"));
        add(QString::asprintf("Liczba stwierdzonych błędów            : %3d", m_out.ErrorCount));
        add(QString::asprintf("Liczba ostrzeżeń                       : %3d", m_out.WarningCount));
        add(QString::asprintf("Liczba uwag                            : %3d", m_out.NoteCount));
    }

private:
    void add(const QString& line) { m_out.lines << line; }

    Field field(Table t, const char* column) const {
        const auto& row = t == Table::Accident ? m_in.accident : m_in.person;
        return Field(row.value(QString::fromLatin1(column)));
    }
    Field field(const CheckLine& c, const char* column) const { return field(c.table, column); }

    // The finding as written, counted by its class word.
    QString finding(const char* text) {
        const QString f = QString::fromUtf8(text);
        const QString word = f.trimmed().section(QLatin1Char(' '), 0, 0);
        if (word == QStringLiteral("Błąd")) ++m_out.ErrorCount;
        else if (word == QStringLiteral("Ostrzeżenie")) ++m_out.WarningCount;
        else if (word == QStringLiteral("Uwaga")) ++m_out.NoteCount;
        return f;
    }

    void runCheck(int number) {
        for (const CheckLine& c : datatest::checkTable())
            if (c.number == number) runLine(c);
    }

    void runLine(const CheckLine& c) {
        switch (c.kind) {
        case CheckKind::Heading:
            add(QString::fromUtf8(c.format));
            return;
        case CheckKind::Text: {
            const QString v = shortText(field(c, c.column));
            add(fill(c.format, v.isEmpty() ? finding(c.finding) : v));
            return;
        }
        case CheckKind::Date:
        case CheckKind::DateWithSuffix: {
            const QDateTime d = field(c, c.column).asDateTime();
            if (!d.isValid()) add(fill(c.format, finding(c.finding)));
            else if (c.kind == CheckKind::Date) add(fill(c.format, Formats::date(d)));
            else add(fill(c.format, Formats::date(d) + QStringLiteral(" r.")));
            return;
        }
        case CheckKind::Sex: {
            const qint64 v = field(c, c.column).asInt();
            add(fill(c.format, v == 1   ? QStringLiteral("mężczyzna")
                               : v == 2 ? QStringLiteral("kobieta")
                                        : finding(c.finding)));
            return;
        }
        case CheckKind::Effect: {
            const qint64 v = field(c, c.column).asInt();
            add(fill(c.format, v >= 1 && v <= 3 ? TDataModForm::ConsequenceText(int(v)) : finding(c.finding)));
            return;
        }
        case CheckKind::Individual: {
            const qint64 v = field(c, c.column).asInt();
            add(fill(c.format, v == 0   ? QStringLiteral("indywidualny")
                               : v == 1 ? QStringLiteral("zbiorowy")
                                        : finding(c.finding)));
            return;
        }
        case CheckKind::AccidentType: {
            static const QStringList names{
                QStringLiteral("przy pracy"), QStringLiteral("zrównany z wypadkiem przy pracy"),
                QStringLiteral("nie jest to wypadak przy pracy"),
                QStringLiteral("nie jest to wypadek zrównany z wypadkiem przy pracy")};
            const qint64 v = field(c, c.column).asInt();
            add(fill(c.format, v >= 0 && v <= 3 ? names.at(int(v)) : finding(c.finding)));
            return;
        }
        case CheckKind::Training:
        case CheckKind::Instruction: {
            const QString v = trainingText(field(c, c.column), c.kind == CheckKind::Instruction);
            add(fill(c.format, v.isEmpty() ? finding(c.finding) : v));
            return;
        }
        case CheckKind::Position:
            add(fill(c.format, field(c, c.column).asInt() == 0 ? finding(c.finding)
                                                                 : shortText(field(c, c.column2))));
            return;
        case CheckKind::NumberNote: {
            const qint64 v = field(c, c.column).asInt();
            const QString shown = intText(c.numberFormat, v);
            add(fill(c.format, v == 0 ? shown + finding(c.finding) : shown));
            return;
        }
        case CheckKind::NumberRequired: {
            const qint64 v = field(c, c.column).asInt();
            add(fill(c.format, v == 0 ? finding(c.finding) : intText(c.numberFormat, v)));
            return;
        }
        case CheckKind::DecimalNote: {
            const double v = field(c, c.column).asFloat();
            const QString shown = decimalText(c.numberFormat, v);
            add(fill(c.format, v == 0.0 ? shown + finding(c.finding) : shown));
            return;
        }
        case CheckKind::CodeName: {
            const QString code = shortText(field(c, c.column));
            add(fill(c.format, code.isEmpty() ? finding(c.finding)
                                              : codeAndName(code, shortText(field(c, c.column2)))));
            return;
        }
        case CheckKind::CodeAsNumber: {
            const QString code = shortText(field(c, c.column)).trimmed();
            if (code.isEmpty()) {
                add(fill(c.format, finding(c.finding)));
                return;
            }
            bool ok = false;
            const int v = code.toInt(&ok);
            add(fill(c.format, ok ? intText(c.numberFormat, v) : code));
            return;
        }
        case CheckKind::Remarks: {
            if (m_in.protocolForm != 3) return;   // asked only by the 2019 protocol
            const qint64 v = field(c, c.column).asInt();
            add(fill(c.format, v == 0   ? finding(c.finding)
                               : v == 2 ? QStringLiteral("TAK")
                                        : QStringLiteral("NIE")));
            return;
        }
        case CheckKind::CodeList: {
            QStringList items;
            for (int i = 1; i <= c.count; ++i) {
                const QByteArray idColumn = QByteArray(c.column) + QByteArray::number(i);
                const QByteArray nameColumn = QByteArray(c.column2) + QByteArray::number(i);
                const QString code = shortText(field(c, idColumn.constData()));
                if (!code.isEmpty())
                    items << fill2(c.itemFormat, code, shortText(field(c, nameColumn.constData())));
            }
            if (items.isEmpty()) {
                add(fill(c.format, finding(c.finding)));
                return;
            }
            add(QString::fromUtf8(c.heading));
            for (const QString& item : items) add(item);
            return;
        }
        case CheckKind::LongText: {
            const QString text = field(c, c.column).asString();
            if (text.isEmpty()) {
                add(fill(c.format, finding(c.finding)));
                return;
            }
            const QStringList lines = textLines(text);
            add(fill(c.format, lines.first()));
            for (qsizetype i = 1; i < lines.size(); ++i) add(lines.at(i));
            return;
        }
        }
    }

    const DataTestInput& m_in;
    DataTestReport& m_out;
};

} // namespace

DataTestEngine::DataTestEngine(DataTestInput input) : m_in(std::move(input)) {}

DataTestReport DataTestEngine::run(const QString& title, int underline, const QVector<int>& checks) const {
    DataTestReport report;
    DataTestRun(m_in, report).frame(title, underline, checks);
    return report;
}

DataTestReport DataTestEngine::TestCard2000() { return run(kTitleCard, 63, datatest::card2000Checks()); }
DataTestReport DataTestEngine::TestCard() { return run(kTitleCard, 63, datatest::cardChecks()); }
DataTestReport DataTestEngine::TestProtocol1998() {
    return run(kTitleProtocol, 59, datatest::protocol1998Checks());
}
DataTestReport DataTestEngine::TestProtocol() { return run(kTitleProtocol, 59, datatest::protocolChecks()); }
DataTestReport DataTestEngine::TestEverything() {
    return run(kTitleEverything, 45, datatest::everythingChecks(m_in.protocolForm));
}

} // namespace zort
