#pragma once
// Reading a finished PDF as a reader would: through poppler's command-line
// tools (pdfinfo, pdftotext, pdffonts, pdfimages) and libqpdf's object
// model, so the tests check the file, not the code that wrote it.
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/filer.h"

namespace kvistor::test {

// The standard output of a shell command.
inline std::string Koer(const std::string& kommando) {
  std::string ud;
  std::unique_ptr<FILE, int (*)(FILE*)> p(popen(kommando.c_str(), "r"), pclose);
  if (!p) return ud;
  std::array<char, 4096> b;
  std::size_t n;
  while ((n = fread(b.data(), 1, b.size(), p.get())) > 0) ud.append(b.data(), n);
  return ud;
}

inline std::vector<std::string> Linjer(const std::string& tekst) {
  std::vector<std::string> l;
  std::istringstream s(tekst);
  for (std::string linje; std::getline(s, linje);) l.push_back(linje);
  return l;
}

// A PDF written to a file of its own for the tools, removed afterwards.
class TPdfFil {
 public:
  TPdfFil(const std::string& bytes, const std::string& navn) {
    sti_ = (std::filesystem::temp_directory_path() /
            ("kvistor_" + navn + "_" + std::to_string(::getpid()) + ".pdf"))
               .string();
    SkrivFil(sti_, bytes);
  }
  ~TPdfFil() {
    std::error_code ec;
    std::filesystem::remove(sti_, ec);
  }
  const std::string& Sti() const { return sti_; }
  std::string Citeret() const { return "'" + sti_ + "'"; }
  // The text of every page, as pdftotext lays it out.
  std::vector<std::string> Sider() const {
    std::vector<std::string> s;
    std::string alt = Koer("pdftotext -layout " + Citeret() + " -");
    std::size_t a = 0;
    for (std::size_t f; (f = alt.find('\f', a)) != std::string::npos; a = f + 1)
      s.push_back(alt.substr(a, f - a));
    return s;
  }
  int Sidetal() const {
    const std::string info = Koer("pdfinfo " + Citeret());
    const std::size_t p = info.find("Pages:");
    return p == std::string::npos ? -1 : std::stoi(info.substr(p + 6));
  }

 private:
  std::string sti_;
};

// Runs of blanks as one, no blanks at the ends: how a line compares once a
// PDF reader has extracted it.
inline std::string Sammenpresset(const std::string& s) {
  std::string ud;
  for (char c : s) {
    if (c == ' ' || c == '\t') {
      if (!ud.empty() && ud.back() != ' ') ud += ' ';
    } else {
      ud += c;
    }
  }
  while (!ud.empty() && ud.back() == ' ') ud.pop_back();
  return ud;
}

}  // namespace kvistor::test
