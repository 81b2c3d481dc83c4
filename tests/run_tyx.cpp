#include "run_tyx.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

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
  std::array<char, 4096> block{};
  std::size_t length = 0;
  while ((length = std::fread(block.data(), 1, block.size(), file)) > 0) {
    text.append(block.data(), length);
  }
  static_cast<void>(std::fclose(file));
  return text;
}

// The null-terminated array of C strings that exec takes, over `words`.
std::vector<char *> c_strings(std::vector<std::string> &words) {
  std::vector<char *> pointers;
  pointers.reserve(words.size() + 1);
  std::transform(words.begin(), words.end(), std::back_inserter(pointers),
                 [](std::string &word) { return word.data(); });
  pointers.push_back(nullptr);
  return pointers;
}

// The words of TYX_EMULATOR, split at spaces.
std::vector<std::string> emulator() {
  std::vector<std::string> words;
  const char *command = std::getenv("TYX_EMULATOR");
  std::istringstream stream{command == nullptr ? "" : command};
  for (std::string word; stream >> word;) {
    words.push_back(word);
  }
  return words;
}

} // namespace

bool emulated() { return !emulator().empty(); }

run_result run_tyx(const std::string &program, const std::vector<std::string> &arguments,
                   const char *zone, output_to output) {
  std::vector<std::string> words = emulator();
  words.push_back(program);
  words.insert(words.end(), arguments.begin(), arguments.end());
  const std::vector<char *> argv = c_strings(words);

  // The child inherits this process's environment; nothing else here reads TZ.
  if (setenv("TZ", zone, 1) != 0) {
    throw std::system_error(errno, std::generic_category(), "setenv");
  }

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
  const int spawned =
      posix_spawnp(&child, argv.front(), &actions, &attributes, argv.data(), environ);
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
