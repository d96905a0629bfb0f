#pragma once
// The real kvistor-cli program run as a child process, for the command
// line's tests: its standard input from a file, its standard output and
// error caught in files of the test's own folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "report/test_mappe.h"

extern char** environ;

namespace kvistor::test {

// Starts the program with its standard input from `ind` and its outputs
// into the files `ud` and `fejl`.
inline pid_t Start(const std::vector<std::string>& a, const std::string& ind,
                   const std::string& ud, const std::string& fejl) {
  std::vector<std::string> alle{KVISTOR_CLI};
  alle.insert(alle.end(), a.begin(), a.end());
  std::vector<char*> argv;
  for (std::string& s : alle) argv.push_back(s.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 0, ind.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&fa, 1, ud.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&fa, 2, fejl.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&fa);
  return pid;
}

inline int Vent(pid_t pid) {
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status)) << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct TKoersel {
  int kode;
  std::string ud, fejl;
};

inline TKoersel Koer(const std::vector<std::string>& a, const std::string& ind = "/dev/null") {
  TTestMappe m;
  const int kode = Vent(Start(a, ind, m / "ud", m / "fejl"));
  return {kode, Bytes(m / "ud"), Bytes(m / "fejl")};
}

}  // namespace kvistor::test
