#include "admin/AdmBasicPage.h"

#include "core/AdmSettings.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/DateUtil.h"
#include "core/Formats.h"
#include "core/UserInterface.h"
#include "domain/CardVersion.h"
#include "domain/DataModForm.h"
#include "domain/DocumentsFolder.h"
#include "domain/FieldChecks.h"
#include "ui/CommandGuard.h"
#include "ui/KalendarzForm.h"
#include "ui/LeaveChecks.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <tuple>

namespace zort {
namespace {

const QStringList kYesNo{QStringLiteral("TAK"), QStringLiteral("NIE")};

// TAK is item 0.
int yesNo(bool on) { return on ? 0 : 1; }

QLabel* wrappingLabel(const QString& caption, QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    l->setWordWrap(true);
    return l;
}

CheckResult dateCheck(const QString& text) {
    return Formats::parseDate(text).isValid() ? CheckResult::pass()
                                              : CheckResult::fail(FieldChecks::dateFormatMessage());
}

} // namespace

AdmBasicPage::AdmBasicPage(QWidget* page, QWidget* window)
    : QObject(window), m_window(window), m_checks(new LeaveChecks(window)) {
    build(page);
    connectChanges();
    load();
}

void AdmBasicPage::build(QWidget* page) {
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("pnPodstawowe"));
    scroll->setWidget(content);
    auto* rows = new QVBoxLayout(content);

    // A caption above its control (long captions wrap), the control labelled by it.
    auto above = [&](const QString& caption, QWidget* control) {
        QLabel* l = wrappingLabel(caption, content);
        labelControl(l, control);
        rows->addWidget(l);
        rows->addWidget(control);
        return l;
    };
    // A caption beside its control, for the short ones.
    auto beside = [&](const QString& caption, QWidget* control, QWidget* more = nullptr) {
        auto* row = new QHBoxLayout;
        auto* l = new QLabel(caption, content);
        labelControl(l, control);
        row->addWidget(l);
        row->addWidget(control);
        if (more) row->addWidget(more);
        row->addStretch(1);
        rows->addLayout(row);
        return l;
    };
    auto radio = [&](const char* name, const QString& caption) {
        auto* g = new RadioGroup(QString::fromLatin1(name), QString(), kYesNo, content, 2);
        return std::pair{above(caption, g), g};
    };
    auto combo = [&](const char* name, const QStringList& items) {
        QComboBox* c = makeCombo(QString::fromLatin1(name), content);
        c->addItems(items);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    };

    m_date = makeEdit(QStringLiteral("eData"), content, nullptr, 10);
    applyWidthRule(m_date, FieldKind::Date);
    m_dateButton = new QToolButton(content);
    m_dateButton->setObjectName(QStringLiteral("bData"));
    m_dateButton->setText(QStringLiteral("..."));
    m_dateButton->setAccessibleName(besideName(QStringLiteral("Data odniesienia:"), QStringLiteral("kalendarz")));
    beside(QStringLiteral("Data odniesienia:"), m_date, m_dateButton);
    m_printDate = makeEdit(QStringLiteral("eDataWydr"), content, nullptr, 10);
    applyWidthRule(m_printDate, FieldKind::Date);
    m_printDateButton = new QToolButton(content);
    m_printDateButton->setObjectName(QStringLiteral("bDataWydr"));
    m_printDateButton->setText(QStringLiteral("..."));
    m_printDateButton->setAccessibleName(besideName(QStringLiteral("Data wydruku:"), QStringLiteral("kalendarz")));
    beside(QStringLiteral("Data wydruku:"), m_printDate, m_printDateButton);

    m_symbol = radio("rgSymbolWyp",
                     QStringLiteral("Czy dołączać treść z pola \"Symbol wypadku\" do pól z numerami: wypadku, SKW, "
                                    "protokołu, itp.?"))
                   .second;
    m_separator = makeEdit(QStringLiteral("eSymbolWyp"), content);
    m_separator->setMaximumWidth(60);
    m_separatorLabel = beside(QStringLiteral("Znak rozdzielający:"), m_separator);

    m_dateKind = combo("cbData", {QStringLiteral("Data wypadku"), QStringLiteral("Data zgłoszenia wypadku"),
                                  QStringLiteral("Data rejestracji wypadku")});
    above(QStringLiteral("Data odniesienia dla zestawień zbiorczych oraz statystycznych - rodzaj:"), m_dateKind);

    m_level = makeEdit(QStringLiteral("ePoziom"), content);
    m_level->setMaximumWidth(80);
    above(QStringLiteral("Numer poziomu struktury uwzględniany w polu \"Zatrudniony w\""), m_level);

    QStringList cardItems;
    for (const CardVersionInfo& v : cardVersions()) cardItems << v.legalBasis;
    m_cardKind = combo("cmbRodzSKW", cardItems);
    above(QStringLiteral("Statystyczna Karta Wypadku wg"), m_cardKind);

