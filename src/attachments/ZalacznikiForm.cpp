#include "attachments/ZalacznikiForm.h"
#include "attachments/ZalacznikiForm_Policja.h"

#include "attachments/ExternalDocumentsTab.h"
#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/DateUtil.h"
#include "core/Formats.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "db/DbError.h"
#include "db/ColumnTypes.h"
#include "domain/DataModForm.h"
#include "domain/SharedConnection.h"
#include "ui/AttachmentPrinting.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/FieldBinding.h"
#include "ui/Help.h"
#include "ui/KalendarzForm.h"
#include "ui/PageBuilder.h"
#include "ui/MemberPicker.h"
#include "ui/PageDictionaries.h"
#include "ui/Widgets.h"

#include <algorithm>
#include <QCheckBox>
#include <QStyle>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace zort {
namespace {

const QString kWarning = QStringLiteral("UWAGA: brak możliwości zapisu zmian !!!");
const QString kCopyPersonQuestion =
    QStringLiteral(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?");
const QString kCopyTeamQuestion = QStringLiteral(
    " Czy skopiować dane zepołu powypadkowego do pól osób sporządzających protokół z przesłuchania?");
const QString kWorkOnly = QStringLiteral("Tylko dla wypadków przy pracy.");
const QString kTresc2 = QStringLiteral(
    "Na podstawie art. 236 Kodeksu pracy, po ustaleniu okoliczności i przyczyn wypadku, zespół powypadkowy postanawia");

std::function<void(TZalacznikiForm&)>& externalShown() {
    static std::function<void(TZalacznikiForm&)> f;
    return f;
}
std::function<void(TZalacznikiForm&)>& externalEntered() {
    static std::function<void(TZalacznikiForm&)> f;
    return f;
}
std::function<bool(TZalacznikiForm&)>& externalSave() {
    static std::function<bool(TZalacznikiForm&)> f;
    return f;
}


// The heard person's fields that a copy or a double click fills or empties.
const QStringList kPersonFields = {
    QStringLiteral("epIdPracownika"), QStringLiteral("epNazwisko"),  QStringLiteral("epImie"),
    QStringLiteral("epImOjca"),       QStringLiteral("epDataUr"),    QStringLiteral("epMiejsceUr"),
    QStringLiteral("epMiejscow"),     QStringLiteral("epKodPocz"),   QStringLiteral("epWojew"),
    QStringLiteral("epUlica"),        QStringLiteral("epNrUl"),      QStringLiteral("epNrMiesz"),
    QStringLiteral("epStruktSkrot"),  QStringLiteral("epIdStanow"),  QStringLiteral("epStanowKod"),
    QStringLiteral("epStanowSkrot"),  QStringLiteral("epKodZawodu"), QStringLiteral("epZawod"),
    QStringLiteral("epStaz")};

} // namespace

TZalacznikiForm::TZalacznikiForm(QWidget* parent)
    : TZalacznikiBase(QStringLiteral("ZalacznikiForm"), QStringLiteral("Załączniki i dokumenty związane z wypadkiem przy pracy"),
                      documentAttachmentKinds(), parent) {
    m_helpContext = 51000;
    buildTabs({QStringLiteral("TabWlasne"), QStringLiteral("TabPrzesluchanie"), QStringLiteral("TabPolecenie"),
               QStringLiteral("TabDokumZewn")},
              {QStringLiteral("Załączniki własne"), QStringLiteral("Protokoły przesłuchań"),
               QStringLiteral("Postanowienie/Polecenie powypadkowe"), QStringLiteral("Dokumenty zewnętrzne")});
    buildOwn(m_tabs->widget(OwnTab));
    buildHearing(m_tabs->widget(HearingTab));
    buildOrder(m_tabs->widget(OrderTab));
    buildPanel();
    m_warning = new QLabel(kWarning, this);
    m_warning->setObjectName(QStringLiteral("lblUwaga"));
    m_warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_warning->hide();
    // The warning stands before "Zamknij".
    panel()->insertWidget(panel()->count() - 2, m_warning, 1);
    m_blink = new QTimer(this);
    m_blink->setInterval(300);
    connect(m_blink, &QTimer::timeout, this, [this]() { m_warning->setVisible(!m_warning->isVisible()); });
    resize(900, 640);
    bindControls({QStringLiteral("own"), QStringLiteral("hearing"), QStringLiteral("order")});
    m_tabs->setCurrentIndex(OwnTab);
}

TZalacznikiForm::~TZalacznikiForm() = default;

void TZalacznikiForm::setExternalDocuments(std::function<void(TZalacznikiForm&)> shown,
                                           std::function<void(TZalacznikiForm&)> entered,
                                           std::function<bool(TZalacznikiForm&)> save) {
    externalShown() = std::move(shown);
    externalEntered() = std::move(entered);
    externalSave() = std::move(save);
}

// --- Building ----------------------------------------------------------------------

void TZalacznikiForm::buildOwn(QWidget* page) {
    auto* detail = new QWidget(page);
    detail->setObjectName(QStringLiteral("pnWlasne"));
    PageBuilder b(detail);
    b.edit(QStringLiteral("ewTytul"), QStringLiteral("Tytuł/Opis"), 250);
    b.memo(QStringLiteral("mwOpis"), QStringLiteral("Treść"), 0, 16);
    b.stretch();
    buildListSide(kOwn, "dbgZalaczniki", detail);
}

void TZalacznikiForm::buildHearing(QWidget* page) {
    m_hearingPages = new QTabWidget(page);
    m_hearingPages->setObjectName(QStringLiteral("pcPrzesluchanie"));
    auto* personal = new QWidget(m_hearingPages);
    personal->setObjectName(QStringLiteral("TabDaneOsobowe"));
    auto* text = new QWidget(m_hearingPages);
    text->setObjectName(QStringLiteral("TabTresc"));
    auto* other = new QWidget(m_hearingPages);
    other->setObjectName(QStringLiteral("TabInne"));
    m_hearingPages->addTab(personal, QStringLiteral("Dane osobowe"));
    m_hearingPages->addTab(text, QStringLiteral("Treść wyjaśnienia/informacji"));
    m_hearingPages->addTab(other, QStringLiteral("Inne"));
    connect(m_hearingPages, &QTabWidget::currentChanged, this, [this](int) { tabShown(m_tabs->currentIndex()); });

    {
        PageBuilder b(personal);
        m_hearingType = b.radio(QStringLiteral("rgpTyp"), QStringLiteral("Przesłuchiwany jest :"),
                                {QStringLiteral("Przesłuchanie poszkodowanego"), QStringLiteral("Przesłuchanie świadka")}, 2);
        setTypeGroup(kHearing, m_hearingType);
        connect(m_hearingType, &RadioGroup::chosen, this,
                [this](int i) { CommandGuard::run([&]() { hearingTypeChosen(i); }, this); });
        // The person and occupation filters of the injured-person entry (the page's
        // dictionary lists show and apply them).
        personList(b, personal, QStringLiteral("cbNazwisko"), QStringLiteral("Pracownik z kartoteki :"),
                   QStringLiteral("cbrzFiltrN"), QStringLiteral("e_FiltrN"), QStringLiteral("bPokazN"));
        auto filterRow = [&](const char* textName, const char* buttonName, const QString& what) {
            QLineEdit* filter = new QLineEdit(personal);
            filter->setObjectName(QString::fromLatin1(textName));
            filter->setAccessibleName(what);
            auto* set = new QToolButton(personal);
            set->setObjectName(QString::fromLatin1(buttonName));
            set->setText(QStringLiteral("Ustaw"));
            set->setAccessibleName(what + QStringLiteral(" — Ustaw"));
            b.controlsRow(QString(), {filter, set});
        };
        // The links to the register are kept in fields the user never sees.
        hiddenField(personal, "epIdPracownika");
        QLineEdit* pesel = b.edit(QStringLiteral("e9Pesel"), QStringLiteral("PESEL :"), 11, true);
        pesel->setToolTip(QStringLiteral("Dwukrotnie kliknij w celu skasowania danej"));
        onDoubleClick(pesel, [this]() { clearPerson(); });
        m_provinces = personAddressFields(b,
                                          {QStringLiteral("ep"), QStringLiteral("sbDataUr"), QStringLiteral("Adres zamieszkania :"),
                                           QStringLiteral("cmbWojewodztwo")},
                                          kHearing);
        b.section(QStringLiteral("Zatrudnienie :"));
        QLineEdit* unit = widthed(b.edit(QStringLiteral("epStruktSkrot"), QStringLiteral("Zatrudniony w :"), 30), 30);
        connect(b.buttonBeside(unit, QStringLiteral("sbStruktSkrot"), QStringLiteral("wybór stanowiska")), &QToolButton::clicked,
                this, [this]() { CommandGuard::run([this]() { choosePosition(); }, this); });
        QLineEdit* pos = widthed(b.edit(QStringLiteral("epStanowKod"), QStringLiteral("Stanowisko :"), 50, true), 50);
        connect(b.buttonBeside(pos, QStringLiteral("sbStanowisko"), QStringLiteral("wybór stanowiska")), &QToolButton::clicked,
                this, [this]() { CommandGuard::run([this]() { choosePosition(); }, this); });
        onDoubleClick(pos, [this]() { clearPosition(); });
        widthed(b.editBeside(pos, QStringLiteral("epStanowSkrot"), QStringLiteral("nazwa"), 30), 30);
        hiddenField(personal, "epIdStanow");
        QLineEdit* occ = widthed(b.edit(QStringLiteral("epKodZawodu"), QStringLiteral("Zawód wykonywany :"), 7, true), 7);
        onDoubleClick(occ, [this]() { clearOccupation(); });
        widthed(b.editBeside(occ, QStringLiteral("epZawod"), QStringLiteral("nazwa"), 30), 30);
        b.combo(QStringLiteral("cbZawod"), QStringLiteral("Lista zawodów :"));
        b.checkRow(QStringLiteral("cb_Filtr"), QStringLiteral("Filtr zawodów"));
        filterRow("e_Filtr", "bPokaz", QStringLiteral("Filtr zawodów — tekst"));
        widthed(b.edit(QStringLiteral("epStaz"), QStringLiteral("Staż pracy na stanowisku - lata :"), 20), 20);
        b.stretch();
    }
    // Long entries (occupation names) do not widen the page: the lists are as wide as
    // their rows.
    for (QComboBox* c : personal->findChildren<QComboBox*>()) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(20);
    }
    // The person, occupation and filter lists of the page, as on the injured-person entry.
    m_dictionaries = new PageDictionaries(personal, DictionaryNames::hearing(), this);
    connect(m_dictionaries, &PageDictionaries::personChosen, this,
            [this](int id) { CommandGuard::run([&]() { personChosen(id); }, this); });
    {
        PageBuilder b(text);
        b.memo(QStringLiteral("mpZeznanie"), QStringLiteral("Treść zeznania :"), 0, 18);
        b.stretch();
    }
    {
        PageBuilder b(other);
        b.section(QStringLiteral("Osoby sporządzające protokół :"));
        for (int i = 1; i <= 3; ++i) {
            QLineEdit* name = widthed(
                b.edit(QStringLiteral("epImNazw%1").arg(i), QStringLiteral("%1) Imię i nazwisko :").arg(i), 80), 80);
            // The names take as much of the row as the functions.
            b.setStretch(name, 3);
            QLineEdit* function =
                widthed(b.editBeside(name, QStringLiteral("epFunkcja%1").arg(i), QStringLiteral("Funkcja"), 50), 50);
            QComboBox* team = b.comboBeside(name, QStringLiteral("cbZesp%1").arg(i), QStringLiteral("zespół powypadkowy"));
            // The chosen member's own name (cut to the hearing's column) and function.
            auto* picker = new MemberPicker(team, MemberPicker::Dictionary::Team,
                                            {{name, MemberPicker::Part::Name, 80}, {function, MemberPicker::Part::Function, 50}},
                                            this);
            m_team[size_t(i - 1)] = picker;
            connect(picker, &MemberPicker::chosen, this, [this]() { markTouched(kHearing); });
        }
        QToolButton* copy = b.buttonRow(QStringLiteral("sbKopiujZespol"), QStringLiteral("Kopiuj dane zespołu powypadkowego"));
        connect(copy, &QToolButton::clicked, this, [this]() { CommandGuard::run([this]() { KopiujZespolClick(); }, this); });
        b.section(QStringLiteral("Sporządzono :"));
        dateField(b, QStringLiteral("epDataSp"), QStringLiteral("Data :"), QStringLiteral("sbDataSpP"));
        widthed(b.edit(QStringLiteral("epMiejsceSp"), QStringLiteral("Miejsce :"), 50), 50);
        b.stretch();
    }
    setKindPages(kHearing, m_hearingPages);
    buildListSide(kHearing, "dbgPrzesluchanie", m_hearingPages);
}

