#include "card/SKWForm.h"

#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/DateUtil.h"
#include "core/Formats.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "domain/CardFields.h"
#include "domain/CodeTables.h"
#include "db/ColumnTypes.h"
#include "domain/DataModForm.h"
#include "domain/Dictionaries.h"
#include "domain/FieldChecks.h"
#include "ui/CardPicking.h"
#include "ui/CodePickers.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/FieldBinding.h"
#include "ui/Help.h"
#include "ui/KalendarzForm.h"
#include "ui/LeaveChecks.h"
#include "ui/ListForm.h"
#include "ui/PageBuilder.h"
#include "ui/StrikeMark.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {
namespace {

constexpr int kHelpContext = 32200;
constexpr int kMinHeight = 567;

const QString kPerson = QStringLiteral("person");
const QString kAccident = QStringLiteral("accident");

// The answer marks: the chosen one framed.
const char* const kMarkStyle = "QRadioButton { padding: 1px 3px; border: 1px solid transparent; }"
                               "QRadioButton:checked { border: 1px solid palette(text); }";
// The training answers of the 2000 forms: the completed ones framed.
const char* const kToggleStyle = "QCheckBox { padding: 1px 3px; border: 1px solid transparent; }"
                                 "QCheckBox:checked { border: 1px solid palette(text); }";

const CardDescription& describedForm(const QString& windowClass) {
    const CardDescription* d = cardDescriptionOf(windowClass);
    Q_ASSERT(d);
    return d ? *d : cardDescription(5);
}

// Whether a training value counts as completed ("T" too).
bool completed(const QVariant& v) {
    return v.toString().trimmed().compare(QLatin1String("t"), Qt::CaseInsensitive) == 0;
}

// A description field: a single line or a memo.
void clearText(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->clear();
}

QString questionCaption(const CardItem& item) {
    return item.number.isEmpty() ? item.caption : item.number + QStringLiteral("  ") + item.caption;
}

// A date column's value as the window keeps it: null and the zero date are no date.
QDateTime dateOf(const QVariant& v) {
    if (v.isNull()) return QDateTime();
    const QDateTime dt = v.toDateTime();
    if (!dt.isValid() || dt.date() == QDate(1899, 12, 30)) return QDateTime();
    return dt;
}

QVariant intOrNull(int v) { return v < 0 ? QVariant() : QVariant(v); }

// The editor on the other page that shows the same part of the accident date.
QString twinEditor(const QString& name) {
    if (name.startsWith(QLatin1String("Spin9Edit"))) return QStringLiteral("SpinEdit") + name.mid(9);
    if (name.startsWith(QLatin1String("SpinEdit"))) return QStringLiteral("Spin9Edit") + name.mid(8);
    return QString();
}

} // namespace

int CardWindowState::value(CardState s) const {
    switch (s) {
    case CardState::AccidentType: return accidentType;
    case CardState::Sex: return sex;
    case CardState::Effects: return effects;
    case CardState::EffectsPart2: return effectsPart2;
    case CardState::LocalUnit: return localUnit;
    case CardState::RemoteWork: return remoteWork;
    case CardState::None:
    case CardState::Training: break;
    }
    return -1;
}

void CardWindowState::set(CardState s, int v) {
    switch (s) {
    case CardState::AccidentType: accidentType = v; break;
    case CardState::Sex: sex = v; break;
    case CardState::Effects: effects = v; break;
    case CardState::EffectsPart2: effectsPart2 = v; break;
    case CardState::LocalUnit: localUnit = v; break;
    case CardState::RemoteWork: remoteWork = v; break;
    case CardState::None:
    case CardState::Training: break;
    }
}

TSKWCardForm::TSKWCardForm(const QString& windowClass, QWidget* parent)
    : DocumentPagesWindow(describedForm(windowClass).windowClass.mid(1), describedForm(windowClass).caption, kHelpContext,
                          {{Command::Test, QStringLiteral("TestujBtn"), QStringLiteral("Testuj")},
                           {Command::Save, QStringLiteral("ZapiszBtn"), QStringLiteral("Zapisz")},
                           {Command::Print, QStringLiteral("WydrukiBtn"), QStringLiteral("Wydruki")},
                           {Command::Close, QStringLiteral("ZamknijBtn"), QStringLiteral("Zamknij")}},
                          parent),
      m_form(describedForm(windowClass)) {
    m_pages = pages();
    m_test = commandButton(Command::Test);
    m_save = commandButton(Command::Save);
    m_print = commandButton(Command::Print);
    m_close = commandButton(Command::Close);
    m_checks = new LeaveChecks(this);
    build();
    // The memos (of the 2000 forms) are named like the edits and have no slot: the
    // whole rest of the name is the column.
    m_binder = std::make_unique<FieldBinder>(this, MemoSlots::None,
                                             std::vector<SelectorRule>{{'p', kPerson, true},
                                                                       {'w', kAccident, true},
                                                                       {'9', kPerson, false},
                                                                       {'0', kAccident, false}},
                                             QLatin1Char('e'));
    finishFrame(m_form.width, kMinHeight);
}