    m_233 = radio("rg233", QStringLiteral("Czy sformułowanie: \"Groźba o karalności z art. 233 K.K. ...\" ma być "
                                          "drukowane ?"))
                .second;

    m_protocol = combo("cmbRodzProt", {QStringLiteral("(Dz. U. 1998 r. Nr 128, poz. 849)"),
                                       QStringLiteral("(Dz. U. 2003 r. Nr 182, poz. 1783)"),
                                       QStringLiteral("(Dz. U. 2004 r. Nr 227, poz. 2298)"),
                                       QStringLiteral("(Dz. U. 2019 r. Poz. 1071)")});
    above(QStringLiteral("Protokół powypadkowy wg"), m_protocol);

    m_hearing = radio("rgPrzesluchanie",
                      QStringLiteral("Czy sformułowanie \"Przesłuchanie poszkodowanego/świadka\" zamienić na "
                                     "\"Wyjaśnienie poszkodowanego, Informacje uzyskane od świadka wypadku\" ?"))
                    .second;

    m_year = combo("cmbRok", {QStringLiteral("daty wypadku"), QStringLiteral("daty sporządzenia dokumentu"),
                              QStringLiteral("daty rejestracji wypadku")});
    above(QStringLiteral("Rok uwzględniany w nagłówku SKW, protokołu i karty wyp. wg"), m_year);

