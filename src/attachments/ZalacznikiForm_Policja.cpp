#include "attachments/ZalacznikiForm_Policja.h"

#include "core/AccessRights.h"
#include "core/Forms.h"
#include "core/Formats.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "domain/DataModForm.h"
#include "core/DateUtil.h"
#include "ui/CommandGuard.h"
#include "ui/MemberPicker.h"
#include "ui/DictionaryCombos.h"
#include "ui/FieldBinding.h"
#include "ui/PageBuilder.h"
#include "ui/PageDictionaries.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace zort {
namespace {

const QString kCopyOfficerQuestion =
    QStringLiteral(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?");
const QString kCopyCommissionQuestion = QStringLiteral(
    " Czy skopiować dane zepołu powypadkowego do pól osób sporządzających protokół z przesłuchania?");
// The tabs' colour, that of the lists' fixed column.
const QColor kTabColour(233, 204, 192);

// The lists of the heard person's page: the service's persons (positioned by the
// PESEL shown beside them) with the surname filter.
const DictionaryNames& hearingLists() {
    static const DictionaryNames n = [] {
        DictionaryNames d;
        d.persons = "cbNazwisko";
        d.personCode = "e9Pesel";
        d.personFilterOn = "cbrzFiltrN";
        d.personFilter = "e_zFiltrN";
        d.personFilterSet = "bzPokazN";
        d.servicePersons = true;
        return d;
    }();
    return n;
}

// The heard person's fields that a double click on the PESEL empties.
const char* const kPersonFields[] = {"efPesel",   "efStopienSl", "efNazwisko", "efImie",   "efImOjca",
                                     "efDataUr",  "efMiejsceUr", "efMiejscow", "efWojew",  "efUlica",
                                     "efNrUl",    "efNrMiesz",   "efKodPocz",  "efNrSeriaDo"};

// The post of a member of the commission, under the column "Stanowisko : ".
QLineEdit* stationField(QLineEdit* e) {
    e->setPlaceholderText(QStringLiteral("Stanowisko : "));
    e->setToolTip(QStringLiteral("Stanowisko : "));
    return e;
}

// A chooser's button shows three dots; its name and hint say what it chooses.
QToolButton* chooserButton(QToolButton* b) {
    b->setToolTip(b->text());
    b->setText(QStringLiteral("..."));
    return b;
}

QTabWidget* pagesOf(QWidget* parent, const char* name, const QStringList& pageNames, const QStringList& captions) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < pageNames.size(); ++i) {
        auto* page = new QWidget(tabs);
        page->setObjectName(pageNames.at(i));
        tabs->addTab(page, captions.at(i));
    }
    return tabs;
}

} // namespace

const CopyMap& otherHearingCopyMap() {
    using V = CopyValue;
    static const CopyMap map{
        {V::Pesel, QStringLiteral("efPesel"), 11},
        {V::Rank, QStringLiteral("efStopienSl"), 30},
        {V::Surname, QStringLiteral("efNazwisko"), 50},
        {V::FirstName, QStringLiteral("efImie"), 30},
        {V::FatherName, QStringLiteral("efImOjca"), 30},
        {V::BirthDate, QStringLiteral("efDataUr")},
        {V::BirthPlace, QStringLiteral("efMiejsceUr"), 50},
        {V::Town, QStringLiteral("efMiejscow"), 32},
        {V::Province, QStringLiteral("efWojew"), 32},
        {V::Street, QStringLiteral("efUlica"), 32},
        {V::House, QStringLiteral("efNrUl"), 9},
        {V::Flat, QStringLiteral("efNrMiesz"), 9},
        {V::PostCode, QStringLiteral("efKodPocz"), 6},
        {V::IdentityCardNumber, QStringLiteral("efNrSeriaDo"), 40},
        {V::PositionCode, QStringLiteral("efStanowKod"), 50},
        {V::PositionId, QStringLiteral("efIdStanow")},
        {V::PositionName, QStringLiteral("efStanowSkrot"), 30},
        {V::ElementAtLevel, QStringLiteral("efStruktSkrot"), 30},
    };
    return map;
}

