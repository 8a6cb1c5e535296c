#include "ui/TapeJournal.h"

#include "platform/AtomicFile.h"
#include "platform/StateFile.h"

#include <chrono>
#include <string_view>
#include <vector>

namespace ui {

namespace {

// The whole lines of a file's text, and whether a line cut short (without
// its newline, as a crash in the middle of a write leaves it) follows them.
std::vector<std::string_view> LinesOf(std::string_view text, bool& cutShort) {
  std::vector<std::string_view> lines;
  std::size_t end = 0;
  while ((end = text.find('\n')) != std::string_view::npos) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  cutShort = !text.empty();
  return lines;
}

std::int64_t Now() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// A missing file reads as an empty one.
std::optional<std::string> ReadIfThere(const std::filesystem::path& file, std::error_code& error) {
  auto content = platform::ReadWholeFile(file, error);
  if (!content && error == std::errc::no_such_file_or_directory) return std::string();
  return content;
}

} // namespace

std::optional<std::filesystem::path> TTapeJournal::DefaultFile() {
  const auto home = platform::StateHome();
  if (!home) return std::nullopt;
  return *home / "Corvane" / "Tallyon.tape";
}

bool TTapeJournal::Load() {
  FEntries.clear();
  FDamaged = 0;
  FFileLines = 0;
  std::error_code error;
  const auto content = ReadIfThere(FFile, error);
  if (!content) return Succeeded(error);
  const auto lines = LinesOf(*content, FEndsMidLine);
  FDamaged = FEndsMidLine ? 1 : 0;
  FFileLines = lines.size() + FDamaged;
  for (const std::string_view line : lines) {
    auto entry = ReadTapeLine(line);
    if (!entry) {
      ++FDamaged;
      continue;
    }
    FEntries.push_back(std::move(*entry));
    if (FEntries.size() > Capacity) FEntries.pop_front();
  }
  return true;
}

bool TTapeJournal::SetKeepAcrossRestarts(bool keep) {
  if (keep == FKeep) return true;
  FKeep = keep;
  if (!keep) {
    FFileLines = 0;
    return Succeeded(platform::EmptyFile(FFile));
  }
  std::string lines;
  for (const TTapeEntry& entry : FEntries)
    lines += TapeLine(entry);
  FFileLines = FEntries.size();
  FEndsMidLine = false;
  return Succeeded(platform::MakeStateFolder(FFile.parent_path())) &&
         Succeeded(platform::ReplaceFile(FFile, lines));
}

bool TTapeJournal::Add(TTapeEntry entry) {
  if (entry.Time == 0) entry.Time = Now();
  FEntries.push_back(std::move(entry));
  if (FEntries.size() > Capacity) FEntries.pop_front();
  if (!FKeep) return true;
  if (!Append(TapeLine(FEntries.back()))) return false;
  return FFileLines <= 2 * Capacity || Rewrite();
}

bool TTapeJournal::Append(const std::string& line) {
  // A line cut short by a crash is ended first, in the same write, with a
  // tab that no whole line's text holds, so that it never reads as whole.
  const std::string text = FEndsMidLine ? "\t\n" + line : line;
  std::error_code error = platform::AppendToFile(FFile, text);
  // The folder may have gone since the start; it is made again once.
  if (error && !platform::MakeStateFolder(FFile.parent_path()))
    error = platform::AppendToFile(FFile, text);
  if (!Succeeded(error)) return false;
  FEndsMidLine = false;
  ++FFileLines;
  return true;
}

bool TTapeJournal::Remove(std::size_t index) {
  if (index >= FEntries.size()) return true;
  const std::string line = TapeLine(FEntries[index]);
  FEntries.erase(FEntries.begin() + std::ptrdiff_t(index));
  return !FKeep || Rewrite(&line);
}

bool TTapeJournal::Clear() {
  FEntries.clear();
  FFileLines = 0;
  FEndsMidLine = false;
  return !FKeep || Succeeded(platform::EmptyFile(FFile));
}

bool TTapeJournal::Rewrite(const std::string* drop) {
  std::error_code error;
  const auto content = ReadIfThere(FFile, error);
  if (!content) return Succeeded(error);
  std::vector<std::string_view> kept;
  bool cutShort = false;
  for (const std::string_view line : LinesOf(*content, cutShort))
    if (ReadTapeLine(line)) kept.push_back(line);
  if (drop != nullptr) {
    const std::string_view dropped(drop->data(), drop->size() - 1); // without its newline
    for (auto line = kept.rbegin(); line != kept.rend(); ++line)
      if (*line == dropped) {
        kept.erase(std::next(line).base());
        break;
      }
  }
  const std::size_t first = kept.size() > Capacity ? kept.size() - Capacity : 0;
  std::string lines;
  for (std::size_t i = first; i < kept.size(); ++i)
    (lines += kept[i]) += '\n';
  if (!Succeeded(platform::ReplaceFile(FFile, lines))) return false;
  FFileLines = kept.size() - first;
  FEndsMidLine = false;
  return true;
}

bool TTapeJournal::Succeeded(std::error_code error) {
  if (error) FError = error;
  return !error;
}

} // namespace ui
