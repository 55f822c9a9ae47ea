#include "domain/AccidentSearch.h"

#include "core/Win1250.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "domain/Dictionaries.h"

namespace zort {
namespace {

bool filled(const QString& text) { return !text.trimmed().isEmpty(); }

} // namespace

bool AccidentSearch::empty() const {
    return !filled(surname) && !filled(firstName) && !filled(cardNumber) && !filled(protocol) && !filled(accidentCard);
}

QString AccidentSearch::statement(Params& params, bool* badNumber) const {
    if (badNumber) *badNumber = false;
    QStringList criteria;
    auto name = [&](const QString& typed, const char* column) {
        if (!filled(typed)) return;
        const QString c = QString::fromLatin1(column);
        criteria << QStringLiteral(" UPPER(") + c + QStringLiteral(") = :") + c;
        params.setText(c, databaseUpper(typed));
    };
    auto number = [&](const QString& typed, const char* column) {
        if (!filled(typed)) return;
        const QString c = QString::fromLatin1(column);
        bool ok = false;
        const int n = typed.trimmed().toInt(&ok);
        if (!ok && badNumber) *badNumber = true;
        criteria << QLatin1Char(' ') + c + QStringLiteral(" = :") + c;
        params.setInt(c, n);
    };
    name(surname, "Nazwisko");
    name(firstName, "Imie");
    number(cardNumber, "NumerKarty");
    number(protocol, "NumerProt");
    number(accidentCard, "NumerKartyWyp");
    if (criteria.isEmpty()) return QString();
    return QStringLiteral("SELECT IdWypadku FROM SKWPoszkodowani WHERE ") + criteria.join(QStringLiteral(" AND")) +
           QStringLiteral(" ORDER BY Id");
}

bool AccidentSearch::comparable() const {
    for (const QString* typed : {&surname, &firstName})
        if (!win1250::unsupported(databaseUpper(*typed)).isEmpty()) return false;  // as it is bound
    return true;
}

AccidentSearch::Result AccidentSearch::run(Connection& c) const {
    Params params;
    bool bad = false;
    const QString sql = statement(params, &bad);
    if (sql.isEmpty()) return {Outcome::NoCriteria, {}};
    if (bad || !comparable()) return {Outcome::BadNumber, {}};
    Result r;
    Dataset ds(&c, sql);
    ds.setParams(params);
    ds.open();
    for (ds.first(); !ds.eof(); ds.next()) r.accidents.push_back(int(ds.field(0).asInt()));
    r.outcome = r.accidents.empty() ? Outcome::NothingFound : Outcome::Found;
    return r;
}

} // namespace zort