TZalacznikiForm_Policja::TZalacznikiForm_Policja(QWidget* parent)
    : TZalacznikiBase(QStringLiteral("ZalacznikiForm_Policja"),
                      QStringLiteral("Załączniki i dokumenty związane z protokołem powypadkowym nr "),
                      otherAttachmentKinds(), parent) {
    m_helpContext = 3000;
    m_printFromListOnly = false;
    buildTabs({QStringLiteral("TabPrzesluchanie_Policja"), QStringLiteral("TabOgledziny_Policja"),
               QStringLiteral("TabWlasne_Policja")},
              {QStringLiteral("Protokoły przesłuchań - policja"), QStringLiteral("Protokoły oględzin - policji"),
               QStringLiteral("Załączniki własne")});
    buildHearing(m_tabs->widget(HearingTab));
    buildInspection(m_tabs->widget(InspectionTab));
    buildOwn(m_tabs->widget(OwnTab));
    buildPanel();
    colourTabs({m_tabs, m_hearingPages, m_inspectionPages}, kTabColour);
    bindControls({QStringLiteral("hearing"), QStringLiteral("inspection"), QStringLiteral("own")});
    resize(1060, 720);
    m_tabs->setCurrentIndex(HearingTab);
}

TZalacznikiForm_Policja::~TZalacznikiForm_Policja() = default;

// --- Building ----------------------------------------------------------------------

