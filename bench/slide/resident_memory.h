#pragma once

#include <fstream>
#include <string>

// The process's resident memory now, in MiB; -1 where the system does not tell.
inline double ResidentMebibytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}