void TZalacznikiForm::buildOrder(QWidget* page) {
    m_orderPages = new QTabWidget(page);
    m_orderPages->setObjectName(QStringLiteral("pcPolecenie"));
    auto* general = new QWidget(m_orderPages);
    general->setObjectName(QStringLiteral("TabDaneOgolne"));
    auto* text = new QWidget(m_orderPages);
    text->setObjectName(QStringLiteral("TabTrescPolecenia"));
    auto* other = new QWidget(m_orderPages);
    other->setObjectName(QStringLiteral("TabInnePolecenia"));
    m_orderPages->addTab(general, QStringLiteral("Dane ogólne"));
    m_orderPages->addTab(text, QStringLiteral("Treść postanowienia, polecenia"));
    m_orderPages->addTab(other, QStringLiteral("Inne"));
    connect(m_orderPages, &QTabWidget::currentChanged, this, [this](int) { tabShown(m_tabs->currentIndex()); });
    {
        PageBuilder b(general);
        m_orderType = b.radio(QStringLiteral("rgnTyp"), QStringLiteral("Typ:"),
                              {QStringLiteral("POSTANOWIENIE"), QStringLiteral("POLECENIE")}, 2);
        setTypeGroup(kOrder, m_orderType);
        connect(m_orderType, &RadioGroup::chosen, this, [this](int i) { orderTypeChosen(i); });
        b.edit(QStringLiteral("enSymbol"), QStringLiteral("Numer/Symbol:"), 30);
        dateField(b, QStringLiteral("enDataSp"), QStringLiteral("Data :"), QStringLiteral("sbDataSpN"));
        m_width.insert(QStringLiteral("enMiejsceSp"), 50);
        b.edit(QStringLiteral("enMiejsceSp"), QStringLiteral("Miejsce:"), 50);
        m_podTytul = b.combo(QStringLiteral("cbnPodTytul"), QStringLiteral("Wzór podtytułu:"));
        m_podTytul->addItems({QStringLiteral("Treść 1"), QStringLiteral("Treść 2")});
        m_podTytul->setCurrentIndex(-1);
        connect(m_podTytul, qOverload<int>(&QComboBox::activated), this,
                [this](int i) { CommandGuard::run([&]() { podTytulChosen(i); }, this); });
        b.memo(QStringLiteral("mnPodTytul1"), QStringLiteral("Podtytuł:"), 0, 4);
        b.section(QStringLiteral("Osoba podpisująca dokument"));
        b.edit(QStringLiteral("enImNazw"), QStringLiteral("Imię i nazwisko:"), 80);
        b.edit(QStringLiteral("enFunkcja"), QStringLiteral("Funkcja, stanowisko:"), 80);
        b.memo(QStringLiteral("mnOtrzymuja7"), QStringLiteral("Dokument otrzymują:"), 0, 4);
        b.stretch();
    }
    {
        PageBuilder b(text);
        b.memo(QStringLiteral("mnTresc2"), QStringLiteral("Treść postanowienia, polecenia:"), 0, 18);
        b.stretch();
    }
    {
        PageBuilder b(other);
        b.memo(QStringLiteral("mnOdpowiedzialny3"),
               QStringLiteral("Odpowiedzialni za wykonanie treści postanowienia, polecenia:"), 0, 4);
        b.memo(QStringLiteral("mnTermin4"), QStringLiteral("Terminy wykonania treści postanowienia, polecenia:"), 0, 4);
        b.memo(QStringLiteral("mnPrzyczyny5"),
               QStringLiteral("Przyczyny wypadku, winni oraz podjęte działania dyscyplinarne:"), 0, 4);
        b.memo(QStringLiteral("mnUwagi6"), QStringLiteral("Uwagi:"), 0, 4);
        b.stretch();
    }
    setKindPages(kOrder, m_orderPages);
    buildListSide(kOrder, "dbgPolecenie", m_orderPages);
}

