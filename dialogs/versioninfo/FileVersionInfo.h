#pragma once
// TFileVersionInfo reads a file's version record (the program's own, for the
// About box) through the version-record service and keeps its first
// translation and nine texts of the string table for that translation.
// Writing Filename reads the record at once:
//
//   TFileVersionInfo info;
//   info.SetFilename("/usr/bin/tallyon"); // throws EFilerError / EReadError
//   info.LanguageInfo() -> "040904E4"   info.ProductName() -> "Tallyon"
//   info.Comments() -> "n/a" when the record has no Comments at all
//   info.GetBuildOnly() -> "17" for FileVersion "1.0.1.17"

#include <cstdint>
#include <stdexcept>
#include <string>

// "File not found: <name>".
class EFilerError : public std::runtime_error {
public:
  explicit EFilerError(const std::string& message) : std::runtime_error(message) {}
};

// "Invalid version info record in file <name>", "Invalid language info in
// file <name>".
class EReadError : public EFilerError {
public:
  explicit EReadError(const std::string& message) : EFilerError(message) {}
};

class TFileVersionInfo {
public:
  const std::string& Filename() const { return FFilename; }
  // A failure leaves the nine texts empty; LanguageInfo changes only once
  // the record's translation has been read.
  void SetFilename(const std::string& filename);

  const std::string& LanguageInfo() const { return FLanguageInfo; }
  const std::string& CompanyName() const { return FCompanyName; }
  const std::string& FileDescription() const { return FFileDescription; }
  const std::string& FileVersion() const { return FFileVersion; }
  const std::string& InternalName() const { return FInternalName; }
  const std::string& LegalCopyright() const { return FLegalCopyright; }
  const std::string& OriginalFilename() const { return FOriginalFilename; }
  const std::string& ProductName() const { return FProductName; }
  const std::string& ProductVersion() const { return FProductVersion; }
  const std::string& Comments() const { return FComments; }

  // The size of the last record read; -1 before any (and after a missing file).
  std::int64_t InfoSize() const { return FInfoSize; }

  // FileVersion after its last ".", or all of it: "1.0.1.17" -> "17", "n/a" -> "n/a".
  std::string GetBuildOnly() const;

private:
  void ReadVersionInfo();

  std::string FFilename;
  std::string FLanguageInfo;
  std::string FCompanyName, FFileDescription, FFileVersion, FInternalName, FLegalCopyright,
      FOriginalFilename, FProductName, FProductVersion, FComments;
  std::int64_t FInfoSize = -1;
};
