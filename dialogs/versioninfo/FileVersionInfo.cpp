#include "dialogs/versioninfo/FileVersionInfo.h"

#include "platform/VersionInfo.h"

#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

using platform::GetFileVersionInfoA;
using platform::GetFileVersionInfoSizeA;
using platform::VerQueryValueA;

void TFileVersionInfo::SetFilename(const std::string& filename) {
  FFilename = filename;
  ReadVersionInfo();
}

std::string TFileVersionInfo::GetBuildOnly() const {
  const std::size_t dot = FFileVersion.rfind('.');
  return dot == std::string::npos ? FFileVersion : FFileVersion.substr(dot + 1);
}

void TFileVersionInfo::ReadVersionInfo() {
  const std::pair<const char*, std::string*> keys[] = {{"CompanyName", &FCompanyName},
                                                       {"FileDescription", &FFileDescription},
                                                       {"FileVersion", &FFileVersion},
                                                       {"InternalName", &FInternalName},
                                                       {"LegalCopyright", &FLegalCopyright},
                                                       {"OriginalFilename", &FOriginalFilename},
                                                       {"ProductName", &FProductName},
                                                       {"ProductVersion", &FProductVersion},
                                                       {"Comments", &FComments}};
  for (const auto& key : keys)
    key.second->clear();
  FInfoSize = -1;

  std::error_code error;
  if (!std::filesystem::is_regular_file(FFilename, error))
    throw EFilerError("File not found: " + FFilename);
  platform::DWORD handle = 0;
  const platform::DWORD size = GetFileVersionInfoSizeA(FFilename.c_str(), &handle);
  FInfoSize = size;
  if (size == 0) throw EReadError("Invalid version info record in file " + FFilename);
  std::vector<unsigned char> block(size, 0);
  GetFileVersionInfoA(FFilename.c_str(), handle, size, block.data());

  void* value = nullptr;
  platform::UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4)
    throw EReadError("Invalid language info in file " + FFilename);
  const auto* translation = static_cast<const unsigned char*>(value);
  char language[9];
  std::snprintf(language, sizeof language, "%04X%04X", translation[0] | translation[1] << 8,
                translation[2] | translation[3] << 8);
  FLanguageInfo = language;

  for (const auto& [key, text] : keys) {
    const std::string path = "\\StringFileInfo\\" + FLanguageInfo + "\\" + key;
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &length)) length = 0;
    *text = length == 0 ? "n/a" : std::string(static_cast<const char*>(value));
  }
}