void TSKWCardForm::runCommand(Command command) {
    switch (command) {
    case Command::Test: TestujClick(); break;
    case Command::Save: ZapiszClick(); break;
    case Command::Print: WydrukiClick(); break;
    case Command::Close: ZamknijClick(); break;
    }
}

TSKWCardForm::~TSKWCardForm() = default;

void TSKWCardForm::build() {
    std::vector<std::unique_ptr<PageBuilder>> builders = addPages(m_form.pages);
    for (const CardItem& item : m_form.items) buildItem(*builders[size_t(m_form.pageIndex(item.page))], item);
    for (auto& b : builders) b->stretch();
}

void TSKWCardForm::buildItem(PageBuilder& b, const CardItem& item) {
    const QString caption = questionCaption(item);
    switch (item.kind) {
    case CardItemKind::Section: b.section(caption); break;
    case CardItemKind::Text: b.text(item.name, item.caption, item.framed); break;
    case CardItemKind::Edit: {
        QLineEdit* e = item.check == CardCheck::DateAfterAccident ? b.date(item.name, caption, item.readOnly)
                                                                  : b.edit(item.name, caption, item.maxLength, item.readOnly);
        if (!item.hint.isEmpty()) e->setToolTip(item.hint);
        if (!item.name3.isEmpty()) {
            QToolButton* calendar = b.buttonBeside(e, item.name3, QStringLiteral("Kalendarz"));
            connect(calendar, &QToolButton::clicked, this,
                    [this, name = item.name]() { CommandGuard::run([&]() { chooseDate(name); }, this); });
        }
        if (!item.label.isEmpty()) b.labelBeside(e, item.label, QString());
        if (item.lowerCase)
            connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
                const QString lower = t.toLower();
                if (lower == t) return;
                const int cursor = e->cursorPosition();
                e->setText(lower);
                e->setCursorPosition(cursor);
            });
        if (item.localUnitPanel) m_localUnitPanel << e;
        const TSKWCardForm* self = this;
        LeaveChecks::Check check;
        switch (item.check) {
        case CardCheck::None: break;
        case CardCheck::Small: check = [](const QString& t) { return FieldChecks::smallWholeNumber(t); }; break;
        case CardCheck::Real: check = [](const QString& t) { return FieldChecks::decimalNumber(t); }; break;
        case CardCheck::RealPlain:
            check = [](const QString& t) {
                CheckResult r = FieldChecks::decimalNumber(t);
                if (r.error() && r.message == FieldChecks::realFormatMessage()) r.message = QStringLiteral("Zły format liczby.");
                return r;
            };
            break;
        case CardCheck::Whole: check = [](const QString& t) { return FieldChecks::wholeNumber(t); }; break;
        case CardCheck::DateAfterAccident:
            check = [self](const QString& t) {
                const QDateTime accident = self->m_state.accidentDate;
                return FieldChecks::optionalDateAfterAccident(t, accident.isValid() ? Formats::date(accident) : QString());
            };
            break;
        }
        if (check) {
            if (!item.readOnly) m_checks->watch(e, check, nullptr, [this](QLineEdit* f) { copyToTwin(f); });
        } else if (!item.twin.isEmpty()) {
            connect(e, &QLineEdit::editingFinished, this, [this, e]() { copyToTwin(e); });
        }
        break;
    }
    case CardItemKind::CodeText: {
        const bool picked = item.picker != CardPicker::None;
        QLineEdit* code = b.edit(item.name, caption, item.maxLength, picked);
        QWidget* text = nullptr;
        if (!item.name2.isEmpty())
            text = item.memoLines > 0
                       ? static_cast<QWidget*>(b.memoBeside(code, item.name2, QStringLiteral("opis"), item.maxLength2,
                                                            item.memoLines))
                       : b.editBeside(code, item.name2, QStringLiteral("opis"), item.maxLength2);
        if (item.localUnitPanel) m_localUnitPanel << code << text;
        if (!picked) break;
        if (text) text->setToolTip(item.hint);
        code->installEventFilter(this);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(text)) {
            // A memo gets the mouse in its viewport.
            memo->installEventFilter(this);
            memo->viewport()->installEventFilter(this);
        } else if (text) {
            text->installEventFilter(this);
        }
        const CardField* field = cardFieldOfCode(item.name);
        QString buttonName = field ? field->button : QLatin1Char('w') + item.name2.mid(2);
        QToolButton* button = b.buttonBeside(text ? text : code, buttonName, QStringLiteral("..."));
        button->setAccessibleName(captionName(item.caption) + QStringLiteral(" — wybór z listy"));
        button->setToolTip(item.hint);
        if (item.localUnitPanel) m_localUnitPanel << button;
        connect(button, &QToolButton::clicked, this,
                [this, name = item.name]() { CommandGuard::run([&]() { pick(name); }, this); });
        break;
    }
    case CardItemKind::Marks: {
        if (item.markStyle == MarkStyle::Struck) {
            // The form's alternatives: the one that does not apply struck through.
            QList<QWidget*> row;
            QList<StrikeMark*> marks;
            for (int i = 0; i < item.marks.size(); ++i) {
                if (i < item.markCodes.size()) {
                    auto* code = new QLabel(item.markCodes.at(i), this);
                    code->setObjectName(item.name + QStringLiteral("Kod%1").arg(i));
                    row << code;
                }
                auto* s = new StrikeMark(item.name + QString::number(i), item.marks.at(i), this);
                s->setToolTip(item.hint);
                connect(s, &StrikeMark::clicked, this, [this, name = item.name, i]() { markClicked(name, i); });
                row << s;
                marks << s;
            }
            b.controlsRow(caption, row);
            m_strikes.insert(item.name, marks);
            break;
        }
        bool longAnswers = false;
        for (const QString& m : item.marks) longAnswers = longAnswers || m.trimmed().size() > 30;
        // A group's title does not wrap: a long question stands above its answers.
        const bool longQuestion = caption.size() > 60;
        if (longQuestion) b.text(item.name + QStringLiteral("Pytanie"), caption);
        RadioGroup* g = b.radio(item.name, longQuestion ? QString() : caption, item.marks,
                                longAnswers ? 1 : int(item.marks.size()));
        if (longQuestion) g->setAccessibleName(captionName(caption));
        g->setStyleSheet(QString::fromLatin1(kMarkStyle));
        g->setToolTip(item.hint);
        for (int i = 0; i < g->count(); ++i) {
            // The frame goes round the answer, not across the row.
            g->button(i)->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
            if (g->layout()) g->layout()->setAlignment(g->button(i), Qt::AlignLeft);
            g->button(i)->setToolTip(item.hint);
        }
        connect(g, &RadioGroup::chosen, this, [this, name = item.name](int i) { markClicked(name, i); });
        m_marks.insert(item.name, g);
        break;
    }
    case CardItemKind::ToggleMarks: {
        // The question above its answers, "none" first as on the form; each answer
        // framed while completed.
        b.text(item.name + QStringLiteral("Pytanie"), caption);
        QStringList captions = item.marks;
        if (!item.noneMark.isEmpty()) captions.prepend(item.noneMark);
        const int first = item.noneMark.isEmpty() ? 1 : 0;
        for (int k = 0; k < captions.size(); ++k) {
            const int answer = first + k;
            // A caption of two lines on the form is one name for the tools.
            QCheckBox* c = b.checkRow(item.name + QString::number(answer), captions.at(k));
            c->setAccessibleName(captionName(captions.at(k)));
            c->setToolTip(item.hint);
            c->setStyleSheet(QString::fromLatin1(kToggleStyle));
            connect(c, &QCheckBox::clicked, this, [this, answer]() { trainingClicked(answer); });
        }
        break;
    }
    case CardItemKind::YearSpin: {
        QSpinBox* s = b.spin(item.name, caption, 0, 9999);
        connect(s, &QSpinBox::valueChanged, this, [this]() { birthYearChanged(); });
        connect(s, &QSpinBox::editingFinished, this, [this]() { birthYearLeft(); });
        break;
    }
    case CardItemKind::DateSpins: {
        QSpinBox* year = b.spin(item.name, caption, 0, 9999);
        QList<QSpinBox*> editors{year, b.spinBeside(year, item.name2, QStringLiteral("miesiąc"), 0, 12),
                                 b.spinBeside(year, item.name3, QStringLiteral("dzień"), 0, 31)};
        if (!item.name4.isEmpty()) editors << b.spin(item.name4, item.caption2, 0, 23);
        for (QSpinBox* s : editors) {
            connect(s, &QSpinBox::valueChanged, this, [this, s]() { dateEditorChanged(s); });
            connect(s, &QSpinBox::editingFinished, this, [this, s]() { dateEditorLeft(s); });
        }
        break;
    }
    case CardItemKind::Memo: b.memo(item.name, caption, item.maxLength, 4); break;
    }
}

