#include "domain/Dictionaries.h"

#include "domain/DataModForm.h"
#include "db/Dataset.h"
#include "core/Win1250.h"

namespace zort {
namespace {

QString text(const Dataset& rows, int row, const char* column) {
    return rows.fieldAt(row, QString::fromLatin1(column)).asString();
}

int idOf(const Dataset& rows, int row, const char* column = "ID") {
    return int(rows.fieldAt(row, QString::fromLatin1(column)).asInt());
}

// A person of the employee register as both lists show it.
DictEntry personEntry(const Dataset& rows, int r) {
    const QString surname = text(rows, r, "NAZWISKO");
    const QString first = text(rows, r, "IMIE");
    const QString pesel = text(rows, r, "PESEL");
    return {surname + QLatin1Char(' ') + first + QLatin1Char(' ') + pesel,
            TQvListaPrac{idOf(rows, r, "IDOSOBY"), pesel, first, surname}};
}

const QString kDash = QStringLiteral(" - ");

const TQvLista* asLista(const DictObject& o) { return std::get_if<TQvLista>(&o); }
const TQvListaPrac* asPrac(const DictObject& o) { return std::get_if<TQvListaPrac>(&o); }

bool idEquals(int id, const QString& text) {
    qint64 n = 0;
    return readWholeNumber(text, &n) && n == id;
}

QString firstText(const DictObject& o) {
    if (const auto* l = asLista(o)) return l->text1;
    if (const auto* p = asPrac(o)) return p->text1;
    return QString();
}

QString secondText(const DictObject& o) {
    if (const auto* l = asLista(o)) return l->text2;
    if (const auto* p = asPrac(o)) return p->text2;
    return QString();
}

bool hasObject(const DictObject& o) { return !std::holds_alternative<std::monostate>(o); }

} // namespace

bool cardAfter2000(const QDateTime& referenceDate) {
    return referenceDate > QDateTime(QDate(2000, 12, 31), QTime(0, 0));
}

QString employedOnDate(const QString& table) {
    return QStringLiteral("ODanOs.IdOsoby=OPracow.IdPrac AND OPracow.IdStan = ") + table +
           QStringLiteral(".Id AND (OPracow.DataZatr <= :nowdata) AND ") +
           QStringLiteral(" ((OPracow.DataZak IS NULL) OR (OPracow.DataZak > :nowdata))");
}

std::vector<DictEntry> comboEntries(const Dataset& rows, int kind) {
    std::vector<DictEntry> out;
    if (rows.isEmpty()) return out;
    out.reserve(size_t(rows.recordCount()));
    // Every column looked up once for the whole list, not once a cell.
    auto column = [&rows](const char* name) { return rows.requireColumn(QString::fromLatin1(name)); };
    // Texts and whole numbers as the driver gives them taken without conversion.
    auto textAt = [&rows](int r, int c) {
        const QVariant& v = rows.valueAt(r, c);
        return v.metaType().id() == QMetaType::QString ? *static_cast<const QString*>(v.constData())
                                                        : Field(v).asString();
    };
    // "a - b" built in one allocation.
    auto joined = [](const QString& a, const QString& b) {
        QString t;
        t.reserve(a.size() + kDash.size() + b.size());
        t += a;
        t += kDash;
        t += b;
        return t;
    };
    auto idAt = [&rows](int r, int c) {
        const QVariant& v = rows.valueAt(r, c);
        return v.metaType().id() == QMetaType::Int ? *static_cast<const int*>(v.constData()) : int(Field(v).asInt());
    };
    switch (kind) {
    case 1: {
        const int id = column("ID"), skrot = column("SKROT");
        for (int r = 0; r < rows.recordCount(); ++r) {
            const int i = idAt(r, id);
            const QString s = textAt(r, skrot);
            out.push_back({QString::number(i) + kDash + s, TQvLista{i, s, QString()}});
        }
        break;
    }
    case 2:
        for (int r = 0; r < rows.recordCount(); ++r) out.push_back(personEntry(rows, r));
        break;
    case 3: {
        const int id = column("ID"), nazwa = column("NAZWA");
        for (int r = 0; r < rows.recordCount(); ++r) {
            const int i = idAt(r, id);
            const QString n = textAt(r, nazwa);
            out.push_back({joined(QString::number(i), n), TQvLista{i, n, QString::number(i)}});
        }
        break;
    }
    case 4: {
        const int id = column("ID"), kod = column("KODCHORL4"), nazwa = column("NAZWA");
        for (int r = 0; r < rows.recordCount(); ++r) {
            const QString k = textAt(r, kod), n = textAt(r, nazwa);
            out.push_back({joined(k, n), TQvListaPrac{idAt(r, id), k, n, QString()}});
        }
        break;
    }
    case 5: {
        const int id = column("ID"), kod = column("KOD"), nazwa = column("NAZWA");
        for (int r = 0; r < rows.recordCount(); ++r) {
            const QString k = textAt(r, kod), n = textAt(r, nazwa);
            out.push_back({joined(k, n), TQvListaPrac{idAt(r, id), n, k, QString()}});
        }
        break;
    }
    case 6: {
        const int id = column("ID"), imNazw = column("IMNAZW"), funkcja = column("FUNKCJA");
        for (int r = 0; r < rows.recordCount(); ++r) {
            const QString a = textAt(r, imNazw), f = textAt(r, funkcja);
            out.push_back({a + kDash + f, TQvLista{idAt(r, id), a, f}});
        }
        break;
    }
    case 7: {
        const int id = column("ID"), imNazw = column("IMNAZW"), funkcja = column("FUNKCJA"), stanow = column("STANOW");
        for (int r = 0; r < rows.recordCount(); ++r) {
            const QString a = textAt(r, imNazw), f = textAt(r, funkcja), st = textAt(r, stanow);
            out.push_back({a + kDash + f + QStringLiteral(", ") + st, TQvListaPrac{idAt(r, id), a, f, st}});
        }
        break;
    }
    default: break;
    }
    return out;
}

std::vector<DictEntry> listEntries(const Dataset& rows, int kind) {
    if (kind < 1 || kind > 5) return {};
    // The entries of the combo boxes, but for the objects of two kinds: an occupation
    // of DZAWODY keeps only its name, a KOD dictionary entry is a TQvLista.
    std::vector<DictEntry> entries = comboEntries(rows, kind);
    for (DictEntry& e : entries) {
        if (kind == 3) std::get<TQvLista>(e.object).text2.clear();
        if (kind == 5) {
            const TQvListaPrac p = std::get<TQvListaPrac>(e.object);
            e.object = TQvLista{p.id, p.text1, p.text2};
        }
    }
    return entries;
}

bool readWholeNumber(const QString& text, qint64* value) {
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    if (ok && value) *value = n;
    return ok;
}

bool comboEntryMatches(const DictObject& o, const QString& text, int rule) {
    switch (rule) {
    case 1: return asLista(o) && idEquals(asLista(o)->id, text);
    case 2: return asPrac(o) && asPrac(o)->text1 == text;
    case 3: return asPrac(o) && idEquals(asPrac(o)->id, text);
    case 4: return hasObject(o) && secondText(o) == text;
    case 5: return hasObject(o) && firstText(o) == text;
    case 6: return asPrac(o) && asPrac(o)->text2 == text;
    default: return false;
    }
}

bool listEntryMatches(const DictObject& o, const QString& text, int rule) {
    if (!hasObject(o)) return false;
    switch (rule) {
    case 1: return idEquals(entryId(o), text);
    case 2: return firstText(o) == text;
    case 3: {
        qint64 own = 0;
        qint64 wanted = 0;
        return readWholeNumber(secondText(o), &own) && readWholeNumber(text, &wanted) && own == wanted;
    }
    default: return false;
    }
}

int entryId(const DictObject& o) {
    if (const auto* l = asLista(o)) return l->id;
    if (const auto* p = asPrac(o)) return p->id;
    return 0;
}

QString entryCode(const DictObject& o, int rule) {
    switch (rule) {
    case 1:
    case 3: return hasObject(o) ? QString::number(entryId(o)) : QString();
    case 2:
    case 5: return firstText(o);
    default: return secondText(o);
    }
}

QString entryText(const DictObject& o) { return firstText(o); }

QString entryThirdText(const DictObject& o) {
    const auto* p = asPrac(o);
    return p ? p->text3 : QString();
}

QString comboSql(const DictSource& s) {
    QString sql = QStringLiteral("SELECT * FROM ") + s.table;
    if (!s.condition.isEmpty()) sql += QStringLiteral(" WHERE ") + s.condition;
    return sql + QStringLiteral(" ORDER BY ") + s.order;
}

QString policePersonListSql(const QString& order, const QString& table, bool allKinds) {
    const QString kinds = allKinds ? QString() : QStringLiteral(" WHERE TypPrac = 1 ");
    if (table.isEmpty()) return QStringLiteral("SELECT * FROM ODANOS") + kinds + QStringLiteral(" ORDER BY ") + order;
    return QStringLiteral("SELECT ODanOs.* FROM ODANOS,OPracow,") + table + kinds +
           (allKinds ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + employedOnDate(table) +
           QStringLiteral(" ORDER BY ") + order;
}

QString occupationTable(int edition) {
    switch (edition) {
    case 1: return QStringLiteral("DNewZAWODY");
    case 2: return QStringLiteral("DNewZAWODY2010");
    case 3: return QStringLiteral("DNewZAWODY2014");
    case 4: return QStringLiteral("DNewZAWODY2021");
    default: return QStringLiteral("DZAWODY");
    }
}

DictSource occupationSource(int edition, bool byCode, const QString& filter) {
    // The pattern is given its own length: bound as it is, it would take the length of
    // the column, and a pattern longer than a code would be refused.
    static const QString kPattern = QStringLiteral("CAST(:Filtr AS VARCHAR(255)) ESCAPE '\\'");
    DictSource s;
    s.table = occupationTable(edition);
    s.order = byCode ? QStringLiteral("KOD") : QStringLiteral("NAZWA");
    s.kind = edition >= 1 && edition <= 4 ? 5 : 3;
    QStringList conditions;
    const QString typed = filter.trimmed();
    if (!typed.isEmpty()) {
        if (readWholeNumber(typed)) {
            conditions << QStringLiteral("Kod LIKE ") + kPattern;
            s.params.setText(QStringLiteral("Filtr"), likeContains(typed));
        } else {
            conditions << QStringLiteral("UPPER(Nazwa) LIKE ") + kPattern;
            s.params.setText(QStringLiteral("Filtr"), likeContains(databaseUpper(typed)));
        }
    }
    if (s.kind == 5) conditions << QStringLiteral("NrPoz=4");
    s.condition = conditions.join(QStringLiteral(" AND "));
    return s;
}

CardDictionaries cardDictionaries(int version, const QDateTime& referenceDate) {
    auto byId = [](const QString& table, int kind) {
        DictSource s;
        s.table = table;
        s.order = QStringLiteral("ID");
        s.kind = kind;
        return s;
    };
    CardDictionaries d;
    if (version == 1) {
        const bool after2000 = cardAfter2000(referenceDate);
        d.status = byId(after2000 ? QStringLiteral("SKWUMOWY_1") : QStringLiteral("SKWUMOWY"), 1);
        return d;
    }
    const QString suffix = version == 5 ? QStringLiteral("_1") : QString();
    d.status = byId(QStringLiteral("SKWSTATUSZATR") + suffix, 5);
    d.citizenship = byId(QStringLiteral("SKWOBYWATELSTWO") + suffix, 5);
    d.employerSize = byId(QStringLiteral("SKWLICZBAPRAC") + suffix, 5);
    return d;
}

QString databaseUpper(const QString& text) {
    QString out = text;
    // A letter whose capital the code page lacks (the micro sign) stays as it is.
    for (QChar& c : out)
        if (const QChar up = c.toUpper(); win1250::canEncode(up)) c = up;
    return out;
}

QString likeContains(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_')) escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

void addDictionaryDatasets(TDataModForm& dm) {
    struct Named {
        const char* name;
        const char* sql;
    };
    static const Named kDatasets[] = {
        {"qryMiejsca", "select * from skwmiejsca"},
        {"qryCzynnosci", "select * from skwczynnosci"},
        {"qryWydarzenia", "select * from skwwydarzenia"},
        {"qryCzynniki", "select * from skwczynniki"},
        {"qryZrodla", "select * from skwzrodla"},
        {"qryUrazy", "select * from skwurazy"},
        {"qryPrzyczyny", "select * from skwprzyczyny"},
        {"qryUmowy", "select * from skwstatuszatr"},
        {"qryObywatelstwo", "select * from skwstatuszatr"},
        {"qryLiczbaPrac", "select * from skwstatuszatr"},
        {"qryRodzajUraz", "select * from skwstatuszatr"},
        {"qryRodzajMiejscWyp", "select * from skwstatuszatr"},
        {"AStatusZatrQry", "select * from SKWSTATUSZATR"},
        {"AObywatelstwoQry", "select * from SKWOBYWATELSTWO"},
        {"ALiczbaPracQry", "select * from SKWLICZBAPRAC"},
        {"ARodzajUrazQry", "select * from SKWRODZAJURAZ"},
        {"ARodzajMiejsWypQry", "select * from SKWRODZAJMIEJSCWYP"},
        {"qryChorobyL4", "select * from skwchorl4"},
        {"qryZawody", "select * from dzawody"},
        {"qryDanOs_Policja", "select * from ODanOs"},
        // The person lists of the combo boxes: kept apart from qryDanOs, whose rows the
        // lists of injured persons read every employee's PESEL from, so that a filter
        // or a restriction of the combo box does not take PESELs out of those lists.
        {"qryDanOsLista", "select * from ODanOs"},
        {"qryZespPowypadkowy", "select * from skwzesppowypadkowy"},
        {"qryKomisjaPow_Policja", "select * from WYPOPER_KomisjaPOWYPAD "},
        // The employments of the officer copied last on the pages of accidents in
        // service (read with the copy, shown nowhere on them).
        {"qryZatrudnienie_Policja", "select * from OPracow"},
        // The lists of the administration window's dictionary pages, kept apart from
        // the pickers' datasets (whose statements the pickers replace).
        {"ACzynnikiQry", "select * from skwczynniki"},
        {"ACzynnosciQry", "select * from skwczynnosci"},
        {"AMiejscaQry", "select * from skwmiejsca"},
        {"AUmowyQry", "select * from skwumowy order by id"},
        {"AUrazyQry", "select * from skwurazy"},
        {"AWydarzeniaQry", "select * from skwwydarzenia"},
        {"AZespolQry", "select * from SKWZespPowypadkowy order by ImNazw"},
        {"AKomisjaQry", "select * from WYPOPER_KomisjaPOWYPAD order by ImNazw"},
    };
    for (const Named& n : kDatasets)
        dm.addDataset(QString::fromLatin1(n.name), new Dataset(&dm.KartyDB(), QString::fromLatin1(n.sql), &dm));
}

} // namespace zort
