#include "run_tyx.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <system_error>

extern char **environ;

namespace tyx_test {
namespace {

void check(int result, const char *what) {
  if (result != 0) {
    throw std::system_error(result, std::generic_category(), what);
  }
}

std::string read_all(std::FILE *file) {
  std::string text;
  std::rewind(file);
  char block[4096];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) {
    text.append(block, n);
  }
  std::fclose(file);
  return text;
}

} // namespace

run_result run_tyx(const std::string &program,
                   const std::vector<std::string> &arguments, const char *zone,
                   output_to output) {
  std::vector<char *> argv{const_cast<char *>(program.c_str())};
  for (const auto &argument : arguments) {
    argv.push_back(const_cast<char *>(argument.c_str()));
  }
  argv.push_back(nullptr);

  std::vector<std::string> environment;
  for (char **entry = environ; *entry != nullptr; ++entry) {
    if (std::string{*entry}.rfind("TZ=", 0) != 0) {
      environment.emplace_back(*entry);
    }
  }
  if (zone != nullptr) {
    environment.push_back(std::string{"TZ="} + zone);
  }
  std::vector<char *> envp;
  for (auto &entry : environment) {
    envp.push_back(entry.data());
  }
  envp.push_back(nullptr);

  std::FILE *out = std::tmpfile();
  std::FILE *err = std::tmpfile();
  if (out == nullptr || err == nullptr) {
    throw std::system_error(errno, std::generic_category(), "tmpfile");
  }
  int pipe_ends[2] = {-1, -1};

  posix_spawn_file_actions_t actions;
  check(posix_spawn_file_actions_init(&actions), "file actions");
  check(posix_spawn_file_actions_adddup2(&actions, fileno(err), STDERR_FILENO), "stderr");
  switch (output) {
  case output_to::capture:
    check(posix_spawn_file_actions_adddup2(&actions, fileno(out), STDOUT_FILENO), "stdout");
    break;
  case output_to::full_device:
    check(posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0),
          "/dev/full");
    break;
  case output_to::closed:
    check(posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO), "close");
    break;
  case output_to::closed_pipe:
    if (pipe(pipe_ends) != 0) {
      throw std::system_error(errno, std::generic_category(), "pipe");
    }
    close(pipe_ends[0]); // nobody will ever read
    check(posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO), "pipe");
    break;
  }

  // Whatever this process ignores, the child starts with SIGPIPE's default.
  posix_spawnattr_t attributes;
  check(posix_spawnattr_init(&attributes), "attributes");
  sigset_t default_signals;
  sigemptyset(&default_signals);
  sigaddset(&default_signals, SIGPIPE);
  check(posix_spawnattr_setsigdefault(&attributes, &default_signals), "sigdefault");
  check(posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF), "flags");

  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, &attributes,
                                  argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (pipe_ends[1] != -1) {
    close(pipe_ends[1]);
  }
  check(spawned, "spawn");

  int status = 0;
  while (waitpid(child, &status, 0) == -1) {
    if (errno != EINTR) {
      throw std::system_error(errno, std::generic_category(), "waitpid");
    }
  }
  run_result result;
  if (WIFEXITED(status)) {
    result.exit_status = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  result.out = read_all(out);
  result.err = read_all(err);
  return result;
}

} // namespace tyx_test
