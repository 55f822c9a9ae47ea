// The documents folder of the demo: the folder "Dokumenty" beside a local database
// file, named in OPARAM by its absolute path, with two outside files linked to an
// injured person (the accident at the machining centre).
#include "demo/DemoData.h"
#include "db/Connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zort::demo {
namespace {

struct SampleFile {
    const char* name;
    const char* text;
};

const SampleFile kSamples[] = {
    {"Notatka służbowa.txt",
     "NOTATKA SŁUŻBOWA\n"
     "\n"
     "W dniu zdarzenia o godz. 11:05 w gnieździe CNC operator centrum obróbczego doznał\n"
     "urazu prawej dłoni przy czyszczeniu przestrzeni roboczej maszyny z wiórów.\n"
     "Drzwi osłony były otwarte, a ich wyłącznik krańcowy zablokowano opaską zaciskową.\n"
     "Maszynę wyłączono z ruchu i zabezpieczono do czasu oględzin przez zespół\n"
     "powypadkowy; opaskę zachowano jako dowód.\n"
     "\n"
     "Sporządził: kierownik gniazda CNC\n"},
    {"Szkic miejsca wypadku.svg",
     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"420\" height=\"260\" viewBox=\"0 0 420 260\">\n"
     "  <rect width=\"420\" height=\"260\" fill=\"white\"/>\n"
     "  <text x=\"20\" y=\"28\" font-family=\"sans-serif\" font-size=\"16\">Centrum obróbcze CNC - widok z góry</text>\n"
     "  <rect x=\"60\" y=\"50\" width=\"300\" height=\"150\" fill=\"#eee\" stroke=\"black\"/>\n"
     "  <rect x=\"120\" y=\"95\" width=\"180\" height=\"60\" fill=\"#ccc\" stroke=\"black\"/>\n"
     "  <text x=\"175\" y=\"130\" font-family=\"sans-serif\" font-size=\"13\">stół</text>\n"
     "  <rect x=\"305\" y=\"105\" width=\"40\" height=\"40\" fill=\"#999\" stroke=\"black\"/>\n"
     "  <text x=\"300\" y=\"95\" font-family=\"sans-serif\" font-size=\"12\">imadło</text>\n"
     "  <circle cx=\"300\" cy=\"125\" r=\"8\" fill=\"red\"/>\n"
     "  <line x1=\"60\" y1=\"200\" x2=\"160\" y2=\"240\" stroke=\"black\" stroke-width=\"3\"/>\n"
     "  <text x=\"170\" y=\"245\" font-family=\"sans-serif\" font-size=\"12\">otwarte drzwi osłony (wyłącznik zablokowany)</text>\n"
     "</svg>\n"},
};

} // namespace

void loadExternalDocuments(DemoWriter& w, int injured) {
    const QString database = w.db().databaseName();
    // Only a database file of this computer has a folder beside it.
    if (!QDir::isAbsolutePath(database) || !QFileInfo(database).absoluteDir().exists()) return;
    const QString folder = QDir::cleanPath(QFileInfo(database).absoluteDir().filePath(QStringLiteral("Dokumenty")));
    if (!QDir().mkpath(folder)) return;
    for (const SampleFile& s : kSamples) {
        const QString name = QString::fromUtf8(s.name);
        QFile file(QDir(folder).filePath(name));
        // Files already there (of an earlier demo) stay as they are.
        if (!file.exists()) {
            if (!file.open(QIODevice::WriteOnly)) continue;
            file.write(s.text);
            file.close();
        }
        const int id = int(w.db().scalar(QStringLiteral("SELECT GEN_ID(GenSKWDokumZewn, 1) FROM RDB$DATABASE")).toLongLong());
        w.insert(QStringLiteral("SKWDOKUMZEWN"),
                 {{"ID", id}, {"TYP", 1}, {"IDTABELI", injured}, {"NAZWAPLIK", name}, {"OPIS", QStringLiteral("")}});
    }
    w.db().execute(QStringLiteral(" UPDATE OPARAM SET PathDokWyp = :path "), {{"path", folder}});
    w.describe(QStringLiteral("SKWDOKUMZEWN"), QStringLiteral("Pliki zewnętrzne pokazowe w katalogu Dokumenty obok bazy"));
}

} // namespace zort::demo
