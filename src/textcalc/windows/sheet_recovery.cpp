#include "textcalc/windows/sheet_recovery.h"

#include "textcalc/sheet/files/rtf_writer.h"

#include "platform/file_replace.h"

#include <QCoreApplication>
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
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

} // namespace

SheetRecovery::SheetRecovery(fs::path folder)
    : m_folder(std::move(folder)), m_id(std::to_string(QCoreApplication::applicationPid()))
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

std::optional<SheetRecovery::Orphan> SheetRecovery::findOrphan()
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error)) {
        const std::string id = entry.path().stem().string();
        if (entry.path().extension() != ".rtf" || id == m_id)
            continue;
        std::unique_ptr<QLockFile> lock = lockOf(file(id, ".lock"));
        if (!lock)
            continue; // its program runs
        std::ifstream name(file(id, ".name"), std::ios::binary);
        Orphan orphan{entry.path(), {std::istreambuf_iterator<char>(name), {}}};
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
