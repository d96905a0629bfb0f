#include "cli/manualside.h"

#include <string_view>

#include "cli/kommandoer.h"

namespace kvistor {

namespace {

// A word of an option or a value name: a backslash is "\e", a hyphen the
// minus "\-" that man pages want in options, a quote "\(dq".
std::string RoffOrd(std::string_view s) {
  std::string ud;
  for (char c : s) {
    if (c == '\\')
      ud += "\\e";
    else if (c == '-')
      ud += "\\-";
    else if (c == '"')
      ud += "\\(dq";
    else
      ud += c;
  }
  return ud;
}

// Running text: one sentence a line, as roff wants it; the hyphens of words
// that begin with one (options, "-" for the standard streams) are minus
// signs; a line that would begin with a control character is guarded.
std::string RoffTekst(std::string_view s) {
  std::string ud;
  bool ordstart = true;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == ' ' && i > 0 && s[i - 1] == '.' && i + 1 < s.size() &&
        ((s[i + 1] >= 'A' && s[i + 1] <= 'Z') || static_cast<unsigned char>(s[i + 1]) == 0xC3)) {
      ud += '\n';
      ordstart = true;
      continue;
    }
    if ((ud.empty() || ud.back() == '\n') && (c == '.' || c == '\'')) ud += "\\&";
    if (c == '\\') {
      ud += "\\e";
    } else if (c == '-' && (ordstart || (!ud.empty() && ud.back() == '-'))) {
      ud += "\\-";
    } else {
      ud += c;
    }
    ordstart = c == ' ' || c == '(' || c == '"' || (c == '-' && ordstart);
  }
  return ud + "\n";
}

std::string RoffAfsnit(std::string_view tekst) {
  std::string ud;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slut = tekst.find("\n\n", start);
    ud += RoffTekst(tekst.substr(start, slut == std::string_view::npos ? slut : slut - start));
    if (slut == std::string_view::npos) break;
    ud += ".PP\n";
    start = slut + 2;
  }
  return ud;
}

// A value name in italics up to its first full stop: "RAPPORT" of
// "RAPPORT.txt"; the rest (and a closing bracket) upright.
std::string RoffVaerdi(const std::string& navn, const std::string& efter) {
  const std::size_t punktum = navn.find('.');
  const std::string stamme = navn.substr(0, punktum);
  const std::string rest = punktum == std::string::npos ? "" : navn.substr(punktum);
  if (rest.empty() && efter.empty()) return ".I " + RoffOrd(stamme) + "\n";
  return ".IR " + RoffOrd(stamme) + " " + RoffOrd(rest) + efter + "\n";
}

}  // namespace

std::string ManualSynopsis() {
  std::string ud;
  for (const TKommando& k : Kommandoer()) {
    ud += ".SY kvistor-cli\n.B " + k.navn + "\n";
    if (!k.ord.empty()) {
      ud += k.ord.size() == 1 ? ".B" : ".BR";
      for (std::size_t i = 0; i < k.ord.size(); ++i) ud += (i ? " | " : " ") + RoffOrd(k.ord[i]);
      ud += "\n";
    }
    ud += RoffVaerdi("PROJEKT.aid", "");
    // "\&" keeps roff from taking "...]" for the end of a sentence.
    if (k.maksProjekter != 1) ud += ".RI [ PROJEKT2 .aid\\ ...\\&]\n";
    for (const TTilvalg& t : k.tilvalg) {
      if (t.paakraevet) {
        ud += ".B " + RoffOrd(t.navn) + "\n";
        if (!t.vaerdinavn.empty()) ud += RoffVaerdi(t.vaerdinavn, "");
      } else if (t.vaerdinavn.empty()) {
        ud += ".RB [ " + RoffOrd(t.navn) + " ]\n";
      } else {
        ud += ".RB [ " + RoffOrd(t.navn) + "\n" + RoffVaerdi(t.vaerdinavn, "]");
      }
    }
    ud += ".YS\n";
  }
  ud += ".SY kvistor-cli\n.I KOMMANDO\n.BR \\-\\-help | \\-h\n.YS\n";
  ud += ".SY kvistor-cli\n.BR \\-\\-help | \\-h | hjaelp\n.RI [ KOMMANDO ]\n.YS\n";
  ud += ".SY kvistor-cli\n.B \\-\\-version\n.YS\n";
  return ud;
}

std::string ManualKommandoer() {
  std::string ud;
  for (const TKommando& k : Kommandoer()) {
    ud += ".SS " + k.navn + "\n" + RoffAfsnit(k.beskrivelse);
    for (const TTilvalg& t : k.tilvalg) {
      ud += ".TP\n";
      if (t.vaerdinavn.empty())
        ud += ".B " + RoffOrd(t.navn) + "\n";
      else
        ud += ".BI " + RoffOrd(t.navn) + " \" " + RoffOrd(t.vaerdinavn) + "\"\n";
      const std::string omraade = Omraadetekst(t);
      ud += RoffTekst(t.hjaelp + (omraade.empty() ? "" : " " + omraade));
    }
    ud += ".PP\n" + RoffTekst("Slutkode 0: " + k.kode0 + "." +
                              (k.kode4.empty() ? "" : " Slutkode 4: " + k.kode4 + "."));
  }
  return ud;
}

std::string ReadmeSynopsis() {
  std::string ud;
  for (const std::string& l : Synopsis(77)) ud += "    " + l + "\n";
  return ud;
}

}  // namespace kvistor
