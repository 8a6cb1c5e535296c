#pragma once
// Whole-file reads and crash-safe whole-file replacement. A replacement
// writes a new file beside the old one, flushes it to disk and renames it
// over the old one, so that at any moment (a crash, a power cut, a second
// process saving at the same time) the name holds one whole file.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform {

// The file's bytes, in a text with `room` bytes of capacity beyond them;
// nullopt when it cannot be read, with `error` telling why.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::error_code& error,
                                         std::size_t room = 0);

// The steps of ReplaceFile, in their order.
enum class ReplaceStep { CreateTemporary, Write, Flush, Close, Rename, FlushFolder };

// Replaces the file at `path` with `content`; on POSIX systems the new file
// is readable and writable by its owner only, on Windows it takes the
// folder's inherited access as any new file does.
// The error of the step that failed, when one up to the rename fails: the
// old file is then untouched and the temporary one removed. A failing flush
// of the folder after the rename is not reported, since the new file is
// already in place and some file systems cannot flush a folder.
[[nodiscard]] std::error_code ReplaceFile(const std::filesystem::path& path,
                                          std::string_view content);

// For tests: called before each step of ReplaceFile; returning true makes
// that step fail with an input/output error. An empty function (the
// default) fails nothing.
void SetReplaceFaultForTesting(std::function<bool(ReplaceStep)> fault);

// For the backends: whether the test's fault function fails `step`.
bool ReplaceFaultInjected(ReplaceStep step);

} // namespace platform
