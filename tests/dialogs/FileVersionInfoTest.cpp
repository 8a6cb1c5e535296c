#include "dialogs/versioninfo/FileVersionInfo.h"

#include "platform/VersionInfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// "\u00A9" as the version-record service hands it out: UTF-8 here, the ANSI
// code page (Windows-1252 on an English system) on Windows.
#ifdef _WIN32
constexpr const char* kCopyrightSign = "\xA9";
#else
constexpr const char* kCopyrightSign = "\xC2\xA9";
#endif

// The nine texts in their order of reading.
std::vector<std::string> Texts(const TFileVersionInfo& info) {
  return {info.CompanyName(),  info.FileDescription(), info.FileVersion(),
          info.InternalName(), info.LegalCopyright(),  info.OriginalFilename(),
          info.ProductName(),  info.ProductVersion(),  info.Comments()};
}

// The error's kind and message.
std::string FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EReadError& error) {
    return std::string("EReadError: ") + error.what();
  } catch (const EFilerError& error) {
    return std::string("EFilerError: ") + error.what();
  }
  return "(no error)";
}

TEST(FileVersionInfo, TheProgramsOwnRecord) {
  TFileVersionInfo info;
  EXPECT_EQ(info.InfoSize(), -1);
  info.SetFilename(TALLYON_PROGRAM);
  EXPECT_EQ(info.Filename(), TALLYON_PROGRAM);
  EXPECT_EQ(info.LanguageInfo(), "040904E4");
  EXPECT_EQ(Texts(info),
            (std::vector<std::string>{"Corvane", "Simple Calculator", "1.0.1.17", "Calculator",
                                      "Copyright (C) 2002 Corvane", "", "Tallyon", "1.0.1.0", ""}));
  EXPECT_EQ(info.GetBuildOnly(), "17");
  EXPECT_EQ(info.InfoSize(), platform::GetFileVersionInfoSizeA(TALLYON_PROGRAM, nullptr));
  EXPECT_GT(info.InfoSize(), 0);
}

TEST(FileVersionInfo, ASecondRecordWithMissingAndEmptyTexts) {
  TFileVersionInfo info;
  info.SetFilename(VERSIONED_SAMPLE);
  EXPECT_EQ(info.LanguageInfo(), "040704B0");
  EXPECT_EQ(Texts(info),
            (std::vector<std::string>{"Sample Works", "Sample Program", "n/a", "sample",
                                      std::string(kCopyrightSign) + " 2024 Sample Works", "",
                                      "Sample", "2.5.0.0", "n/a"}));
  EXPECT_EQ(info.GetBuildOnly(), "n/a");
}

TEST(FileVersionInfo, FailuresKeepTheLanguageAndEmptyTheTexts) {
  const std::vector<std::string> empty(9);
  const struct {
    const char* file;
    std::string message;
    bool sized;     // the record size is known
    bool readError; // an EReadError (else only an EFilerError)
  } table[] = {
      {"/nonexistent/tallyon", "File not found: /nonexistent/tallyon", false, false},
      {"/", "File not found: /", false, false},
      {"/bin/sh", "Invalid version info record in file /bin/sh", true, true},
      {UNTRANSLATED_SAMPLE, std::string("Invalid language info in file ") + UNTRANSLATED_SAMPLE,
       true, true},
  };
  for (const auto& row : table) {
    TFileVersionInfo info;
    info.SetFilename(TALLYON_PROGRAM);
    EXPECT_EQ(FailureOf([&] { info.SetFilename(row.file); }),
              (row.readError ? "EReadError: " : "EFilerError: ") + row.message);
    EXPECT_EQ(info.Filename(), row.file);
    EXPECT_EQ(info.LanguageInfo(), "040904E4") << row.file;
    EXPECT_EQ(Texts(info), empty) << row.file;
    EXPECT_EQ(info.GetBuildOnly(), "");
    const std::int64_t size =
        row.sized ? std::int64_t(platform::GetFileVersionInfoSizeA(row.file, nullptr)) : -1;
    EXPECT_EQ(info.InfoSize(), size) << row.file;
  }
}

} // namespace