// --- Showing and loading ---------------------------------------------------------------

QString TZalacznikiForm::documentCaption() const {
    TDataModForm* d = dataMod();
    if (!d) return QString();
    const TDataModForm::RecordRows rows = d->readRecord(m_record);
    QString caption;
    QDateTime date;
    if (m_record.reg == Register::Commuting) {
        const Dataset* card = rows.accident.get();
        caption = QStringLiteral("Załączniki i dokumenty związane z kartą wypadku w drodze do/z pracy nr ") +
                  card->field(QStringLiteral("nr_symbol")).asString();
        date = card->field(QStringLiteral("DATASP")).asDateTime();
    } else {
        const Dataset* person = rows.person.get();
        if (person->field(QStringLiteral("RODZUMOWY")).asInt() == 1)
            caption = QStringLiteral("Załączniki i dokumenty związane z protokołem powypadkowym nr ") +
                      person->field(QStringLiteral("nrProt_symbol")).asString();
        else
            caption = QStringLiteral("Załączniki i dokumenty związane z kartą wypadku nr ") +
                      person->field(QStringLiteral("nrKartyWyp_symbol")).asString();
        date = person->field(QStringLiteral("DATAPROT")).asDateTime();
    }
    if (admSettings().dataNaglZal && !dates::isNoDate(date)) caption += QStringLiteral(" z dnia ") + Formats::date(date);
    return caption;
}

