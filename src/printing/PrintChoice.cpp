#include "printing/PrintChoice.h"

namespace zort::print {
namespace {

struct BoxInfo {
    const char* name;
    const char* caption;
    PrintChoice::Group group;
    PrintChoice::Document document;
};

const BoxInfo kBoxes[PrintChoice::BoxCount] = {
    {"CBoxSKW1", "drukuj stronę pierwszą", PrintChoice::gbSKW, PrintChoice::StatCard},
    {"CBoxSKW2", "drukuj stronę drugą", PrintChoice::gbSKW, PrintChoice::StatCard},
    {"CBoxSKW3", "drukuj stronę trzecią", PrintChoice::gbSKW, PrintChoice::StatCard},
    {"CBoxPP1", "drukuj stronę pierwszą", PrintChoice::gb_1_2, PrintChoice::ProtocolPages},
    {"CBoxPP2", "drukuj stronę drugą", PrintChoice::gb_1_2, PrintChoice::ProtocolPages},
    {"CBoxPP3", "drukuj stronę trzecią", PrintChoice::gb_1_2, PrintChoice::ProtocolPages},
    {"CBoxPP4", "drukuj stronę czwartą", PrintChoice::gb_1_2, PrintChoice::ProtocolPages},
    {"CBoxPPall", "drukuj", PrintChoice::gb_all, PrintChoice::WholeProtocol},
    {"CBoxRW", "drukuj", PrintChoice::gbRW, PrintChoice::RegisterCard},
    {"CBoxKW1", "drukuj stronę pierwszą", PrintChoice::gbKARTAWYPADKU, PrintChoice::AccidentCardPages},
    {"CBoxKW2", "drukuj stronę drugą", PrintChoice::gbKARTAWYPADKU, PrintChoice::AccidentCardPages},
    {"CBoxKW3", "drukuj stronę trzecią", PrintChoice::gbKARTAWYPADKU, PrintChoice::AccidentCardPages},
    {"CBoxKW4", "drukuj stronę czwartą", PrintChoice::gbKARTAWYPADKU, PrintChoice::AccidentCardPages},
    {"CBoxKW_all", "drukuj ", PrintChoice::gbKartaWypadku_all, PrintChoice::WholeAccidentCard},
};

struct GroupInfo {
    const char* name;
    const char* caption;
};

const GroupInfo kGroups[PrintChoice::GroupCount] = {
    {"gbSKW", "Statystyczna Karta Wypadku"},
    {"gb_1_2", "Protokół Powypadkowy"},
    {"gb_all", "Protokół Powypadkowy"},
    {"gbRW", "Rejestr Wypadku "},
    {"gbKARTAWYPADKU", "Karta wypadku"},
    {"gbKartaWypadku_all", "Karta wypadku"},
};

} // namespace

QString PrintChoice::name(Box box) { return QString::fromLatin1(kBoxes[box].name); }
QString PrintChoice::caption(Box box) { return QString::fromUtf8(kBoxes[box].caption); }
QString PrintChoice::groupName(Group group) { return QString::fromLatin1(kGroups[group].name); }
QString PrintChoice::groupCaption(Group group) { return QString::fromUtf8(kGroups[group].caption); }
PrintChoice::Group PrintChoice::groupOf(Box box) { return kBoxes[box].group; }
PrintChoice::Document PrintChoice::documentOf(Box box) { return kBoxes[box].document; }

void PrintChoice::reset(const AdmSettings& settings) {
    const int protocol = settings.nowyProtPowypadkowy;
    const bool newProtocol = protocol == 2 || protocol == 3;
    m_wholeProtocol = newProtocol && settings.protPowWielostronicowy;
    m_wholeCard = settings.protPowWielostronicowy;
    m_enabled.fill(true);
    m_enabled[PP3] = m_enabled[PP4] = newProtocol;
    m_enabled[KW3] = m_enabled[KW4] = settings.kartaWypadku != 0;
    m_checked.fill(false);
    applyVisibility();
}

void PrintChoice::setPerson(bool hasProtocol) {
    m_hasProtocol = hasProtocol;
    applyVisibility();
}

void PrintChoice::setCardVersion(int wersjaSkw) {
    // No form chosen (outside 0..5) opens the current card, so it prints the current one.
    m_enabled[SKW3] = wersjaSkw == 5 || wersjaSkw < 0 || wersjaSkw > 5;
    if (!m_enabled[SKW3]) m_checked[SKW3] = false;
}

void PrintChoice::applyVisibility() {
    m_shown[gbSKW] = true;
    m_shown[gb_1_2] = m_hasProtocol && !m_wholeProtocol;
    m_shown[gb_all] = m_hasProtocol && m_wholeProtocol;
    m_shown[gbRW] = m_hasProtocol;
    m_shown[gbKARTAWYPADKU] = !m_hasProtocol && !m_wholeCard;
    m_shown[gbKartaWypadku_all] = !m_hasProtocol && m_wholeCard;
    for (int b = 0; b < BoxCount; ++b)
        if (!m_shown[groupOf(Box(b))]) m_checked[size_t(b)] = false;
}

bool PrintChoice::setChecked(Box box, bool on) {
    if (!on) {
        m_checked[box] = false;
        return false;
    }
    if (!m_enabled[box]) return m_checked[box];
    for (int b = 0; b < BoxCount; ++b)
        if (documentOf(Box(b)) != documentOf(box)) m_checked[size_t(b)] = false;
    m_checked[box] = true;
    return true;
}

bool PrintChoice::anyChecked() const {
    for (bool c : m_checked)
        if (c) return true;
    return false;
}

QStringList collectPageForms(const PrintChoice& choice, const AdmSettings& settings, int wersjaSkw,
                             const QDateTime& referenceDate) {
    QStringList forms;
    using B = PrintChoice;
    // 1. The statistical card of the accident's version.
    QString suffix;
    switch (wersjaSkw) {
    case 5: suffix = QStringLiteral("_5"); break;
    case 4: suffix = QStringLiteral("_4"); break;
    case 3: suffix = QStringLiteral("_3"); break;
    case 0:
    case 2: suffix = QStringLiteral("_2"); break;
    case 1:
        // The form of 2000 served until its end; later registers print the next one.
        suffix = referenceDate > QDateTime(QDate(2000, 12, 31), QTime(0, 0)) ? QStringLiteral("_1") : QString();
        break;
    default:
        // No form chosen: the card window opens the current card for it.
        suffix = QStringLiteral("_5");
    }
    if (choice.isChecked(B::SKW1)) forms << QStringLiteral("TKartWypRep1Form") + suffix;
    if (choice.isChecked(B::SKW2)) forms << QStringLiteral("TKartWypRep2Form") + suffix;
    if (choice.isChecked(B::SKW3) && suffix == QLatin1String("_5")) forms << QStringLiteral("TKartWypRep3Form") + suffix;

    const int protocol = settings.nowyProtPowypadkowy;
    // 2. The whole protocol.
    if (choice.isChecked(B::PPall)) {
        if (protocol == 3) forms << QStringLiteral("TProtPowRepForm_3_all");
        else if (protocol == 2) forms << QStringLiteral("TProtPowRepForm_all");
    }
    // 3. Protocol pages.
    const QString ppSuffix = protocol >= 1 && protocol <= 3 ? QStringLiteral("_%1").arg(protocol) : QString();
    const B::Box pages[] = {B::PP1, B::PP2, B::PP3, B::PP4};
    for (int i = 0; i < 4; ++i) {
        if (!choice.isChecked(pages[i])) continue;
        if (i >= 2 && protocol != 2 && protocol != 3) continue;
        forms << QStringLiteral("TProtPowRep%1Form").arg(i + 1) + ppSuffix;
    }
    // 4. The register card.
    if (choice.isChecked(B::RW))
        forms << (protocol == 0 ? QStringLiteral("TRejWypRep1Form") : QStringLiteral("TRejWypRep1Form_1"));
    // 5. The accident card.
    const int card = settings.kartaWypadku;
    if (choice.isChecked(B::KWall)) {
        static const char* whole[] = {"TKartaWypadkuRep_all_Form", "TKartaWypadkuRep2012_all_Form",
                                      "TKartaWypadkuRep2022_all_Form"};
        if (card >= 0 && card <= 2) forms << QString::fromLatin1(whole[card]);
    } else {
        const B::Box kw[] = {B::KW1, B::KW2, B::KW3, B::KW4};
        for (int i = 0; i < 4; ++i) {
            if (!choice.isChecked(kw[i])) continue;
            if (card == 0 && i < 2) forms << QStringLiteral("TKartaWypadkuRep%1Form").arg(i + 1);
            else if (card == 1) forms << QStringLiteral("TKartaWypadkuRep2012_%1Form").arg(i + 1);
            else if (card == 2) forms << QStringLiteral("TKartaWypadkuRep2022_%1Form").arg(i + 1);
        }
    }
    return forms;
}

int CommutingCardChoice::offeredPages(const AdmSettings& settings) {
    switch (settings.nowaKartaWypWDrodze) {
    case 0: return 2;
    case 2: return settings.protPowWielostronicowy ? 0 : 3;
    default: return 0;
    }
}

QStringList CommutingCardChoice::collect(const AdmSettings& settings, const std::array<bool, 3>& pages) {
    QStringList forms;
    switch (settings.nowaKartaWypWDrodze) {
    case 0:
        if (pages[0]) forms << QStringLiteral("TProtWDrodze1Form");
        if (pages[1]) forms << QStringLiteral("TProtWDrodze2Form");
        break;
    case 1: forms << QStringLiteral("TProtWDrodzeNowyForm"); break;
    case 2:
        if (settings.protPowWielostronicowy) {
            forms << QStringLiteral("TProtWDrodzeNowy2012Form");
        } else {
            for (int i = 0; i < 3; ++i)
                if (pages[size_t(i)]) forms << QStringLiteral("TProtWDrodzeNowy2012_%1Form").arg(i + 1);
        }
        break;
    default: break;
    }
    return forms;
}

} // namespace zort::print
