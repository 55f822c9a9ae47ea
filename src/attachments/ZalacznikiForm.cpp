#include "attachments/ZalacznikiForm.h"

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
const QString kHint = QStringLiteral("Aby móc wprowadzać dane należy użyć przycisk dodaj załącznik.");
const QString kDeleteQuestion = QStringLiteral(" Czy na pewno usunąć wybrany załącznik?");
const QString kCopyPersonQuestion =
    QStringLiteral(" Czy skopiować odpowiednie dane poszkodowanego do formularza osoby przesłuchiwanej?");
const QString kCopyTeamQuestion = QStringLiteral(
    " Czy skopiować dane zepołu powypadkowego do pól osób sporządzających protokół z przesłuchania?");
const QString kWorkOnly = QStringLiteral("Tylko dla wypadków przy pracy.");
const QString kBadDate = QStringLiteral("Zły format daty.");
const QString kTresc2 = QStringLiteral(
    "Na podstawie art. 236 Kodeksu pracy, po ustaleniu okoliczności i przyczyn wypadku, zespół powypadkowy postanawia");

// The fields of a date and their calendar buttons.
const QStringList kDateFields = {QStringLiteral("epDataUr"), QStringLiteral("epDataSp"), QStringLiteral("enDataSp")};

// The blob parameter of each order memo by its number.
QString orderMemoParam(int slot) {
    static const QStringList names = {QStringLiteral("podtytul"), QStringLiteral("tresc"),   QStringLiteral("odpowiedzialny"),
                                      QStringLiteral("termin"),   QStringLiteral("przyczyny"), QStringLiteral("uwagi"),
                                      QStringLiteral("otrzymuja")};
    return slot >= 1 && slot <= names.size() ? names.at(slot - 1) : QStringLiteral("Memo%1").arg(slot);
}

QString target(int kind) {
    switch (kind) {
    case TZalacznikiForm::kOwn: return QStringLiteral("own");
    case TZalacznikiForm::kHearing: return QStringLiteral("hearing");
    default: return QStringLiteral("order");
    }
}

int kindOfTarget(const QString& t) {
    if (t == QLatin1String("own")) return TZalacznikiForm::kOwn;
    if (t == QLatin1String("hearing")) return TZalacznikiForm::kHearing;
    return TZalacznikiForm::kOrder;
}

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

