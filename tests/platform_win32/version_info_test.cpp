// The version information of a Windows program (LUMIVOR_PROGRAM), read as Explorer's
// properties and Task Manager read it: every text of each language the program declares, and
// the version numbers, against the project's version (LUMIVOR_EXPECTED_VERSION) and the
// licence's copyright line (LUMIVOR_LICENCE names the licence file).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/platform/win32/text_encoding.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::platform::win32::Utf16FromUtf8;
using toolkit::platform::win32::Utf8FromUtf16;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') throw std::runtime_error(std::string(name) + " is not set");
  return value;
}

std::string CopyrightLineOfTheLicence() {
  std::ifstream licence(Environment("LUMIVOR_LICENCE"));
  for (std::string line; std::getline(licence, line);)
    if (line.starts_with("Copyright ")) return line;
  throw std::runtime_error("the licence has no copyright line");
}

// The four numbers of a Windows version from the project's "major.minor.patch".
std::vector<WORD> VersionNumbers(const std::string& version) {
  std::vector<WORD> numbers;
  std::istringstream parts(version);
  for (std::string part; std::getline(parts, part, '.');) numbers.push_back(static_cast<WORD>(std::stoi(part)));
  numbers.resize(4, 0);
  return numbers;
}

class VersionResource {
 public:
  VersionResource() : program_(Utf16FromUtf8(Environment("LUMIVOR_PROGRAM"))) {
    const DWORD size = GetFileVersionInfoSizeW(program_.c_str(), nullptr);
    if (size == 0) return;
    bytes_.resize(size);
    if (!GetFileVersionInfoW(program_.c_str(), 0, size, bytes_.data())) bytes_.clear();
  }

  bool Present() const { return !bytes_.empty(); }

  // The value at a path such as L"\\VarFileInfo\\Translation", and its length as
  // VerQueryValueW reports it; nullptr where there is none.
  std::pair<const void*, UINT> Query(const std::wstring& path) const {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(bytes_.data(), path.c_str(), &value, &length)) return {nullptr, 0};
    return {value, length};
  }

  // A text of the string table of a language (such as L"041904B0"), in UTF-8; nullopt where
  // the table has no such text.
  std::optional<std::string> Text(const std::wstring& table, const std::wstring& name) const {
    const auto [value, length] = Query(L"\\StringFileInfo\\" + table + L"\\" + name);
    if (value == nullptr) return std::nullopt;
    // The length counts characters, the terminating zero among them when there is one.
    std::wstring text(static_cast<const wchar_t*>(value), length);
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    return Utf8FromUtf16(text);
  }

 private:
  std::wstring program_;
  std::vector<BYTE> bytes_;
};

struct Language {
  const char* name;
  WORD id;
  const wchar_t* table;  // the language and Unicode's code page 1200 (0x04B0) in hexadecimal
  const char* productName;
  const char* comments;
};
void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

constexpr WORD kUnicodeCodePage = 1200;
const Language kLanguages[] = {
    {"Russian", 0x0419, L"041904B0", "Огни судов (Lumivor)", "Тренажёр огней судов по МППСС-72"},
    {"English", 0x0409, L"040904B0", "Lumivor", "Flash cards on the navigation lights of COLREG 1972"},
};

TEST(VersionInformation, DeclaresRussianAndEnglishInUnicode) {
  const VersionResource resource;
  ASSERT_TRUE(resource.Present()) << "no version information";
  const auto [value, length] = resource.Query(L"\\VarFileInfo\\Translation");
  ASSERT_NE(value, nullptr) << "no translation table";
  const auto* pairs = static_cast<const WORD*>(value);
  const std::vector<WORD> declared(pairs, pairs + length / sizeof(WORD));
  std::vector<WORD> expected;
  for (const Language& language : kLanguages) expected.insert(expected.end(), {language.id, kUnicodeCodePage});
  EXPECT_EQ(declared, expected);
}

TEST(VersionInformation, NumbersTheFileAndTheProductWithTheProjectVersion) {
  const VersionResource resource;
  ASSERT_TRUE(resource.Present()) << "no version information";
  const auto [value, length] = resource.Query(L"\\");
  ASSERT_NE(value, nullptr);
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  const auto numbers = VersionNumbers(Environment("LUMIVOR_EXPECTED_VERSION"));
  const std::vector<WORD> file = {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS),
                                  HIWORD(fixed.dwFileVersionLS), LOWORD(fixed.dwFileVersionLS)};
  const std::vector<WORD> product = {HIWORD(fixed.dwProductVersionMS), LOWORD(fixed.dwProductVersionMS),
                                     HIWORD(fixed.dwProductVersionLS), LOWORD(fixed.dwProductVersionLS)};
  EXPECT_EQ(file, numbers);
  EXPECT_EQ(product, numbers);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
  EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u) << "marked as a debug, pre-release or patched build";
}

class VersionTexts : public testing::TestWithParam<Language> {};

TEST_P(VersionTexts, NameTheProgramItsVersionAndItsLicence) {
  const Language& language = GetParam();
  const VersionResource resource;
  ASSERT_TRUE(resource.Present()) << "no version information";
  const std::string version = Environment("LUMIVOR_EXPECTED_VERSION");
  const std::pair<const wchar_t*, std::string> expected[] = {
      {L"CompanyName", "Lumivor developers"},
      {L"FileDescription", "Тарвель. Zaze"},
      {L"FileVersion", version},
      {L"InternalName", "lumivor"},
      {L"LegalCopyright", CopyrightLineOfTheLicence()},
      {L"OriginalFilename", "lumivor.exe"},
      {L"ProductName", language.productName},
      {L"ProductVersion", version},
      {L"Comments", language.comments},
  };
  for (const auto& [name, text] : expected)
    EXPECT_EQ(resource.Text(language.table, name), text) << Utf8FromUtf16(name);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, VersionTexts, testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumivor::win32_tests