void TZalacznikiForm_Policja::buildHearing(QWidget* page) {
    m_hearingPages = pagesOf(page, "pcPrzesluchanie_Policja",
                             {QStringLiteral("TabPrzesl1"), QStringLiteral("TabPrzesl2"), QStringLiteral("TabPrzesl3")},
                             {QStringLiteral("cz. 1"), QStringLiteral("cz. 2. Dane osoby przesłuchiwanej"),
                              QStringLiteral("cz. 3. Treść zeznania")});
    {
        PageBuilder b(m_hearingPages->widget(0));
        widthed(b.edit(QStringLiteral("efMiejsceSp"), QStringLiteral("Miejsce :"), 50), 50);
        dateField(b, QStringLiteral("efDataSp"), QStringLiteral("Data :"), QStringLiteral("sbDataSpF"));
        b.section(QStringLiteral("Komisja powypadkowa"));
        for (int i = 1; i <= 4; ++i) {
            QLineEdit* name =
                widthed(b.edit(QStringLiteral("efImNazw%1").arg(i), QStringLiteral("%1) Imię i nazwisko :").arg(i), 80), 80);
            b.setStretch(name, 3);
            m_lastFunction = widthed(b.editBeside(name, QStringLiteral("efFunkcja%1").arg(i), QStringLiteral("Stanowisko"), 50), 50);
            stationField(m_lastFunction);
            QComboBox* picker = b.comboBeside(name, QStringLiteral("cb%1").arg(i), QStringLiteral("komisja powypadkowa"));
            picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            picker->setMinimumContentsLength(16);
            m_commission[size_t(i - 1)] = picker;
            // The name and the post (not the rank), each cut to its column.
            auto* member = new MemberPicker(picker, MemberPicker::Dictionary::Commission,
                                            {{name, MemberPicker::Part::Name, 80}, {m_lastFunction, MemberPicker::Part::Post, 50}}, this);
            m_commissionPickers[size_t(i - 1)] = member;
            connect(member, &MemberPicker::chosen, this, [this]() { markTouched(kHearing); });
        }
        QToolButton* copy = b.buttonRow(QStringLiteral("bKopiuj"), QStringLiteral("Kopiuj dane komisji powypadkowej"));
        connect(copy, &QToolButton::clicked, this, [this]() { CommandGuard::run([this]() { bKopiujClick(); }, this); });
        dateField(b, QStringLiteral("efDataP"), QStringLiteral("Data przesłuchania :"), QStringLiteral("sbDataP"));
        b.stretch();
    }
    {
        QWidget* personal = m_hearingPages->widget(1);
        PageBuilder b(personal);
        m_hearingType = b.radio(QStringLiteral("rgfTYP"), QStringLiteral("Przesłuchiwany jest :"),
                                {QStringLiteral("poszkodowanym"), QStringLiteral("świadkiem")}, 2);
        setTypeGroup(kHearing, m_hearingType);
        connect(m_hearingType, &RadioGroup::chosen, this,
                [this](int i) { CommandGuard::run([&]() { hearingTypeChosen(i); }, this); });
        personList(b, personal, QStringLiteral("cbNazwisko"), QStringLiteral("Osoba z kartoteki :"),
                   QStringLiteral("cbrzFiltrN"), QStringLiteral("e_zFiltrN"), QStringLiteral("bzPokazN"));
        // The PESEL of the heard person beside the list, which it positions.
        QLineEdit* pesel = b.edit(QStringLiteral("e9Pesel"), QStringLiteral("PESEL :"), 11, true);
        pesel->setToolTip(QStringLiteral("Dwukrotnie kliknij w celu skasowania danej"));
        clearsBy(pesel, [this]() { clearPerson(); });
        widthed(b.edit(QStringLiteral("efStopienSl"), QStringLiteral("Stopień służbowy :"), 30), 30);
        m_provinces = personAddressFields(
            b, {QStringLiteral("ef"), QStringLiteral("sbDataUrF"), QStringLiteral("Miejsce zameldowania :"), QStringLiteral("cmbWojew")},
            kHearing);
        b.column();
        b.section(QStringLiteral("Zatrudnienie :"));
        QLineEdit* unit = widthed(b.edit(QStringLiteral("efStruktSkrot"), QStringLiteral("Zatrudniony na stałe :"), 40), 40);
        connect(chooserButton(b.buttonBeside(unit, QStringLiteral("sbStruktSkrot"), QStringLiteral("wybór stanowiska"))),
                &QToolButton::clicked, this, [this]() { CommandGuard::run([this]() { choosePosition(); }, this); });
        QLineEdit* position =
            widthed(b.edit(QStringLiteral("efStanowKod"), QStringLiteral("Stanowisko służbowe :"), 50, true), 50);
        position->setToolTip(QStringLiteral("Dwukrotnie kliknij w celu skasowania danej"));
        connect(chooserButton(b.buttonBeside(position, QStringLiteral("sbStanowisko"), QStringLiteral("wybór stanowiska"))),
                &QToolButton::clicked, this, [this]() { CommandGuard::run([this]() { choosePosition(); }, this); });
        clearsBy(position, [this]() { clearPosition(); });
        widthed(b.editBeside(position, QStringLiteral("efStanowSkrot"), QStringLiteral("nazwa"), 40), 40);
        hiddenField(personal, "efIdStanow");
        widthed(b.edit(QStringLiteral("efStosDoStr"), QStringLiteral("Stosunek do stron : "), 40), 40);
        widthed(b.edit(QStringLiteral("efNrSeriaDo"), QStringLiteral("numer i seria dow. os. :"), 40), 40);
        widthed(b.edit(QStringLiteral("efWydanyDo"), QStringLiteral("wydanego przez : "), 40), 40);
        QLineEdit* pesel2 = widthed(b.edit(QStringLiteral("efPesel"), QStringLiteral("numer PESEL :"), 11), 11);
        // The PESEL beside the list shows the one of the record.
        connect(pesel2, &QLineEdit::textChanged, pesel, &QLineEdit::setText);
        b.stretch();
        for (QComboBox* c : personal->findChildren<QComboBox*>()) {
            c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            c->setMinimumContentsLength(20);
        }
        m_dictionaries = new PageDictionaries(personal, hearingLists(), this);
        connect(m_dictionaries, &PageDictionaries::personChosen, this,
                [this](int id) { CommandGuard::run([&]() { personChosen(id); }, this); });
    }
    {
        PageBuilder b(m_hearingPages->widget(2));
        b.memo(QStringLiteral("mfZEZNANIE"), QStringLiteral("Przesłuchiwany zeznał co następuje :"), 0, 20);
        b.stretch();
    }
    setKindPages(kHearing, m_hearingPages);
    buildListSide(kHearing, "dbgPrzesluchanie_Policja", m_hearingPages);
    connect(m_hearingPages, &QTabWidget::currentChanged, this, [this](int) { tabShown(m_tabs->currentIndex()); });
}

