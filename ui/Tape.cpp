#include "ui/Tape.h"

#include "ui/Text.h"

const char* const ui::TapeClearQuestion =
    TALLYON_TEXT("TFCalc", "Clear the tape? All its entries (%1) will be removed for good.");
const char* const ui::TapeDamagedNotice = TALLYON_TEXT(
    "TFCalc", "Lines of the tape file \"%1\" that could not be read were skipped (%2).");
const char* const ui::TapeFailureNotice =
    TALLYON_TEXT("TFCalc", "The tape cannot be kept in \"%1\": %2. Its entries are kept until "
                           "Tallyon closes.");

std::string ui::FillIn(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string filled;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::size_t index = at + 1 < text.size() ? std::size_t(text[at + 1] - '1') : SIZE_MAX;
    if (text[at] == '%' && index < values.size()) {
      filled += values.begin()[index];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

void ui::TTape::Before(const TCVCalculator& engine, TCalcAction action, bool thouSep) {
  FChain.SetThouSep(thouSep);
  FChain.Before(engine, action);
}

std::optional<ui::TTape::TAdded> ui::TTape::After(const TCVCalculator& engine) {
  auto entry = FChain.After(engine);
  if (!entry) return std::nullopt;
  const std::size_t before = FJournal.Entries().size();
  Check(FJournal.Add(std::move(*entry)));
  return TAdded{FJournal.Entries().back(), FJournal.Entries().size() == before};
}

void ui::TTape::Keep(bool keep) {
  keep = keep && !FJournal.File().empty();
  if (keep != FJournal.KeepAcrossRestarts()) Check(FJournal.SetKeepAcrossRestarts(keep));
}

// An entry made before the load is in the file already.
bool ui::TTape::LoadOnce() {
  if (FLoaded) return false;
  FLoaded = true;
  if (!FJournal.KeepAcrossRestarts()) return false;
  const bool read = FJournal.Load();
  Check(read);
  return read;
}

std::optional<Extended> ui::TTape::Result(std::size_t row) const {
  if (row >= Entries().size()) return std::nullopt;
  return Entries()[row].Result;
}

std::string ui::TTape::Text(std::span<const std::size_t> rows) const {
  std::string text;
  for (const std::size_t row : rows)
    if (row < Entries().size()) text += Entries()[row].Text + '\n';
  return text;
}

std::string ui::TTape::Text() const {
  std::string text;
  for (const TTapeEntry& entry : Entries())
    text += entry.Text + '\n';
  return text;
}

void ui::TTape::Remove(std::span<const std::size_t> rows) {
  bool written = true;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    written = FJournal.Remove(*row) && written;
  Check(written);
}

void ui::TTape::Clear() {
  Check(FJournal.Clear());
}

bool ui::TTape::TakeFailure() {
  if (!FFailed || FFailureTold) return false;
  FFailureTold = true;
  return true;
}

void ui::TTape::Check(bool succeeded) {
  if (!succeeded) FFailed = true;
}
