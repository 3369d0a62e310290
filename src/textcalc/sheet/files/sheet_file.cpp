#include "textcalc/sheet/files/sheet_file.h"

#include "textcalc/sheet/files/plain_text.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"

#include "platform/errors.h"
#include "platform/file_replace.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace textcalc::sheet {

namespace {

std::string quoted(const std::filesystem::path& file) { return "\" " + file.filename().string() + " \""; }

platform::UserError tooLarge(const std::filesystem::path& file)
{
    return platform::UserError("Error. File " + quoted(file) + " is too large to open as a sheet.");
}

} // namespace

SheetContent readSheet(std::string_view bytes, const CharFormat& plainFormat)
{
    if (looksLikeRtf(bytes))
        if (std::optional<SheetContent> rtf = readRtfDocument(bytes))
            return std::move(*rtf);
    if (!looksLikeText(bytes))
        throw NotText();
    return readPlainText(bytes, plainFormat);
}

SheetContent loadSheet(const std::filesystem::path& file, const CharFormat& plainFormat)
{
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        throw platform::UserError("Error. File " + quoted(file) + " cannot be read.");
    if (std::filesystem::is_regular_file(file, error))
        platform::removeStaleTemporaries(file);
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > MaxSheetFileBytes)
        throw tooLarge(file);
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw platform::UserError("Error. File " + quoted(file) + " cannot be read.");
    // Reading stops past the limit: a file that grows while it is read is refused too.
    std::string bytes;
    if (!error)
        bytes.reserve(static_cast<size_t>(size));
    std::vector<char> buffer(size_t{1} << 16); // not on the stack, which may be small
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
        bytes.append(buffer.data(), static_cast<size_t>(in.gcount()));
        if (bytes.size() > MaxSheetFileBytes)
            throw tooLarge(file);
    }
    if (in.bad())
        throw platform::UserError("Error. File " + quoted(file) + " cannot be read.");
    try {
        return readSheet(bytes, plainFormat);
    } catch (const TooManyLines&) {
        throw tooLarge(file);
    } catch (const NotText&) {
        throw platform::UserError("Error. File " + quoted(file) + " is neither a sheet nor a text file.");
    }
}

bool savesAsRtf(const std::filesystem::path& file)
{
    const std::string name = file.string();
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".rtf") == 0;
}

void saveSheet(const std::filesystem::path& file, const SheetContent& content)
{
    const std::string bytes = savesAsRtf(file) ? writeRtf(content) : writePlainText(content);
    if (!platform::replaceFile(file, bytes))
        throw platform::UserError("Error. File " + quoted(file) + " cannot be written.");
}

} // namespace textcalc::sheet
