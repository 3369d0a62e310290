#include "textcalc/language/textfile_io.h"

#include <system_error>

namespace textcalc::textfiles {

namespace fs = std::filesystem;
using State = TextFile::State;

namespace {

// Closes the stream. False when the entry was never assigned or a write could not be
// completed.
bool finish(TextFile& file)
{
    if (file.state == State::NotAssigned)
        return false;
    const bool writing = file.state == State::Writing;
    file.state = State::Assigned;
    if (!file.stream.is_open())
        return true;
    if (!writing) {
        file.stream.close();
        return true;
    }
    file.stream.flush();
    const bool written = file.stream.good();
    file.stream.close();
    return written && !file.stream.fail();
}

// An assigned entry is closed before it is opened again, whatever the close gives: the new
// open starts afresh. False for an entry never assigned.
bool closeForOpening(TextFile& file)
{
    if (file.state == State::NotAssigned)
        return false;
    finish(file);
    return true;
}

// Writing creates a missing textfiles folder: a program pointed at a new folder (zoltcalc-cli
// run --dir) starts its files there. A folder that cannot be made shows as the file failing
// to open.
void createFolder(const TextFile& file)
{
    std::error_code error;
    fs::create_directories(file.Path.parent_path(), error);
}

bool openForWriting(TextFile& file, std::ios::openmode mode)
{
    file.stream.clear();
    file.stream.open(file.Path, std::ios::out | std::ios::binary | mode);
    if (!file.stream.is_open())
        return false;
    file.state = State::Writing;
    return true;
}

// Only plain files are opened: a pipe or a device (a link can lead to one) would block the run
// in the open, where no stop reaches it, or feed it without end.
bool plainFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool missing(const fs::path& path)
{
    std::error_code error;
    return !fs::exists(path, error) && !error;
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
    if (!closeForOpening(file))
        return false;
    if (!plainFile(file.Path))
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
    if (!closeForOpening(file))
        return false;
    createFolder(file);
    if (!missing(file.Path) && !plainFile(file.Path))
        return false;
    return openForWriting(file, std::ios::trunc);
}

bool append(TextFile& file)
{
    if (!closeForOpening(file))
        return false;
    createFolder(file);
    return plainFile(file.Path) && openForWriting(file, std::ios::app);
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
    std::streambuf& in = *file.stream.rdbuf();
    for (int c = in.sbumpc(); c != '\n'; c = in.sbumpc()) {
        if (c == std::char_traits<char>::eof())
            break;
        if (line.size() == MaxLineBytes)
            return false;
        line += static_cast<char>(c);
    }
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