// --- Showing and loading -------------------------------------------------------------

void TSKWCardForm::ShowCard(const DocumentWindows::Request& request) {
    prepare(request);
    exec();
}

void TSKWCardForm::prepare(const DocumentWindows::Request& request) {
    openRecord(request);
    const AccessRights rights = AccessRights::ofSession();
    m_editable = request.editable && rights.registerLevel() != kViewOnly;
    applyReadOnlyRule();
    LoadCard();
}

void TSKWCardForm::applyReadOnlyRule() {
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        if (qobject_cast<QSpinBox*>(e->parentWidget())) continue;
        const CardItem* item = itemOfField(e->objectName());
        const bool codeOfPicker = item && item->kind == CardItemKind::CodeText && item->picker != CardPicker::None &&
                                  item->name == e->objectName();
        const bool readOnly = !m_editable || (item && item->readOnly) || codeOfPicker;
        e->setReadOnly(readOnly);
        setReadOnlyLook(e, readOnly);
    }
    for (QPlainTextEdit* m : findChildren<QPlainTextEdit*>()) m->setReadOnly(!m_editable);
    for (QSpinBox* s : findChildren<QSpinBox*>()) {
        s->setReadOnly(!m_editable);
        s->setEnabled(m_editable);
    }
    for (RadioGroup* g : std::as_const(m_marks))
        for (int i = 0; i < g->count(); ++i) g->button(i)->setEnabled(m_editable);
    for (const QList<StrikeMark*>& block : std::as_const(m_strikes))
        for (StrikeMark* m : block) m->setEnabled(m_editable);
    for (QCheckBox* c : findChildren<QCheckBox*>()) c->setEnabled(m_editable);
    for (QToolButton* t : findChildren<QToolButton*>())
        if (!t->parentWidget() || !qobject_cast<QTabWidget*>(t->parentWidget()->parentWidget())) t->setEnabled(m_editable);
    for (QPushButton* b : {m_test, m_save, m_print, m_close}) b->setEnabled(m_editable);
    m_print->setEnabled(true);
    m_close->setEnabled(true);
}

