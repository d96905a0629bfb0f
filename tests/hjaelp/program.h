#pragma once
// The real kvistor-cli started as a child process for the tests, with its standard
// streams from files, descriptors or closed; or run in this process.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tilvalg.h"
#include "hjaelp/test_mappe.h"

extern char** environ;

namespace kvistor::test {

using Args = std::vector<std::string>;

// One standard stream of the child: a file by name, a descriptor of ours,
// or closed.
struct TStroem {
  std::string fil;
  int fd = -1;
  bool lukket = false;
  TStroem(std::string f) : fil(std::move(f)) {}
  TStroem(const char* f) : fil(f) {}
  static TStroem Fd(int fd) {
    TStroem s("");
    s.fd = fd;
    return s;
  }
  static TStroem Lukket() {
    TStroem s("");
    s.lukket = true;
    return s;
  }
};

inline pid_t Start(const Args& a, const TStroem& ind, const TStroem& ud, const TStroem& fejl) {
  std::vector<std::string> alle{KVISTOR_CLI};
  alle.insert(alle.end(), a.begin(), a.end());
  std::vector<char*> argv;
  for (std::string& s : alle) argv.push_back(s.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  const TStroem* stroemme[] = {&ind, &ud, &fejl};
  for (int n = 0; n < 3; ++n) {
    const TStroem& s = *stroemme[n];
    if (s.lukket)
      posix_spawn_file_actions_addclose(&fa, n);
    else if (s.fd >= 0)
      posix_spawn_file_actions_adddup2(&fa, s.fd, n);
    else
      posix_spawn_file_actions_addopen(&fa, n, s.fil.c_str(),
                                       n == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
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

// Runs the program to its end; its outputs go to files of a folder of its own
// unless `ud` names another.
inline TKoersel Koer(const Args& a, const TStroem& ind = "/dev/null",
                     const std::optional<TStroem>& ud = std::nullopt) {
  TTestMappe m;
  const int kode = Vent(Start(a, ind, ud ? *ud : TStroem(m / "ud"), m / "fejl"));
  return {kode, ud ? std::string() : Bytes(m / "ud"), Bytes(m / "fejl")};
}

// The command line's entry run in this process, its output streams caught:
// the command's words, then its arguments.
inline TKoersel KoerInternt(const Args& kommando, const Args& a = {}, const TMiljoe& miljoe = {}) {
  Args alle = kommando;
  alle.insert(alle.end(), a.begin(), a.end());
  std::ostringstream ud, fejl;
  const int kode = KoerKvistorCli(alle, ud, fejl, miljoe);
  return {kode, ud.str(), fejl.str()};
}

}  // namespace kvistor::test
