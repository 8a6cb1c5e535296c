#include "ui/ErrorText.h"

namespace {

// A conversion error quotes the whole text it could not read, which may be a
// stored value of any length; a box with a million characters would take
// seconds to lay out and could not be read anyway.
constexpr std::size_t LongestWholeMessage = 300;
constexpr std::size_t KeptAtEachEnd = 120;

// The message, or its start and end joined by an ellipsis, cut between
// UTF-8 characters.
std::string Shortened(const std::string& message) {
  if (message.size() <= LongestWholeMessage) return message;
  const auto characterStart = [&](std::size_t at) {
    while (at > 0 && (static_cast<unsigned char>(message[at]) & 0xC0) == 0x80)
      --at;
    return at;
  };
  return message.substr(0, characterStart(KeptAtEachEnd)) + "\u2026" +
         message.substr(characterStart(message.size() - KeptAtEachEnd));
}

} // namespace

std::string ui::ErrorBoxText(const std::string& message) {
  const std::string shown = Shortened(message);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') return shown + '.';
  return shown;
}
