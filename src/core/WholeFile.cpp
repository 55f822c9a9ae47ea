#include "core/WholeFile.h"

#include "core/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <cstring>
#include <unistd.h>

namespace zort {

QString fileWriteErrorMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, reason);
}

WholeFile::WholeFile(const QString& path) : m_path(path) {}

// An uncommitted QSaveFile removes its temporary file when it is destroyed.
WholeFile::~WholeFile() = default;

QIODevice* WholeFile::device() const {
    if (m_save) return m_save.get();
    return m_direct.get();
}

void WholeFile::fail(const QString& reason) {
    m_save.reset();
    m_direct.reset();
    throw Error(fileWriteErrorMessage(m_path, reason));
}

QIODevice& WholeFile::open() {
    if (device()) return *device();
    const QFileInfo target(m_path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        // A device or a pipe cannot be replaced by a renamed file, and it has no
        // content to keep.
        m_direct = std::make_unique<QFile>(m_path);
        if (!m_direct->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(m_direct->errorString());
        return *m_direct;
    }
    m_save = std::make_unique<QSaveFile>(m_path);
    if (!m_save->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(m_save->errorString());
    return *m_save;
}

void WholeFile::write(const QByteArray& bytes) {
    QIODevice& d = open();
    // Unbuffered: a short write is seen here, and writing the rest gives the reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = d.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) fail(d.errorString());
        done += n;
    }
    m_size += bytes.size();
}

void WholeFile::startWriteback() {
#if defined(__linux__)
    if (!m_save || m_size <= m_synced) return;
    ::sync_file_range(m_save->handle(), m_synced, m_size - m_synced, SYNC_FILE_RANGE_WRITE);
    m_synced = m_size;
#endif
}

void WholeFile::commit() {
    open();
    if (m_direct) {
        if (!m_direct->flush() || m_direct->error() != QFileDevice::NoError) fail(m_direct->errorString());
        m_direct->close();
        if (m_direct->error() != QFileDevice::NoError) fail(m_direct->errorString());
        return;
    }
    // The toolkit's commit does not look at the failure of a last flush nor at the
    // sync: the writes are checked as they go, the sync here.
    if (m_save->error() != QFileDevice::NoError) fail(m_save->errorString());
    if (::fsync(m_save->handle()) != 0) fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (!m_save->commit()) fail(m_save->errorString());
    m_save.reset();
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    WholeFile f(path);
    f.write(bytes);
    f.commit();
}

QString tryWriteWholeFile(const QString& path, const QByteArray& bytes) {
    try {
        writeWholeFile(path, bytes);
        return QString();
    } catch (const Error& e) {
        return e.message();
    }
}

} // namespace zort