void TSKWCardForm::limitToColumns() {
    TDataModForm* d = dataMod();
    if (m_limited || !d) return;
    ColumnTypes& types = d->store().columnTypes();
    for (const BoundControl& c : m_binder->controls()) {
        if (c.kind != BoundKind::Edit && c.kind != BoundKind::Memo) continue;
        const bool person = m_binder->rule(c.selector)->target == kPerson;
        const ColumnType* type = types.column(person ? QStringLiteral("SKWPOSZKODOWANI") : QStringLiteral("SKWWYPADKI"),
                                              c.column.toUpper());
        if (!type || type->kind != ColumnType::Kind::Text || type->length <= 0) continue;
        if (auto* m = qobject_cast<MemoEdit*>(c.widget)) {
            m->setMaxLength(m->maxLength() > 0 ? qMin(m->maxLength(), type->length) : type->length);
            continue;
        }
        auto* e = static_cast<QLineEdit*>(c.widget);
        const int own = e->maxLength() < 32767 ? e->maxLength() : 0;
        e->setMaxLength(own > 0 ? qMin(own, type->length) : type->length);
    }
    m_limited = true;
}

void TSKWCardForm::LoadCard() {
    TDataModForm* d = dataMod();
    m_loaded = false;
    m_binder->rescan();
    limitToColumns();
    const Dataset* person = recordRow(kPerson);
    const Dataset* accident = recordRow(kAccident);
    m_binder->load(recordRows());
    for (const BoundControl& c : m_binder->controls()) {
        if (c.kind != BoundKind::Edit) continue;
        auto* e = static_cast<QLineEdit*>(c.widget);
        // A fixed-width column comes back padded with blanks.
        if (c.column.compare(QLatin1String("REGON"), Qt::CaseInsensitive) == 0) {
            const QSignalBlocker block(e);
            e->setText(e->text().trimmed());
        }
        e->setEnabled(m_editable);
    }
    for (const BoundControl& c : m_binder->controls())
        if (c.kind == BoundKind::Memo) c.widget->setEnabled(m_editable);
    for (QSpinBox* s : findChildren<QSpinBox*>()) s->setEnabled(m_editable);
    m_test->setEnabled(true);
    m_print->setEnabled(true);
    m_close->setEnabled(true);

    auto value = [](const Dataset* rows, const char* column) {
        const QString c = QString::fromLatin1(column);
        return rows && rows->isOpen() && !rows->isEmpty() && rows->hasColumn(c) ? rows->value(c) : QVariant();
    };
    auto number = [&](const char* column) {
        const QVariant v = value(person, column);
        return v.isNull() ? -1 : v.toInt();
    };
    m_state = CardWindowState{};
    m_state.accidentType = number("TYPWYP");
    m_state.sex = number("PLEC");
    m_state.birthStored = value(person, "DATAUR");
    m_state.birthDate = dateOf(m_state.birthStored);
    // One-character texts, as stored (a fixed-width column comes back padded).
    for (const char* c : {"SZKWSTEPNE", "SZKINSTR", "SZKPODST", "SZKOKRES"}) {
        const QVariant v = value(person, c);
        m_state.training << (v.isNull() ? v : QVariant(v.toString().trimmed()));
    }
    m_state.effects = number("SKUTKI");
    m_state.effectsPart2 = number("SKUTKIR");
    m_state.localUnit = number("SPKRYTJEDN");
    m_state.remoteWork = number("FORMAPRACY");
    m_state.accidentDate = value(accident, "DATA").toDateTime();

    setDateEditors();
    frameMarks();
    m_loaded = true;
    const int year = d && d->referenceDate().isValid() ? d->referenceDate().date().year() : Clock::today().year();
    for (const char* name : {"lRok", "l9Rok"})
        if (auto* l = findChild<QLabel*>(QString::fromLatin1(name))) l->setText(cardYearLabel(year));
    applyLocalUnit(true);
    m_binder->takeBaseline();
}

