#include "protocol/ProtPowForm.h"
#include "protocol/MemberEntryForms.h"

#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/DateUtil.h"
#include "core/Field.h"
#include "core/Formats.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/ColumnTypes.h"
#include "domain/DataModForm.h"
#include "domain/FieldChecks.h"
#include "domain/ProtocolTexts.h"
#include "ui/CardPicking.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/FieldBinding.h"
#include "ui/Help.h"
#include "ui/KalendarzForm.h"
#include "ui/LeaveChecks.h"
#include "ui/PageBuilder.h"
#include "ui/StrikeMark.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {
namespace {

constexpr int kHelpContext = 32100;
constexpr int kWidth = 778;
constexpr int kMinHeight = 540;

const QString kPerson = QStringLiteral("person");
const QString kAccident = QStringLiteral("accident");
const QString kCaption = QStringLiteral("Protokół powypadkowy");
// The setting of the multi-line fields, as the administration window announces it.
const QString kLengthSettingKey = QStringLiteral("ProtPowypadkowyWielostronicowy");

// The fields whose double click fills them (or opens their list).
const QString kOccupation = QStringLiteral("epKodZawodu");
const QString kNameFields[] = {QStringLiteral("epImNazwCz"), QStringLiteral("epImNazwCzZap")};
// The dates that may not fall before the accident's day.
const char* const kAfterAccident[] = {"epDataUst", "epDataZakUst", "epDataOdb", "epDataZatw", "epDataZapoz", "epDataProt"};

QVariant columnValue(const Dataset* rows, const QString& column) {
    return rows && rows->isOpen() && !rows->isEmpty() && rows->hasColumn(column) ? rows->value(column) : QVariant();
}

int coded(const Dataset* rows, const char* column) {
    const QVariant v = columnValue(rows, QString::fromLatin1(column));
    return v.isNull() ? 0 : v.toInt();
}

} // namespace

TProtocolWindow::TProtocolWindow(int form, QWidget* parent)
    : DocumentPagesWindow(protocolDescription(form).windowClass.mid(1), kCaption, kHelpContext,
                          {{Command::Save, QStringLiteral("ZapiszBtn"), QStringLiteral("Zapisz")},
                           {Command::Test, QStringLiteral("TestBtn"), QStringLiteral("Testuj")},
                           {Command::Print, QStringLiteral("DrukBtn"), QStringLiteral("Wydruki")},
                           {Command::Close, QStringLiteral("CloseBtn"), QStringLiteral("Zamknij")}},
                          parent),
      m_form(protocolDescription(form)),
      m_marks(m_form.markRules) {
    m_pages = pages();
    m_pages->setDocumentMode(true);
    m_checks = new LeaveChecks(this);
    build();
    m_binder = std::make_unique<FieldBinder>(this, MemoSlots::TwoDigits,
                                             std::vector<SelectorRule>{{'p', kPerson, true},
                                                                       {'w', kAccident, true},
                                                                       {'9', kPerson, false},
                                                                       {'0', kAccident, false}},
                                             QLatin1Char('e'));
    if (m_form.lengthSetting)
        connect(&admSettingsNotifier(), &AdmSettingsNotifier::changed, this, [this](const QString& key) {
            if (key == kLengthSettingKey) SetMemoLimits(admSettings().protPowWielostronicowy ? 0 : 1);
        });
    finishFrame(kWidth, kMinHeight);
}

void TProtocolWindow::runCommand(Command command) {
    switch (command) {
    case Command::Test: TestujClick(); break;
    case Command::Save: ZapiszClick(); break;
    case Command::Print: WydrukiClick(); break;
    case Command::Close: ZamknijClick(); break;
    }
}

TProtocolWindow::~TProtocolWindow() = default;

