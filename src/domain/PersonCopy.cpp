#include "domain/PersonCopy.h"

#include "core/Formats.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "domain/Dictionaries.h"
#include "domain/OrgStructure.h"

namespace zort {
namespace {

// Occupation ids from this one on are of the old list of occupations.
constexpr qint64 kOldListFrom = 1100001;

QString text(const Dataset& ds, const char* column) { return ds.field(QString::fromLatin1(column)).asTrimmed(); }

} // namespace

const CopyMap& injuredPersonCopyMap() {
    using V = CopyValue;
    static const CopyMap map{
        {V::PersonId, QStringLiteral("epIdPracownika")},
        {V::Pesel, QStringLiteral("e9Pesel")},
        {V::Pesel, QStringLiteral("epPeselPrac")},
        {V::Surname, QStringLiteral("epNazwisko")},
        {V::FirstName, QStringLiteral("epImie")},
        {V::Sex, QStringLiteral("rgpPlec")},
        {V::FatherName, QStringLiteral("epImOjca")},
        {V::FatherName, QStringLiteral("epSynCorka")},
        {V::BirthDate, QStringLiteral("epDataUr")},
        {V::BirthPlace, QStringLiteral("epMiejsceUr")},
        {V::Nip, QStringLiteral("epNipPrac")},
        {V::PostCode, QStringLiteral("epKodPocz")},
        {V::Town, QStringLiteral("epMiejscow")},
        {V::Province, QStringLiteral("epWojew")},
        {V::Street, QStringLiteral("epUlica")},
        {V::House, QStringLiteral("epNrUl")},
        {V::Flat, QStringLiteral("epNrMiesz")},
        {V::IdentityDocument, QStringLiteral("epDokPrac")},
        {V::FullName, QStringLiteral("erImNazwCz")},
        {V::FullName, QStringLiteral("erImNazwCzZap")},
        {V::OccupationCode, QStringLiteral("epKodZawodu")},
        {V::OccupationName, QStringLiteral("epZawod"), 45},
        {V::PositionCode, QStringLiteral("epStanowKod")},
        {V::PositionId, QStringLiteral("epIdStanow")},
        {V::PositionName, QStringLiteral("epStanowSkrot"), 40},
        {V::ElementAtLevel, QStringLiteral("epStruktSkrot"), 40},
        {V::EmployerName, QStringLiteral("epPrzedsieb"), 130},
        {V::EmployerPkd, QStringLiteral("epKodEKD")},
        {V::EmployerRegon, QStringLiteral("epRegon")},
        {V::EmployerAddress, QStringLiteral("epAdresFirma"), 130},
        {V::EmployerNip, QStringLiteral("epNipFirma")},
        {V::ContractId, QStringLiteral("epIdUmowy")},
        {V::ContractName, QStringLiteral("epUmowa")},
        {V::TrainingInitial, QStringLiteral("cbpSzkWstepne")},
        {V::TrainingInstruction, QStringLiteral("cbpSzkInstr")},
        {V::TrainingBasic, QStringLiteral("cbpSzkPodst")},
        {V::TrainingPeriodic, QStringLiteral("cbpSzkOkres")},
        {V::Seniority, QStringLiteral("epStaz")},
    };
    return map;
}

const CopyMap& commutingPersonCopyMap() {
    using V = CopyValue;
    static const CopyMap map{
        {V::PersonId, QStringLiteral("ezIdPracownika")},
        {V::Pesel, QStringLiteral("e7Pesel")},
        {V::Pesel, QStringLiteral("ezPeselPoszk")},
        {V::Surname, QStringLiteral("ezNazwisko")},
        {V::FirstName, QStringLiteral("ezImie")},
        {V::BirthDate, QStringLiteral("ezDataUr")},
        {V::BirthPlace, QStringLiteral("ezMiejsceUr")},
        {V::Nip, QStringLiteral("ezNIPPoszk")},
        {V::PostCode, QStringLiteral("ezKodPocz")},
        {V::Town, QStringLiteral("ezMiejscow")},
        {V::Province, QStringLiteral("ezWojew")},
        {V::Street, QStringLiteral("ezUlica")},
        {V::House, QStringLiteral("ezNrUl")},
        {V::Flat, QStringLiteral("ezNrMiesz")},
        {V::DocumentKind, QStringLiteral("ezRodzDokPoszk")},
        {V::DocumentSeries, QStringLiteral("ezSeriaDokPoszk")},
        {V::DocumentNumber, QStringLiteral("ezNrDokPoszk")},
        {V::OccupationCode, QStringLiteral("ezKodZawodu")},
        {V::OccupationName, QStringLiteral("ezZawod"), 30},
        {V::PositionCode, QStringLiteral("ezStanowKod")},
        {V::PositionId, QStringLiteral("ezIdStanow")},
        {V::PositionName, QStringLiteral("ezStanowSkrot"), 30},
        {V::ElementAtLevel, QStringLiteral("ezStruktSkrot"), 30},
        {V::EmployerName, QStringLiteral("ezPrzedsieb"), 130},
        {V::EmployerAddress, QStringLiteral("ezAdresPrzedsieb"), 130},
        {V::EmployerRegon, QStringLiteral("ezRegonPlat")},
        {V::EmployerNip, QStringLiteral("ezNIPPlat")},
    };
    return map;
}

const CopyMap& serviceOfficerCopyMap() {
    using V = CopyValue;
    static const CopyMap map{
        {V::PersonId, QStringLiteral("efIdPracownika")},
        {V::Pesel, QStringLiteral("e_Pesel")},
        {V::Surname, QStringLiteral("efNazwisko"), 50},
        {V::FirstName, QStringLiteral("efImie"), 30},
        {V::Rank, QStringLiteral("efStopSl"), 30},
        {V::FatherName, QStringLiteral("efSynCorka"), 15},
        {V::BirthDate, QStringLiteral("efDataUr")},
        {V::BirthPlace, QStringLiteral("efMiejsceUr"), 50},
        {V::PostCode, QStringLiteral("efKODPOCZ"), 6},
        {V::Town, QStringLiteral("efMIEJSCOW"), 32},
        {V::Province, QStringLiteral("efWOJEW"), 32},
        {V::Street, QStringLiteral("efULICA"), 32},
        {V::House, QStringLiteral("efNRUL"), 9},
        {V::Flat, QStringLiteral("efNRMIESZ"), 9},
    };
    return map;
}

QHash<CopyValue, QString> positionValues(const TStrukt& position, const QString& elementAtLevel, const TStrukt& top) {
    using V = CopyValue;
    return {{V::PositionCode, position.KOD},
            {V::PositionId, QString::number(position.ID)},
            {V::PositionName, position.SKROTNAZWA},
            {V::ElementAtLevel, elementAtLevel},
            {V::EmployerName, top.SKROTNAZWA},
            {V::EmployerPkd, top.KODEKD},
            {V::EmployerRegon, top.NRREGON},
            {V::EmployerAddress, employerAddress(top)},
            {V::EmployerNip, top.NIP}};
}

QList<std::pair<QString, QString>> applyCopyMap(const CopyMap& map, const QHash<CopyValue, QString>& values) {
    QList<std::pair<QString, QString>> out;
    for (const CopyTarget& t : map) {
        const auto it = values.constFind(t.value);
        if (it == values.constEnd()) continue;
        out.push_back({t.control, t.length > 0 ? it->left(t.length) : *it});
    }
    return out;
}

QString identityDocumentPrefix(int documentType) {
    switch (documentType) {
    case 1: return QStringLiteral("Dowód osobisty ");
    case 2: return QStringLiteral("Paszport ");
    default: return {};
    }
}

QString seniorityText(const QDateTime& employedFrom, const QDate& today) {
    if (!employedFrom.isValid() || employedFrom.date().year() <= 1899) return QStringLiteral("0");
    return QString::number(today.year() - employedFrom.date().year());
}

PersonCopy::PersonCopy(Connection& c, const OrgStructure& structure, PersonCopySettings settings)
    : m_c(c), m_structure(structure), m_s(std::move(settings)) {}

std::optional<RegisterPerson> PersonCopy::readPerson(int personId) const {
    Dataset ds(&m_c, QStringLiteral("SELECT * FROM ODANOS WHERE IDOSOBY = :Id"));
    ds.setParam(QStringLiteral("Id"), personId);
    ds.open();
    if (ds.isEmpty()) return std::nullopt;
    RegisterPerson p;
    p.id = personId;
    p.surname = text(ds, "NAZWISKO");
    p.firstName = text(ds, "IMIE");
    p.pesel = text(ds, "PESEL");
    p.father = text(ds, "IMOJCA");
    p.birthPlace = text(ds, "MIEJSCEUR");
    p.nip = text(ds, "NIP");
    p.postCode = text(ds, "KODPOCZ");
    p.town = text(ds, "MIEJSCOW");
    p.province = text(ds, "WOJEW");
    p.street = text(ds, "ULICA");
    p.house = text(ds, "NRUL");
    p.flat = text(ds, "NRMIESZ");
    p.rank = text(ds, "STOPSL");
    p.documentNumber = text(ds, "NRDOK");
    p.sex = int(ds.field(QStringLiteral("PLEC")).asInt());
    p.documentType = int(ds.field(QStringLiteral("TYPDOK")).asInt());
    p.born = ds.field(QStringLiteral("DATAUR")).asDateTime();
    return p;
}

bool PersonCopy::copiesPerson(const RegisterPerson& person, const QString& storedSurname) {
    return person.surname != storedSurname.trimmed();
}

QString PersonCopy::occupationTableFor(std::optional<qint64> firstOccupationId, int edition) {
    if (!firstOccupationId) return occupationTable(edition);
    if (*firstOccupationId >= kOldListFrom) return occupationTable(0);
    // The new classification: the edition in use, its first edition when the old
    // list is in use.
    return edition >= 1 && edition <= 4 ? occupationTable(edition) : occupationTable(1);
}

QString PersonCopy::employmentSql(const QString& occupationTable, const QString& structureTable) {
    QString sql = QStringLiteral(
                      "SELECT OPracow.Id AS IdZatr, OPracow.IdStan, OPracow.IdZawod, OPracow.IdUmowy, OPracow.DataZatr, "
                      "OPracow.SzkWstepne, OPracow.SzkInstr, OPracow.SzkPodst, OPracow.SzkOkres, "
                      "OStrukt.Kod AS StanowKod, OStrukt.SkrotNazwa AS StanowSkrot, OStrukt.IdRodzStrukt AS IdRodzStan, "
                      "Zaw.Id AS ZawodId, Zaw.Kod AS ZawodKod, Zaw.Nazwa AS ZawodNazwa "
                      "FROM OPracow JOIN OStrukt ON OStrukt.Id = OPracow.IdStan LEFT JOIN ") +
                  occupationTable +
                  QStringLiteral(" Zaw ON Zaw.Id = OPracow.IdZawod "
                                 "WHERE OStrukt.TypStrukt = 1 AND ( OPRACOW.IDPRAC = :IdPrac )");
    if (!structureTable.isEmpty())
        sql += QStringLiteral(" AND OStrukt.ID IN ( SELECT Id FROM  ") + structureTable + QStringLiteral(")");
    return sql + QStringLiteral(" ORDER BY OPracow.DataZatr, OPracow.Id");
}

QString PersonCopy::employmentTableOf(int personId) const {
    Dataset first(&m_c, QStringLiteral("SELECT IdZawod FROM OPracow WHERE IDPRAC = :IdPrac ORDER BY DataZatr, Id"));
    first.setParam(QStringLiteral("IdPrac"), personId);
    first.open();
    std::optional<qint64> firstOccupation;
    if (!first.isEmpty()) firstOccupation = first.field(QStringLiteral("IDZAWOD")).asInt();
    return occupationTableFor(firstOccupation, m_s.edition);
}

std::vector<PersonEmployment> PersonCopy::readEmployments(int personId) const {
    // A restricted user without the visible-structure table sees no position.
    if (m_s.restricted && m_s.structureTable.isEmpty()) return {};
    const QString table = employmentTableOf(personId);
    Dataset ds(&m_c, employmentSql(table, m_s.restricted ? m_s.structureTable : QString()));
    ds.setParam(QStringLiteral("IdPrac"), personId);
    ds.open();
    return readEmploymentRows(ds, table == occupationTable(0));
}

void PersonCopy::openEmployments(Dataset& ds, int personId) const {
    ds.close();
    // A restricted user without the visible-structure table sees no position.
    if (m_s.restricted && m_s.structureTable.isEmpty()) return;
    ds.setSql(employmentSql(employmentTableOf(personId), m_s.restricted ? m_s.structureTable : QString()));
    ds.setParams(Params{{"IdPrac", personId}});
    ds.open();
}

std::vector<PersonEmployment> PersonCopy::readEmploymentRows(Dataset& ds, bool oldList) {
    std::vector<PersonEmployment> out;
    for (ds.first(); !ds.eof(); ds.next()) {
        PersonEmployment e;
        e.positionId = int(ds.field(QStringLiteral("IDSTAN")).asInt());
        e.parentId = int(ds.field(QStringLiteral("IDRODZSTAN")).asInt());
        e.positionCode = text(ds, "STANOWKOD");
        e.positionName = text(ds, "STANOWSKROT");
        // The old list's entries are known by their ids, the classification's by code.
        const Field occupation = ds.field(QStringLiteral("ZAWODID"));
        if (!occupation.isNull())
            e.occupationCode = oldList ? QString::number(occupation.asInt()) : text(ds, "ZAWODKOD");
        e.occupationName = text(ds, "ZAWODNAZWA");
        const Field contract = ds.field(QStringLiteral("IDUMOWY"));
        if (!contract.isNull()) e.contractId = QString::number(contract.asInt());
        e.employedFrom = ds.field(QStringLiteral("DATAZATR")).asDateTime();
        const char* trainings[] = {"SZKWSTEPNE", "SZKINSTR", "SZKPODST", "SZKOKRES"};
        for (int i = 0; i < 4; ++i) e.trainings[i] = text(ds, trainings[i]);
        out.push_back(std::move(e));
    }
    return out;
}

QString PersonCopy::employmentLine(const PersonEmployment& e) const {
    return m_structure.StructurePath(e.parentId, QStringLiteral(" || ")) + e.positionName;
}

QString PersonCopy::contractName(const QString& contractId) const {
    bool ok = false;
    const int id = contractId.toInt(&ok);
    if (!ok) return {};
    const QString table = cardAfter2000(m_s.referenceDate) ? QStringLiteral("SKWUMOWY_1") : QStringLiteral("SKWUMOWY");
    return m_c.scalar(QStringLiteral("SELECT Skrot FROM ") + table + QStringLiteral(" WHERE Id = :Id"), Params{{"Id", id}})
        .toString()
        .trimmed();
}

QHash<CopyValue, QString> PersonCopy::personValues(const RegisterPerson& p) {
    using V = CopyValue;
    QHash<V, QString> v;
    v[V::PersonId] = QString::number(p.id);
    v[V::Pesel] = p.pesel;
    v[V::Surname] = p.surname;
    v[V::FirstName] = p.firstName;
    v[V::Sex] = p.sex == 1 || p.sex == 5 ? QStringLiteral("mężczyzna") : QStringLiteral("kobieta");
    v[V::FatherName] = p.father;
    v[V::BirthDate] = Formats::date(p.born);
    v[V::BirthPlace] = p.birthPlace;
    v[V::Nip] = p.nip;
    v[V::PostCode] = p.postCode;
    v[V::Town] = p.town;
    v[V::Province] = p.province;
    v[V::Street] = p.street;
    v[V::House] = p.house;
    v[V::Flat] = p.flat;
    v[V::IdentityDocument] = identityDocumentPrefix(p.documentType) + p.documentNumber;
    v[V::FullName] = p.firstName + QLatin1Char(' ') + p.surname;
    v[V::Rank] = p.rank;
    v[V::IdentityCardNumber] = p.documentType == 1 ? p.documentNumber : QString();
    // The document split into its kind, its series (the characters before the first
    // digit) and its number; another type gives the whole text as the number.
    const QString doc = p.documentNumber.trimmed();
    if (p.documentType == 1 || p.documentType == 2) {
        int digit = 0;
        while (digit < doc.size() && !doc.at(digit).isDigit()) ++digit;
        v[V::DocumentKind] = identityDocumentPrefix(p.documentType).trimmed();
        v[V::DocumentSeries] = doc.left(digit).trimmed();
        v[V::DocumentNumber] = doc.mid(digit).trimmed();
    } else {
        v[V::DocumentKind] = QString();
        v[V::DocumentSeries] = QString();
        v[V::DocumentNumber] = doc;
    }
    return v;
}

QHash<CopyValue, QString> PersonCopy::values(const RegisterPerson& person, const PersonEmployment* e, int level) const {
    using V = CopyValue;
    QHash<V, QString> v = personValues(person);
    const V trainings[] = {V::TrainingInitial, V::TrainingInstruction, V::TrainingBasic, V::TrainingPeriodic};
    if (!e) {
        for (V cleared : {V::OccupationCode, V::OccupationName, V::PositionCode, V::PositionName, V::ElementAtLevel,
                          V::ContractId, V::ContractName})
            v[cleared] = QString();
        for (V t : trainings) v[t] = QStringLiteral("n");
        v[V::PositionId] = QStringLiteral("0");
        v[V::Seniority] = QStringLiteral("0");
        return v;
    }
    v[V::OccupationCode] = e->occupationCode;
    v[V::OccupationName] = e->occupationName;
    v[V::PositionCode] = e->positionCode;
    v[V::PositionId] = QString::number(e->positionId);
    v[V::PositionName] = e->positionName;
    v[V::ElementAtLevel] = m_structure.ElementAtLevel(e->positionId, level);
    v[V::ContractId] = e->contractId;
    v[V::ContractName] = contractName(e->contractId);
    for (int i = 0; i < 4; ++i) v[trainings[i]] = e->trainings[i] == QLatin1String("n") ? QStringLiteral("n") : QStringLiteral("t");
    v[V::Seniority] = seniorityText(e->employedFrom, m_s.today);

    // The employer: the top element of the position's structure.
    const int top = m_structure.TopElementId(e->positionId);
    Dataset ds(&m_c, QStringLiteral("SELECT SkrotNazwa, KodPocz, Miejscow, Adres, NrRegon, NIP, KodEKD FROM OStrukt WHERE Id = :Id"));
    ds.setParam(QStringLiteral("Id"), top);
    ds.open();
    TStrukt employer;
    if (!ds.isEmpty()) {
        employer.SKROTNAZWA = text(ds, "SKROTNAZWA");
        employer.KODPOCZ = text(ds, "KODPOCZ");
        employer.MIEJSCOW = text(ds, "MIEJSCOW");
        employer.ADRES = text(ds, "ADRES");
        employer.NRREGON = text(ds, "NRREGON");
        employer.NIP = text(ds, "NIP");
        employer.KODEKD = text(ds, "KODEKD");
    }
    v[V::EmployerName] = employer.SKROTNAZWA;
    v[V::EmployerPkd] = employer.KODEKD;
    v[V::EmployerRegon] = employer.NRREGON;
    v[V::EmployerAddress] = employerAddress(employer);
    v[V::EmployerNip] = employer.NIP;
    return v;
}

} // namespace zort
