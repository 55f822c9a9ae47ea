// The documents folder of the demo: the folder "Dokumenty" beside a local database
// file, named in OPARAM by its absolute path, with two outside files linked to an
// injured person.
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
     "Dnia zdarzenia o godz. 7:40 w alei regałowej nr 4 magazynu wyrobów gotowych\n"
     "ładunek z palety na regale R4-07 (poziom 3) spadł na przechodzącego pracownika.\n"
     "Miejsce zdarzenia zabezpieczono, wózek widłowy wyłączono z ruchu do czasu\n"
     "oględzin przez zespół powypadkowy.\n"
     "\n"
     "Sporządził: kierownik magazynu\n"},
    {"Szkic miejsca wypadku.svg",
     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"420\" height=\"260\" viewBox=\"0 0 420 260\">\n"
     "  <rect width=\"420\" height=\"260\" fill=\"white\"/>\n"
     "  <text x=\"20\" y=\"28\" font-family=\"sans-serif\" font-size=\"16\">Aleja regałowa nr 4</text>\n"
     "  <rect x=\"20\" y=\"50\" width=\"380\" height=\"40\" fill=\"#ddd\" stroke=\"black\"/>\n"
     "  <text x=\"30\" y=\"76\" font-family=\"sans-serif\" font-size=\"14\">Regał R4-07, poziom 3</text>\n"
     "  <rect x=\"20\" y=\"190\" width=\"380\" height=\"40\" fill=\"#ddd\" stroke=\"black\"/>\n"
     "  <circle cx=\"200\" cy=\"130\" r=\"12\" fill=\"red\"/>\n"
     "  <text x=\"220\" y=\"135\" font-family=\"sans-serif\" font-size=\"14\">miejsce upadku ładunku</text>\n"
     "  <line x1=\"200\" y1=\"90\" x2=\"200\" y2=\"118\" stroke=\"black\" stroke-dasharray=\"4\"/>\n"
     "  <text x=\"30\" y=\"160\" font-family=\"sans-serif\" font-size=\"12\">1,5 m od czoła regału</text>\n"
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
