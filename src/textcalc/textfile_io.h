#pragma once
// The actions on a text file entry: its file is textfiles/<name>.txt in the program directory.
// Every action reports success as a bool; the statements and functions turn a failure into
// their own message, whatever the reason was.
//
// Writing goes to <name>.txt.tmp beside the file, and Close renames it over the file: a run
// interrupted while writing (Ctrl+C in the command line) leaves the previous complete
// contents, and a finished file appears whole. completeTextFiles() does the same for files
// still open for writing when the session ends.
#include "textcalc/tables.h"

#include <filesystem>
#include <string>
#include <vector>

namespace textcalc::textfiles {

// Binds the entry to textfilesDir/<name>.txt, completing a file it still had open for writing.
// A name that is empty, holds a path separator or ".." is refused: it could reach outside the
// folder.
bool assign(TextFile& file, const std::filesystem::path& textfilesDir, const std::string& name);
bool reset(TextFile& file);   // open for reading from the start; the file must exist
bool rewrite(TextFile& file); // start the file empty, open for writing
bool append(TextFile& file);  // open the existing file for writing at its end
bool close(TextFile& file);   // the file must be open
bool writeLine(TextFile& file, const std::string& text);
// The next line without its line break; at the end of the file an empty line.
bool readLine(TextFile& file, std::string& line);
bool atEnd(TextFile& file, bool& end);

// Closes every entry, completing files open for writing: for the end of a session.
void completeTextFiles(std::vector<TextFile>& files);

} // namespace textcalc::textfiles