void TZalacznikiForm::FormShow(const DocumentWindows::Request& request) {
    TDataModForm* d = dataMod();
    if (!d) return;
    const AccessRights rights = AccessRights::ofSession();
    m_record = request.record;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(OwnTab);
    }
    m_helpContext = 51000;
    // The hearing wording by the setting of explanations.
    const bool explanations = admSettings().wyjasnieniePoszk;
    m_tabs->setTabText(HearingTab, explanations ? QStringLiteral("Wyjaśnienia/Informacje") : QStringLiteral("Protokoły przesłuchań"));
    const QStringList items = explanations ? QStringList{QStringLiteral("Wyjaśnienia poszkodowanego"),
                                                         QStringLiteral("Informacje uzyskane od świadka")}
                                           : QStringList{QStringLiteral("Przesłuchanie poszkodowanego"),
                                                         QStringLiteral("Przesłuchanie świadka")};
    for (int i = 0; i < 2; ++i) {
        m_hearingType->button(i)->setText(items.at(i));
        m_hearingType->button(i)->setAccessibleName(
            besideName(captionName(m_hearingType->title()), captionName(items.at(i))));
    }
    setWindowTitle(documentCaption());
    // The owner: a commuting card, or an injured person's protocol or card.
    AttachmentOwner owner;
    owner.accident = m_record.accidentId;
    if (m_record.reg != Register::Commuting) owner.protocol = m_record.personId;
    openBook(request, rights.registerLevel() != 1 && request.editable && request.onListPage, owner,
             {QStringLiteral("e9Pesel"), QStringLiteral("epStanowKod"), QStringLiteral("epKodZawodu")});
    if (!m_book) return;
    if (!m_followsMain) {
        m_followsMain = true;
        for (Dataset* main : {d->qrySKWWypadki, d->qrySKWPoszkodowani, d->qryWypadkiWDrodze})
            connect(main, &Dataset::scrolled, this, [this]() { followMainRecord(); });
    }
    if (externalShown()) externalShown()(*this);
    fillTeamLists();
    fillPersons();
    if (m_dictionaries) {
        m_dictionaries->fillOccupations();
        m_dictionaries->selectEntries(-1, m_editable);
    }
    applyButtonRules();
}