TZalacznikiForm::TZalacznikiForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ZalacznikiForm"));
    setWindowTitle(QStringLiteral("Załączniki i dokumenty związane z wypadkiem przy pracy"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    build();
    std::vector<SelectorRule> rules;
    for (int k = 0; k < 3; ++k) {
        static const char* save[] = {"w", "p", "n"};
        static const char* load[] = {"0", "9", "8"};
        SelectorRule r{QLatin1Char(save[k][0]), target(k)};
        r.editsAndMemosOnly = true;
        if (k == kOrder) r.memoSlots = MemoSlots::OneDigit;
        rules.push_back(r);
        SelectorRule l = r;
        l.selector = QLatin1Char(load[k][0]);
        l.save = false;
        rules.push_back(l);
    }
    m_binder = std::make_unique<FieldBinder>(this, MemoSlots::None, std::move(rules));
    for (const BoundControl& b : m_binder->controls()) {
        const int kind = kindOfTarget(m_binder->rule(b.selector)->target);
        if (auto* e = qobject_cast<QLineEdit*>(b.widget))
            connect(e, &QLineEdit::textEdited, this, [this, kind]() { markTouched(kind); });
        else if (auto* m = qobject_cast<QPlainTextEdit*>(b.widget))
            connect(m, &QPlainTextEdit::textChanged, this, [this, kind]() {
                if (!m_loading) markTouched(kind);
            });
    }
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

void TZalacznikiForm::build() {
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pcZalaczniki"));
    layout->addWidget(m_tabs, 1);
    const char* tabNames[] = {"TabWlasne", "TabPrzesluchanie", "TabPolecenie", "TabDokumZewn"};
    const QString captions[] = {QStringLiteral("Załączniki własne"), QStringLiteral("Protokoły przesłuchań"),
                                QStringLiteral("Postanowienie/Polecenie powypadkowe"),
                                QStringLiteral("Dokumenty zewnętrzne")};
    for (int i = 0; i < 4; ++i) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(QString::fromLatin1(tabNames[i]));
        m_tabs->addTab(page, captions[i]);
    }
    buildOwn(m_tabs->widget(OwnTab));
    buildHearing(m_tabs->widget(HearingTab));
    buildOrder(m_tabs->widget(OrderTab));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int i) { tabChanged(i); });

    auto* panel = new QHBoxLayout();
    layout->addLayout(panel);
    auto addButton = [this, panel](const char* name, const QString& caption, const QString& accessible,
                                   std::function<void()> action) {
        auto* b = makeDialogButton(QString::fromLatin1(name), caption, this);
        if (!accessible.isEmpty()) b->setAccessibleName(accessible);
        b->setToolTip(accessible.isEmpty() ? caption : accessible);
        connect(b, &QPushButton::clicked, this, [this, action]() { CommandGuard::run(action, this); });
        panel->addWidget(b);
        return b;
    };
    // The two "Załącznik" buttons are told apart by their signs.
    addButton("DodZalBtn", QStringLiteral("Załącznik"), QStringLiteral("Dodaj załącznik"), [this]() { DodZalBtnClick(); })
        ->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    addButton("KasZalBtn", QStringLiteral("Załącznik"), QStringLiteral("Usuń załącznik"), [this]() { KasZalBtnClick(); })
        ->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    addButton("ZapiszBtn", QStringLiteral("Zapisz"), {}, [this]() { ZapiszBtnClick(); });
    addButton("PreviewBtn", QStringLiteral("Podgląd"), {}, [this]() { PreviewBtnClick(); });
    addButton("DrukBtn", QStringLiteral("Drukuj"), {}, [this]() { DrukBtnClick(); });
    m_blank = new QCheckBox(QStringLiteral("drukuj puste formularze"), this);
    m_blank->setObjectName(QStringLiteral("cbPuste"));
    panel->addWidget(m_blank);
    m_warning = new QLabel(kWarning, this);
    m_warning->setObjectName(QStringLiteral("lblUwaga"));
    m_warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_warning->hide();
    panel->addWidget(m_warning, 1);
    panel->addStretch();
    addButton("ZamknijBtn", QStringLiteral("Zamknij"), {}, [this]() { ZamknijBtnClick(); });
    m_blink = new QTimer(this);
    m_blink->setInterval(300);
    connect(m_blink, &QTimer::timeout, this, [this]() { m_warning->setVisible(!m_warning->isVisible()); });
    resize(900, 640);
}

QWidget* TZalacznikiForm::buildListSide(int kind, QWidget* page, QWidget* detail) {
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout();
    row->addLayout(left);
    auto* view = new QTableView(page);
    static const char* gridNames[] = {"dbgZalaczniki", "dbgPrzesluchanie", "dbgPolecenie"};
    view->setObjectName(QString::fromLatin1(gridNames[kind]));
    view->setAccessibleName(QStringLiteral("Nr Zał."));
    view->setFixedWidth(90);
    left->addWidget(view);
    m_grid[size_t(kind)] = view;
    auto* hint = new QLabel(kHint, page);
    hint->setWordWrap(true);
    hint->setObjectName(QStringLiteral("lblPodpowiedz%1").arg(kind));
    row->addWidget(hint, 1);
    m_hint[size_t(kind)] = hint;
    row->addWidget(detail, 4);
    m_detail[size_t(kind)] = detail;
    detail->hide();
    return detail;
}

