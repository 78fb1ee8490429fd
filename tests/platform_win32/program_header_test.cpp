// What Windows reads from a program (LUMIVOR_PROGRAM) before it runs it: the oldest system the
// PE header says it is written for, and the display scaling its manifest asks for.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/platform/win32/text_encoding.h"

namespace lumivor::win32_tests {
namespace {

std::string Program() {
  const char* program = std::getenv("LUMIVOR_PROGRAM");
  if (program == nullptr || *program == '\0') throw std::runtime_error("LUMIVOR_PROGRAM is not set");
  return program;
}

template <typename T>
T ReadAt(const std::vector<char>& bytes, size_t offset) {
  if (offset + sizeof(T) > bytes.size()) throw std::runtime_error("the file ends inside its header");
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

struct SubsystemVersion {
  WORD subsystem;
  WORD major;
  WORD minor;
};

// From the optional header, whose 32-bit and 64-bit forms both carry these fields.
SubsystemVersion SubsystemVersionOf(const std::string& program) {
  std::ifstream file(program, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const auto dos = ReadAt<IMAGE_DOS_HEADER>(bytes, 0);
  if (dos.e_magic != IMAGE_DOS_SIGNATURE) throw std::runtime_error("not a Windows program");
  const size_t headers = static_cast<size_t>(dos.e_lfanew);
  if (ReadAt<DWORD>(bytes, headers) != IMAGE_NT_SIGNATURE) throw std::runtime_error("no PE header");
  const size_t optional = headers + offsetof(IMAGE_NT_HEADERS32, OptionalHeader);
  switch (ReadAt<WORD>(bytes, optional)) {
    case IMAGE_NT_OPTIONAL_HDR32_MAGIC: {
      const auto header = ReadAt<IMAGE_OPTIONAL_HEADER32>(bytes, optional);
      return {header.Subsystem, header.MajorSubsystemVersion, header.MinorSubsystemVersion};
    }
    case IMAGE_NT_OPTIONAL_HDR64_MAGIC: {
      const auto header = ReadAt<IMAGE_OPTIONAL_HEADER64>(bytes, optional);
      return {header.Subsystem, header.MajorSubsystemVersion, header.MinorSubsystemVersion};
    }
    default:
      throw std::runtime_error("an optional header of neither form");
  }
}

// The manifest Windows reads when it starts the program, as the resource loader finds it.
std::string ManifestOf(const std::string& program) {
  const std::wstring path = toolkit::platform::win32::Utf16FromUtf8(program);
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) throw std::runtime_error("the program cannot be opened for its resources");
  std::string text;
  if (HRSRC found = FindResourceW(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST)) {
    if (HGLOBAL loaded = LoadResource(module, found)) {
      text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    }
  }
  FreeLibrary(module);
  return text;
}

std::string ElementText(const std::string& xml, const std::string& element) {
  std::smatch match;
  if (!std::regex_search(xml, match, std::regex("<" + element + "\\b[^>]*>([^<]*)</" + element + ">"))) return {};
  return match[1];
}

TEST(ProgramHeader, NamesWindows7AsTheOldestSystemOfAWindowProgram) {
  const SubsystemVersion version = SubsystemVersionOf(Program());
  EXPECT_EQ(version.subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  EXPECT_EQ(version.major, 6);
  EXPECT_EQ(version.minor, 1);
}

TEST(ProgramManifest, AsksForEachMonitorsScaleOnEveryWindowsThatKnowsOne) {
  const std::string manifest = ManifestOf(Program());
  ASSERT_FALSE(manifest.empty()) << "no manifest resource";
  // Windows 10 1703 and later take PerMonitorV2; 1607 does not know it and takes PerMonitor.
  EXPECT_EQ(ElementText(manifest, "dpiAwareness"), "PerMonitorV2, PerMonitor");
  // Windows 8.1, and Windows 10 before 1607, read only this.
  EXPECT_EQ(ElementText(manifest, "dpiAware"), "True/PM");
}

}  // namespace
}  // namespace lumivor::win32_tests
