#include "db/SqlScript.h"

#include "db/Connection.h"
#include "db/Resources.h"

#include <QFile>
#include <QRegularExpression>

namespace zort {

QStringList SqlScript::split(const QString& script) {
    QStringList out;
    QString term = QStringLiteral(";");
    QString current;
    static const QRegularExpression setTerm(QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s+(\\S+)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QStringList lines = script.split('\n');
    for (QString line : lines) {
        if (line.endsWith('\r')) line.chop(1);
        const QString t = line.trimmed();
        if (current.trimmed().isEmpty() && (t.isEmpty() || t.startsWith(QStringLiteral("--")))) continue;
        const auto m = setTerm.match(t);
        if (m.hasMatch()) {
            // "SET TERM ^ ;" switches to "^"; "SET TERM ; ^" switches back.
            term = m.captured(1);
            current.clear();
            continue;
        }
        current += line + QLatin1Char('\n');
        if (t.endsWith(term)) {
            QString stmt = current.trimmed();
            stmt.chop(term.size());
            stmt = stmt.trimmed();
            if (!stmt.isEmpty()) out << stmt;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) out << current.trimmed();
    return out;
}

void SqlScript::run(Connection& c, const QString& script) {
    for (const QString& stmt : split(script)) {
        if (stmt.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0) continue;
        try {
            c.execute(stmt);
        } catch (const DbError& e) {
            throw DbError(e.message() + QStringLiteral("\n") + stmt.left(200), stmt);
        }
    }
}

QString SqlScript::readResource(const QString& path) {
    initResources();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Brak zasobu %1.").arg(path));
    return QString::fromUtf8(f.readAll());
}

} // namespace zort
