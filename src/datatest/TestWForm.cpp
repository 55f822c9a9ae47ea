#include "datatest/TestWForm.h"

#include "core/Field.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "datatest/DataTestLoader.h"
#include "domain/DataModForm.h"
#include "domain/RegisterMessages.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/Help.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zort {
namespace {

// Stored texts end their lines with CR LF (a few with LF CR); the memo breaks at LF.
QString shownText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TTestWForm::Routine cardRoutine(const DataTestInput& in) {
    return Field(in.accident.value(QStringLiteral("WERSJASKW"))).asInt() == 1 ? TTestWForm::Routine::TestCard2000
                                                                              : TTestWForm::Routine::TestCard;
}

TTestWForm::Routine protocolRoutine(const DataTestInput& in) {
    return in.protocolForm == 0 ? TTestWForm::Routine::TestProtocol1998 : TTestWForm::Routine::TestProtocol;
}

TTestWForm::Routine everythingRoutine(const DataTestInput&) { return TTestWForm::Routine::TestEverything; }

DataTestReport runRoutine(TTestWForm::Routine routine, const DataTestInput& in) {
    DataTestEngine engine(in);
    switch (routine) {
    case TTestWForm::Routine::TestCard2000: return engine.TestCard2000();
    case TTestWForm::Routine::TestCard: return engine.TestCard();
    case TTestWForm::Routine::TestProtocol1998: return engine.TestProtocol1998();
    case TTestWForm::Routine::TestProtocol: return engine.TestProtocol();
    case TTestWForm::Routine::TestEverything: return engine.TestEverything();
    case TTestWForm::Routine::None: break;
    }
    return {};
}

TTestWForm::TTestWForm(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, QStringLiteral("TestWForm"), QStringLiteral("Wyniki testu wprowadzonych danych"), true);
    setProperty("helpContext", kHelpContext);
    setMinimumSize(400, 400);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("TestMemo"));
    m_memo->setAccessibleName(QStringLiteral("Wyniki testu"));
    m_memo->setReadOnly(true);
    m_memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setWordWrapMode(QTextOption::NoWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The report is aligned in columns: a fixed-pitch font.
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_memo, 1);

    auto* buttons = new QHBoxLayout;
    m_skw = makeDialogButton(QStringLiteral("SKWBtn"), QStringLiteral("SKW"), this);
    m_protocol = makeDialogButton(QStringLiteral("ProtokolBtn"), QStringLiteral("Protokół"), this);
    m_everything = makeDialogButton(QStringLiteral("WszystkoBtn"), QStringLiteral("Wszystko"), this);
    m_close = makeDialogButton(QStringLiteral("ZamknijBtn"), QStringLiteral("Zamknij"), this);
    m_everything->setDefault(true);
    for (QPushButton* b : {m_skw, m_protocol, m_everything}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_skw, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { SKWBtnClick(); }, this); });
    connect(m_protocol, &QPushButton::clicked, this,
            [this]() { CommandGuard::run([this]() { ProtokolBtnClick(); }, this); });
    connect(m_everything, &QPushButton::clicked, this,
            [this]() { CommandGuard::run([this]() { WszystkoBtnClick(); }, this); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    resize(720, 560);
    WindowLayout::track(this);
}

void TTestWForm::ShowTest(const RecordRef& record) {
    m_record = record;
    bool ready = false;
    CommandGuard::run([this, &ready]() { ready = FormShow(); }, this);
    if (!ready) {
        m_record = RecordRef{};
        return;
    }
    m_everything->setFocus();
    exec();
    m_record = RecordRef{};
}

bool TTestWForm::FormShow() { return run(&cardRoutine, true); }

void TTestWForm::SKWBtnClick() { run(&cardRoutine); }

void TTestWForm::ProtokolBtnClick() {
    if (m_protocol->isHidden()) return;
    run(&protocolRoutine);
}

void TTestWForm::WszystkoBtnClick() { run(&everythingRoutine); }

bool TTestWForm::run(Routine (*choose)(const DataTestInput&), bool showing) {
    clearReport();
    TDataModForm* dm = dataMod();
    const RecordRef record = m_record.valid() || !dm ? m_record : dm->listRecord(Register::AtWork);
    const std::optional<DataTestInput> in =
        dm ? DataTestLoader(dm->KartyDB()).read(record.accidentId, record.personId) : std::nullopt;
    if (!in) {
        showError(noDataToTestMessage(), this);
        return false;
    }
    // A person documented with the accident card has no post-accident protocol.
    if (showing) m_protocol->setVisible(Field(in->person.value(QStringLiteral("RODZUMOWY"))).asInt() != 2);
    const Routine routine = choose(*in);
    showReport(routine, runRoutine(routine, *in));
    return true;
}

void TTestWForm::clearReport() {
    m_memo->clear();
    m_lines = 0;
    m_routine = Routine::None;
    m_report = DataTestReport();
}

void TTestWForm::showReport(Routine routine, const DataTestReport& report) {
    clearReport();
    m_routine = routine;
    m_report = report;
    m_memo->setUpdatesEnabled(false);
    for (const QString& line : report.lines) AddReportLine(line);
    m_memo->setUpdatesEnabled(true);
    m_memo->moveCursor(QTextCursor::Start);
}

void TTestWForm::AddReportLine(const QString& text) {
    QTextCursor cursor(m_memo->document());
    cursor.movePosition(QTextCursor::End);
    if (m_lines > 0) cursor.insertBlock();
    cursor.insertText(shownText(text));
    ++m_lines;
}

void TTestWForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Help::show(kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

TTestWForm& testWForm() { return *Forms::getOrCreate<TTestWForm>(QStringLiteral("TTestWForm")); }

void registerDataTestWindow() {
    DocumentWindows::add(QStringLiteral("TTestWForm"),
                         [](const DocumentWindows::Request& r) { testWForm().ShowTest(r.record); });
}

} // namespace zort