void TZalacznikiForm_Policja::buildInspection(QWidget* page) {
    m_inspectionPages = pagesOf(page, "pcOgledziny_Policja", {QStringLiteral("TabOgl1"), QStringLiteral("TabOgl2")},
                                {QStringLiteral("cz. 1"), QStringLiteral("cz. 2. ")});
    const QStringList kinds{QStringLiteral("miejsca wypadku"), QStringLiteral("stanu technicznego urządzeń  ")};
    {
        PageBuilder b(m_inspectionPages->widget(0));
        widthed(b.edit(QStringLiteral("eoMiejsceSp"), QStringLiteral("Miejsce :"), 50), 50);
        dateField(b, QStringLiteral("eoDataSp"), QStringLiteral("Data :"), QStringLiteral("sbDataSpO"));
        b.section(QStringLiteral("Komisja powypadkowa"));
        for (int i = 1; i <= 4; ++i) {
            QLineEdit* name =
                widthed(b.edit(QStringLiteral("eoImNazw%1").arg(i), QStringLiteral("%1) Imię i nazwisko :").arg(i), 80), 80);
            b.setStretch(name, 3);
            stationField(widthed(b.editBeside(name, QStringLiteral("eoFunkcja%1").arg(i), QStringLiteral("Stanowisko"), 50), 50));
        }
        QToolButton* copy = b.buttonRow(QStringLiteral("bKopiuj2"), QStringLiteral("Kopiuj dane komisji powypadkowej"));
        connect(copy, &QToolButton::clicked, this, [this]() { CommandGuard::run([this]() { bKopiuj2Click(); }, this); });
        m_inspectionKind = b.radio(QStringLiteral("rgoRODZOGL"), QStringLiteral("dokonała oględzin :"), kinds, 2);
        connect(m_inspectionKind, &RadioGroup::chosen, this, [this](int i) { inspectionKindChosen(i); });
        b.memo(QStringLiteral("moRODZOGL_OPIS1"), QStringLiteral("Opis oględzin :"), 600, 3);
        b.memo(QStringLiteral("moSTWIERDZONO2"), QStringLiteral("w celu stwierdzenia : "), 600, 3);
        b.memo(QStringLiteral("moUCZESTNICY3"), QStringLiteral("W oględzinach uczestniczyli : "), 600, 3);
        b.stretch();
    }
    {
        PageBuilder b(m_inspectionPages->widget(1));
        widthed(b.edit(QStringLiteral("eoCzasOd"), QStringLiteral("Oględziny rozpoczęto o godz. : "), 40), 40);
        widthed(b.edit(QStringLiteral("eoCzasDo"), QStringLiteral("Oględziny zakończono o godz. :"), 40), 40);
        b.memo(QStringLiteral("moPRZEBIEG4"), QStringLiteral("Przebieg oględzin : "), 600, 5);
        // "Stan [miejsca | urządzenia] poddanego oględzinom został utrwalony :"
        m_mirror = b.radio(QStringLiteral("rg_RODZOGL"), QStringLiteral("Stan "),
                           {QStringLiteral("miejsca"), QStringLiteral("urządzenia")}, 2);
        connect(m_mirror, &RadioGroup::chosen, this, [this](int i) { mirrorKindChosen(i); });
        b.memo(QStringLiteral("moUTRWALENIE5"), QStringLiteral("poddanego oględzinom został utrwalony :"), 600, 4);
        b.memo(QStringLiteral("moZabezpieczono6"), QStringLiteral("W czasie oględzin zabezpieczono : "), 600, 4);
        b.stretch();
    }
    setKindPages(kInspection, m_inspectionPages);
    buildListSide(kInspection, "dbgOgledziny_Policja", m_inspectionPages);
    connect(m_inspectionPages, &QTabWidget::currentChanged, this, [this](int) { tabShown(m_tabs->currentIndex()); });
}