void TSKWCardForm::setDateEditors() {
    const QDateTime a = m_state.accidentDate;
    const QList<QPair<QString, int>> parts{
        {QStringLiteral("R"), a.isValid() ? a.date().year() : 0},
        {QStringLiteral("M"), a.isValid() ? a.date().month() : 0},
        {QStringLiteral("D"), a.isValid() ? a.date().day() : 0},
        {QStringLiteral("G"), a.isValid() ? a.time().hour() : 0},
    };
    for (const auto& [part, v] : parts)
        for (const QString& prefix : {QStringLiteral("SpinEdit"), QStringLiteral("Spin9Edit")})
            if (QSpinBox* s = spin(prefix + part)) {
                const QSignalBlocker block(s);
                s->setValue(v);
            }
    if (QSpinBox* s = spin(QStringLiteral("SpinEditRU"))) {
        const QSignalBlocker block(s);
        s->setValue(m_state.birthDate.isValid() ? m_state.birthDate.date().year() : 0);
    }
}

void TSKWCardForm::frameMarks() {
    for (const CardItem& item : m_form.items) {
        if (item.kind == CardItemKind::ToggleMarks) {
            bool any = false;
            for (int i = 0; i < item.marks.size() && i < m_state.training.size(); ++i) {
                const bool done = completed(m_state.training[i]);
                any = any || done;
                if (auto* c = findChild<QCheckBox*>(item.name + QString::number(i + 1))) c->setChecked(done);
            }
            if (auto* none = findChild<QCheckBox*>(item.name + QStringLiteral("0"))) none->setChecked(!any);
            continue;
        }
        if (item.kind != CardItemKind::Marks) continue;
        const int box = m_form.markBox(item.markColumn, m_state.value(item.state));
        if (item.markStyle == MarkStyle::Struck) {
            // A value without a box strikes nothing.
            const QList<StrikeMark*> block = m_strikes.value(item.name);
            for (int i = 0; i < block.size(); ++i) block[i]->setStruck(box != 0 && box != i + 1);
        } else if (RadioGroup* g = m_marks.value(item.name)) {
            g->setItemIndex(box - 1);
        }
    }
}

void TSKWCardForm::applyLocalUnit(bool clearNames) {
    if (m_state.localUnit == 1) {
        if (clearNames)
            for (const char* name : {"epMscJedn", "epRodzDzialJedn", "epFWJedn", "epIDFWJedn"})
                if (QLineEdit* e = edit(QString::fromLatin1(name))) e->clear();
        for (QWidget* w : std::as_const(m_localUnitPanel))
            if (w) w->setEnabled(false);
    } else if (m_state.localUnit == 2) {
        for (QWidget* w : std::as_const(m_localUnitPanel))
            if (w) w->setEnabled(m_editable);
    }
}