void TZalacznikiForm::ShowAttachments(const DocumentWindows::Request& request) {
    FormShow(request);
    const bool onListPage = request.onListPage;
    auto* zapisz = button(QStringLiteral("ZapiszBtn"));
    auto* zamknij = button(QStringLiteral("ZamknijBtn"));
    zapisz->setDefault(onListPage);
    zamknij->setDefault(!onListPage);
    if (onListPage) {
        m_blink->stop();
        m_warning->hide();
        setModal(true);
        exec();
    } else {
        m_warning->show();
        m_blink->start();
        setModal(false);
        show();
    }
}

void TZalacznikiForm::lookUpPesel() {
    QLineEdit* pesel = edit(QStringLiteral("e9Pesel"));
    const qint64 id = edit(QStringLiteral("epIdPracownika"))->text().trimmed().toLongLong();
    QString text;
    if (id != 0 && SharedConnection::isSet())
        text = SharedConnection::get()
                   .scalar(QStringLiteral("SELECT PESEL FROM ODANOS WHERE IDOSOBY = :id"), {{"id", id}})
                   .toString()
                   .trimmed();
    pesel->setText(text);
}

void TZalacznikiForm::fillTeamLists() {
    // Filled without a selection; from here on they follow the team's changes.
    for (MemberPicker* p : m_team) {
        p->setCopyAllowed(m_editable);
        p->fill();
    }
}