void TZalacznikiForm_Policja::buildOwn(QWidget* page) {
    auto* detail = new QWidget(page);
    detail->setObjectName(QStringLiteral("pnWlasne_Policja"));
    PageBuilder b(detail);
    widthed(b.edit(QStringLiteral("ewTytul"), QStringLiteral("Tytuł/Opis"), 250), 250);
    b.memo(QStringLiteral("mwOpis"), QStringLiteral("Treść"), 0, 16);
    b.stretch();
    buildListSide(kOwn, "dbgZalaczniki_Policja", detail);
}

// --- Showing and loading ---------------------------------------------------------------

QString TZalacznikiForm_Policja::documentCaption() const {
    TDataModForm* d = dataMod();
    if (!d) return QString();
    const TDataModForm::RecordRows rows = d->readRecord(m_record);
    const Dataset* officer = rows.person.get();
    QString caption = QStringLiteral("Załączniki i dokumenty związane z protokołem powypadkowym nr ");
    if (!officer || officer->isEmpty()) return caption;
    caption += officer->field(QStringLiteral("nrProt_symbol")).asString();
    // Without a protocol date the caption ends after the number.
    const QDateTime date = officer->field(QStringLiteral("DATAPROT")).asDateTime();
    if (!dates::isNoDate(date)) caption += QStringLiteral(" z dnia ") + Formats::date(date);
    return caption;
}

void TZalacznikiForm_Policja::FormShow(const DocumentWindows::Request& request) {
    if (!dataMod()) return;
    const AccessRights rights = AccessRights::ofSession();
    m_record = request.record;
    setWindowTitle(documentCaption());
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(HearingTab);
    }
    m_hearingPages->setCurrentIndex(0);
    m_inspectionPages->setCurrentIndex(0);
    m_helpContext = 3000;
    const bool editable = rights.registerLevel() != 1 && request.editable;
    openBook(request, editable, AttachmentOwner{m_record.accidentId, m_record.personId},
             {QStringLiteral("e9Pesel"), QStringLiteral("efStanowKod")});
    if (!m_book) return;
    m_dictionaries->fillPersons();
    m_dictionaries->selectEntries(-1, m_editable);
    fillCommissionPickers();
    for (int k = 0; k < m_book->kindCount(); ++k) showDetail(k);
    applyButtonRules();
}

void TZalacznikiForm_Policja::ShowAttachments(const DocumentWindows::Request& request) {
    FormShow(request);
    button(QStringLiteral("ZapiszBtn"))->setDefault(true);
    setModal(true);
    exec();
}

void TZalacznikiForm_Policja::fieldsLoaded(int kind) {
    if (kind == kHearing) {
        showProvince(m_provinces, edit(QStringLiteral("efWojew")));
        if (m_dictionaries) m_dictionaries->selectEntries(-1, m_editable);
        positionCommissionPickers();
    }
    if (kind == kInspection) m_mirror->setItemIndex(m_inspectionKind->itemIndex());
}

void TZalacznikiForm_Policja::tabShown(int tab) {
    // One help context; the buttons stay as they are.
    m_helpContext = 3000;
    TZalacznikiBase::tabShown(tab);
}

// --- Commission pickers ---------------------------------------------------------------

void TZalacznikiForm_Policja::fillCommissionPickers() {
    // Filled from the commission's dictionary; from here on they follow its changes.
    for (MemberPicker* p : m_commissionPickers) {
        p->setCopyAllowed(m_editable);
        p->fill();
    }
    positionCommissionPickers();
}

void TZalacznikiForm_Policja::positionCommissionPickers() {
    // On the first member of the row's name, copying nothing.
    for (MemberPicker* p : m_commissionPickers) p->position();
}

void TZalacznikiForm_Policja::bKopiujClick() { copyCommission(kHearing, QStringLiteral("ef")); }

void TZalacznikiForm_Policja::bKopiuj2Click() { copyCommission(kInspection, QStringLiteral("eo")); }