// --- Saving --------------------------------------------------------------------------

bool TSKWCardForm::CardYearAllowed() {
    if (!m_form.sameYearOnly) return true;
    const TDataModForm* d = dataMod();
    const QDateTime reference = d ? d->referenceDate() : QDateTime();
    return m_state.accidentDate.isValid() && reference.isValid() &&
           m_state.accidentDate.date().year() == reference.date().year();
}

bool TSKWCardForm::yearAllowedOrRefused() {
    if (CardYearAllowed()) return true;
    showError(cardYearMessage(), this);
    if (QSpinBox* year = spin(QStringLiteral("SpinEditR"))) {
        revealField(year);
        year->setFocus();
    }
    return false;
}

bool TSKWCardForm::SaveCard() {
    if (!m_editable) return true;  // a read-only card writes nothing
    return saveRecord(*m_binder, m_checks, [this](RowValues& accidentRow, RowValues& personRow) {
        accidentRow << ColumnValue{QStringLiteral("DATA"),
                                   m_state.accidentDate.isValid() ? QVariant(m_state.accidentDate) : QVariant()};
        personRow << ColumnValue{QStringLiteral("TYPWYP"), intOrNull(m_state.accidentType)}
                  << ColumnValue{QStringLiteral("PLEC"), intOrNull(m_state.sex)}
                  << ColumnValue{QStringLiteral("DATAUR"),
                                 m_state.birthDate.isValid() ? QVariant(m_state.birthDate) : m_state.birthStored};
        const char* training[] = {"SZKWSTEPNE", "SZKINSTR", "SZKPODST", "SZKOKRES"};
        for (int i = 0; i < 4 && i < m_state.training.size(); ++i)
            personRow << ColumnValue{QString::fromLatin1(training[i]), m_state.training[i]};
        personRow << ColumnValue{QStringLiteral("SKUTKI"), intOrNull(m_state.effects)}
                  << ColumnValue{QStringLiteral("SKUTKIR"), intOrNull(m_state.effectsPart2)}
                  << ColumnValue{QStringLiteral("SPKRYTJEDN"), intOrNull(m_state.localUnit)}
                  << ColumnValue{QStringLiteral("FORMAPRACY"), intOrNull(m_state.remoteWork)};
    });
}

// --- Commands ------------------------------------------------------------------------

void TSKWCardForm::TestujClick() {
    DocumentWindows::Request r{QStringLiteral("TTestWForm"), m_editable, this};
    r.record = record();
    DocumentWindows::open(r);
}

void TSKWCardForm::ZapiszClick() {
    if (!m_editable) return;
    if (!yearAllowedOrRefused()) return;
    QWidget* focus = QApplication::focusWidget();
    const int page = m_pages->currentIndex();
    if (!SaveCard()) return;
    // The card as the database now holds it.
    LoadCard();
    m_pages->setCurrentIndex(page);
    if (focus && isAncestorOf(focus) && focus->isEnabled()) focus->setFocus();
}

void TSKWCardForm::WydrukiClick() {
    // A card refused for its year is printed as stored; a save refused otherwise
    // keeps the window with the typed values.
    if (m_editable && yearAllowedOrRefused()) {
        if (!SaveCard()) return;
        LoadCard();
    }
    DocumentWindows::Request r{QStringLiteral("TAdmDrukForm"), m_editable, this};
    r.record = record();
    DocumentWindows::open(r);
}

void TSKWCardForm::ZamknijClick() {
    // A read-only card saves nothing, so its year is not asked.
    if (m_editable) {
        if (!yearAllowedOrRefused()) return;
        if (!SaveCard()) return;
    }
    QDialog::accept();
}

// --- Pickers and marks ---------------------------------------------------------------

const CardItem* TSKWCardForm::itemOfField(const QString& name) const {
    for (const CardItem& i : m_form.items)
        if (i.name == name || (i.kind == CardItemKind::CodeText && !i.name2.isEmpty() && i.name2 == name)) return &i;
    return nullptr;
}

QLineEdit* TSKWCardForm::edit(const QString& name) const { return name.isEmpty() ? nullptr : findChild<QLineEdit*>(name); }

QWidget* TSKWCardForm::textField(const QString& name) const {
    if (name.isEmpty()) return nullptr;
    if (QLineEdit* e = edit(name)) return e;
    return findChild<QPlainTextEdit*>(name);
}

