#pragma once
// The recovery copy of the sheet, so that no work is lost to a crash or a power cut. While the
// sheet is modified the window writes it, each time atomically, to <folder>/<id>.rtf with the
// sheet's file name in <id>.name, and holds <id>.lock for as long as the copy exists; the
// user's own file is never touched. The id is the process id and the program's start time, so
// a later program given the same process id (after a reboot, in a container) never takes a
// dead one's copy. A normal end removes this program's three files. A copy whose lock no running
// program holds was left by a program that died: a later start finds it and offers it.
#include "textcalc/sheet/document.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

class QLockFile;

namespace textcalc {

class SheetRecovery {
public:
    explicit SheetRecovery(std::filesystem::path folder);
    ~SheetRecovery(); // a normal end: the copy goes

    // False when the copy could not be written; an older copy then stays as it was.
    bool write(const sheet::SheetContent& content, const std::string& fileName);
    void remove();

    // A copy left by a program that died, locked for this program until it is released, other
    // than those in `passed`; entries that are no regular file are no copy and never found.
    struct Orphan {
        std::filesystem::path sheet;
        std::string fileName; // empty for an untitled sheet
    };
    std::optional<Orphan> findOrphan(const std::set<std::filesystem::path>& passed = {});
    // Gives the orphan up: with `removeFiles` its copy goes (restored or discarded), without it
    // the copy stays for a later start.
    void release(const Orphan& orphan, bool removeFiles);

private:
    std::filesystem::path file(const std::string& id, const char* extension) const;

    std::filesystem::path m_folder;
    std::string m_id;
    std::unique_ptr<QLockFile> m_lock;       // this program's, while its copy exists
    std::unique_ptr<QLockFile> m_orphanLock; // the orphan's, while it is offered
};

} // namespace textcalc
