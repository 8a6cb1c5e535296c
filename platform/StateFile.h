#pragma once
// Files the program keeps of its own state (the tape): where they live, and
// the two writes a journal needs besides a whole replacement (AtomicFile):
// one line appended in one write, and emptying. Each returns the error
// that stopped it, or none.

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace platform {

// The user's folder for program state: $XDG_STATE_HOME, or ~/.local/state
// when it is unset or not absolute; %LOCALAPPDATA% on Windows. Nothing
// when no home folder is known.
std::optional<std::filesystem::path> StateHome();

// Makes the folder and its missing parents, readable by the user alone.
std::error_code MakeStateFolder(const std::filesystem::path& folder);

// Appends `text` (whole lines) to the file in one write to its end, creating
// the file readable and writable by its owner only. Another process
// appending at the same time writes before or after it, never inside.
std::error_code AppendToFile(const std::filesystem::path& path, std::string_view text);

// Cuts the file to nothing; a missing file is already empty.
std::error_code EmptyFile(const std::filesystem::path& path);

} // namespace platform
