// The rules for the two folders of the settings (datasheets, text files): what is stored from a typed
// text and from a directory choice. Folders are kept with this platform's separator "/" and always end
// with one, so that a file name can be appended; a folder that does not exist is stored as typed.
#pragma once

#include <optional>
#include <string>

namespace kvx {

inline constexpr char kFolderSeparator = '/';

// A typed folder (Windows-1252, already cut to the field's 120 characters by the dialog): blanks trimmed
// at both ends and a "/" appended when it is not empty and does not end with one. Nothing when the result
// would not fit into `capacity` characters (a 120-character text without a final "/"): the field would
// lose the separator or the last character of the name.
std::optional<std::string> folderFromInput(const std::string& typed, std::size_t capacity);

// The folder stored for a directory chosen with "Suchen": the chosen directory itself with a "/" added
// when it lacks one ("" stays "": nothing was chosen).
std::string folderFromChoice(const std::string& chosen);

}  // namespace kvx
