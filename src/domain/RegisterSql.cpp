#include "domain/RegisterSql.h"

#include "core/DateUtil.h"

namespace zort {

YearBounds YearBounds::of(const QDateTime& reference) {
    YearBounds b;
    b.year = reference.date().year();
    b.from = dates::midnight(QDate(b.year, 1, 1));
    b.to = dates::midnight(QDate(b.year + 1, 1, 1));
    return b;
}

namespace registersql {
namespace {

// The FROM addition and the WHERE condition (ending in "AND ") that limit a
// statement on `table` to the register of the scope.
struct ScopeSql {
    QString from;
    QString where;
};

ScopeSql scopeSql(const RegisterScope& scope, RegisterTable tab, const QString& table) {
    const QString tabWyp = QString::number(int(tab));
    if (scope.linked())
        return {QStringLiteral(", SKWRejestrWyp "),
                QStringLiteral(" IDRejestr=:IdRejestr AND SKWRejestrWyp.TabWyp = ") + tabWyp +
                    QStringLiteral(" AND SKWRejestrWyp.IdWyp=") + table + QStringLiteral(".Id  AND ")};
    if (scope.unassigned())
        return {QString(), QStringLiteral(" NOT EXISTS (SELECT 1 FROM SKWRejestrWyp WHERE SKWRejestrWyp.TabWyp = ") +
                               tabWyp + QStringLiteral(" AND SKWRejestrWyp.IdWyp=") + table +
                               QStringLiteral(".Id)  AND ")};
    return {};
}

// The columns of SKWWYPADKI that the list of accidents at work shows.
const char* const kAccidentColumns[] = {
    "ID", "NUMER", "SYMBOLWYP", "DATA", "DATAREJWYP", "DATAZGMIN", "WYPIZ", "WYPUB",
    "POSZKODOWANI", "STRATYZL", "STRATYCZASU", "IDMIEJSCA", "MIEJSCEWYP", "IDPOLOZGEOGR",
    "POLOZGEOGR", "IDRODZAJMIEJSCAWYP", "RODZAJMIEJSCAWYP", "WERSJASKW", "BLOK", "COMPNAME",
    "CZASROZP", "CZASZAK"};

} // namespace

QString maxKey(const QString& table) { return QStringLiteral("select Max(ID) from ") + table; }

QString accidentNumber(const RegisterScope& scope) {
    const ScopeSql s = scopeSql(scope, RegisterTable::Accidents, QStringLiteral("SKWWypadki"));
    return QStringLiteral("select Max(SKWWYPADKI.NUMER) from SKWWYPADKI ") + s.from + QStringLiteral("where ") +
           s.where + QStringLiteral(" (DATAREJWYP  >= :od ) AND (DATAREJWYP < :do)");
}

QString commutingNumber(const RegisterScope& scope) {
    const ScopeSql s = scopeSql(scope, RegisterTable::Commuting, QStringLiteral("SKWWYPADKIWDRODZE"));
    return QStringLiteral("select Max(NUMER) from SKWWYPADKIWDRODZE ") + s.from + QStringLiteral("where ") + s.where +
           QStringLiteral(" (Data  >= :od ) AND (Data < :do)");
}

QString otherNumber() {
    return QStringLiteral("select Max(NUMER) from WypOper_WYPADKI where (Data  >= :od ) AND (Data < :do)");
}

QString cardNumbers(const RegisterScope& scope) {
    // The persons of the accidents dated in the year, as a join: the engine runs
    // "IdWypadku IN (SELECT Id ...)" as a scan of the persons of every year.
    const ScopeSql s = scopeSql(scope, RegisterTable::Accidents, QStringLiteral("SKWWypadki"));
    return QStringLiteral("SELECT MAX(NumerKarty), MAX(NumerProt) FROM SKWWypadki  ") + s.from +
           QStringLiteral(", SKWPoszkodowani WHERE ") + s.where +
           QStringLiteral("SKWPoszkodowani.IdWypadku = SKWWypadki.Id AND ( SKWWypadki.Data  >= :od ) AND "
                          "(SKWWypadki.Data < :do)");
}

QString documentNumber(DocumentKind kind) {
    return (kind == DocumentKind::Protocol ? QStringLiteral("SELECT MAX(NumerProt) ")
                                           : QStringLiteral("SELECT MAX(NumerKartyWyp) ")) +
           QStringLiteral("FROM SKWPoszkodowani ") +
           QStringLiteral("WHERE SKWPoszkodowani.IdWypadku IN (SELECT Id FROM ") +
           QStringLiteral("SKWWypadki  WHERE( SKWWypadki.Data  >= :od ) AND (SKWWypadki.Data < :do))");
}

QString otherCardNumbers() {
    return QStringLiteral(
        "SELECT MAX(NumerKarty), MAX(NumerProt) FROM WypOper_POSZKODOWANI WHERE WypOper_POSZKODOWANI.IdWypadku IN "
        "(SELECT Id FROM WypOper_WYPADKI  WHERE( WypOper_WYPADKI.Data  >= :od ) AND (WypOper_WYPADKI.Data < :do))");
}

QString otherPersonNumber() {
    return QStringLiteral(
        "select Max(NrPoszk) from WypOper_POSZKODOWANI where WypOper_POSZKODOWANI.IdWypadku = :idwyp");
}

QString accidentList(const RegisterScope& scope) {
    // Every accident registered in the year that has an injured person, with the
    // total of its persons' actual days of incapacity (column SUM). Written with
    // subqueries rather than grouped by every column of the accident: the same rows,
    // without the engine sorting them by all their columns.
    const ScopeSql s = scopeSql(scope, RegisterTable::Accidents, QStringLiteral("SKWWypadki"));
    QString columns;
    for (const char* c : kAccidentColumns) columns += QStringLiteral("SKWWYPADKI.") + QLatin1String(c) + QStringLiteral(", ");
    return QStringLiteral("select ") + columns +
           QStringLiteral("(SELECT SUM(SKWPoszkodowani.DniNiezdR) FROM SKWPOSZKODOWANI WHERE "
                          "SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID) AS \"SUM\" from SKWWYPADKI ") +
           s.from +
           QStringLiteral("where EXISTS (SELECT 1 FROM SKWPOSZKODOWANI WHERE SKWPOSZKODOWANI.IDWYPADKU = "
                          "SKWWYPADKI.ID) AND ") +
           s.where + QStringLiteral(" DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo ") +
           QStringLiteral("order by numer, id");
}

QString personList() {
    return QStringLiteral("select * from SKWPOSZKODOWANI where IdWypadku=:ID order by numerkarty");
}

QString commutingList(const RegisterScope& scope) {
    const ScopeSql s = scopeSql(scope, RegisterTable::Commuting, QStringLiteral("SKWWYPADKIWDRODZE"));
    return QStringLiteral("select SKWWYPADKIWDRODZE.* from SKWWYPADKIWDRODZE ") + s.from + QStringLiteral("where ") +
           s.where + QStringLiteral(" DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo ") +
           QStringLiteral("order by numer, id");
}

QString otherList() {
    return QStringLiteral(
        "select * from WypOper_WYPADKI where DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo order by numer, id");
}

QString otherPersonList() {
    return QStringLiteral("select * from WypOper_Poszkodowani") + QLatin1Char('\n') +
           QStringLiteral(" where IdWypadku=:ID order by NrPoszk");
}

QString countInjuredPersons() {
    return QStringLiteral("select count (*) from SKWPOSZKODOWANI where idwypadku = :IdWypadku");
}

QString countOtherInjuredPersons() {
    return QStringLiteral("select count (*) from WypOper_POSZKODOWANI where idwypadku = :IdWypadku");
}

QString notRecognised() {
    // One statement for every year: the injured persons with a TYPWYP above 1 are
    // few, each names its accident by key.
    return QStringLiteral("SELECT DISTINCT SKWWYPADKI.ID, SKWWYPADKI.DATA FROM SKWWYPADKI, SKWPOSZKODOWANI "
                          "WHERE SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID AND SKWPOSZKODOWANI.TypWyp > 1");
}

QString insertAccident() {
    return QStringLiteral(
        "INSERT INTO SKWWypadki (ID, SYMBOLWYP, NUMER, DATA, WYPIZ, WYPUB, POSZKODOWANI, STRATYZL, STRATYCZASU, "
        "IDMIEJSCA, MIEJSCEWYP, DATAZGMIN, BLOK, COMPNAME, CZASROZP, CZASZAK, WERSJASKW, DATAREJWYP) VALUES "
        "(:ID, '', :NUMER, :dataOdnT, 0, 1, 1, 0.0, 0, '0', 'Brak danych', :dataOdn, 0, :CompName, :dataNow, "
        ":dataNow, :WersjaSKW, :dataOdn)");
}

QString insertInjuredPerson() {
    return QStringLiteral(
        "INSERT INTO SKWPoszkodowani (ID,IDWYPADKU,NUMERKARTY,NUMERPROT,SZKWSTEPNE,SZKINSTR,SZKPODST,SZKOKRES,"
        "TYPPOSZK,PLEC,STAZ,DATAZG,GODZPRACY,DNINIEZD,DNINIEZDR,TYPWYP,SpKrytJedn,FORMWYP,FORMAPRACY) VALUES ("
        ":ID,:IDWYPADKU,:NUMERKARTY,:NUMERPROT,'n','n','n','n',0,1,0,:DataOdn,0,0,0,0,1,1,1)");
}

QString insertCommutingAccident() {
    return QStringLiteral(
        "INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, WYPRZ, GODZRZ, MIEJSCEWYP, SKUTKI, DOCHODZENIE, RODZAJWYP, "
        "TYPPOSZK, PLEC, COMPNAME, CZASROZP, CZASZAK, DATAZG, DATAREJWYP) VALUES (:ID, :NUMER, :dataOdnT, 0, :czas, "
        "0, 1, 0, 0, 0, 0, :CompName, :dataNow, :dataNow, :dataOdn, :dataOdn)");
}

QString insertOtherAccident() {
    return QStringLiteral(
        "INSERT INTO WypOper_WYPADKI (ID, SymbolWyp, Numer, Data, MscWypadku, WypIZ, WypUB, Poszkodowani, DataZgMin, "
        "Blok, CompName, CzasRozp, CzasZak, DATAREJWYP) VALUES (:ID, '', :Numer, :dataOdnT, '', 0, 1, 0, :dataOdn, "
        "0, :CompName, :dataNow, :dataNow, :dataOdn)");
}

QString insertOtherInjuredPerson() {
    return QStringLiteral(
        "INSERT INTO WypOper_POSZKODOWANI (ID,IDWYPADKU,NumerKarty,NUMERPROT,NRPOSZK,TYPPOSZK,PLEC,DATAUST,"
        "DATAZAKUST,DATAZG,DATAPROT,DATAZATWZW,DATAODB,RodzWypEKW,Odszkodowanie) VALUES (:ID,:IDWYPADKU,"
        ":NumerKarty,:NumerProt,:NrPoszk,0,1,:DataOdn,:DataOdn,:DataOdn,:DataOdn,:DataOdn,:DataOdn,1,1)");
}

QString insertMembership(RegisterTable table) {
    return QStringLiteral("INSERT INTO SKWRejestrWyp VALUES ( :IdRejestr,:IdWyp, ") + QString::number(int(table)) +
           QStringLiteral(")");
}

QString updateAccident(const QString& table, const QString& setList) {
    return QStringLiteral(" Update ") + table + QStringLiteral(" set ") + setList +
           (setList.isEmpty() ? QStringLiteral("DATAZGMIN = :data_1 ") : QStringLiteral(" , DATAZGMIN = :data_1 ")) +
           QStringLiteral(" where id = :RecordId");
}

QString updatePerson(const QString& table, const QString& setList) {
    return QStringLiteral(" Update ") + table + QStringLiteral(" set ") + setList +
           QStringLiteral(" where id = :RecordId and IdWypadku = :AccidentId");
}

QString updateCommuting(const QString& setList) {
    return QStringLiteral(" Update SKWWypadkiWDrodze set ") + setList + QStringLiteral(" where id = :RecordId");
}

QString earliestReportDate(const QString& personTable) {
    return QStringLiteral("select MIN(DATAZG) from ") + personTable +
           QStringLiteral(" where IdWypadku = :IdWypadku and (DATAZG < :ZeroDay or DATAZG >= :DayAfterZero)");
}

QString updatePersonCount(const QString& accidentTable, bool withKind) {
    return QStringLiteral("UPDATE ") + accidentTable + QStringLiteral(" SET POSZKODOWANI = :Poszkodowani") +
           (withKind ? QStringLiteral(", WYPIZ = :WypIZ") : QString()) +
           QStringLiteral(", DATAZGMIN = :DataZgMin WHERE ID = :Id");
}

QStringList deleteAccident() {
    return {
        QStringLiteral("DELETE FROM SKWZALACZNIKI WHERE IDWYPADKU = :Id AND IDPROTOKOLU > 0"),
        QStringLiteral("DELETE FROM SKWPRZESLUCHANIE WHERE IDWYPADKU = :Id AND IDPROTOKOLU > 0"),
        QStringLiteral("DELETE FROM SKWPOLECENIE WHERE IDWYPADKU = :Id AND IDPROTOKOLU > 0"),
        QStringLiteral("DELETE FROM SKWDOKUMZEWN WHERE TYP = 1 AND IDTABELI IN "
                       "(SELECT ID FROM SKWPOSZKODOWANI WHERE IDWYPADKU = :Id)"),
        QStringLiteral("DELETE FROM SKWPOSZKODOWANI WHERE IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM SKWWYPADKI WHERE ID = :Id"),
        QStringLiteral("DELETE FROM SKWRejestrWyp WHERE TabWyp=1 AND IdWyp=:Id"),
    };
}

QStringList deleteInjuredPerson() {
    return {
        QStringLiteral("DELETE FROM SKWZALACZNIKI WHERE IDPROTOKOLU = :IdPoszk AND IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM SKWPRZESLUCHANIE WHERE IDPROTOKOLU = :IdPoszk AND IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM SKWPOLECENIE WHERE IDPROTOKOLU = :IdPoszk AND IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM SKWDOKUMZEWN WHERE TYP = 1 AND IDTABELI IN "
                       "(SELECT ID FROM SKWPOSZKODOWANI WHERE ID = :IdPoszk AND IDWYPADKU = :Id)"),
        QStringLiteral("DELETE FROM SKWPOSZKODOWANI WHERE ID = :IdPoszk AND IDWYPADKU = :Id"),
    };
}

QStringList deleteCommutingAccident() {
    return {
        QStringLiteral("DELETE FROM SKWZALACZNIKI WHERE IDWYPADKU = :Id AND IDPROTOKOLU = 0"),
        QStringLiteral("DELETE FROM SKWPRZESLUCHANIE WHERE IDWYPADKU = :Id AND IDPROTOKOLU = 0"),
        QStringLiteral("DELETE FROM SKWPOLECENIE WHERE IDWYPADKU = :Id AND IDPROTOKOLU = 0"),
        QStringLiteral("DELETE FROM SKWDOKUMZEWN WHERE TYP = 2 AND IDTABELI = :Id"),
        QStringLiteral("DELETE FROM SKWWYPADKIWDRODZE WHERE ID = :Id"),
        QStringLiteral("DELETE FROM SKWRejestrWyp WHERE TabWyp=2 AND IdWyp=:Id"),
    };
}

QStringList deleteOtherAccident() {
    return {
        QStringLiteral("DELETE FROM WypOper_Zalaczniki WHERE IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Przesluchanie WHERE IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Ogledziny WHERE IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Poszkodowani WHERE IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Wypadki WHERE ID = :Id"),
    };
}

QStringList deleteOtherInjuredPerson() {
    return {
        QStringLiteral("DELETE FROM WypOper_Zalaczniki WHERE IDPROTOKOLU = :IdPoszk AND IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Przesluchanie WHERE IDPROTOKOLU = :IdPoszk AND IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Ogledziny WHERE IDPROTOKOLU = :IdPoszk AND IDWYPADKU = :Id"),
        QStringLiteral("DELETE FROM WypOper_Poszkodowani WHERE ID = :IdPoszk AND IDWYPADKU = :Id"),
    };
}

} // namespace registersql
} // namespace zort
