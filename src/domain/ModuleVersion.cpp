#include "domain/ModuleVersion.h"

#include "db/Dataset.h"

namespace zort {

int expectedModuleVersion(const QString& module) {
    struct Entry {
        const char* name;
        int version;
    };
    static const Entry kModules[] = {{"zortwyp", 1}};
    for (const Entry& e : kModules)
        if (module == QLatin1String(e.name)) return e.version;
    return 0;
}

QString moduleVersionUnknownMessage() {
    return QStringLiteral(" Brak możliwości sprawdzenia wersji modułu! \n\r Skontaktuj się z administratorem systemu ZORT. ");
}

QString moduleVersionOutdatedMessage() {
    return QStringLiteral(" Wykryto niewłaściwą (niezaktualizowaną) wersję modułu! \n\r Skontaktuj się z administratorem systemu ZORT. ");
}

ModuleCheck CheckModuleVersion(Connection& c, const QString& module) {
    const int expected = expectedModuleVersion(module);
    Dataset q(&c, QStringLiteral(" SELECT Numer FROM AWersjaMod WHERE Modul= :Modul"));
    q.setParam(QStringLiteral("Modul"), module);
    q.open();
    const bool known = !q.isEmpty();
    const int number = known ? int(q.field(0).asInt()) : 0;
    if (number < expected) {
        c.execute(QStringLiteral(" UPDATE AWersjaMod SET Numer =") + QString::number(expected) +
                      QStringLiteral(" WHERE Modul= :Modul"),
                  Params{{"Modul", module}});
    } else if (expected < number) {
        return ModuleCheck::Outdated;
    }
    return known ? ModuleCheck::Current : ModuleCheck::Unknown;
}

} // namespace zort
