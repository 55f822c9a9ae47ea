#include "domain/CardFields.h"

#include "domain/CardVersion.h"
#include "domain/Dictionaries.h"

namespace zort {
namespace {

constexpr unsigned kAll = 0x3F;
constexpr unsigned kSince2004 = 0x3D;  // every form but 2000
constexpr unsigned kOnly2000 = 0x02;
constexpr unsigned kSince2010 = 0x38;  // 2010, 2019, 2022

CardField field(const QString& code, const QString& text, const QString& codeColumn, const QString& textColumn,
                const QString& button, const QString& title, const QString& tree2022, const QString& older,
                const QString& list2000, const QString& list2000After, unsigned versions) {
    return CardField{code, text, codeColumn, textColumn, button, title, QString(), tree2022, older, false,
                     list2000, list2000After, versions, 0};
}

// The data module's dataset of a flat list.
QString datasetOf(const QString& table) {
    static const struct {
        const char* prefix;
        const char* dataset;
    } kDatasets[] = {{"SKWURAZY", "qryUrazy"},       {"SKWCZYNNOSCI", "qryCzynnosci"}, {"SKWWYDARZENIA", "qryWydarzenia"},
                     {"SKWPRZYCZYNY", "qryPrzyczyny"}, {"SKWCZYNNIKI", "qryCzynniki"},   {"SKWZRODLA", "qryZrodla"},
                     {"SKWRODZAJURAZ", "qryRodzajUraz"}, {"SKWOBYWATELSTWO", "qryObywatelstwo"},
                     {"SKWSTATUSZATR", "qryUmowy"},    {"SKWUMOWY", "qryUmowy"},        {"SKWLICZBAPRAC", "qryLiczbaPrac"},
                     {"SKWRODZAJMIEJSCWYP", "qryRodzajMiejscWyp"}, {"SKWMIEJSCA", "qryMiejsca"},
                     {"SKWCHORL4", "qryChorobyL4"}};
    for (const auto& d : kDatasets)
        if (table.startsWith(QLatin1String(d.prefix), Qt::CaseInsensitive)) return QString::fromLatin1(d.dataset);
    return QString();
}

} // namespace

const std::vector<CardField>& cardFields() {
    static const std::vector<CardField> fields = [] {
        std::vector<CardField> f;
        CardField injury = field("epIdUrazu1", "epUraz1", "IDURAZU1", "URAZ1", "wUraz1", "Umiejscowienie urazu",
                                 "SKWUMIEJSCURAZ_1", "SKWUMIEJSCURAZ", "SKWURAZY", "SKWURAZY_1", kAll);
        injury.injurySlot = 1;
        f.push_back(injury);
        for (int i = 2; i <= 3; ++i) {
            CardField more = field(QStringLiteral("epIdUrazu%1").arg(i), QStringLiteral("epUraz%1").arg(i),
                                   QStringLiteral("IDURAZU%1").arg(i), QStringLiteral("URAZ%1").arg(i),
                                   QStringLiteral("wUraz%1").arg(i), "Umiejscowienie urazu", QString(), QString(),
                                   "SKWURAZY", "SKWURAZY_1", kOnly2000);
            more.injurySlot = i;
            f.push_back(more);
        }
        CardField kind = field("epIdRodzajUraz", "epRodzajUraz", "IDRODZAJURAZ", "RODZAJURAZ", "wRodzajUraz",
                               "Rodzaj urazu", "SKWRODZAJURAZ_1", "SKWRODZAJURAZ", QString(), QString(), kSince2004);
        kind.olderIsList = true;
        f.push_back(kind);
        f.push_back(field("epIdProcesPracy", "epProcesPracy", "IDPROCESPRACY", "PROCESPRACY", "wProcesPracy",
                          "Proces pracy", "SKWPROCESPRACY_1", "SKWPROCESPRACY", QString(), QString(), kSince2004));
        f.push_back(field("epIdCzynnosci", "epCzynnosc", "IDCZYNNOSCI", "CZYNNOSC", "wCzynnosc",
                          "Czynność wykonywana przez poszkodowanego w chwili wypadku", "SKWCZYNNWYKPOSZK_1",
                          "SKWCZYNNWYKPOSZK", "SKWCZYNNOSCI", "SKWCZYNNOSCI", kAll));
        f.push_back(field("epIdCzynnikCzynnosc", "epCzynnikCzynnosc", "IDCZYNNIKCZYNNOSC", "CZYNNIKCZYNNOSC",
                          "wCzynnikCzynnosc",
                          "Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku",
                          "SKWCZYNNIKMATER_1", "SKWCZYNNIKMATER", QString(), QString(), kSince2004));
        CardField event = field("epIdWydarzenia", "epWydarzenie", "IDWYDARZENIA", "WYDARZENIE", "wWydarzenie",
                                "Wydarzenie będące odchyleniem od stanu normalnego", "SKWWYDARZODCHYL_1",
                                "SKWWYDARZODCHYL", "SKWWYDARZENIA", "SKWWYDARZENIA", kAll);
        event.title2000 = QStringLiteral("Wydarzenie powodujące wypadek");
        f.push_back(event);
        f.push_back(field("epIdCzynnikOdchylenie", "epCzynnikOdchylenie", "IDCZYNNIKODCHYLENIE", "CZYNNIKODCHYLENIE",
                          "wCzynnikOdchylenie", "Czynnik materialny związany z odchyleniem", "SKWCZYNNIKMATER_1",
                          "SKWCZYNNIKMATER", QString(), QString(), kSince2004));
        f.push_back(field("epIdWydarzenieUraz", "epWydarzenieUraz", "IDWYDARZENIEURAZ", "WYDARZENIEURAZ",
                          "wWydarzenieUraz", "Wydarzenie powodujące uraz", "SKWWYDARZURAZ_1", "SKWWYDARZURAZ", QString(),
                          QString(), kSince2004));
        f.push_back(field("epIdCzynnikUraz", "epCzynnikUraz", "IDCZYNNIKURAZ", "CZYNNIKURAZ", "wCzynnikUraz",
                          "Czynnik materialny będący źródłem urazu", "SKWCZYNNIKMATER_1", "SKWCZYNNIKMATER", QString(),
                          QString(), kSince2004));
        for (int i = 1; i <= 7; ++i) {
            CardField cause = field(QStringLiteral("epIdPrzyczyny%1").arg(i), QStringLiteral("epPrzyczyna%1").arg(i),
                                    QStringLiteral("IDPRZYCZYNY%1").arg(i), QStringLiteral("PRZYCZYNA%1").arg(i),
                                    QStringLiteral("wPrzyczyna%1").arg(i), "Przyczyny wypadku", "SKWPRZYCZYNYWYP_1",
                                    "SKWPRZYCZYNYWYP", "SKWPRZYCZYNY", "SKWPRZYCZYNY", kAll);
            cause.causeSlot = i;
            f.push_back(cause);
        }
        for (int i = 1; i <= 4; ++i) {
            CardField factor = field(QStringLiteral("epIdCzynnika%1").arg(i), QStringLiteral("epCzynnik%1").arg(i),
                                     QStringLiteral("IDCZYNNIKA%1").arg(i), QStringLiteral("CZYNNIK%1").arg(i),
                                     QStringLiteral("wCzynnik%1").arg(i), "Czynnik", QString(), QString(),
                                     "SKWCZYNNIKI", "SKWCZYNNIKI_1", kOnly2000);
            factor.factorSlot = i;
            f.push_back(factor);
            CardField source = field(QStringLiteral("epIdZrodla%1").arg(i), QStringLiteral("epZrodlo%1").arg(i),
                                     QStringLiteral("IDZRODLA%1").arg(i), QStringLiteral("ZRODLO%1").arg(i),
                                     QStringLiteral("wZrodlo%1").arg(i), "Źródło", QString(), QString(), "SKWZRODLA",
                                     "SKWZRODLA_1", kOnly2000);
            source.sourceSlot = i;
            f.push_back(source);
        }
        f.push_back(field("epIDFWJedn", "epFWJedn", "IDFWJEDN", "FWJEDN", "wFormaWlasnosciJedn", "Forma własności",
                          "SKWFWJEDN_1", "SKWFWJEDN", QString(), QString(), kSince2010));
        // The answers the register pages choose from their own lists; the card
        // windows pick them here.
        auto cardOnly = [&f](CardField c, bool list) {
            c.cardOnly = true;
            c.listSince2004 = list;
            f.push_back(c);
        };
        cardOnly(field("ewIdMiejsca", "ewMiejsceWyp", "IDMIEJSCA", "MIEJSCEWYP", "wMiejsceWyp", "Miejsce powstania wypadku",
                       "SKWMIEJSCEWYP_1", "SKWMIEJSCEWYP", "SKWMIEJSCA", "SKWMIEJSCA", kAll),
                 false);
        cardOnly(field("epIdObywatelstwo", "epObywatelstwo", "IDOBYWATELSTWO", "OBYWATELSTWO", "wObywatelstwo",
                       "Obywatelstwo", "SKWOBYWATELSTWO_1", "SKWOBYWATELSTWO", QString(), QString(), kSince2004),
                 true);
        CardField contract = field("epIdUmowy", "epUmowa", "IDUMOWY", "UMOWA", "wUmowa", "Status zatrudnienia",
                                   "SKWSTATUSZATR_1", "SKWSTATUSZATR", "SKWUMOWY", "SKWUMOWY_1", kAll);
        contract.title2000 = QStringLiteral("Rodzaj umowy o pracę");
        cardOnly(contract, true);
        cardOnly(field("ewIdRodzajMiejscaWyp", "ewRodzajMiejscaWyp", "IDRODZAJMIEJSCAWYP", "RODZAJMIEJSCAWYP",
                       "wRodzajMiejscaWyp", "Rodzaj miejsca wypadku", "SKWRODZAJMIEJSCWYP", "SKWRODZAJMIEJSCWYP",
                       QString(), QString(), kSince2004),
                 true);
        // The code of the number of workers has no description.
        cardOnly(field("epIdLiczbaPrac", QString(), "IDLICZBAPRAC", QString(), "wLiczbaPrac", "Liczba pracujących",
                       QString(), "SKWLICZBAPRAC", QString(), QString(), 0x1D),
                 true);
        // The disease number of the sick-leave form (the 1996 card): the code alone;
        // the register pages choose it from their own list.
        cardOnly(field("epKodChoroby", QString(), "KODCHOROBY", QString(), "wKodChoroby",
                       "Numer statystyczny choroby", QString(), QString(), "SKWCHORL4", "SKWCHORL4", kOnly2000),
                 false);
        return f;
    }();
    return fields;
}

const CardField* cardFieldOfCode(const QString& codeControl) {
    for (const CardField& f : cardFields())
        if (f.codeControl.compare(codeControl, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

const CardField* cardFieldOfButton(const QString& button) {
    for (const CardField& f : cardFields())
        if (f.button == button) return &f;
    return nullptr;
}

const std::vector<CardContactField>& cardContactFields() {
    constexpr unsigned older = 1u << 0 | 1u << 2 | 1u << 3 | 1u << 4;  // 2004, 2009, 2010, 2019
    constexpr unsigned all = older | 1u << 5;
    static const std::vector<CardContactField> fields = [] {
        std::vector<CardContactField> out;
        for (const char* part : {"", "2"}) {
            const QString s = QString::fromLatin1(part);
            out.push_back({QStringLiteral("epImNazwWypSKW") + s, older});
            out.push_back({QStringLiteral("epTelWypSKW") + s, all});
            out.push_back({QStringLiteral("epEmailWypSKW") + s, 1u << 5});
            out.push_back({QStringLiteral("epMiejscowWypSKW") + s, all});
            out.push_back({QStringLiteral("epDataWypSKW") + s, all});
            out.push_back({QStringLiteral("epMiejscowPPSKW") + s, older});
            out.push_back({QStringLiteral("epDataPPSKW") + s, older});
        }
        return out;
    }();
    return fields;
}

bool cardHasField(const CardField& field, int version) {
    return version >= 0 && version < kCardVersionCount && (field.versions & (1u << version)) != 0;
}

CardDictionary cardFieldDictionary(const CardField& field, int version, const QDateTime& referenceDate) {
    CardDictionary d;
    const CardVersionInfo* v = cardVersion(version);
    if (!v || !cardHasField(field, version)) return d;
    d.title = field.title;
    switch (v->family) {
    case CardFamily::Trees2022:
    case CardFamily::Trees:
        d.table = v->family == CardFamily::Trees2022 ? field.tree2022 : field.older;
        if (!field.listSince2004 && (v->family == CardFamily::Trees2022 || !field.olderIsList)) {
            d.kind = CardDictKind::Tree;
            break;
        }
        d.kind = CardDictKind::CodeList;
        d.listKind = 5;
        d.selectRule = 3;
        d.codeRule = 4;
        d.orderByCode = QStringLiteral("KOD");
        d.orderByName = QStringLiteral("NAZWA");
        break;
    case CardFamily::Lists2000: {
        d.kind = CardDictKind::List2000;
        d.table = cardAfter2000(referenceDate) ? field.list2000After : field.list2000;
        const bool injuries = d.table.startsWith(QLatin1String("SKWURAZY"));
        d.listKind = injuries ? 3 : 1;
        d.selectRule = 1;
        d.codeRule = 1;
        d.orderByCode = QStringLiteral("ID");
        d.orderByName = injuries ? QStringLiteral("NAZWA") : QStringLiteral("SKROT");
        if (d.table.startsWith(QLatin1String("SKWCHORL4"))) {
            // "KODCHORL4 - NAZWA": the code is the number's first three characters.
            d.listKind = 4;
            d.selectRule = 2;
            d.codeRule = 2;
            d.codeOfText = 3;
            d.orderByCode = QStringLiteral("KODCHORL4");
            d.orderByName = QStringLiteral("NAZWA");
        }
        if (!field.title2000.isEmpty()) d.title = field.title2000;
        break;
    }
    }
    if (d.table.isEmpty()) return CardDictionary{};
    d.dataset = d.kind == CardDictKind::Tree ? QString() : datasetOf(d.table);
    return d;
}

QString duplicateCauseMessage() { return QStringLiteral("Ten numer przyczyny został już wybrany"); }

QString duplicateInjuryMessage() { return QStringLiteral("Ten numer urazu został już wybrany"); }

QString duplicateFactorMessage() { return QStringLiteral("Ten numer czynnika/źródła został już wybrany"); }

QString duplicateSourceMessage() { return QStringLiteral("Ten numer źródła/czynnika został już wybrany"); }

bool sameCauseCode(const QString& a, const QString& b) {
    qint64 x = 0;
    qint64 y = 0;
    if (readWholeNumber(a, &x) && readWholeNumber(b, &y)) return x == y;
    // A code that is no number is the same cause only as the same text.
    const QString ta = a.trimmed();
    return !ta.isEmpty() && ta == b.trimmed();
}

namespace {

const CardField* slotField(int CardField::*slot, int k) {
    for (const CardField& f : cardFields())
        if (f.*slot == k) return &f;
    return nullptr;
}

// A code of the 2000 lists as a number; a code that is no number is none.
bool codeNumber(const QString& text, qint64* value) { return readWholeNumber(text, value); }

} // namespace

QString repeatedCardCode(const CardField& field, const std::function<QString(const QString& control)>& codeOf) {
    const QString own = codeOf(field.codeControl);
    if (field.causeSlot > 0) {
        if (own.trimmed().isEmpty()) return QString();
        for (const CardField& other : cardFields())
            if (other.causeSlot > 0 && other.causeSlot != field.causeSlot && sameCauseCode(own, codeOf(other.codeControl)))
                return duplicateCauseMessage();
        return QString();
    }
    if (field.injurySlot > 0) {
        qint64 mine = 0;
        if (!codeNumber(own, &mine)) return QString();
        for (const CardField& other : cardFields()) {
            qint64 theirs = 0;
            if (other.injurySlot > 0 && other.injurySlot != field.injurySlot &&
                codeNumber(codeOf(other.codeControl), &theirs) && theirs == mine)
                return duplicateInjuryMessage();
        }
        return QString();
    }
    const int k = field.factorSlot > 0 ? field.factorSlot : field.sourceSlot;
    if (k == 0) return QString();
    const CardField* factor = slotField(&CardField::factorSlot, k);
    const CardField* source = slotField(&CardField::sourceSlot, k);
    qint64 f = 0;
    qint64 s = 0;
    if (!factor || !source || !codeNumber(codeOf(factor->codeControl), &f) ||
        !codeNumber(codeOf(source->codeControl), &s) || f == 0 || s == 0)
        return QString();
    for (int j = 1; j <= 4; ++j) {
        if (j == k) continue;
        const CardField* otherFactor = slotField(&CardField::factorSlot, j);
        const CardField* otherSource = slotField(&CardField::sourceSlot, j);
        qint64 of = 0;
        qint64 os = 0;
        if (otherFactor && otherSource && codeNumber(codeOf(otherFactor->codeControl), &of) &&
            codeNumber(codeOf(otherSource->codeControl), &os) && of == f && os == s)
            return field.factorSlot > 0 ? duplicateFactorMessage() : duplicateSourceMessage();
    }
    return QString();
}

} // namespace zort
