#include "engine/StoredNumber.h"

#include "engine/NumberText.h"

#include <algorithm>

namespace engine {

std::string StoredNumberText(std::string_view stored, char decimalSeparator) {
  std::string text(stored);
  const auto isMark = [](char c) { return c == '.' || c == ','; };
  if (std::count_if(text.begin(), text.end(), isMark) == 1)
    *std::find_if(text.begin(), text.end(), isMark) = decimalSeparator;
  return text;
}

std::string StoredNumberText(std::string_view stored) {
  return StoredNumberText(stored, CurrentSeparators().decimal);
}

} // namespace engine
