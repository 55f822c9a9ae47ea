#include "printing/AttachmentReport.h"

#include "core/DateUtil.h"
#include "core/Formats.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"

namespace zort::print {
namespace {

constexpr double kWidth = 718;  // the content width of A4 with 10 mm margins
constexpr double kLine = 16;    // a line of 9 or 10 points
constexpr double kValueX = 200; // the values of the personal data

QString shortDate(const Field& f) { return Formats::date(dates::toDateTime(f.variant())); }

int intOr(const Field& f, int fallback) { return f.isNull() ? fallback : int(f.asInt()); }

} // namespace

// --- The attachment page header -------------------------------------------------------

QString attachmentLineText(const AttachmentLine& line) {
    QString s = QStringLiteral("Załącznik nr ") + line.number + line.wording + line.documentNumber;
    const QString date = Formats::date(line.date);
    if (line.withDate && !date.isEmpty()) s += QStringLiteral(" z dnia ") + date;
    return s;
}

QString attachmentWording(bool commuting, int rodzUmowy, bool hearing) {
    if (commuting)
        return hearing ? QStringLiteral(" do wypadku w drodze do pracy lub z pracy nr ")
                       : QStringLiteral(" do karty wypadku w drodze do pracy lub z pracy nr ");
    return rodzUmowy == 1 ? QStringLiteral(" do protokołu powypadkowego nr ") : QStringLiteral(" do karty wypadku nr ");
}

AttachmentLineFn documentAttachmentLine(const QString& numberColumn, bool hearing) {
    return [numberColumn, hearing](const DocumentReport& form, const PrintContext& c) {
        AttachmentLine l;
        const Field number = c.field(numberColumn);
        l.number = number.isNull() ? QString() : QString::number(number.asInt());
        l.wording = attachmentWording(c.field(QStringLiteral("WDrodze")).asInt() == 1,
                                      intOr(c.field(QStringLiteral("RODZUMOWY")), 0), hearing);
        l.documentNumber = c.field(QStringLiteral("nr_symbol")).asString();
        l.date = dates::toDateTime(c.field(QStringLiteral("DATAPROT")).variant());
        l.withDate = form.settings().dataNaglZal;
        return l;
    };
}

AttachmentReport::AttachmentReport(const QString& className, const QString& kindCode, const QString& dataset)
    : DocumentReport(className, kindCode), m_dataset(dataset) {
    printIfEmpty = false;
}

void fillAttachmentHeader(Band& head, const DocumentReport& form, AttachmentLineFn line) {
    const FontSpec small(QStringLiteral("Arial"), 8);
    head.pageNumber(QRectF(0, 0, 110, kLine), QStringLiteral("Strona "), true, small).setName(QStringLiteral("Strona"));
    head.text(QRectF(120, 0, kWidth - 120, kLine * 2),
              [&form, line](const PrintContext& c) { return attachmentLineText(line(form, c)); }, small.withBold(true))
        .setAlign(Qt::AlignRight | Qt::AlignTop)
        .setWrap()
        .setName(QStringLiteral("Zalacznik"));
}

Band& AttachmentReport::attachmentHeader(AttachmentLineFn line) {
    Band& head = addBand(BandType::PageHeader, kAttachmentHeaderHeight);
    fillAttachmentHeader(head, *this, std::move(line));
    hideOnBlank(head);
    return head;
}

Band& AttachmentReport::rowBand(double height) {
    Band& row = addBand(BandType::Detail, height);
    row.forceNewPage = true;
    return row;
}

// --- Own attachment ---------------------------------------------------------------------

OwnAttachmentReport::OwnAttachmentReport(const QString& className, const QString& kindCode, const QString& dataset,
                                         AttachmentLineFn line, const QString& titleColumn, const QString& textColumn)
    : AttachmentReport(className, kindCode, dataset) {
    attachmentHeader(std::move(line));
    Band& title = rowBand(36);
    title.memo(QRectF(0, 4, kWidth, 20), titleColumn, font(12, true)).setAlign(Qt::AlignHCenter).setName(titleColumn);
    Band& text = title.child(28);
    text.memo(QRectF(0, 0, kWidth, 28), textColumn, font(10)).setName(textColumn);
}

PagesPtr OwnAttachmentReport::prepare() {
    if (blank()) {
        DocumentRun r = run();
        r.blank = false;
        setRun(r);
    }
    return AttachmentReport::prepare();
}

TZalRepForm1::TZalRepForm1()
    : OwnAttachmentReport(QStringLiteral("TZalRepForm1"), QStringLiteral("WypZalWlasne"), QStringLiteral("qryZal"),
                          documentAttachmentLine(QStringLiteral("ID"))) {}

// --- Hearing ----------------------------------------------------------------------------

QString TZal_PrzesRepForm1::title(int typ, bool explanations) {
    switch (typ) {
    case 0:
        return explanations ? QStringLiteral("WYJAŚNIENIA POSZKODOWANEGO")
                            : QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO");
    case 1:
        return explanations ? QStringLiteral("INFORMACJE UZYSKANE OD ŚWIADKA WYPADKU")
                            : QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA");
    default:
        return explanations ? QStringLiteral("WYJAŚNIENIA POSZKODOWANEGO/ŚWIADKA WYPADKU")
                            : QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA");
    }
}

QString TZal_PrzesRepForm1::dataHeading(int typ) {
    switch (typ) {
    case 0: return QStringLiteral("DANE OSOBOWE POSZKODOWANEGO");
    case 1: return QStringLiteral("DANE OSOBOWE ŚWIADKA");
    default: return QStringLiteral("DANE OSOBOWE ...");
    }
}

QString TZal_PrzesRepForm1::sentence(int typ, bool wydr233) {
    if (typ != 0 && typ != 1)
        return QStringLiteral("          Uprzedzony(a) o odpowiedzialności karnej za składanie fałszywych zeznań, "
                              "dotyczących okoliczności wypadku (wynikającej z art. 233 K. K. ) podaję co następuje:");
    if (wydr233)
        return QStringLiteral("          Uprzedzony(a) o odpowiedzialności karnej (wynikającej z art. 233 K. K. ) za "
                              "składanie fałszywych zeznań, dotyczących okoliczności wypadku podaję co następuje:");
    return QStringLiteral("          Podaję co następuje:");
}

QString TZal_PrzesRepForm1::circumstance(bool blank, bool commuting, int rodzUmowy) {
    if (blank) return QStringLiteral("na okoliczność wypadku przy pracy/w drodze do pracy lub z pracy jakiemu uległ(a) dnia ");
    if (commuting) return QStringLiteral("na okoliczność wypadku w drodze do pracy lub z pracy jakiemu uległ(a) dnia ");
    if (rodzUmowy == 1) return QStringLiteral("na okoliczność wypadku przy pracy jakiemu uległ(a) dnia ");
    return QStringLiteral("na okoliczność wypadku przy pracy, jakiemu uległ(a) dnia ");
}

TZal_PrzesRepForm1::TZal_PrzesRepForm1()
    : AttachmentReport(QStringLiteral("TZal_PrzesRepForm1"), QStringLiteral("WypZalPrzesl"), QStringLiteral("qryZal_p")) {
    attachmentHeader(documentAttachmentLine(QStringLiteral("NUMER"), true));
    const FontSpec plain = font(9);
    Band& top = rowBand(282);
    m_title = &top.label(QRectF(0, 6, kWidth, 20), QString(), font(12, true));
    m_title->setAlign(Qt::AlignHCenter).setName(QStringLiteral("Tytul"));
    m_circumstance = &top.label(QRectF(0, 36, kWidth, kLine), QString(), plain);
    m_circumstance->setName(QStringLiteral("Okolicznosc"));
    top.label(0, 58, QStringLiteral("Pan/Pani"), plain);
    top.text(QRectF(60, 58, 500, kLine),
             [](const PrintContext& c) {
                 return c.field(QStringLiteral("IMIE_1")).asString().trimmed() + QLatin1Char(' ') +
                        c.field(QStringLiteral("NAZWISKO_1")).asString().trimmed();
             },
             font(9, true))
        .setName(QStringLiteral("PanPani"));
    m_heading = &top.label(QRectF(0, 86, kWidth, kLine), QString(), font(10, true));
    m_heading->setName(QStringLiteral("DaneOsobowe"));
    auto row = [&](double y, double x, const QString& caption, double valueX, const QString& column, double width,
                   double height = kLine) {
        top.label(x, y, caption, plain);
        top.data(QRectF(valueX, y, width, height), column, QString(), plain).setWrap().setName(column);
    };
    row(108, 0, QStringLiteral("imię i nazwisko:"), kValueX, QStringLiteral("Poszkodowany"), kWidth - kValueX);
    row(126, 0, QStringLiteral("data i miejsce urodzenia:"), kValueX, QStringLiteral("Urodzony"), kWidth - kValueX);
    row(144, 0, QStringLiteral("adres zamieszkania:"), kValueX, QStringLiteral("Adres"), kWidth - kValueX, 2 * kLine);
    row(180, 0, QStringLiteral("zatrudniony(a) w"), kValueX, QStringLiteral("STRUKTSKROT"), 220);
    row(180, 430, QStringLiteral("na stanowisku"), 520, QStringLiteral("STANOWSKROT"), kWidth - 520);
    row(198, 0, QStringLiteral("zawód wykonywany:"), kValueX, QStringLiteral("Zawod_p"), 220);
    row(198, 430, QStringLiteral("staż pracy na stanowisku [lata]:"), 620, QStringLiteral("STAZ"), kWidth - 620);
    m_sentence = &top.label(QRectF(0, 226, kWidth, 3 * kLine), QString(), plain);
    m_sentence->setWrap().setName(QStringLiteral("Zdanie"));

    Band& statement = top.child(kStatementHeight);
    statement.memo(QRectF(0, 0, kWidth, kStatementHeight), QStringLiteral("ZEZNANIE"), font(10))
        .setName(QStringLiteral("ZEZNANIE"));
    setBlankHeight(statement, kBlankStatementHeight);

    // The signatures: the heard person's, then those who drew the record up.
    Band& sign = statement.child(196);
    sign.hline(520, 30, 198, 0.75);
    sign.label(QRectF(520, 32, 198, kLine), QStringLiteral("podpis"), font(8)).setAlign(Qt::AlignHCenter);
    sign.label(0, 60, QStringLiteral("OSOBY SPORZĄDZAJĄCE PROTOKÓŁ:"), font(9, true));
    const double cols[] = {20, 290, 540};
    const double widths[] = {260, 240, 178};
    const QString heads[] = {QStringLiteral("imię i nazwisko"), QStringLiteral("stanowisko"), QStringLiteral("podpis")};
    for (int i = 0; i < 3; ++i)
        sign.label(QRectF(cols[i], 80, widths[i], kLine), heads[i], font(8)).setAlign(Qt::AlignHCenter);
    for (int n = 1; n <= 3; ++n) {
        const double y = 80 + n * 22;
        sign.label(0, y, QString::number(n) + QLatin1Char(')'), plain);
        sign.data(QRectF(cols[0], y, widths[0], kLine), QStringLiteral("IMNAZW%1").arg(n), QString(), plain)
            .setName(QStringLiteral("IMNAZW%1").arg(n));
        sign.data(QRectF(cols[1], y, widths[1], kLine), QStringLiteral("FUNKCJA%1").arg(n), QString(), plain)
            .setName(QStringLiteral("FUNKCJA%1").arg(n));
        // Rules to write on (the blank form), the signature's in its column.
        for (int i = 0; i < 3; ++i) sign.hline(cols[i] + 10, y + 15, widths[i] - 20, 0.5);
    }
    sign.text(QRectF(360, 172, kWidth - 360, kLine),
              [](const PrintContext& c) {
                  return c.field(QStringLiteral("MIEJSCESP")).asString() + QStringLiteral(", dnia ") +
                         shortDate(c.field(QStringLiteral("DATASP")));
              },
              plain)
        .setAlign(Qt::AlignRight | Qt::AlignTop)
        .setName(QStringLiteral("MiejsceData"));
}

void TZal_PrzesRepForm1::onRun(bool& print) {
    (void)print;
    const PrintContext& c = context();
    const int typ = intOr(c.field(QStringLiteral("TYP")), 0);
    m_title->setText(title(typ, settings().wyjasnieniePoszk));
    m_heading->setText(dataHeading(typ));
    m_sentence->setText(sentence(typ, settings().wydr233));
    QString line = circumstance(blank(), c.field(QStringLiteral("WDrodze")).asInt() == 1,
                                intOr(c.field(QStringLiteral("RODZUMOWY")), 0));
    if (!blank())
        line += shortDate(c.field(QStringLiteral("DATA_1"))) + QStringLiteral(" o godz. ") +
                c.field(QStringLiteral("GodzWyp")).asString();
    else
        line += QStringLiteral(" o godz. ");
    m_circumstance->setText(line);
}

// --- Order ------------------------------------------------------------------------------

QString TZal_RepPolForm1::heading(int typ, bool commuting, int rodzUmowy) {
    if (commuting) return QStringLiteral("w sprawie wypadku w drodze do pracy lub z pracy, jakiemu w dniu ");
    if (typ == 0 && rodzUmowy != 1) return QStringLiteral("w sprawie wypadku przy pracy,  jakiemu w dniu ");
    return QStringLiteral("w sprawie wypadku przy pracy, jakiemu w dniu ");
}

QString TZal_RepPolForm1::decides(int typ) {
    return typ == 0 ? QStringLiteral("POSTANAWIA SIĘ:") : QStringLiteral("POLECA SIĘ:");
}

TZal_RepPolForm1::TZal_RepPolForm1()
    : AttachmentReport(QStringLiteral("TZal_RepPolForm1"), QStringLiteral("WypZalPolec"), QStringLiteral("qryZal_pol")) {
    attachmentHeader(documentAttachmentLine(QStringLiteral("NUMER")));
    Band& head = rowBand(56);
    m_heading = &head.label(QRectF(0, 6, kWidth, 3 * kLine), QString(), font(11, true));
    m_heading->setAlign(Qt::AlignHCenter).setWrap().setName(QStringLiteral("Naglowek"));
    hideOnBlank(head);

    // Each section: its caption over its text, which stretches.
    auto section = [&](Band& after, const QString& caption, const QString& column, double height,
                       double blankHeight, bool centred = false) -> Band& {
        Band& b = after.child(height);
        Element& l = b.label(QRectF(0, 4, kWidth, kLine), caption, font(10, true));
        if (centred) l.setAlign(Qt::AlignHCenter);
        l.setName(caption);
        b.memo(QRectF(0, 4 + kLine + 2, kWidth, height - kLine - 6), column, font(10)).setName(column);
        setBlankHeight(b, blankHeight);
        return b;
    };
    Band& subtitle = head.child(kSubtitleHeight);
    subtitle.memo(QRectF(0, 4, kWidth, kSubtitleHeight - 4), QStringLiteral("PODTYTUL"), font(10))
        .setName(QStringLiteral("PODTYTUL"));
    setBlankHeight(subtitle, kBlankSubtitle);
    Band& decision = section(subtitle, QString(), QStringLiteral("TRESC"), kSectionHeight, kBlankDecides, true);
    m_decides = decision.elements().front().get();
    m_decides->setName(QStringLiteral("Postanawia"));
    Band& responsible = section(decision, QStringLiteral("Odpowiedzialni :"), QStringLiteral("ODPOWIEDZIALNY"),
                                kSectionHeight, kBlankSection);
    Band& deadline = section(responsible, QStringLiteral("Termin wykonania :"), QStringLiteral("TERMIN"), kSectionHeight,
                             kBlankSection);
    Band& causes = section(deadline,
                           QStringLiteral("Ustalono następujące przyczyny, winnych spowodowania wypadku oraz podjęte "
                                          "działania dyscyplinarne :"),
                           QStringLiteral("PRZYCZYNY"), kSectionHeight, kBlankSection);
    Band& remarks = section(causes, QStringLiteral("Uwagi :"), QStringLiteral("UWAGI"), kSectionHeight, kBlankSection);
    Band& sign = remarks.child(76);
    const FontSpec plain = font(10);
    sign.data(QRectF(380, 10, kWidth - 380, kLine), QStringLiteral("IMNAZW"), QString(), plain)
        .setAlign(Qt::AlignHCenter)
        .setName(QStringLiteral("IMNAZW"));
    sign.data(QRectF(380, 28, kWidth - 380, kLine), QStringLiteral("FUNKCJA"), QString(), plain)
        .setAlign(Qt::AlignHCenter)
        .setName(QStringLiteral("FUNKCJA"));
    sign.text(QRectF(380, 50, kWidth - 380, kLine),
              [](const PrintContext& c) {
                  return c.field(QStringLiteral("MIEJSCESP")).asString() + QStringLiteral(", dnia ") +
                         shortDate(c.field(QStringLiteral("DATASP")));
              },
              plain)
        .setAlign(Qt::AlignHCenter)
        .setName(QStringLiteral("MiejsceData"));
    section(sign, QStringLiteral("Dokument otrzymują :"), QStringLiteral("OTRZYMUJA"), kSectionHeight, kBlankSection);
}

void TZal_RepPolForm1::onRun(bool& print) {
    (void)print;
    const PrintContext& c = context();
    const int typ = intOr(c.field(QStringLiteral("TYP")), 1);  // without a row: the order's form
    m_decides->setText(decides(typ));
    m_heading->setText(
        (typ == 0 ? QStringLiteral("POSTANOWIENIE POWYPADKOWE NR ") : QStringLiteral("POLECENIE POWYPADKOWE NR ")) +
        c.field(QStringLiteral("SYMBOL")).asString() + QStringLiteral(" z dnia ") +
        shortDate(c.field(QStringLiteral("DATASP"))) + QLatin1Char('\n') +
        heading(typ, c.field(QStringLiteral("WDrodze")).asInt() == 1, intOr(c.field(QStringLiteral("RODZUMOWY")), 0)) +
        shortDate(c.field(QStringLiteral("DATA_1"))) + QStringLiteral(" uległ(a) p. ") +
        c.field(QStringLiteral("IMIE_1")).asString().trimmed() + QLatin1Char(' ') +
        c.field(QStringLiteral("NAZWISKO_1")).asString().trimmed() + QLatin1Char('.'));
}

void registerAttachmentForms() {
    addForm<TZalRepForm1>("TZalRepForm1", ReportForms::Record::Entry);
    addForm<TZal_PrzesRepForm1>("TZal_PrzesRepForm1", ReportForms::Record::Entry);
    addForm<TZal_RepPolForm1>("TZal_RepPolForm1", ReportForms::Record::Entry);
}

} // namespace zort::print
