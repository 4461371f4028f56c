#pragma once
// How the updater turns manifest lines into file names, URLs and backup names.
#include <string>

// The text after the last "/" of the URL, trimmed of characters 0..32; the untrimmed URL
// itself when nothing is left (a folder URL).
std::string FileNameFromUrl(const std::string& url);

// The value of a "key=value" manifest line: everything after its first "="; the whole line
// when it has none.
std::string ValueOfLine(const std::string& line);

// The name with its extension (after the last "." that follows the last "\" or ":") replaced
// by ".BAK".
std::string BackupName(const std::string& fileName);

// The backup name actually used: BackupName, unless that names the file itself (a name ending
// in ".BAK" in any letter case), in which case ".BAK" is appended so the old file is kept.
std::string SafeBackupName(const std::string& fileName);

// True when program folder + name stays inside the folder: not empty, not rooted, no drive
// or other ":", no empty component and none made only of dots and blanks (either slash
// separates).
bool IsNameInsideFolder(const std::string& fileName);