void TZalacznikiForm::buildOwn(QWidget* page) {
    auto* detail = new QWidget(page);
    detail->setObjectName(QStringLiteral("pnWlasne"));
    PageBuilder b(detail);
    b.edit(QStringLiteral("ewTytul"), QStringLiteral("Tytuł/Opis"), 250);
    b.memo(QStringLiteral("mwOpis"), QStringLiteral("Treść"), 0, 16);
    b.stretch();
    buildListSide(kOwn, page, detail);
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
    connect(m_hearingPages, &QTabWidget::currentChanged, this, [this](int) { tabChanged(m_tabs->currentIndex()); });

    auto widthed = [this](QLineEdit* e, int width) {
        m_width.insert(e->objectName(), width);
        return e;
    };
    {
        PageBuilder b(personal);
        m_hearingType = b.radio(QStringLiteral("rgpTyp"), QStringLiteral("Przesłuchiwany jest :"),
                                {QStringLiteral("Przesłuchanie poszkodowanego"), QStringLiteral("Przesłuchanie świadka")}, 2);
        connect(m_hearingType, &RadioGroup::chosen, this,
                [this](int i) { CommandGuard::run([&]() { hearingTypeChosen(i); }, this); });
        b.combo(QStringLiteral("cbNazwisko"), QStringLiteral("Pracownik z kartoteki :"));
        // The person and occupation filters of the injured-person entry (the page's
        // dictionary lists show and apply them).
        b.checkRow(QStringLiteral("cbrzFiltrN"), QStringLiteral("Filtr"));
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
        filterRow("e_FiltrN", "bPokazN", QStringLiteral("Filtr — nazwisko"));
        // The links to the register are kept in fields the user never sees.
        auto hiddenField = [personal](const char* name) {
            auto* e = new QLineEdit(personal);
            e->setObjectName(QString::fromLatin1(name));
            e->setVisible(false);
            return e;
        };
        QLineEdit* id = hiddenField("epIdPracownika");
        QLineEdit* pesel = b.edit(QStringLiteral("e9Pesel"), QStringLiteral("PESEL :"), 11, true);
        pesel->setToolTip(QStringLiteral("Dwukrotnie kliknij w celu skasowania danej"));
        onDoubleClick(pesel, [this]() { clearPerson(); });
        widthed(b.edit(QStringLiteral("epNazwisko"), QStringLiteral("Nazwisko :"), 50), 50);
        widthed(b.edit(QStringLiteral("epImie"), QStringLiteral("Imię :"), 30), 30);
        widthed(b.edit(QStringLiteral("epImOjca"), QStringLiteral("Imię ojca :"), 30), 30);
        b.section(QStringLiteral("Urodzony :"));
        QLineEdit* born = b.date(QStringLiteral("epDataUr"), QStringLiteral("Data :"));
        born->setMaxLength(10);
        b.buttonBeside(born, QStringLiteral("sbDataUr"), QStringLiteral("Kalendarz"));
        widthed(b.edit(QStringLiteral("epMiejsceUr"), QStringLiteral("Miejsce :"), 50), 50);
        b.section(QStringLiteral("Adres zamieszkania :"));
        widthed(b.edit(QStringLiteral("epMiejscow"), QStringLiteral("Miejscowość :"), 32), 32);
        widthed(b.edit(QStringLiteral("epKodPocz"), QStringLiteral("Kod pocztowy :"), 6), 6);
        QLineEdit* prov = widthed(b.edit(QStringLiteral("epWojew"), QStringLiteral("Województwo :"), 32), 32);
        m_provinces = b.comboBeside(prov, QStringLiteral("cmbWojewodztwo"), QStringLiteral("lista"));
        m_provinces->addItems(provinceNames());
        m_provinces->setCurrentIndex(-1);
        connect(m_provinces, qOverload<int>(&QComboBox::activated), this, [this](int i) { provinceChosen(i); });
        widthed(b.edit(QStringLiteral("epUlica"), QStringLiteral("Ulica :"), 32), 32);
        widthed(b.edit(QStringLiteral("epNrUl"), QStringLiteral("Numer domu :"), 9), 9);
        widthed(b.edit(QStringLiteral("epNrMiesz"), QStringLiteral("Numer mieszkania :"), 9), 9);
        b.section(QStringLiteral("Zatrudnienie :"));
        QLineEdit* unit = widthed(b.edit(QStringLiteral("epStruktSkrot"), QStringLiteral("Zatrudniony w :"), 30), 30);
        connect(b.buttonBeside(unit, QStringLiteral("sbStruktSkrot"), QStringLiteral("wybór stanowiska")), &QToolButton::clicked,
                this, [this]() { CommandGuard::run([this]() { choosePosition(); }, this); });
        QLineEdit* pos = widthed(b.edit(QStringLiteral("epStanowKod"), QStringLiteral("Stanowisko :"), 50, true), 50);
        connect(b.buttonBeside(pos, QStringLiteral("sbStanowisko"), QStringLiteral("wybór stanowiska")), &QToolButton::clicked,
                this, [this]() { CommandGuard::run([this]() { choosePosition(); }, this); });
        onDoubleClick(pos, [this]() { clearPosition(); });
        widthed(b.editBeside(pos, QStringLiteral("epStanowSkrot"), QStringLiteral("nazwa"), 30), 30);
        QLineEdit* posId = hiddenField("epIdStanow");
        QLineEdit* occ = widthed(b.edit(QStringLiteral("epKodZawodu"), QStringLiteral("Zawód wykonywany :"), 7, true), 7);
        onDoubleClick(occ, [this]() { clearOccupation(); });
        widthed(b.editBeside(occ, QStringLiteral("epZawod"), QStringLiteral("nazwa"), 30), 30);
        b.combo(QStringLiteral("cbZawod"), QStringLiteral("Lista zawodów :"));
        b.checkRow(QStringLiteral("cb_Filtr"), QStringLiteral("Filtr zawodów"));
        filterRow("e_Filtr", "bPokaz", QStringLiteral("Filtr zawodów — tekst"));
        widthed(b.edit(QStringLiteral("epStaz"), QStringLiteral("Staż pracy na stanowisku - lata :"), 20), 20);
        b.stretch();
        // Hidden fields are found by the program only.
        for (QLineEdit* hidden : {id, posId}) hidden->setProperty("hiddenField", true);
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
        QLineEdit* date = b.date(QStringLiteral("epDataSp"), QStringLiteral("Data :"));
        date->setMaxLength(10);
        b.buttonBeside(date, QStringLiteral("sbDataSpP"), QStringLiteral("Kalendarz"));
        widthed(b.edit(QStringLiteral("epMiejsceSp"), QStringLiteral("Miejsce :"), 50), 50);
        b.stretch();
    }
    buildListSide(kHearing, page, m_hearingPages);
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
    connect(m_orderPages, &QTabWidget::currentChanged, this, [this](int) { tabChanged(m_tabs->currentIndex()); });
    {
        PageBuilder b(general);
        m_orderType = b.radio(QStringLiteral("rgnTyp"), QStringLiteral("Typ:"),
                              {QStringLiteral("POSTANOWIENIE"), QStringLiteral("POLECENIE")}, 2);
        connect(m_orderType, &RadioGroup::chosen, this, [this](int i) { orderTypeChosen(i); });
        b.edit(QStringLiteral("enSymbol"), QStringLiteral("Numer/Symbol:"), 30);
        QLineEdit* date = b.date(QStringLiteral("enDataSp"), QStringLiteral("Data :"));
        date->setMaxLength(10);
        b.buttonBeside(date, QStringLiteral("sbDataSpN"), QStringLiteral("Kalendarz"));
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
    buildListSide(kOrder, page, m_orderPages);
    for (const QString& name : kDateFields) {
        QLineEdit* e = findChild<QLineEdit*>(name);
        e->installEventFilter(this);
        const QString button = name == QLatin1String("epDataUr")   ? QStringLiteral("sbDataUr")
                               : name == QLatin1String("epDataSp") ? QStringLiteral("sbDataSpP")
                                                                   : QStringLiteral("sbDataSpN");
        if (auto* b = findChild<QToolButton*>(button))
            connect(b, &QToolButton::clicked, this, [this, name]() { CommandGuard::run([&]() { chooseDate(name); }, this); });
    }
}

// --- The book ----------------------------------------------------------------------

void TZalacznikiForm::ensureBook() {
    if (m_book) return;
    TDataModForm* d = dataMod();
    if (!d) return;
    m_book = std::make_unique<AttachmentBook>(*d, documentAttachmentKinds());
    m_book->setCollector([this](int kind) { return collect(kind); });
    connect(m_book.get(), &AttachmentBook::rowChanged, this, [this](int kind) { LoadAttachmentFields(kind); });
    for (Dataset* main : {d->qrySKWWypadki, d->qrySKWPoszkodowani, d->qryWypadkiWDrodze})
        connect(main, &Dataset::scrolled, this, [this]() { followMainRecord(); });
    for (int k = 0; k < 3; ++k) {
        Dataset* list = m_book->list(k);
        QTableView* view = m_grid[size_t(k)];
        auto* model = new DatasetModel(list, {{m_book->kinds().at(size_t(k)).numberColumn, QStringLiteral("Nr Zał."), {}, false}}, view);
        model->setEditingAllowed(false);
        view->setModel(model);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->horizontalHeader()->setStretchLastSection(true);
        view->verticalHeader()->hide();
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, k, list](const QModelIndex& current) {
                    if (!current.isValid() || current.row() == list->recNo()) return;
                    CommandGuard::run([&]() { moveTo(k, current.row()); }, this);
                });
    }
}

