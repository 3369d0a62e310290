#include "textcalc/textfile_io.h"

#include <system_error>

namespace textcalc::textfiles {

namespace fs = std::filesystem;
using State = TextFile::State;

namespace {

fs::path pendingPath(const TextFile& file)
{
    fs::path pending = file.Path;
    pending += ".tmp";
    return pending;
}

// Closes the stream; what was written replaces the file. False when that failed.
bool finish(TextFile& file)
{
    if (file.state == State::NotAssigned)
        return false;
    const State was = file.state;
    file.state = State::Assigned;
    if (was == State::Reading) {
        file.stream.close();
        return true;
    }
    if (was != State::Writing)
        return true;
    file.stream.flush();
    const bool written = file.stream.good();
    file.stream.close();
    std::error_code error;
    if (!written || file.stream.fail()) {
        fs::remove(pendingPath(file), error);
        return false;
    }
    fs::rename(pendingPath(file), file.Path, error);
    return !error;
}

bool openPending(TextFile& file, std::ios::openmode mode)
{
    file.stream.clear();
    file.stream.open(pendingPath(file), std::ios::out | std::ios::binary | mode);
    if (!file.stream.is_open())
        return false;
    file.state = State::Writing;
    return true;
}

} // namespace

bool assign(TextFile& file, const fs::path& textfilesDir, const std::string& name)
{
    const bool plainName = !name.empty() && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos &&
                           name.find("..") == std::string::npos;
    if (!plainName)
        return false;
    finish(file);
    file.Path = textfilesDir / (name + ".txt");
    file.state = State::Assigned;
    return true;
}

bool reset(TextFile& file)
{
    if (!finish(file))
        return false;
    file.stream.clear();
    file.stream.open(file.Path, std::ios::in | std::ios::binary);
    if (!file.stream.is_open())
        return false;
    file.state = State::Reading;
    return true;
}

bool rewrite(TextFile& file)
{
    return finish(file) && openPending(file, std::ios::trunc);
}

bool append(TextFile& file)
{
    if (!finish(file))
        return false;
    std::error_code error;
    if (!fs::is_regular_file(file.Path, error))
        return false;
    fs::copy_file(file.Path, pendingPath(file), fs::copy_options::overwrite_existing, error);
    return !error && openPending(file, std::ios::app);
}

bool close(TextFile& file)
{
    if (file.state != State::Reading && file.state != State::Writing)
        return false;
    return finish(file);
}

bool writeLine(TextFile& file, const std::string& text)
{
    if (file.state != State::Writing)
        return false;
    file.stream << text << '\n';
    file.stream.flush();
    return file.stream.good();
}

bool readLine(TextFile& file, std::string& line)
{
    if (file.state != State::Reading || file.stream.bad())
        return false;
    line.clear();
    if (!std::getline(file.stream, line))
        return !file.stream.bad();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool atEnd(TextFile& file, bool& end)
{
    if (file.state != State::Reading || file.stream.bad())
        return false;
    end = file.stream.peek() == std::fstream::traits_type::eof();
    file.stream.clear(file.stream.rdstate() & ~std::ios::failbit);
    return true;
}

void completeTextFiles(std::vector<TextFile>& files)
{
    for (TextFile& file : files)
        if (file.state == State::Reading || file.state == State::Writing)
            finish(file);
}

} // namespace textcalc::textfiles