QSpinBox* TSKWCardForm::spin(const QString& name) const { return name.isEmpty() ? nullptr : findChild<QSpinBox*>(name); }

void TSKWCardForm::pick(const QString& fieldName) {
    const CardItem* item = itemOfField(fieldName);
    if (!m_editable || !item || item->kind != CardItemKind::CodeText) return;
    QLineEdit* code = edit(item->name);
    QWidget* text = textField(item->name2);
    if (!code || !code->isEnabled()) return;
    switch (item->picker) {
    case CardPicker::None: return;
    case CardPicker::Dictionary:
        if (const CardField* field = cardFieldOfCode(item->name)) {
            pickCardCode(*field, m_form.version, code, text);
            rejectDuplicateCause(*field, [this](const QString& n) { return textField(n); }, this);
        }
        return;
    case CardPicker::Occupation:
        pickOccupation(item->pickerTitle, code, qobject_cast<QLineEdit*>(text), item->preselect);
        return;
    }
}

void TSKWCardForm::clearCode(const QString& codeName) {
    const CardItem* item = itemOfField(codeName);
    if (!m_editable || !item || item->kind != CardItemKind::CodeText || item->picker == CardPicker::None) return;
    QLineEdit* code = edit(item->name);
    if (!code || !code->isEnabled()) return;
    code->clear();
    clearText(textField(item->name2));
}

void TSKWCardForm::markClicked(const QString& group, int index) {
    const CardItem* item = m_form.item(group);
    if (!item || item->kind != CardItemKind::Marks) return;
    if (m_editable && index >= 0 && index < item->values.size()) {
        m_state.set(item->state, item->values.at(index));
        if (item->state == CardState::LocalUnit) applyLocalUnit(true);
    }
    // Every block of the value shows it (the accident type of both parts).
    frameMarks();
}

void TSKWCardForm::trainingClicked(int answer) {
    if (m_editable && m_state.training.size() >= 4) {
        if (answer >= 1 && answer <= 4) {
            QVariant& v = m_state.training[answer - 1];
            v = completed(v) ? QStringLiteral("n") : QStringLiteral("t");
        } else if (answer == 0 && std::any_of(m_state.training.begin(), m_state.training.end(), completed)) {
            for (QVariant& v : m_state.training) v = QStringLiteral("n");
        }
    }
    frameMarks();
}