// --- Buttons and tabs -------------------------------------------------------------------

void TZalacznikiForm::fieldsLoaded(int kind) {
    if (kind == kHearing) {
        lookUpPesel();
        // The province list and the team lists show no stale choice.
        showProvince(m_provinces, edit(QStringLiteral("epWojew")));
        if (m_dictionaries) m_dictionaries->selectEntries(-1, m_editable);
        for (MemberPicker* p : m_team) p->clearSelection();
    }
    if (kind == kOrder) m_podTytul->setCurrentIndex(-1);
}

void TZalacznikiForm::tabShown(int index) {
    switch (index) {
    case HearingTab: m_helpContext = 52100 + 100 * qMax(0, m_hearingPages->currentIndex()); break;
    case OrderTab: m_helpContext = 53100 + 100 * qMax(0, m_orderPages->currentIndex()); break;
    default: m_helpContext = 51000; break;
    }
    applyButtonRules();
    if (index == ExternalTab && externalEntered()) externalEntered()(*this);
    TZalacznikiBase::tabShown(index);
}

bool TZalacznikiForm::saveMore() { return !externalSave() || externalSave()(*this); }

void TZalacznikiForm::finished() {
    m_blink->stop();
    m_warning->hide();
}

bool TZalacznikiForm::warningBlinking() const { return m_blink->isActive(); }

// --- Reactions --------------------------------------------------------------------------

void TZalacznikiForm::hearingTypeChosen(int index) {
    markTouched(kHearing);
    if (m_loading || index != 0 || !m_editable) return;
    if (!askYesNo(kCopyPersonQuestion, QString(), this)) return;
    TDataModForm* d = dataMod();
    if (!d) return;
    const bool work = workAccident();
    const Dataset* src = work ? d->qrySKWPoszkodowani : d->qryWypadkiWDrodze;
    if (src->isEmpty()) return;
    auto text = [src](const char* column) { return src->field(QString::fromLatin1(column)).asString().trimmed(); };
    static const char* columns[] = {"IdPracownika", "NrMiesz", "NrUl", "Ulica", "KodPocz", "Miejscow", "Wojew",
                                    "MiejsceUr", "ImOjca", "Nazwisko", "Imie", "IdStanow", "StanowKod", "StanowSkrot",
                                    "StruktSkrot", "Zawod", "KodZawodu"};
    for (const char* c : columns)
        if (src->hasColumn(QString::fromLatin1(c))) setField(QStringLiteral("ep") + QString::fromLatin1(c), text(c));
    const QDateTime born = src->field(QStringLiteral("DATAUR")).asDateTime();
    setField(QStringLiteral("epDataUr"), !dates::isNoDate(born) ? Formats::date(born) : QString());
    if (work && src->hasColumn(QStringLiteral("STAZ"))) setField(QStringLiteral("epStaz"), text("Staz"));
    lookUpPesel();
    showProvince(m_provinces, edit(QStringLiteral("epWojew")));
}

void TZalacznikiForm::orderTypeChosen(int) { markTouched(kOrder); }

void TZalacznikiForm::podTytulChosen(int index) {
    if (!m_editable || index < 0) return;
    QPlainTextEdit* memo = findChild<QPlainTextEdit*>(QStringLiteral("mnPodTytul1"));
    if (!workAccident()) {
        showInfo(kWorkOnly, this);
        const QSignalBlocker block(m_podTytul);
        m_podTytul->setCurrentIndex(-1);
        return;
    }
    TDataModForm* d = dataMod();
    if (index == 1) {
        memo->setPlainText(kTresc2);
    } else if (d) {
        const Dataset* p = d->qrySKWPoszkodowani;
        const Dataset* a = d->qrySKWWypadki;
        auto f = [p](const char* c) { return p->field(QString::fromLatin1(c)).asString().trimmed(); };
        const int year = a->field(QStringLiteral("DATA")).asDateTime().date().year();
        QString text = QStringLiteral("W związku ze stwierdzonymi nieprawidłowościami, w wyniku których uległ(a) wypadkowi przy pracy p. ") +
                       f("IMIE") + QStringLiteral(" ") + f("NAZWISKO") + QStringLiteral(" pracownik ") + f("STANOWSKROT") +
                       QStringLiteral(" - ") + f("ZAWOD") +
                       QStringLiteral(" oraz powołując się na ustalenia zespołu powypadkowego ");
        if (p->field(QStringLiteral("RODZUMOWY")).asInt() == 1)
            text += QStringLiteral("zawarte w pkt. 4 i 10 (przyczyny, wnioski i środki profilaktyczne) ") +
                    QStringLiteral("Protokół Nr ") + f("nrProt_symbol") + QStringLiteral("/") + QString::number(year) +
                    QStringLiteral(" ustalenia okoliczności i przyczyn wypadku przy pracy");
        else
            text += QStringLiteral("zawarte w pkt. 4 (przyczyny, wnioski i środki profilaktyczne) ") +
                    QStringLiteral("Karty Wypadku Nr ") + f("nrKartyWyp_symbol") + QStringLiteral("/") + QString::number(year);
        memo->setPlainText(text);
    }
    markTouched(kOrder);
}