void TProtocolWindow::build() {
    std::vector<std::unique_ptr<PageBuilder>> builders = addPages(m_form.pages);
    QWidget* previous = nullptr;
    int texts = 0;
    for (const ProtocolItem& item : m_form.items) {
        PageBuilder& b = *builders[size_t(m_form.pageIndex(item))];
        switch (item.kind) {
        case ProtocolItemKind::Section: b.section(item.caption); break;
        case ProtocolItemKind::Text:
            b.text(item.name.isEmpty() ? QStringLiteral("lTekst%1").arg(++texts) : item.name, item.caption);
            break;
        case ProtocolItemKind::Edit: {
            QLineEdit* e = nullptr;
            if (item.beside && previous) {
                // A field beside another one has its caption in front of it, apart
                // from the field before.
                QLabel* label = b.labelBeside(previous, QString(), item.caption);
                e = item.date ? b.dateBeside(previous, item.name, item.caption)
                              : b.editBeside(previous, item.name, item.caption, item.maxLength);
                // Named after the field it stands beside ("NIP — PESEL"): the same
                // captions stand on several rows.
                label->setIndent(6);
            } else {
                e = item.date ? b.date(item.name, item.caption) : b.edit(item.name, item.caption, item.maxLength);
            }
            // Short entries (dates, numbers, codes) are as wide as what they hold; the
            // texts of a row share its width by their lengths.
            const bool text = !item.date && item.maxLength > 20;
            b.setStretch(e, text ? qMax(1, item.maxLength / 10) : 0);
            if (!item.hint.isEmpty()) e->setToolTip(item.hint);
            previous = e;
            if (item.date && !item.button.isEmpty()) {
                QToolButton* calendar = b.buttonBeside(e, item.button, calendarHint());
                calendar->setToolTip(calendarHint());
                calendar->setAccessibleName(besideName(fieldCaption(e), calendarHint()));
                calendar->setFocusPolicy(Qt::TabFocus);
                connect(calendar, &QToolButton::clicked, this,
                        [this, name = item.name]() { CommandGuard::run([&]() { chooseDate(name); }, this); });
            }
            if (item.name == kOccupation || item.name == kNameFields[0] || item.name == kNameFields[1])
                e->installEventFilter(this);
            break;
        }
        case ProtocolItemKind::Memo: {
            MemoEdit* m = b.memo(item.name, item.caption, item.maxLength, item.lines > 0 ? item.lines : 4);
            if (!item.hint.isEmpty()) m->setToolTip(item.hint);
            previous = nullptr;
            break;
        }
        case ProtocolItemKind::Marks: {
            QList<QWidget*> row;
            for (int i = 0; i < item.marks.size() && i < item.markCaptions.size(); ++i) {
                const ProtocolMark mark = item.marks.at(i);
                auto* s = new StrikeMark(QStringLiteral("lMark%1").arg(int(mark)), item.markCaptions.at(i), this);
                s->setToolTip(protocolFixedTexts(m_form.form).strikeNote);
                connect(s, &StrikeMark::clicked, this, [this, mark]() { markClicked(mark); });
                m_markControls.insert(int(mark), s);
                row << s;
            }
            b.controlsRow(item.caption, row);
            previous = nullptr;
            break;
        }
        }
    }
    for (auto& b : builders) b->stretch();

    // The checks on leaving a field.
    const auto accidentText = [this]() {
        const QLineEdit* a = edit(QStringLiteral("ewData"));
        return a ? a->text() : QString();
    };
    for (const char* name : kAfterAccident)
        if (QLineEdit* e = edit(QString::fromLatin1(name)))
            m_checks->watch(e, [accidentText](const QString& t) { return FieldChecks::protocolDate(t, accidentText()); });
    if (QLineEdit* e = edit(QStringLiteral("epDataUr")))
        m_checks->watch(e, [](const QString& t) { return FieldChecks::optionalDate(t); });
    if (QLineEdit* e = edit(QStringLiteral("epNumerProt")))
        m_checks->watch(e, [](const QString& t) { return FieldChecks::wholeNumber(t); });
    if (QLineEdit* e = edit(kOccupation))
        m_checks->watch(e, [](const QString& t) { return FieldChecks::occupationCode(t); });
}

QLineEdit* TProtocolWindow::edit(const QString& name) const { return name.isEmpty() ? nullptr : findChild<QLineEdit*>(name); }

// --- Showing and loading -------------------------------------------------------------

void TProtocolWindow::ShowProtocol(const DocumentWindows::Request& request) {
    prepare(request);
    exec();
}

void TProtocolWindow::prepare(const DocumentWindows::Request& request) {
    openRecord(request);
    m_editable = request.editable && AccessRights::ofSession().registerLevel() != kViewOnly;
    applyReadOnlyRule();
    if (m_form.lengthSetting) SetMemoLimits(admSettings().protPowWielostronicowy ? 0 : 1);
    LoadProtocol();
}

