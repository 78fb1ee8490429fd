#include "process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <utility>
#include <unistd.h>

extern char** environ;

namespace e2e {
namespace {

std::string variableName(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

std::vector<std::string> environmentWith(const EnvironmentOverrides& overrides) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string inherited(*entry);
    const bool replaced = std::any_of(overrides.begin(), overrides.end(), [&](const std::string& o) {
      return variableName(o) == variableName(inherited);
    });
    if (!replaced) result.push_back(inherited);
  }
  result.insert(result.end(), overrides.begin(), overrides.end());
  return result;
}

// argv/envp style view of strings; valid while the strings live.
std::vector<char*> nullTerminated(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::string commandLine(const std::vector<std::string>& argv) {
  std::string line;
  for (const auto& arg : argv) line += (line.empty() ? "" : " ") + arg;
  return line;
}

pid_t spawn(std::vector<std::string> argv, const EnvironmentOverrides& overrides,
            const posix_spawn_file_actions_t* actions) {
  if (argv.empty()) throw std::invalid_argument("empty command");
  auto environment = environmentWith(overrides);
  auto argvPointers = nullTerminated(argv);
  auto envPointers = nullTerminated(environment);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, argv.front().c_str(), actions, nullptr,
                                 argvPointers.data(), envPointers.data());
  if (error != 0)
    throw std::runtime_error("cannot start " + commandLine(argv) + ": " + std::strerror(error));
  return pid;
}

// Spawns with each descriptor of `redirects` in place of the standard stream paired with it.
pid_t spawnRedirected(const std::vector<std::string>& argv, const EnvironmentOverrides& environment,
                      std::initializer_list<std::pair<int, int>> redirects) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const auto& [descriptor, stream] : redirects) posix_spawn_file_actions_adddup2(&actions, descriptor, stream);
  try {
    const pid_t pid = spawn(argv, environment, &actions);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  } catch (...) {
    posix_spawn_file_actions_destroy(&actions);
    throw;
  }
}

pid_t spawnWithPipes(const std::vector<std::string>& argv, const EnvironmentOverrides& environment,
                     StandardPipes& pipes) {
  int input[2];
  int output[2];
  if (pipe2(input, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (pipe2(output, O_CLOEXEC) != 0) {
    close(input[0]);
    close(input[1]);
    throw std::runtime_error("pipe failed");
  }
  pid_t pid = -1;
  try {
    pid = spawnRedirected(argv, environment, {{input[0], STDIN_FILENO}, {output[1], STDOUT_FILENO}});
  } catch (...) {
    for (const int end : {input[0], input[1], output[0], output[1]}) close(end);
    throw;
  }
  close(input[0]);
  close(output[1]);
  pipes = {input[1], output[0]};
  return pid;
}

int exitCodeOf(int status) {
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const EnvironmentOverrides& environment)
    : pid_(spawn(argv, environment, nullptr)) {}

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const EnvironmentOverrides& environment, StandardPipes& pipes)
    : pid_(spawnWithPipes(argv, environment, pipes)) {}

ChildProcess::~ChildProcess() { kill(); }

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    kill();
    pid_ = std::exchange(other.pid_, -1);
    exitCode_ = std::exchange(other.exitCode_, std::nullopt);
  }
  return *this;
}

bool ChildProcess::reap(int options) {
  if (exitCode_) return true;
  int status = 0;
  pid_t result;
  do {
    result = waitpid(pid_, &status, options);
  } while (result < 0 && errno == EINTR);
  if (result != pid_) return false;
  exitCode_ = exitCodeOf(status);
  return true;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!reap(WNOHANG)) {
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return exitCode_;
}

bool ChildProcess::hasExited() { return reap(WNOHANG); }

void ChildProcess::kill() {
  // A process given away has no pid left, and waitpid(-1) would reap any child at all.
  if (pid_ < 0 || reap(WNOHANG)) return;
  ::kill(pid_, SIGKILL);
  reap(0);
}

CommandResult runCommand(const std::vector<std::string>& argv,
                         const EnvironmentOverrides& environment) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = -1;
  try {
    pid = spawnRedirected(argv, environment, {{pipeEnds[1], STDOUT_FILENO}});
  } catch (...) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    throw;
  }
  close(pipeEnds[1]);

  CommandResult result;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
    if (n > 0) result.output.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || errno != EINTR) break;
  }
  close(pipeEnds[0]);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
  result.exitCode = exitCodeOf(status);
  return result;
}

std::string runChecked(const std::vector<std::string>& argv,
                       const EnvironmentOverrides& environment) {
  auto result = runCommand(argv, environment);
  if (result.exitCode != 0)
    throw std::runtime_error(commandLine(argv) + " failed with exit code " +
                             std::to_string(result.exitCode));
  return result.output;
}

}  // namespace e2e
