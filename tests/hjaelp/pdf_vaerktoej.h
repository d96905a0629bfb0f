#pragma once
// Reading a finished PDF as a reader would: through poppler's command-line
// tools (pdfinfo, pdftotext, pdffonts, pdfimages) and libqpdf's object
// model, so the tests check the file, not the code that wrote it.
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/filer.h"
#include "common/tegnsaet.h"
#include "hjaelp/test_mappe.h"

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

// A PDF written to a folder of its own for the tools, removed afterwards.
class TPdfFil {
 public:
  TPdfFil(const std::string& bytes, const std::string& navn) : sti_(mappe_ / (navn + ".pdf")) {
    SkrivFil(sti_, bytes);
  }
  const std::string& Sti() const { return sti_; }
  std::string Citeret() const { return "'" + sti_ + "'"; }
  // The text of all pages as pdftotext lays it out, a form feed after each.
  std::string Tekst() const { return Koer("pdftotext -layout " + Citeret() + " -"); }
  // The text of every page.
  std::vector<std::string> Sider() const {
    std::vector<std::string> s;
    const std::string alt = Tekst();
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
  TTestMappe mappe_;
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