void TProtocolWindow::applyReadOnlyRule() {
    // The form of 2019 shows a read-only protocol in read-only fields, the older
    // forms disable them.
    const bool disable = m_form.disableWhenReadOnly;
    for (const BoundControl& c : m_binder->controls()) {
        if (auto* e = qobject_cast<QLineEdit*>(c.widget)) {
            e->setReadOnly(!m_editable && !disable);
            setReadOnlyLook(e, !m_editable && !disable);
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(c.widget)) {
            m->setReadOnly(!m_editable && !disable);
        }
        c.widget->setEnabled(m_editable || !disable);
    }
    for (StrikeMark* s : std::as_const(m_markControls)) s->setEnabled(m_editable);
    for (QToolButton* t : findChildren<QToolButton*>())
        if (t->objectName().size() > 1 && !qobject_cast<QTabWidget*>(t->parentWidget())) t->setEnabled(m_editable);
    commandButton(Command::Save)->setEnabled(m_editable);
    for (Command c : {Command::Test, Command::Print, Command::Close}) commandButton(c)->setEnabled(true);
}

void TProtocolWindow::SetMemoLimits(int index) {
    if (!m_form.lengthSetting) return;
    for (const ProtocolItem& item : m_form.items) {
        if (item.kind != ProtocolItemKind::Memo) continue;
        if (auto* m = findChild<MemoEdit*>(item.name)) m->setMaxLength(protocolMemoLimit(item.memoNumber(), index == 0));
    }
}

void TProtocolWindow::LoadProtocol() {
    const Dataset* person = recordRow(kPerson);
    const Dataset* accident = recordRow(kAccident);
    m_binder->load(recordRows());
    for (const BoundControl& c : m_binder->controls()) {
        auto* e = qobject_cast<QLineEdit*>(c.widget);
        if (!e) continue;
        // A fixed-width column comes back padded with blanks.
        if (c.column.compare(QLatin1String("REGON"), Qt::CaseInsensitive) == 0) {
            const QSignalBlocker block(e);
            e->setText(e->text().trimmed());
        }
        e->setCursorPosition(0);
    }
    ProtocolValues v;
    v.wypiz = coded(accident, "WYPIZ");
    v.typwyp = coded(person, "TYPWYP");
    v.skutki = coded(person, "SKUTKI");
    v.zapoznany = coded(person, "ZAPOZNANY");
    v.doreczenie = coded(person, "DORECZENIE");
    v.formwyp = coded(person, "FORMWYP");
    m_marks.load(v);
    paintMarks();
    for (Command c : {Command::Test, Command::Print, Command::Close}) commandButton(c)->setEnabled(true);
    m_binder->takeBaseline();
}

void TProtocolWindow::paintMarks() {
    for (auto it = m_markControls.cbegin(); it != m_markControls.cend(); ++it)
        it.value()->setStruck(m_marks.struck(ProtocolMark(it.key())));
}

// --- Saving --------------------------------------------------------------------------