void TZalacznikiForm_Policja::copyCommission(int kind, const QString& prefix) {
    TDataModForm* d = dataMod();
    if (!m_editable || !d) return;
    if (!askYesNo(kCopyCommissionQuestion, QString(), this)) return;
    const TDataModForm::RecordRows rows = d->readRecord(m_record);
    const Dataset* officer = rows.person.get();
    if (!officer || officer->isEmpty()) return;
    for (int i = 1; i <= 4; ++i)
        setField(prefix + QStringLiteral("ImNazw%1").arg(i), officer->field(QStringLiteral("IMNAZW%1").arg(i)).asString().trimmed());
    // The officer's record has no fourth function: it stays.
    for (int i = 1; i <= 3; ++i)
        setField(prefix + QStringLiteral("Funkcja%1").arg(i), officer->field(QStringLiteral("FUNKCJA%1").arg(i)).asString().trimmed());
    markTouched(kind);
    if (kind == kHearing) positionCommissionPickers();
}

// --- The heard person --------------------------------------------------------------------

void TZalacznikiForm_Policja::hearingTypeChosen(int index) {
    markTouched(kHearing);
    TDataModForm* d = dataMod();
    if (m_loading || index != 0 || !m_editable || !d) return;
    if (!askYesNo(kCopyOfficerQuestion, QString(), this)) return;
    const TDataModForm::RecordRows rows = d->readRecord(m_record);
    const Dataset* officer = rows.person.get();
    if (!officer || officer->isEmpty()) return;
    auto text = [officer](const char* column) { return officer->field(QString::fromLatin1(column)).asString().trimmed(); };
    setField(QStringLiteral("efStopienSl"), text("STOPSL"));
    static const char* const columns[] = {"NrMiesz", "NrUl", "Ulica", "KodPocz", "Miejscow", "Wojew",
                                          "MiejsceUr", "ImOjca", "Nazwisko", "Imie"};
    for (const char* c : columns) setField(QStringLiteral("ef") + QString::fromLatin1(c), text(c));
    const QDateTime born = officer->field(QStringLiteral("DATAUR")).asDateTime();
    setField(QStringLiteral("efDataUr"), !dates::isNoDate(born) ? Formats::date(born) : QString());
    showProvince(m_provinces, edit(QStringLiteral("efWojew")));
}

void TZalacznikiForm_Policja::personChosen(int personId) {
    if (!m_editable || personId <= 0) return;
    // Any person with a surname fills the hearing.
    copyRegisterPerson(personId, otherHearingCopyMap(), kHearing,
                       [](const RegisterPerson& p) { return !p.surname.trimmed().isEmpty(); });
    showProvince(m_provinces, edit(QStringLiteral("efWojew")));
}

void TZalacznikiForm_Policja::choosePosition() {
    TZalacznikiBase::choosePosition({QStringLiteral("efStanowKod"), QStringLiteral("efIdStanow"),
                                     QStringLiteral("efStanowSkrot"), QStringLiteral("efStruktSkrot"), kHearing});
}

void TZalacznikiForm_Policja::clearPerson() {
    if (!m_editable) return;
    for (const char* f : kPersonFields) edit(QString::fromLatin1(f))->clear();
    edit(QStringLiteral("e9Pesel"))->clear();
    const QSignalBlocker block(m_provinces);
    m_provinces->setCurrentIndex(-1);
    markTouched(kHearing);
}

void TZalacznikiForm_Policja::clearPosition() {
    if (!m_editable) return;
    for (const char* f : {"efIdStanow", "efStanowSkrot", "efStanowKod"}) edit(QString::fromLatin1(f))->clear();
    markTouched(kHearing);
}

// --- The inspection kind ------------------------------------------------------------------

void TZalacznikiForm_Policja::inspectionKindChosen(int index) { m_mirror->setItemIndex(index); }

void TZalacznikiForm_Policja::mirrorKindChosen(int index) {
    // Only the kind of "cz. 1" is stored.
    m_inspectionKind->setItemIndex(index);
    markTouched(kInspection);
}

// --- The window of the run ------------------------------------------------------------

TZalacznikiForm_Policja& otherAttachmentsWindow() {
    return *Forms::getOrCreate<TZalacznikiForm_Policja>(QStringLiteral("TZalacznikiForm_Policja"));
}

} // namespace zort