    m_unlimited = radio("rgPolaProt",
                        QStringLiteral("Pola \"wielolinijkowe\" na protokole powypadkowym, karcie wypadku i karcie "
                                       "rejestracji wypadku bez ograniczeń co do ilości znaków (protokół "
                                       "powypadkowy może mieć więcej niż dwie strony)"))
                      .second;
    m_font = combo("cmbFont", {QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10")});
    m_fontLabel = beside(QStringLiteral("Rozmiar czcionki:"), m_font);

    m_headingDate = radio("rgDataNaglZal",
                          QStringLiteral("Czy dołączać datę sporządzenia protokołu powypadkowego/karty wypadku do "
                                         "nagłówka załączników"))
                        .second;
    m_colour = radio("rgKolorTypWyp",
                     QStringLiteral("Czy wyróżniać kolorem, na formularzu z zestawieniem wypadków przy pracy, "
                                    "wypadki nie będące wypadkami przy pracy?"))
                   .second;

    m_commuting = combo("cmbWypWDrodze", {QStringLiteral("wzoru obowiązującego do 2002 r."),
                                          QStringLiteral("Dz. U. 2002 r. Nr 237, poz. 2015"),
                                          QStringLiteral("Dz. U. 2012 r. poz. 482")});
    above(QStringLiteral("Karta wypadku w drodze do lub z pracy wg"), m_commuting);
    m_accidentCard = combo("cmbRodzKartaWyp", {QStringLiteral("Dz. U. 2002 r. Nr 236, poz. 1992"),
                                               QStringLiteral("Dz. U. 2012 r. poz. 909"),
                                               QStringLiteral("Dz. U. 2022 r. poz. 223")});
    above(QStringLiteral("Karta wypadku wg"), m_accidentCard);

    std::tie(m_pkt13Label, m_pkt13) =
        radio("rgPkt13prot",
              QStringLiteral("Zaznaczenie na wydruku opcji wyboru zawartych w pkt. 13 protokołu powypadkowego"));

    m_folder = makeEdit(QStringLiteral("ePathDokum"), content);
    m_folder->setReadOnly(true);
    setReadOnlyLook(m_folder, true);
    m_chooseFolder = new QPushButton(QStringLiteral("Wybierz"), content);
    m_chooseFolder->setObjectName(QStringLiteral("bWybierz"));
    above(QStringLiteral("Nazwa katalogu zawierającego dokumenty zewnętrzne :"), m_folder);
    {
        auto* row = new QHBoxLayout;
        row->addWidget(m_chooseFolder);
        row->addStretch(1);
        rows->addLayout(row);
    }
    rows->addWidget(wrappingLabel(
        QStringLiteral("UWAGA: Ww. katalog powinien być dostępny w ten sam sposób z każdej stacji klienckiej."),
        content));

    m_allTypPrac = new QCheckBox(QStringLiteral(" Pracownicy cywilni i operacyjni na jednej liście do wyboru"), content);
    m_allTypPrac->setObjectName(QStringLiteral("cbAllTypPrac"));
    rows->addWidget(m_allTypPrac);
    m_allTypPrac->setVisible(appContext().uniformedServices);

    m_registerPanel = new QWidget(content);
    m_registerPanel->setObjectName(QStringLiteral("pnRejestr"));
    {
        auto* row = new QHBoxLayout(m_registerPanel);
        row->setContentsMargins(0, 0, 0, 0);
        auto* l = new QLabel(QStringLiteral("Bieżący rejestr wypadków :"), m_registerPanel);
        m_register = makeCombo(QStringLiteral("cbRejestr"), m_registerPanel, l);
        m_register->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row->addWidget(l);
        row->addWidget(m_register);
        row->addStretch(1);
    }
    rows->addWidget(m_registerPanel);
    m_registerPanel->hide();
    rows->addStretch(1);
}

void AdmBasicPage::connectChanges() {
    AdmSettings& s = admSettings();
    auto guard = [this](std::function<void()> f) { return [this, f]() { CommandGuard::run(f, m_window); }; };

    m_checks->watch(m_date, dateCheck, nullptr, [this](QLineEdit*) { applyReferenceDate(); });
    m_checks->watch(m_printDate, dateCheck, nullptr, [](QLineEdit* e) {
        admSettings().printDate = Formats::parseDate(e->text());
    });
    m_checks->watch(m_level, &FieldChecks::smallWholeNumber, nullptr, [this](QLineEdit* e) {
        admSettings().pozDoZatr = e->text().trimmed();
        changed("PozDoZatr");
    });
    connect(m_dateButton, &QToolButton::clicked, this, guard([this]() { chooseReferenceDate(); }));
    connect(m_printDateButton, &QToolButton::clicked, this, guard([this]() { choosePrintDate(); }));
    connect(m_chooseFolder, &QPushButton::clicked, this, guard([this]() { WybierzClick(); }));

    auto flagGroup = [this](RadioGroup* g, bool* member, const char* key, bool reload = false) {
        connect(g, &RadioGroup::chosen, this, [this, member, key, reload](int index) {
            *member = index == 0;
            if (reload) m_reload = true;
            updateDependent();
            changed(key);
        });
    };
    flagGroup(m_symbol, &s.symbolWyp, "DodSymbolWyp", true);
    flagGroup(m_233, &s.wydr233, "Wydr233PPosz");
    flagGroup(m_hearing, &s.wyjasnieniePoszk, "WyjasnieniePoszk");
    flagGroup(m_unlimited, &s.protPowWielostronicowy, "ProtPowypadkowyWielostronicowy");
    flagGroup(m_headingDate, &s.dataNaglZal, "DataNaglZal");
    flagGroup(m_colour, &s.kolorWyp, "KolorWyp");
    flagGroup(m_pkt13, &s.zaznPkt13prot, "zaznPkt13prot");

    auto item = [this](QComboBox* c, int* member, const char* key, bool reload = false) {
        connect(c, &QComboBox::activated, this, [this, member, key, reload](int index) {
            *member = index;
            if (reload) m_reload = true;
            updateDependent();
            if (key) changed(key);
        });
    };
    item(m_dateKind, &s.dataOdniesienia, "DataOdniesienia", true);
    item(m_cardKind, &s.rodzajSKW, "RodzajSKW");
    item(m_protocol, &s.nowyProtPowypadkowy, "NowyProtPowypadkowy");
    item(m_year, &s.rokSKWProtPow, "RokSKWProtPow");
    item(m_font, &s.dokWypFont, nullptr);  // stored when the window closes
    item(m_commuting, &s.nowaKartaWypWDrodze, "NowaKartaWypWDrodze");
    item(m_accidentCard, &s.kartaWypadku, "KartaWypadku");

    connect(m_separator, &QLineEdit::textEdited, this, [this](const QString& text) {
        admSettings().separator = text;
        m_reload = true;
        changed("ZnakRozdzielajacy");
    });
    connect(m_allTypPrac, &QCheckBox::clicked, this, [this](bool on) {
        admSettings().allTypPrac = on;
        changed("AllTypPrac");
    });
    connect(m_register, &QComboBox::activated, this, [this](int index) {
        TDataModForm* d = dataMod();
        if (!d || index < 0 || index >= d->registers().items.size() || index == d->registers().current) return;
        RegisterChoice choice = d->registers();
        choice.current = index;
        d->setRegisters(choice);
        d->setCurrentRegister(choice.items.at(index).id);
        m_registerChanged = true;
        emit admSettingsNotifier().changed(QStringLiteral("cbRejestr"));
    });
}

void AdmBasicPage::changed(const char* key) { admSettingChanged(QString::fromLatin1(key)); }

void AdmBasicPage::load() {
    const AdmSettings& s = admSettings();
    TDataModForm* d = dataMod();
    const QSignalBlocker b1(m_date), b2(m_printDate), b3(m_level), b4(m_separator);
    m_date->setText(Formats::date(d && d->referenceDate().isValid() ? d->referenceDate().date() : s.printDate));
    m_printDate->setText(Formats::date(s.printDate));
    m_symbol->setItemIndex(yesNo(s.symbolWyp));
    m_separator->setText(s.separator);
    m_dateKind->setCurrentIndex(s.dataOdniesienia);
    m_level->setText(s.pozDoZatr);
    // Without a stored choice the list shows the form new accidents get.
    m_cardKind->setCurrentIndex(s.cardVersionForNewAccidents());
    m_233->setItemIndex(yesNo(s.wydr233));
    m_protocol->setCurrentIndex(s.nowyProtPowypadkowy);
    m_hearing->setItemIndex(yesNo(s.wyjasnieniePoszk));
    m_year->setCurrentIndex(s.rokSKWProtPow);
    m_unlimited->setItemIndex(yesNo(s.protPowWielostronicowy));
    m_font->setCurrentIndex(s.dokWypFont);
    m_headingDate->setItemIndex(yesNo(s.dataNaglZal));
    m_colour->setItemIndex(yesNo(s.kolorWyp));
    m_commuting->setCurrentIndex(s.nowaKartaWypWDrodze);
    m_accidentCard->setCurrentIndex(s.kartaWypadku);
    m_pkt13->setItemIndex(yesNo(s.zaznPkt13prot));
    m_allTypPrac->setChecked(s.allTypPrac);

    m_register->clear();
    const bool offered = appContext().registersMode && d && d->registers().choiceOffered();
    if (offered) {
        for (const RegisterItem& r : d->registers().items) m_register->addItem(r.text, r.id);
        m_register->setCurrentIndex(d->registers().current);
    }
    m_registerPanel->setVisible(offered);
    updateDependent();
}

void AdmBasicPage::updateDependent() {
    const AdmSettings& s = admSettings();
    const bool editable = m_fullRight;
    const int protocol = m_protocol->currentIndex();
    m_unlimited->setEnabled(editable && (protocol == 2 || protocol == 3));
    m_pkt13->setEnabled(editable && protocol == 3);
    m_pkt13Label->setEnabled(protocol == 3);
    m_font->setVisible(s.protPowWielostronicowy);
    m_fontLabel->setVisible(s.protPowWielostronicowy);
    m_separator->setVisible(s.symbolWyp);
    m_separatorLabel->setVisible(s.symbolWyp);
}

void AdmBasicPage::showing(bool fullRight) {
    m_fullRight = fullRight;
    m_reload = false;
    m_registerChanged = false;
    load();
    for (QWidget* w : std::initializer_list<QWidget*>{m_symbol, m_separator, m_dateKind, m_level, m_cardKind, m_233,
                                                      m_protocol, m_hearing, m_year, m_font, m_headingDate, m_colour,
                                                      m_commuting, m_accidentCard, m_chooseFolder, m_allTypPrac,
                                                      m_register})
        w->setEnabled(fullRight);
    updateDependent();
    m_shownDate = m_date->text();
    if (TDataModForm* d = dataMod()) m_folder->setText(DocumentsFolder(d->KartyDB()).read());
}

void AdmBasicPage::closing() {
    if (m_fullRight) changed("DokWypFont");
    TDataModForm* d = dataMod();
    if (!d) return;
    const QDate typed = Formats::parseDate(m_date->text());
    if ((m_date->text() != m_shownDate && typed.isValid()) || m_reload) {
        d->OpenRegister(typed.isValid() ? dates::midnight(typed) : d->referenceDate());
        emit admSettingsNotifier().changed(QLatin1String(kAdmStructureReload));
    } else if (m_registerChanged) {
        d->OpenRegister(d->referenceDate());
    }
    m_reload = m_registerChanged = false;
}

bool AdmBasicPage::applyReferenceDate() {
    const QDate typed = Formats::parseDate(m_date->text());
    if (!typed.isValid()) return false;
    if (TDataModForm* d = dataMod()) d->OpenRegister(dates::midnight(typed));
    return true;
}

void AdmBasicPage::chooseReferenceDate() {
    const QDate initial = Formats::parseDate(m_date->text());
    if (const auto chosen = calendarForm().choose(initial.isValid() ? initial : Clock::today())) {
        m_date->setText(Formats::date(*chosen));
        applyReferenceDate();
    }
}

void AdmBasicPage::choosePrintDate() {
    const QDate initial = Formats::parseDate(m_printDate->text());
    if (const auto chosen = calendarForm().choose(initial.isValid() ? initial : admSettings().printDate)) {
        m_printDate->setText(Formats::date(*chosen));
        admSettings().printDate = *chosen;
    }
}

void AdmBasicPage::WybierzClick() {
    TDataModForm* d = dataMod();
    if (!d) return;
    m_folder->setText(DocumentsFolder(d->KartyDB()).chooseAndStore(m_folder->text(), m_window));
}

} // namespace zort