bool TZalacznikiForm::moveTo(int kind, int row) {
    if (!m_book) return false;
    AttachmentBook::BadDate bad;
    const bool moved = m_book->moveTo(kind, row, &bad);
    if (!moved) reportBadDate(bad);
    Dataset* list = m_book->list(kind);
    QTableView* view = m_grid[size_t(kind)];
    // A refused move keeps the grid on the row the list stands on.
    if (list->recNo() >= 0 && view->model() && view->currentIndex().row() != list->recNo()) {
        const QSignalBlocker block(view->selectionModel());
        view->selectionModel()->setCurrentIndex(view->model()->index(list->recNo(), 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    view->viewport()->update();
    return moved;
}

AttachmentBook::Pending TZalacznikiForm::collect(int kind) {
    AttachmentBook::Pending p;
    const QChar selector = m_book->kinds().at(size_t(kind)).saveSelector;
    const auto rowOf = [this](const QString& t) -> const Dataset* { return m_book->list(kindOfTarget(t)); };
    const FieldBinder::Collected c =
        m_binder->collect(rowOf, [selector](QChar s) { return s == selector; },
                          kind == kOrder ? std::function<QString(int)>(orderMemoParam) : std::function<QString(int)>());
    p.values = c.byTarget.value(target(kind));
    if (kind == kHearing) p.values << ColumnValue{QStringLiteral("TYP"), m_hearingType->itemIndex()};
    if (kind == kOrder) p.values << ColumnValue{QStringLiteral("TYP"), m_orderType->itemIndex()};
    p.touched = m_touched[size_t(kind)];
    return p;
}

void TZalacznikiForm::markTouched(int kind) {
    if (!m_loading) m_touched[size_t(kind)] = true;
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
    ensureBook();
    TDataModForm* d = dataMod();
    if (!m_book || !d) return;
    const AccessRights rights = AccessRights::ofSession();
    m_record = request.record;
    m_onListPage = request.onListPage;
    m_editable = rights.registerLevel() != 1 && request.editable && m_onListPage;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(OwnTab);
    }
    m_helpContext = 51000;
    // Every field read-only unless editable; every choice enabled only if editable.
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
        const bool fixed = e->objectName() == QLatin1String("e9Pesel") || e->objectName() == QLatin1String("epStanowKod") ||
                           e->objectName() == QLatin1String("epKodZawodu");
        e->setReadOnly(!m_editable || fixed);
        setReadOnlyLook(e, e->isReadOnly());
    }
    for (QPlainTextEdit* m : findChildren<QPlainTextEdit*>()) m->setReadOnly(!m_editable);
    for (QToolButton* b : findChildren<QToolButton*>())
        if (b->objectName().startsWith(QLatin1String("sb"))) b->setEnabled(m_editable);
    for (QComboBox* c : findChildren<QComboBox*>()) c->setEnabled(m_editable);
    for (RadioGroup* g : findChildren<RadioGroup*>()) g->setEnabled(m_editable);
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
    m_touched = {};
    m_book->open(owner, m_editable);
    for (int k = 0; k < 3; ++k) LoadAttachmentFields(k);
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

void TZalacznikiForm::showDetail(int kind) {
    const bool rows = m_book && m_book->list(kind)->isOpen() && !m_book->list(kind)->isEmpty();
    m_detail[size_t(kind)]->setVisible(rows);
    m_hint[size_t(kind)]->setVisible(!rows);
}

bool TZalacznikiForm::detailShown(int kind) const { return !m_detail[size_t(kind)]->isHidden(); }

void TZalacznikiForm::LoadAttachmentFields(int kind) {
    if (!m_book) return;
    m_loading = true;
    const QChar save = m_book->kinds().at(size_t(kind)).saveSelector;
    const QChar load = m_book->kinds().at(size_t(kind)).loadSelector;
    const auto rowOf = [this](const QString& t) -> const Dataset* { return m_book->list(kindOfTarget(t)); };
    m_binder->load(rowOf, [save, load](QChar s) { return s == save || s == load; });
    const Dataset* list = m_book->list(kind);
    const bool row = list->isOpen() && !list->isEmpty();
    if (kind != kOwn) {
        const int type = row ? int(list->field(QStringLiteral("TYP")).asInt()) : -1;
        (kind == kHearing ? m_hearingType : m_orderType)->setItemIndex(row && !list->field(QStringLiteral("TYP")).isNull() ? type : -1);
    }
    if (kind == kHearing) {
        lookUpPesel();
        // The province list and the team lists show no stale choice.
        m_provinces->setCurrentIndex(provinceNames().indexOf(edit(QStringLiteral("epWojew"))->text()));
        if (m_dictionaries) m_dictionaries->selectEntries(-1, m_editable);
        for (MemberPicker* p : m_team) p->clearSelection();
    }
    if (kind == kOrder) m_podTytul->setCurrentIndex(-1);
    m_touched[size_t(kind)] = false;
    m_loading = false;
    showDetail(kind);
    // The grid stands on the list's row.
    QTableView* view = m_grid[size_t(kind)];
    if (view->model() && list->recNo() >= 0 && view->currentIndex().row() != list->recNo()) {
        const QSignalBlocker block(view->selectionModel());
        view->selectionModel()->setCurrentIndex(view->model()->index(list->recNo(), 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (m_onListPage) applyButtonRules();
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

QPushButton* TZalacznikiForm::button(const QString& name) const { return findChild<QPushButton*>(name); }

QLineEdit* TZalacznikiForm::edit(const QString& name) const { return findChild<QLineEdit*>(name); }

void TZalacznikiForm::applyButtonRules() {
    const AccessRights rights = AccessRights::ofSession();
    const bool external = m_tabs->currentIndex() == ExternalTab;
    const bool mayWrite = m_editable && rights.registerLevel() == 2;
    const bool mayPrint = rights.mayPrintAttachments() && m_onListPage;
    for (const char* b : {"DodZalBtn", "KasZalBtn", "ZapiszBtn"})
        button(QString::fromLatin1(b))->setEnabled(mayWrite && !external);
    for (const char* b : {"DrukBtn", "PreviewBtn"}) button(QString::fromLatin1(b))->setEnabled(mayPrint && !external);
    button(QStringLiteral("ZamknijBtn"))->setEnabled(true);
}

int TZalacznikiForm::helpContext() const { return m_helpContext; }

void TZalacznikiForm::tabChanged(int index) {
    switch (index) {
    case HearingTab: m_helpContext = 52100 + 100 * qMax(0, m_hearingPages->currentIndex()); break;
    case OrderTab: m_helpContext = 53100 + 100 * qMax(0, m_orderPages->currentIndex()); break;
    default: m_helpContext = 51000; break;
    }
    applyButtonRules();
    if (index == ExternalTab && externalEntered()) externalEntered()(*this);
    if (const int k = kindOfTab(index); k >= 0) showDetail(k);
}

bool TZalacznikiForm::warningBlinking() const { return m_blink->isActive(); }

// --- Commands ---------------------------------------------------------------------------

void TZalacznikiForm::DodZalBtnClick() {
    const int kind = kindOfTab(m_tabs->currentIndex());
    if (!m_book || kind < 0 || !m_editable) return;
    AttachmentBook::BadDate bad;
    if (m_book->add(kind, &bad) == 0) {
        reportBadDate(bad);
        return;
    }
    showDetail(kind);
    if (kind == kHearing) m_hearingPages->setCurrentIndex(0);
    if (kind == kOrder) m_orderPages->setCurrentIndex(0);
}

void TZalacznikiForm::KasZalBtnClick() {
    const int kind = kindOfTab(m_tabs->currentIndex());
    if (!m_book || kind < 0 || !m_editable || m_book->currentId(kind) == 0) return;
    if (!askYesNo(kDeleteQuestion, QString(), this)) return;
    AttachmentBook::BadDate bad;
    if (!m_book->remove(kind, &bad)) reportBadDate(bad);
    showDetail(kind);
}

bool TZalacznikiForm::ZapiszBtnClick() {
    if (!m_book || !m_editable) return false;
    AttachmentBook::BadDate bad;
    const bool saved = m_book->save(&bad);
    // The kinds written are reloaded by the book; a refused one keeps what was typed.
    for (int k = 0; k < 3; ++k) {
        const bool failed = std::any_of(m_book->failures().begin(), m_book->failures().end(),
                                        [k](const AttachmentBook::Failure& f) { return f.kind == k; });
        if (saved || (bad.kind < 0 && !failed)) m_touched[size_t(k)] = false;
    }
    if (!saved) {
        reportBadDate(bad);
        return false;
    }
    return !externalSave() || externalSave()(*this);
}

void TZalacznikiForm::reportBadDate(const AttachmentBook::BadDate& bad) {
    if (bad.kind < 0) {
        reportFailures();
        return;
    }
    showError(kBadDate, this);
    if (QWidget* w = boundControl(bad.kind, bad.column)) {
        m_tabs->setCurrentIndex(bad.kind);
        revealField(w);
        w->setFocus();
    }
}

void TZalacznikiForm::reportFailures() {
    const QList<AttachmentBook::Failure>& failures = m_book->failures();
    if (failures.isEmpty()) return;
    // One message for the save, a line for each row it could not write.
    QStringList lines{saveFailedMessage()};
    QWidget* first = nullptr;
    for (const AttachmentBook::Failure& f : failures) {
        QWidget* w = f.column.isEmpty() ? nullptr : boundControl(f.kind, f.column);
        if (!first) first = w;
        lines << (w ? fieldCaption(w) : m_tabs->tabText(f.kind)) + QStringLiteral(": ") + f.reason;
    }
    showError(lines.join(QStringLiteral("\r\n")), this);
    if (first) {
        revealField(first);
        first->setFocus();
    }
}

QWidget* TZalacznikiForm::boundControl(int kind, const QString& column) const {
    const QChar selector = m_book->kinds().at(size_t(kind)).saveSelector;
    for (const BoundControl& b : m_binder->controls())
        if (b.selector == selector && b.column.compare(column, Qt::CaseInsensitive) == 0) return b.widget;
    return nullptr;
}

void TZalacznikiForm::ZamknijBtnClick() {
    if (m_onListPage && m_editable && AccessRights::ofSession().registerLevel() == 2) {
        bool saved = false;
        CommandGuard::run([&]() { saved = ZapiszBtnClick(); }, this);
        if (!saved) return;
    }
    finish();
    close();
}

void TZalacznikiForm::finish() {
    m_blink->stop();
    m_warning->hide();
    if (m_book && m_book->isOpen()) m_book->close();
}

void TZalacznikiForm::closeEvent(QCloseEvent* event) {
    finish();
    QDialog::closeEvent(event);
}

void TZalacznikiForm::reject() {
    finish();
    QDialog::reject();
}

void TZalacznikiForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Help::show(m_helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TZalacznikiForm::PreviewBtnClick() { printCurrent(true); }

void TZalacznikiForm::DrukBtnClick() { printCurrent(false); }

void TZalacznikiForm::printCurrent(bool preview) {
    const int kind = kindOfTab(m_tabs->currentIndex());
    if (!m_book || kind < 0 || m_book->currentId(kind) == 0) return;
    // The printout is made of the stored row: what was typed is saved first, and a
    // refused save (its message shown) prints nothing.
    if (m_editable) {
        bool saved = false;
        CommandGuard::run([&]() { saved = ZapiszBtnClick(); }, this);
        if (!saved || m_book->currentId(kind) == 0) return;
    }
    AttachmentPrintRequest r{m_book->kinds().at(size_t(kind)).printKind, m_book->currentId(kind), m_blank->isChecked(),
                             preview, this};
    r.ownerAccident = m_book->owner().accident;
    r.ownerProtocol = m_book->owner().protocol;
    AttachmentPrinting::print(r);
}

// --- Reactions --------------------------------------------------------------------------

void TZalacznikiForm::setField(const QString& name, const QString& value) {
    QLineEdit* e = edit(name);
    if (!e) return;
    const int width = m_width.value(name, e->property("declaredMaxLength").isValid() ? e->property("declaredMaxLength").toInt()
                                                                                     : e->maxLength());
    e->setText(width > 0 && width < 32767 ? value.left(width) : value);
    e->setCursorPosition(0);
}

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
    m_provinces->setCurrentIndex(provinceNames().indexOf(edit(QStringLiteral("epWojew"))->text()));
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

void TZalacznikiForm::provinceChosen(int index) {
    if (!m_editable || index < 0) return;
    setField(QStringLiteral("epWojew"), m_provinces->itemText(index).trimmed());
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

void TZalacznikiForm::chooseDate(const QString& fieldName) {
    QLineEdit* e = edit(fieldName);
    if (!m_editable || !e) return;
    QDate initial = Formats::parseDate(e->text());
    if (!initial.isValid()) initial = Clock::today();
    const auto chosen = calendarForm().choose(initial);
    if (!chosen) return;
    e->setText(Formats::date(*chosen));
    markTouched(fieldName.startsWith(QLatin1String("en")) ? kOrder : kHearing);
}

bool TZalacznikiForm::leaveDate(QLineEdit* field) {
    const QString text = field->text().trimmed();
    if (text.isEmpty() || Formats::parseDate(text).isValid() || Formats::parseDateTime(text).isValid()) return true;
    showError(kBadDate, this);
    field->setFocus();
    return false;
}

bool TZalacznikiForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && m_editable && !m_loading)
        if (auto* e = qobject_cast<QLineEdit*>(watched); e && kDateFields.contains(e->objectName()) && isVisible())
            QTimer::singleShot(0, e, [this, e]() { leaveDate(e); });
    return QDialog::eventFilter(watched, event);
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
}

} // namespace zort