bool TSKWCardForm::eventFilter(QObject* watched, QEvent* event) {
    // A field, or the viewport of a memo (which gets its mouse).
    QWidget* e = qobject_cast<QLineEdit*>(watched);
    if (!e) e = qobject_cast<QPlainTextEdit*>(watched);
    if (!e && watched->isWidgetType())
        e = qobject_cast<QPlainTextEdit*>(static_cast<QWidget*>(watched)->parentWidget());
    const CardItem* item = e ? itemOfField(e->objectName()) : nullptr;
    if (item && item->kind == CardItemKind::CodeText && item->picker != CardPicker::None) {
        const bool isCode = e->objectName() == item->name;
        if (event->type() == QEvent::MouseButtonDblClick && m_editable) {
            CommandGuard::run([&]() { isCode ? clearCode(item->name) : pick(item->name); }, this);
            return true;
        }
        if (event->type() == QEvent::KeyPress && m_editable) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // From the keyboard: Delete on the code empties it, F4 opens the list.
            if (isCode && (key == Qt::Key_Delete || key == Qt::Key_Backspace)) {
                clearCode(item->name);
                return true;
            }
            if (key == Qt::Key_F4) {
                CommandGuard::run([&]() { pick(item->name); }, this);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- Editors and fields --------------------------------------------------------------

void TSKWCardForm::dateEditorChanged(QSpinBox* editor) {
    if (!m_loaded || !editor) return;
    const QString prefix = editor->objectName().startsWith(QLatin1String("Spin9Edit")) ? QStringLiteral("Spin9Edit")
                                                                                        : QStringLiteral("SpinEdit");
    QSpinBox* y = spin(prefix + QLatin1Char('R'));
    QSpinBox* m = spin(prefix + QLatin1Char('M'));
    QSpinBox* d = spin(prefix + QLatin1Char('D'));
    QSpinBox* h = spin(QStringLiteral("SpinEditG"));
    if (!y || !m || !d) return;
    const QDate date(y->value(), m->value(), d->value());
    // No such day (31 April, day 0): the accident keeps its date, silently.
    if (y->value() < 1 || !date.isValid()) return;
    const QDateTime prev = m_state.accidentDate;
    const QTime t = prev.isValid() ? prev.time() : QTime(0, 0);
    const int hour = h ? h->value() : t.hour();
    m_state.accidentDate = QDateTime(date, QTime(hour, t.minute(), t.second(), t.msec()));
}

void TSKWCardForm::dateEditorLeft(QSpinBox* editor) {
    if (!m_loaded || !editor) return;
    const QDateTime a = m_state.accidentDate;
    const QString name = editor->objectName();
    if (editor->value() == 0 && a.isValid()) {
        const QChar part = name.back();
        const int v = part == QLatin1Char('R')   ? a.date().year()
                      : part == QLatin1Char('M') ? a.date().month()
                      : part == QLatin1Char('D') ? a.date().day()
                                                 : a.time().hour();
        const QSignalBlocker block(editor);
        editor->setValue(v);
    }
    if (QSpinBox* twin = spin(twinEditor(name)); twin && twin != editor) {
        const QSignalBlocker block(twin);
        twin->setValue(editor->value());
    }
}

void TSKWCardForm::birthYearChanged() {
    QSpinBox* s = spin(QStringLiteral("SpinEditRU"));
    if (!m_loaded || !s) return;
    const QDateTime prev = m_state.birthDate;
    const QDate date(s->value(), prev.isValid() ? prev.date().month() : 12, prev.isValid() ? prev.date().day() : 30);
    if (s->value() < 1 || !date.isValid()) return;
    m_state.birthDate = QDateTime(date, prev.isValid() ? prev.time() : QTime(0, 0));
}

void TSKWCardForm::birthYearLeft() {
    QSpinBox* s = spin(QStringLiteral("SpinEditRU"));
    if (!m_loaded || !s || s->value() != 0 || !m_state.birthDate.isValid()) return;
    const QSignalBlocker block(s);
    s->setValue(m_state.birthDate.date().year());
}

void TSKWCardForm::chooseDate(const QString& fieldName) {
    QLineEdit* e = edit(fieldName);
    if (!m_editable || !e || !e->isEnabled()) return;
    QDate initial;
    if (const auto bound = parseBoundControl(e, MemoSlots::None)) {
        const Dataset* rows = recordRow(bound->selector == QLatin1Char('w') ? kAccident : kPerson);
        if (rows && rows->isOpen() && !rows->isEmpty() && rows->hasColumn(bound->column))
            initial = dateOf(rows->value(bound->column)).date();
    }
    if (!initial.isValid()) initial = Clock::today();
    const auto chosen = calendarForm().choose(initial);
    if (!chosen) return;
    e->setText(Formats::date(*chosen));
    m_checks->markEdited(e);
    m_checks->check(e);
}

bool TSKWCardForm::leaveField(QLineEdit* field) {
    if (!field) return true;
    if (m_checks->watches(field)) {
        m_checks->markEdited(field);
        return m_checks->check(field);
    }
    copyToTwin(field);
    return true;
}

void TSKWCardForm::copyToTwin(QLineEdit* field) {
    const CardItem* item = itemOfField(field->objectName());
    if (!item || item->twin.isEmpty()) return;
    if (QLineEdit* twin = edit(item->twin); twin && twin->text() != field->text()) twin->setText(field->text());
}

// --- The windows of the run ----------------------------------------------------------

TSKWCardForm* cardWindow(const QString& className) {
    if (className == QLatin1String("TSKWForm")) return Forms::getOrCreate<TSKWForm>(className);
    if (className == QLatin1String("TSKWForm_1")) return Forms::getOrCreate<TSKWForm_1>(className);
    if (className == QLatin1String("TSKWForm_2")) return Forms::getOrCreate<TSKWForm_2>(className);
    if (className == QLatin1String("TSKWForm_3")) return Forms::getOrCreate<TSKWForm_3>(className);
    if (className == QLatin1String("TSKWForm_4")) return Forms::getOrCreate<TSKWForm_4>(className);
    if (className == QLatin1String("TSKWForm_5")) return Forms::getOrCreate<TSKWForm_5>(className);
    return nullptr;
}

void registerCardWindows() {
    for (const char* c : {"TSKWForm", "TSKWForm_1", "TSKWForm_2", "TSKWForm_3", "TSKWForm_4", "TSKWForm_5"})
        DocumentWindows::add(QString::fromLatin1(c), [](const DocumentWindows::Request& r) {
            if (TSKWCardForm* w = cardWindow(r.className)) w->ShowCard(r);
        });
}

} // namespace zort
