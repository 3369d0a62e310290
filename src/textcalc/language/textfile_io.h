#pragma once
// The actions on a text file entry: its file is textfiles/<name>.txt in the program directory.
// Every action reports success as a bool; the statements and functions turn a failure into
// their own message, whatever the reason was.
//
// Every line written is flushed at once, so what a program has written is in the file even
// when the entry is discarded or the program ends without Close.
#include "textcalc/language/tables.h"

#include <filesystem>
#include <string>
#include <vector>

namespace textcalc::textfiles {

// Binds the entry to textfilesDir/<name>.txt, closing a file it still had open.
// A name that is empty, holds a path separator or ".." is refused: it could reach outside the
// folder.
bool assign(TextFile& file, const std::filesystem::path& textfilesDir, const std::string& name);
bool reset(TextFile& file);   // open for reading from the start; the file must exist
// Rewrite and Append create a missing textfiles folder; Append still needs the file itself.
bool rewrite(TextFile& file); // start the file empty, open for writing
bool append(TextFile& file);  // open the existing file for writing at its end
bool close(TextFile& file);   // the file must be open
bool writeLine(TextFile& file, const std::string& text);
// The next line without its line break; at the end of the file an empty line. A line longer
// than MaxLineBytes fails: a file without line breaks must not take all memory.
inline constexpr size_t MaxLineBytes = size_t{16} << 20;
bool readLine(TextFile& file, std::string& line);
bool atEnd(TextFile& file, bool& end);

// Closes every open entry: for the end of a session.
void completeTextFiles(std::vector<TextFile>& files);

} // namespace textcalc::textfiles
