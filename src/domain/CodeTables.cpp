#include "domain/CodeTables.h"

#include "core/Error.h"

namespace zort {

const std::vector<CodeTable>& codeTables() {
    using K = CodeTableKind;
    static const std::vector<CodeTable> tables = {
        {"SKWMIEJSCEWYP", K::Tree, "Miejsce powstania wypadku", 15, 250, 100},
        {"SKWMIEJSCEWYP_1", K::Tree, "Miejsce powstania wypadku (SKW 2022)", 15, 250, 100},
        {"SKWUMIEJSCURAZ", K::Tree, "Umiejscowienie urazu", 15, 250, 100},
        {"SKWUMIEJSCURAZ_1", K::Tree, "Umiejscowienie urazu (SKW 2022)", 15, 250, 100},
        {"SKWCZYNNWYKPOSZK", K::Tree, "Czynność wykonywana przez poszkodowanego", 15, 250, 100},
        {"SKWCZYNNWYKPOSZK_1", K::Tree, "Czynność wykonywana przez poszkodowanego (SKW 2022)", 15, 250, 100},
        {"SKWWYDARZODCHYL", K::Tree, "Wydarzenie będące odchyleniem od stanu normalnego", 15, 250, 100},
        {"SKWWYDARZODCHYL_1", K::Tree, "Wydarzenie będące odchyleniem od stanu normalnego (SKW 2022)", 15, 250, 100},
        {"SKWPRZYCZYNYWYP", K::Tree, "Przyczyny wypadku", 15, 250, 100},
        {"SKWPRZYCZYNYWYP_1", K::Tree, "Przyczyny wypadku (SKW 2022)", 15, 250, 100},
        {"SKWPROCESPRACY", K::Tree, "Proces pracy", 15, 250, 100},
        {"SKWPROCESPRACY_1", K::Tree, "Proces pracy (SKW 2022)", 15, 250, 100},
        {"SKWCZYNNIKMATER", K::Tree, "Czynnik materialny", 15, 250, 100},
        {"SKWCZYNNIKMATER_1", K::Tree, "Czynnik materialny (SKW 2022)", 15, 250, 100},
        {"SKWWYDARZURAZ", K::Tree, "Wydarzenie powodujące uraz", 15, 250, 100},
        {"SKWWYDARZURAZ_1", K::Tree, "Wydarzenie powodujące uraz (SKW 2022)", 15, 250, 100},
        {"SKWFWJEDN", K::Tree, "Forma własności", 15, 250, 100},
        {"SKWFWJEDN_1", K::Tree, "Forma własności (SKW 2022)", 15, 250, 100},
        {"SKWRODZAJURAZ_1", K::Tree, "Rodzaj urazu (SKW 2022)", 15, 250, 100},
        {"DNEWZAWODY", K::Occupation, "Klasyfikacja zawodów (Dz.U. 2010 nr 82 poz. 537)", 15, 250, 0},
        {"DNEWZAWODY2010", K::Occupation, "Klasyfikacja zawodów (Dz.U. 2012 poz. 1268)", 15, 250, 0},
        {"DNEWZAWODY2014", K::Occupation, "Klasyfikacja zawodów (Dz.U. 2014 poz. 1145)", 15, 250, 0},
        {"DNEWZAWODY2021", K::Occupation, "Klasyfikacja zawodów (Dz.U. 2021 poz. 2285)", 15, 250, 0},
        {"SKWSTATUSZATR", K::List, "Status zatrudnienia", 5, 200, 50},
        {"SKWSTATUSZATR_1", K::List, "Status zatrudnienia (SKW 2022)", 5, 200, 50},
        {"SKWOBYWATELSTWO", K::List, "Obywatelstwo", 5, 200, 50},
        {"SKWOBYWATELSTWO_1", K::List, "Obywatelstwo (SKW 2022)", 5, 200, 50},
        {"SKWLICZBAPRAC", K::List, "Liczba pracujących", 5, 200, 50},
        {"SKWLICZBAPRAC_1", K::List, "Liczba pracujących (SKW 2022)", 5, 200, 50},
        {"SKWRODZAJURAZ", K::List, "Rodzaj urazu", 5, 200, 50},
        {"SKWRODZAJMIEJSCWYP", K::List, "Rodzaj miejsca wypadku", 5, 200, 50},
    };
    return tables;
}

const CodeTable* findCodeTable(const QString& name) {
    const QString upper = name.trimmed().toUpper();
    for (const CodeTable& t : codeTables())
        if (t.name == upper) return &t;
    return nullptr;
}

const CodeTable& requireCodeTable(const QString& name, CodeTableKind kind) {
    const CodeTable* t = findCodeTable(name);
    if (!t || t->kind != kind)
        throw Error(QStringLiteral("Tabela %1 nie jest słownikiem klasyfikacyjnym programu.").arg(name));
    return *t;
}

QString occupationTreeTable(int edition) {
    switch (edition) {
    case 1: return QStringLiteral("DNEWZAWODY");
    case 2: return QStringLiteral("DNEWZAWODY2010");
    case 3: return QStringLiteral("DNEWZAWODY2014");
    case 4: return QStringLiteral("DNEWZAWODY2021");
    default: return QString();
    }
}

QString occupationLegalBasis(int edition) {
    switch (edition) {
    case 0: return QStringLiteral("Dz.U. 2004 nr 265 poz. 2644");
    case 1: return QStringLiteral("Dz.U. 2010 nr 82 poz. 537");
    case 2: return QStringLiteral("Dz.U. 2012 poz. 1268");
    case 3: return QStringLiteral("Dz.U. 2014 poz. 1145");
    case 4: return QStringLiteral("Dz.U. 2021 poz. 2285");
    default: return QString();
    }
}

int occupationEditionOf(const QString& table) {
    for (int e = 1; e <= 4; ++e)
        if (occupationTreeTable(e).compare(table.trimmed(), Qt::CaseInsensitive) == 0) return e;
    return 0;
}

} // namespace zort
