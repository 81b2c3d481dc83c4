#include "run_tyx.hpp"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <stdexcept>
#include <system_error>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

// POSIX defines it, but no header has to declare it (glibc does so only with
// _GNU_SOURCE).
extern char **environ; // NOLINT(readability-redundant-declaration)
#endif

namespace tyx_test {
namespace {

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

std::string as_written(const std::string &text) {
  if (!windows) {
    return text;
  }
  std::string written;
  for (const char character : text) {
    if (character == '\n') {
      written += '\r';
    }
    written += character;
  }
  return written;
}

#if defined(_WIN32)
namespace {

[[noreturn]] void fail(const char *what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

std::wstring widened(const std::string &text) {
  const int length = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  const int size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), length);
  if (size == 0 && length != 0) {
    fail("MultiByteToWideChar");
  }
  wide.resize(static_cast<std::size_t>(size));
  return wide;
}

// `word` written so that the C runtime's split of the command line gives it
// back: quoted if it is empty or has blanks or quotes, and within the quotes
// each quote escaped and the backslashes before a quote doubled.
std::wstring quoted(const std::wstring &word) {
  if (!word.empty() && word.find_first_of(L" \t\"") == std::wstring::npos) {
    return word;
  }
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t character : word) {
    if (character == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(character == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    text += character;
    backslashes = 0;
  }
  text.append(2 * backslashes, L'\\');
  return text + L'"';
}

// A file that the child can write to and that goes away when closed.
HANDLE temporary_file() {
  std::wstring folder(MAX_PATH + 1, L'\0');
  folder.resize(GetTempPathW(static_cast<DWORD>(folder.size()), folder.data()));
  std::wstring path(MAX_PATH, L'\0');
  if (folder.empty() || GetTempFileNameW(folder.c_str(), L"tyx", 0, path.data()) == 0) {
    fail("GetTempFileNameW");
  }
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    fail("CreateFileW");
  }
  return file;
}

std::string read_all(HANDLE file) {
  std::string text;
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
    fail("SetFilePointer");
  }
  char block[4096];
  DWORD length = 0;
  while (ReadFile(file, block, sizeof block, &length, nullptr) != 0 && length > 0) {
    text.append(block, length);
  }
  CloseHandle(file);
  return text;
}

} // namespace

void set_zone(const char *zone) {
  // An empty value takes the variable away.
  if (_putenv_s("TZ", zone == nullptr ? "" : zone) != 0) {
    throw std::system_error(errno, std::generic_category(), "_putenv_s");
  }
  _tzset();
}

run_result run_tyx(const std::string &program, const std::vector<std::string> &arguments,
                   const char *zone, output_to output) {
  if (output == output_to::full_device) {
    throw std::invalid_argument("Windows has no /dev/full");
  }
  std::wstring line = quoted(widened(program));
  for (const auto &argument : arguments) {
    line += L' ' + quoted(widened(argument));
  }
  set_zone(zone);

  HANDLE out = temporary_file();
  HANDLE err = temporary_file();
  HANDLE pipe_end = nullptr;
  if (output == output_to::closed_pipe) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reader = nullptr;
    if (CreatePipe(&reader, &pipe_end, &inherited, 0) == 0) {
      fail("CreatePipe");
    }
    CloseHandle(reader); // nobody will ever read
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output == output_to::closed ? nullptr : pipe_end != nullptr ? pipe_end : out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  // Wine with its address layout at random (where setarch -R is refused) now
  // and then cannot map a child's fixed addresses, and reports an internal
  // error before the child runs: it is started again.
  BOOL created = FALSE;
  for (int attempt = 0; attempt < 3 && created == 0; ++attempt) {
    created = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &process);
    if (created == 0 && GetLastError() != ERROR_INTERNAL_ERROR) {
      break;
    }
  }
  if (pipe_end != nullptr) {
    CloseHandle(pipe_end);
  }
  if (created == 0) {
    fail("CreateProcessW");
  }
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, INFINITE) != WAIT_OBJECT_0 ||
      GetExitCodeProcess(process.hProcess, &code) == 0) {
    fail("GetExitCodeProcess");
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);

  run_result result;
  result.exit_status = static_cast<int>(code);
  result.out = read_all(out);
  result.err = read_all(err);
  return result;
}

#else
namespace {

// Throws for an error number other than 0.
void check(int result, const char *what) {
  if (result != 0) {
    throw std::system_error(result, std::generic_category(), what);
  }
}

// What the child wrote to `file`, which it shares with this process.
std::string read_all(std::FILE *file) {
  static_cast<void>(std::fseek(file, 0, SEEK_END));
  std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  text.resize(std::fread(text.data(), 1, text.size(), file));
  static_cast<void>(std::fclose(file));
  return text;
}

} // namespace

void set_zone(const char *zone) {
  check((zone == nullptr ? unsetenv("TZ") : setenv("TZ", zone, 1)) != 0 ? errno : 0, "setenv");
  tzset();
}

run_result run_tyx(const std::string &program, const std::vector<std::string> &arguments,
                   const char *zone, output_to output) {
  std::vector<std::string> words = emulator();
  words.push_back(program);
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv(words.size() + 1, nullptr); // null-terminated, as exec takes it
  std::transform(words.begin(), words.end(), argv.begin(),
                 [](std::string &word) { return word.data(); });

  // The child inherits this process's environment; nothing else here reads TZ.
  set_zone(zone);

  std::FILE *out = std::tmpfile();
  std::FILE *err = std::tmpfile();
  check(out == nullptr || err == nullptr ? errno : 0, "tmpfile");
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
    check(pipe(pipe_ends) != 0 ? errno : 0, "pipe");
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
    check(errno == EINTR ? 0 : errno, "waitpid");
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

#endif

} // namespace tyx_test
