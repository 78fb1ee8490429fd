#include "x_resources.h"

#include "process.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace e2e {
namespace {

// xrdb reads its input from a file; -nocpp keeps the C preprocessor out.
void runXrdbWith(const std::string& option, const std::string& resources) {
  char path[] = "/tmp/e2e-xrdb-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  close(fd);
  std::ofstream(path) << resources;
  try {
    runChecked({"xrdb", "-nocpp", option, path});
  } catch (...) {
    std::filesystem::remove(path);
    throw;
  }
  std::filesystem::remove(path);
}

}  // namespace

ResourceDatabaseOverride::ResourceDatabaseOverride(const std::string& resources)
    : previous_(runChecked({"xrdb", "-query"})) {
  runXrdbWith("-merge", resources + "\n");
}

ResourceDatabaseOverride::~ResourceDatabaseOverride() {
  try {
    if (previous_.empty())
      runChecked({"xrdb", "-remove"});
    else
      runXrdbWith("-load", previous_);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "could not restore the X resource database: %s\n", e.what());
  }
}

}  // namespace e2e
