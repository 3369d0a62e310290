#pragma once
// Opening and saving sheet files. A file opens as RTF when its content is RTF and as plain
// text otherwise; it is saved as RTF exactly when its name ends in ".rtf" (".RTF" is plain
// text). Failures are platform::UserError with the message the window shows.
#include "textcalc/sheet/document.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace textcalc::sheet {

// Larger files are refused: a sheet is text a person writes, and a file this big is not one.
constexpr std::uintmax_t MaxSheetFileBytes = 32u << 20;

// Thrown by readSheet for bytes that are neither RTF nor text (looksLikeText).
struct NotText : std::runtime_error {
    NotText() : std::runtime_error("neither RTF nor text") {}
};

// RTF or plain text by content; plain-text lines get `plainFormat`. A file that only starts
// like RTF reads as plain text.
SheetContent readSheet(std::string_view bytes, const CharFormat& plainFormat);
SheetContent loadSheet(const std::filesystem::path& file, const CharFormat& plainFormat);

bool savesAsRtf(const std::filesystem::path& file);
// Replaces the file as one step: a failure or a crash leaves the old file whole.
void saveSheet(const std::filesystem::path& file, const SheetContent& content);

} // namespace textcalc::sheet