bool TProtocolWindow::checkDates() {
    for (const ProtocolItem& item : m_form.items) {
        if (item.kind != ProtocolItemKind::Edit || !item.date) continue;
        QLineEdit* e = edit(item.name);
        if (!e || e->text().trimmed().isEmpty() || m_binder->unchangedSinceLoad(e)) continue;
        // The accident's date may carry its time; the other dates are days.
        const bool reads = item.column() == QLatin1String("DATA") ? Formats::parseDateTime(e->text()).isValid()
                                                                   : Formats::parseDate(e->text()).isValid();
        if (reads) continue;
        showError(FieldChecks::dateFormatMessage(), this);
        revealField(e);
        e->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool TProtocolWindow::SaveProtocol() {
    if (!m_editable) return true;  // a read-only protocol writes nothing
    if (!checkDates()) return false;
    // Memos are bound under their columns' names.
    return saveRecord(
        *m_binder, m_checks,
        [this](RowValues& accidentRow, RowValues& personRow) {
            const ProtocolValues& v = m_marks.values();
            for (const QString& column : m_form.savedMarks) {
                if (column == QLatin1String("WYPIZ")) accidentRow << ColumnValue{column, v.wypiz};
                else if (column == QLatin1String("TYPWYP")) personRow << ColumnValue{column, v.typwyp};
                else if (column == QLatin1String("SKUTKI")) personRow << ColumnValue{column, v.skutki};
                else if (column == QLatin1String("ZAPOZNANY")) personRow << ColumnValue{column, v.zapoznany};
                else if (column == QLatin1String("DORECZENIE")) personRow << ColumnValue{column, v.doreczenie};
                else if (column == QLatin1String("FORMWYP")) personRow << ColumnValue{column, v.formwyp};
            }
        },
        RegisterStore::KindWrite::Given, [](int) { return QString(); });
}

// --- Commands ------------------------------------------------------------------------

bool TProtocolWindow::ZapiszClick() {
    if (!m_editable) return true;
    // The occupation code is checked at every save; a refused one stops it.
    if (QLineEdit* code = edit(kOccupation)) {
        m_checks->markEdited(code);
        if (!m_checks->check(code)) {
            revealField(code);
            code->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    QWidget* focus = QApplication::focusWidget();
    const int page = m_pages->currentIndex();
    if (!SaveProtocol()) return false;
    // The protocol as the database now holds it.
    LoadProtocol();
    m_pages->setCurrentIndex(page);
    if (focus && isAncestorOf(focus) && focus->isEnabled()) focus->setFocus();
    return true;
}

void TProtocolWindow::TestujClick() {
    if (!ZapiszClick()) return;
    DocumentWindows::Request r{QStringLiteral("TTestWForm"), m_editable, this};
    r.record = record();
    DocumentWindows::open(r);
}

void TProtocolWindow::WydrukiClick() {
    if (!ZapiszClick()) return;
    DocumentWindows::Request r{QStringLiteral("TAdmDrukForm"), m_editable, this};
    r.record = record();
    DocumentWindows::open(r);
}

void TProtocolWindow::ZamknijClick() {
    if (!ZapiszClick()) return;
    QDialog::accept();
}

// --- Marks, fills and dates ----------------------------------------------------------

void TProtocolWindow::markClicked(ProtocolMark mark) {
    if (!m_editable) return;
    m_marks.click(mark);
    paintMarks();
}

void TProtocolWindow::fieldAction(const QString& fieldName) {
    QLineEdit* e = edit(fieldName);
    if (!m_editable || !e || !e->isEnabled() || e->isReadOnly()) return;
    if (fieldName == kOccupation) {
        if (pickOccupation(QStringLiteral("Klasyfikacja zawodów"), e, nullptr)) {
            m_checks->markEdited(e);
            m_checks->check(e);
        }
        return;
    }
    const Dataset* person = recordRow(kPerson);
    const QString name = Field(columnValue(person, QStringLiteral("IMIE"))).asString() + QLatin1Char(' ') +
                         Field(columnValue(person, QStringLiteral("NAZWISKO"))).asString();
    e->setText(name.left(e->maxLength()));
}

bool TProtocolWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* e = qobject_cast<QLineEdit*>(watched);
    if (e && m_editable) {
        // A double click, or F4 from the keyboard.
        const bool action = event->type() == QEvent::MouseButtonDblClick ||
                            (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F4);
        if (action) {
            CommandGuard::run([&]() { fieldAction(e->objectName()); }, this);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TProtocolWindow::chooseDate(const QString& fieldName) {
    QLineEdit* e = edit(fieldName);
    if (!m_editable || !e || !e->isEnabled() || e->isReadOnly()) return;
    QDate initial = Formats::parseDate(e->text());
    if (!initial.isValid()) initial = Formats::parseDateTime(e->text()).date();
    if (!initial.isValid()) initial = Clock::today();
    const auto chosen = calendarForm().choose(initial);
    if (!chosen) return;
    e->setText(Formats::date(*chosen));
    m_checks->markEdited(e);
    m_checks->check(e);
}

bool TProtocolWindow::leaveField(QLineEdit* field) {
    if (!field || !m_checks->watches(field)) return true;
    m_checks->markEdited(field);
    return m_checks->check(field);
}

// --- The windows of the run ----------------------------------------------------------

TProtocolWindow* protocolWindow(const QString& className) {
    if (className == QLatin1String("TProtPowForm")) return Forms::getOrCreate<TProtPowForm>(className);
    if (className == QLatin1String("TProtPowForm_1")) return Forms::getOrCreate<TProtPowForm_1>(className);
    if (className == QLatin1String("TProtPowForm_2")) return Forms::getOrCreate<TProtPowForm_2>(className);
    if (className == QLatin1String("TProtPowForm_3")) return Forms::getOrCreate<TProtPowForm_3>(className);
    return nullptr;
}

void registerProtocolWindows() {
    // The entry windows of the post-accident team and commission.
    registerMemberWindows();
    for (const char* c : {"TProtPowForm", "TProtPowForm_1", "TProtPowForm_2", "TProtPowForm_3"})
        DocumentWindows::add(QString::fromLatin1(c), [](const DocumentWindows::Request& r) {
            if (TProtocolWindow* w = protocolWindow(r.className)) w->ShowProtocol(r);
        });
}

} // namespace zort
