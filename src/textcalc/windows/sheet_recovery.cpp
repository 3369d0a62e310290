#include "textcalc/windows/sheet_recovery.h"

#include "textcalc/sheet/files/rtf_writer.h"

#include "platform/file_replace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <fstream>
#include <iterator>

namespace textcalc {

namespace fs = std::filesystem;

namespace {

std::unique_ptr<QLockFile> lockOf(const fs::path& path)
{
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(path.string()));
    lock->setStaleLockTime(0); // only a lock whose program is gone is stale, however old
    if (lock->tryLock(0))
        return lock;
    // A lock in this process's id that this program does not hold is a dead program's that had
    // the same id (QLockFile takes it for this program's own).
    qint64 pid = 0;
    QString host, application;
    if (lock->getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid()
        && lock->removeStaleLockFile() && lock->tryLock(0))
        return lock;
    return nullptr;
}

// The sheet's file name beside a copy; a name file that is no short regular file names none.
std::string nameIn(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_regular_file(file, error) || fs::file_size(file, error) > 64 * 1024)
        return {};
    std::ifstream name(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(name), {}};
}

} // namespace

SheetRecovery::SheetRecovery(fs::path folder)
    : m_folder(std::move(folder)),
      m_id(std::to_string(QCoreApplication::applicationPid()) + "-"
           + std::to_string(QDateTime::currentMSecsSinceEpoch()))
{
}

SheetRecovery::~SheetRecovery()
{
    remove();
}

fs::path SheetRecovery::file(const std::string& id, const char* extension) const
{
    return m_folder / (id + extension);
}

bool SheetRecovery::write(const sheet::SheetContent& content, const std::string& fileName)
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (!m_lock)
        m_lock = lockOf(file(m_id, ".lock"));
    return m_lock && platform::replaceFile(file(m_id, ".name"), fileName)
           && platform::replaceFile(file(m_id, ".rtf"), sheet::writeRtf(content));
}

void SheetRecovery::remove()
{
    std::error_code error;
    fs::remove(file(m_id, ".rtf"), error);
    fs::remove(file(m_id, ".name"), error);
    m_lock.reset(); // unlocking removes the lock file
}

std::optional<SheetRecovery::Orphan> SheetRecovery::findOrphan(const std::set<fs::path>& passed)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error)) {
        const std::string id = entry.path().stem().string();
        if (entry.path().extension() != ".rtf" || id == m_id || passed.contains(entry.path())
            || !entry.is_regular_file(error) || entry.is_symlink(error))
            continue;
        std::unique_ptr<QLockFile> lock = lockOf(file(id, ".lock"));
        if (!lock)
            continue; // its program runs
        Orphan orphan{entry.path(), nameIn(file(id, ".name"))};
        m_orphanLock = std::move(lock);
        return orphan;
    }
    return std::nullopt;
}

void SheetRecovery::release(const Orphan& orphan, bool removeFiles)
{
    if (removeFiles) {
        std::error_code error;
        fs::remove(orphan.sheet, error);
        fs::remove(fs::path(orphan.sheet).replace_extension(".name"), error);
    }
    m_orphanLock.reset();
}

} // namespace textcalc
