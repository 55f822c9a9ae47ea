#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

namespace zort {

// The message of every file the program or its tools could not write:
// "Nie można zapisać pliku NAME: REASON".
QString fileWriteErrorMessage(const QString& path, const QString& reason);

// A file written whole or not at all. The bytes go to a temporary file in the
// target's folder, which replaces the target only when everything was written,
// flushed and synced (commit); on any failure the target stays as it was and the
// temporary file is removed. An existing target that is not a regular file (a
// device such as /dev/full, a pipe) is written directly, with every write checked.
// Failures throw Error with fileWriteErrorMessage().
class WholeFile {
public:
    explicit WholeFile(const QString& path);
    ~WholeFile();  // without commit() the written bytes are discarded
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Opens the file for writing and returns its device (unbuffered: a caller that
    // writes to it checks every write; write() does).
    QIODevice& open();
    void write(const QByteArray& bytes);
    // Asks the system to start writing to the disk what was written so far, so
    // that the sync of commit() finds little left to wait for. Only a hint: a
    // failure shows at commit.
    void startWriteback();
    // Makes the written bytes the target's content.
    void commit();
    const QString& path() const { return m_path; }

private:
    [[noreturn]] void fail(const QString& reason);
    QIODevice* device() const;

    QString m_path;
    std::unique_ptr<QSaveFile> m_save;
    std::unique_ptr<QFile> m_direct;
    qint64 m_synced = 0;   // bytes whose writing startWriteback asked for
    qint64 m_size = 0;     // bytes written
};

// Writes a whole file (WholeFile); throws Error naming the file.
void writeWholeFile(const QString& path, const QByteArray& bytes);
// The same without throwing: the failure's message, empty on success.
QString tryWriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace zort
