#pragma once
// The window's undo history: the whole project record after each accepted
// change. Undo and redo hand a record back, which the window puts through
// the model (SaetInddata), so coupled fields, lists and position maps follow
// as if the values had been entered. The step the file holds is marked, so
// that undoing back to it clears the changed marker.
#include <cstddef>
#include <optional>
#include <vector>

#include "project/inddata.h"

namespace kvistor {

class TFortrydelse {
 public:
  // A new project (opened, or the program started): its record is the only
  // step, and it is what the file holds.
  void Start(const Inddata& d) {
    trin_.assign(1, d);
    nu_ = 0;
    gemt_ = 0;
  }
  // An accepted change: a record unlike the current step becomes the next
  // step; the steps that could be redone go. Returns whether one was taken.
  bool Tilfoej(const Inddata& d) {
    if (trin_.empty()) {
      Start(d);
      return false;
    }
    if (trin_[nu_] == d) return false;
    trin_.resize(nu_ + 1);
    if (gemt_ && *gemt_ > nu_) gemt_.reset();
    trin_.push_back(d);
    ++nu_;
    return true;
  }
  // The current step is what the file now holds.
  void MarkerGemt() { gemt_ = nu_; }

  bool KanFortryde() const { return nu_ > 0; }
  bool KanGentage() const { return nu_ + 1 < trin_.size(); }
  const Inddata& Fortryd() { return trin_[nu_ > 0 ? --nu_ : nu_]; }
  const Inddata& Gentag() { return trin_[KanGentage() ? ++nu_ : nu_]; }
  // Whether the current step is the one the file holds.
  bool ErGemt() const { return gemt_ && *gemt_ == nu_; }
  std::size_t Antal() const { return trin_.size(); }

 private:
  std::vector<Inddata> trin_;
  std::size_t nu_ = 0;
  std::optional<std::size_t> gemt_;
};

}  // namespace kvistor
