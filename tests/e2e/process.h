#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

// Environment entries "NAME=value" that replace or extend the inherited ones.
using EnvironmentOverrides = std::vector<std::string>;

// This process's ends of pipes to a child's standard input and output.
struct StandardPipes {
  int toInput = -1;
  int fromOutput = -1;
};

// A program started in the background. It is killed when the object goes
// away, so a failing test never leaves it running.
class ChildProcess {
public:
  explicit ChildProcess(const std::vector<std::string>& argv,
                        const EnvironmentOverrides& environment = {});
  // Starts the program with its standard input and output connected to `pipes`, which the
  // caller closes.
  ChildProcess(const std::vector<std::string>& argv, const EnvironmentOverrides& environment,
               StandardPipes& pipes);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // Taking another's process ends this one's first.
  ChildProcess& operator=(ChildProcess&& other) noexcept;

  pid_t pid() const { return pid_; }

  // The exit code once the process has ended (128 + signal number if a
  // signal ended it), or nothing if it is still running after the timeout.
  std::optional<int> waitForExit(std::chrono::milliseconds timeout);
  bool hasExited();

private:
  bool reap(int options);
  void kill();

  pid_t pid_ = -1;
  std::optional<int> exitCode_;
};

struct CommandResult {
  int exitCode = -1;
  std::string output;  // everything the command wrote to standard output
};

// Runs a command to its end and collects its standard output.
CommandResult runCommand(const std::vector<std::string>& argv,
                         const EnvironmentOverrides& environment = {});

// As runCommand, but a non-zero exit code throws std::runtime_error.
std::string runChecked(const std::vector<std::string>& argv,
                       const EnvironmentOverrides& environment = {});

}  // namespace e2e