void TZalacznikiForm::KopiujZespolClick() {
    if (!m_editable || !workAccident()) return;
    if (!askYesNo(kCopyTeamQuestion, QString(), this)) return;
    TDataModForm* d = dataMod();
    if (!d) return;
    const Dataset* p = d->qrySKWPoszkodowani;
    setField(QStringLiteral("epImNazw1"), p->field(QStringLiteral("IMNAZWA")).asString().trimmed());
    setField(QStringLiteral("epFunkcja1"), p->field(QStringLiteral("FUNKCJAA")).asString().trimmed());
    setField(QStringLiteral("epImNazw2"), p->field(QStringLiteral("IMNAZWB")).asString().trimmed());
    setField(QStringLiteral("epFunkcja2"), p->field(QStringLiteral("FUNKCJAB")).asString().trimmed());
    markTouched(kHearing);
}

void TZalacznikiForm::clearPerson() {
    if (!m_editable) return;
    for (const QString& f : kPersonFields) edit(f)->clear();
    edit(QStringLiteral("e9Pesel"))->clear();
    m_provinces->setCurrentIndex(-1);
    markTouched(kHearing);
}

void TZalacznikiForm::clearPosition() {
    if (!m_editable) return;
    for (const char* f : {"epStanowKod", "epIdStanow", "epStanowSkrot", "epStruktSkrot"}) edit(QString::fromLatin1(f))->clear();
    markTouched(kHearing);
}

void TZalacznikiForm::clearOccupation() {
    if (!m_editable) return;
    for (const char* f : {"epKodZawodu", "epZawod"}) edit(QString::fromLatin1(f))->clear();
    markTouched(kHearing);
}

// --- The window of the run ------------------------------------------------------------

TZalacznikiForm& attachmentsWindow() { return *Forms::getOrCreate<TZalacznikiForm>(QStringLiteral("TZalacznikiForm")); }

void TZalacznikiForm::closeModeless() {
    if (!isVisible() || isModal()) return;
    finish();
    close();
}

void TZalacznikiForm::followMainRecord() {
    if (!isVisible() || isModal() || !m_book || !m_book->isOpen()) return;
    const TDataModForm* d = dataMod();
    if (!d) return;
    AttachmentOwner now;
    if (m_record.reg == Register::Commuting) {
        now.accident = int(d->qryWypadkiWDrodze->field(QStringLiteral("ID")).asInt());
    } else {
        now.accident = int(d->qrySKWWypadki->field(QStringLiteral("ID")).asInt());
        now.protocol = int(d->qrySKWPoszkodowani->field(QStringLiteral("ID")).asInt());
    }
    // The main window loaded another record: the window no longer shows its document.
    if (!(now == m_book->owner())) closeModeless();
}

void registerAttachmentWindows() {
    installExternalDocuments();
    static bool closerAdded = false;
    if (!closerAdded) {
        closerAdded = true;
        DocumentWindows::addModelessCloser([]() {
            if (auto* z = Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm"))) z->closeModeless();
        });
    }
    DocumentWindows::add(QStringLiteral("TZalacznikiForm"), [](const DocumentWindows::Request& r) {
        attachmentsWindow().ShowAttachments(r);
    });
    // The attachments of an officer's protocol in the register of other accidents.
    DocumentWindows::add(QStringLiteral("TZalacznikiForm_Policja"), [](const DocumentWindows::Request& r) {
        otherAttachmentsWindow().ShowAttachments(r);
    });
}

} // namespace zort
