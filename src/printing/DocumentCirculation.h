#pragma once
#include <QString>
#include <functional>

namespace zort {
class Connection;
}

namespace zort::print {

class TExportQR;

// The document circulation of a printout saved as PDF: a document type with a
// circulation definition can be sent into circulation by the user of its starting
// role ("Inicjuj"), and the user of the pending step confirms it ("Aktualizuj"),
// writing the circulating file anew.
class DocumentCirculation {
public:
    enum class State { None = 0, Start = 1, Update = 2 };
    enum class Outcome { Cancelled, Saved, StatusChanged };

    // Without a connection every state is None and no table is touched.
    explicit DocumentCirculation(Connection* connection);

    // The state of the document kind for the record (person id) and user, computed
    // when the preview is shown. proposedPdf is the name proposed without a session.
    void compute(const QString& kind, int personId, const QString& userName, const QString& proposedPdf);
    // No circulation for this preview (the state None), proposing the name.
    void reset(const QString& proposedPdf);
    State state() const { return m_state; }
    int typeId() const { return m_typeId; }
    int step() const { return m_step; }
    // The PDF name to propose: the session's file under circulation, else the
    // proposed one.
    const QString& pdfName() const { return m_pdfName; }

    // The folder to save into: the circulation folder of the database when the
    // circulation takes part, else the saved setting GLOBAL / pathObieg, else the
    // database file's folder + "/Obieg" (the separator of the database's path).
    QString folder(bool circulating) const;
    static QString fallbackFolder(const QString& databaseName);

    // Saves the pages through the exporter (without a dialog when confirming a
    // step) and records the circulation step the check boxes ask for. The saved
    // file's path is written to openPath (empty when nothing is to be opened).
    Outcome save(TExportQR& exporter, bool initiate, bool confirm, bool landscape, const QString& sender,
                 QString& openPath);

    // Steps of save(), for callers that drive them separately.
    void startSession(const QString& fileName, const QString& sender);
    bool stepPending(const QString& fileName) const;
    bool confirmStep(const QString& fileName);

    static QString statusChangedMessage();

private:
    int roleOfStep() const;
    int sessionOf(const QString& fileName) const;

    Connection* m_c;
    State m_state = State::None;
    int m_typeId = 0;
    int m_step = 0;
    int m_personId = 0;
    QString m_kind;
    QString m_user;
    QString m_pdfName;
};

} // namespace zort::print
