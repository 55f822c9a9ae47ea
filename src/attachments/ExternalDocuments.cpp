#include "attachments/ExternalDocuments.h"

#include "attachments/PathDokumForm.h"
#include "core/UserInterface.h"
#include "db/DbError.h"
#include "domain/DocumentsFolder.h"
#include "ui/CommandGuard.h"
#include "ui/DesktopFiles.h"
#include "ui/FieldBinding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zort {
namespace {

const QString kCaution = QStringLiteral("Uwaga!");

} // namespace

QString ExternalDocuments::noFolderMessage() { return QStringLiteral("Nie określono katalogu dla dokumentów zewnętrznych !!!"); }

QString ExternalDocuments::tooLongMessage() {
    return QStringLiteral(" Zbyt długa nazwa pliku !!!\r\n Nazwa pliku nie powinna przekraczać ") +
           QString::number(ExternalDocumentStore::kMaxName) + QStringLiteral(" znaki");
}

QString ExternalDocuments::notUniqueMessage() { return QStringLiteral(" Należy podać unikalną nazwę pliku"); }

QString ExternalDocuments::copyFailedMessage() { return QStringLiteral("Nieudana próba kopiowania"); }

QString ExternalDocuments::linkQuestion() {
    return QStringLiteral("Plik o podanej nazwie już znajduje się w katalogu dokumentów zewnętrznych i jest powiązany z "
                          "innym rekordem danych.\r\nCzy chcesz się do niego właśnie odwołać?\r\nPlik w katalogu "
                          "dokumentów zewnętrznych nie zostanie nadpisany.");
}

QString ExternalDocuments::removeQuestion() { return QStringLiteral("Czy na pewno usunąć wskazany dokument ?"); }

QStringList ExternalDocuments::fileFilters() {
    return {QStringLiteral("Pliki Word (*.doc)|*.doc"), QStringLiteral("Pliki tekstowe (*.txt)|*.txt"),
            QStringLiteral("Wszystkie pliki (*.*)|*.*")};
}

ExternalDocuments::ExternalDocuments(Connection& db)
    : m_db(db), m_store(db), m_askFolder([](QWidget* parent) { return pathDokumForm().AskDocumentsFolder(parent); }) {}

QString ExternalDocuments::folder() const { return DocumentsFolder::usable(m_folder) ? m_folder : QString(); }

QString ExternalDocuments::pathOf(const QString& name) const { return QDir(m_folder).filePath(name); }

void ExternalDocuments::tell(const QString& text, QWidget* parent) const {
    showBox(text, kCaution, MsgIcon::Error, parent);
}

void ExternalDocuments::load(const Owner& owner, bool editable) {
    m_owner = owner;
    m_editable = editable;
    m_selected = -1;
    m_names = m_store.load(owner);
    m_folder = DocumentsFolder::remembered();
}

bool ExternalDocuments::ensureFolder(QWidget* parent) {
    if (!folder().isEmpty()) return true;
    if (m_editable && m_askFolder && m_askFolder(parent)) m_folder = DocumentsFolder::remembered();
    if (!folder().isEmpty()) return true;
    showInfo(noFolderMessage(), parent);
    return false;
}

bool ExternalDocuments::enter(QWidget* parent) {
    m_folder = DocumentsFolder(m_db).read();
    return ensureFolder(parent);
}

bool ExternalDocuments::IsFileUsedElsewhere(const QString& name) { return m_store.IsFileUsedElsewhere(m_owner, name); }

bool ExternalDocuments::add(QWidget* parent) {
    if (!m_editable || !ensureFolder(parent)) return false;
    FileRequest request;
    request.initial = folder();
    request.filters = fileFilters();
    const QString chosen = ui().openFile(request, parent);
    if (chosen.isEmpty()) return false;
    const QString name = QFileInfo(chosen).fileName();
    if (name.size() > ExternalDocumentStore::kMaxName) {
        tell(tooLongMessage(), parent);
        return false;
    }
    if (const QString refusal = m_store.refusal(name); !refusal.isEmpty()) {
        tell(refusal, parent);
        return false;
    }
    if (m_names.contains(name)) {
        tell(notUniqueMessage(), parent);
        return false;
    }
    const QString target = pathOf(name);
    const bool existed = QFileInfo::exists(target);
    const bool usedElsewhere = IsFileUsedElsewhere(name);
    if (!existed) {
        // Nothing is linked without its file in the folder.
        if (!EnsureFolderExists(folder(), parent) || !QFile::copy(chosen, target)) {
            tell(copyFailedMessage(), parent);
            return false;
        }
    } else if (usedElsewhere && !askYesNo(linkQuestion(), QStringLiteral("Ustalenie powiązania"), parent)) {
        return false;
    }
    m_names << name;
    m_selected = int(m_names.size()) - 1;
    return true;
}

bool ExternalDocuments::removeSelected(QWidget* parent) {
    if (!m_editable || m_selected < 0) return false;
    if (!askYesNo(removeQuestion(), QStringLiteral("Usuwanie dokumentu"), parent)) return false;
    m_names.removeAt(m_selected);
    m_selected = -1;
    return true;
}

bool ExternalDocuments::openSelected(QWidget* parent) {
    if (m_selected < 0) return false;
    if (folder().isEmpty()) {
        showInfo(noFolderMessage(), parent);
        return false;
    }
    return OpenWithAssociatedProgram(pathOf(m_names.at(m_selected)), parent);
}

bool ExternalDocuments::SaveExternalDocuments(QWidget* parent) {
    if (!m_editable) return true;
    try {
        m_store.SaveExternalDocuments(m_owner, m_names);
    } catch (const DbError& e) {
        CommandGuard::report(e, parent, saveFailedMessage());
        return false;
    }
    return true;
}

} // namespace zort
