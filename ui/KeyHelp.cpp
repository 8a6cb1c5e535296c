#include "ui/KeyHelp.h"

namespace {

std::string AsWritten(const char* text) {
  return text;
}

// UTF-8 to groff: hyphens as minus signs, other characters as \[uXXXX].
std::string Roff(const std::string& text) {
  std::string roff;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      roff += lead == '-' ? "\\-" : lead == '\\' ? "\\e" : std::string(1, char(lead));
      ++i;
      continue;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t code = lead & (0x7F >> length);
    for (int k = 1; k < length && i + std::size_t(k) < text.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3F);
    static const char Hex[] = "0123456789ABCDEF";
    std::string digits;
    for (int shift = code > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4)
      digits += Hex[(code >> shift) & 0xF];
    roff += "\\[u" + digits + "]";
    i += std::size_t(length);
  }
  return roff;
}

} // namespace

std::string ui::KeyHelpLines(const std::function<std::string(const TKeyRow&)>& line,
                             const std::string& panelLine) {
  std::string lines;
  bool panel = false;
  for (const TKeyRow& row : KeyRows) {
    if (row.Section == TKeySection::FunctionsPanel && !panel) {
      lines += panelLine;
      panel = true;
    }
    lines += line(row);
  }
  return lines;
}

std::string ui::HelpKeys(const TKeyRow& row, const TTranslate& translate) {
  const TTranslate& text = translate ? translate : AsWritten;
  if (row.Keys != nullptr) return text(row.Keys);
  std::string keys;
  for (const TKeyBinding& binding : row.Bindings) {
    const std::string name = KeyName(binding);
    if (name.empty()) continue;
    keys += (keys.empty() ? "" : ", ") + name;
  }
  return keys;
}

std::string ui::KeyHelpMarkdown() {
  return "| key | key on the window |\n|---|---|\n" +
         KeyHelpLines(
             [](const TKeyRow& row) { return "| " + HelpKeys(row) + " | " + row.Does + " |\n"; },
             "| *with the functions panel shown:* | |\n");
}

std::string ui::KeyHelpManPage() {
  return KeyHelpLines(
      [](const TKeyRow& row) {
        return ".TP\n.B " + Roff(HelpKeys(row)) + "\n\\&" + Roff(row.Does) + ".\n";
      },
      ".PP\nWhile the functions panel shows (View \\(-> Functions):\n");
}
