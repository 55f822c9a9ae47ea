#include "protocol/MemberEntryForms.h"

#include "core/Forms.h"
#include "core/UserInterface.h"
#include "db/ColumnTypes.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/FieldBinding.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

TMemberEntryWindow::TMemberEntryWindow(const QString& name, const QString& caption, int helpContext,
                                       std::vector<FieldDef> fields, QWidget* parent)
    : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, name, caption, true);
    setProperty("helpContext", helpContext);
    auto* grid = new QGridLayout;
    int row = 0;
    int labels = 0;
    int longest = 0;
    for (const FieldDef& f : fields) {
        auto* label = new QLabel(f.caption, this);
        labels = qMax(labels, label->sizeHint().width());
        longest = qMax(longest, f.length);
        QLineEdit* e = makeEdit(QString::fromLatin1(f.name), this, label, f.length);
        applyWidthRule(e);
        grid->addWidget(label, row, 0);
        grid->addWidget(e, row, 1);
        m_fields.push_back({e, QString::fromLatin1(f.column)});
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    m_ok = makeDialogButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_ok->setToolTip(QStringLiteral("Zapamiętanie danych i zamknięcie formularza"));
    m_cancel = makeDialogButton(QStringLiteral("AnulujBtn"), QStringLiteral("Anuluj"), this);
    m_cancel->setToolTip(QStringLiteral("Zamknięcie formularza bez zapamiętywania danych"));
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    // Room for a whole name.
    const int text = m_fields.front().edit->fontMetrics().averageCharWidth() * longest;
    resize(qMax(sizeHint().width(), labels + text + 60), sizeHint().height());
    connect(m_ok, &QPushButton::clicked, this, [this]() {
        if (OKBtnClick()) accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TMemberEntryWindow::helpContext() const { return property("helpContext").toInt(); }

QLineEdit* TMemberEntryWindow::field(const QString& name) const {
    for (const Entry& f : m_fields)
        if (f.edit->objectName() == name) return f.edit;
    return nullptr;
}

bool TMemberEntryWindow::editMember(Dataset& members) {
    m_members = &members;
    for (const Entry& f : m_fields) {
        const QVariant v = members.editValue(f.column);
        f.edit->setText(v.isNull() ? QString() : v.toString());
    }
    m_fields.front().edit->setFocus();
    const bool stored = exec() == QDialog::Accepted;
    // Closed without storing: the appended row is dropped.
    if (members.state() != Dataset::State::Browse) members.cancel();
    m_members = nullptr;
    return stored;
}

bool TMemberEntryWindow::OKBtnClick() {
    if (!m_members) return false;
    Dataset& d = *m_members;
    QStringList texts;
    for (const Entry& f : m_fields) texts << f.edit->text();
    try {
        // Every column set, an empty text as null; the database gives the key.
        for (size_t i = 0; i < m_fields.size(); ++i)
            d.setValue(m_fields[i].column, texts.at(int(i)).isEmpty() ? QVariant() : QVariant(texts.at(int(i))));
        if (d.state() == Dataset::State::Insert) d.setValue(QStringLiteral("ID"), 0);
        d.post();
    } catch (const ValueRefused& e) {
        QLineEdit* refused = nullptr;
        for (const Entry& f : m_fields)
            if (f.column.compare(e.column(), Qt::CaseInsensitive) == 0) refused = f.edit;
        showError(saveRefusalText(refused ? fieldCaption(refused) : e.column(), e.reason()), this);
        if (refused) refused->setFocus(Qt::OtherFocusReason);
        return false;
    } catch (const DbError& e) {
        // The row stays pending with the typed texts: corrected or cancelled by the user.
        CommandGuard::report(e, this, saveFailedMessage());
        return false;
    }
    // The list read again and standing on the first row with the texts (an empty text
    // stored as null).
    try {
        d.refresh();
    } catch (const DbError& e) {
        CommandGuard::report(e, this);
        return true;
    }
    for (int r = 0; r < d.recordCount(); ++r) {
        bool same = true;
        for (size_t i = 0; i < m_fields.size() && same; ++i) {
            const QVariant v = d.fieldAt(r, m_fields[i].column).variant();
            same = (v.isNull() ? QString() : v.toString()) == texts.at(int(i));
        }
        if (same) {
            d.moveTo(r);
            break;
        }
    }
    return true;
}

TAZespForm::TAZespForm(QWidget* parent)
    : TMemberEntryWindow(QStringLiteral("AZespForm"), QStringLiteral("Dane członka zespołu powypadkowego"), 72000,
                         {{"eImNazw", QStringLiteral("Imię i nazwisko :"), "IMNAZW", 81},
                          {"eFunkcja", QStringLiteral("Funkcja :"), "FUNKCJA", 50}},
                         parent) {}

TfrmKomisjaPow_Policja::TfrmKomisjaPow_Policja(QWidget* parent)
    : TMemberEntryWindow(QStringLiteral("frmKomisjaPow_Policja"), QStringLiteral("Dane członka komisji powypadkowej"),
                         1000,
                         {{"eImNazw", QStringLiteral("Imię i nazwisko :"), "IMNAZW", 81},
                          {"eFunkcja", QStringLiteral("Stopień służbowy: "), "FUNKCJA", 50},
                          {"eStanow", QStringLiteral("Stanowisko:"), "STANOW", 30}},
                         parent) {}

void registerMemberWindows() {
    DocumentWindows::add(QStringLiteral("TAZespForm"), [](const DocumentWindows::Request&) {
        if (TDataModForm* d = dataMod())
            Forms::getOrCreate<TAZespForm>(QStringLiteral("TAZespForm"))->editMember(*d->dataset(QStringLiteral("AZespolQry")));
    });
    DocumentWindows::add(QStringLiteral("TfrmKomisjaPow_Policja"), [](const DocumentWindows::Request&) {
        if (TDataModForm* d = dataMod())
            Forms::getOrCreate<TfrmKomisjaPow_Policja>(QStringLiteral("TfrmKomisjaPow_Policja"))
                ->editMember(*d->dataset(QStringLiteral("AKomisjaQry")));
    });
}

} // namespace zort
