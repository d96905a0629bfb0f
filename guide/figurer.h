#pragma once
// The guide's figures, drawn by the program at build time through the same
// display-list code as the window: the control drawings of the guide's
// project, the hinge detail, the help pictures and a printed page of its
// result report. They go into the PDF as vectors, so they are sharp at any
// zoom and cannot drift from the program.
#include <optional>
#include <string>

#include "documents/sats.h"
#include "guide/kilde.h"

namespace kvistor {

// The figure of that name with its caption (markup) below it, or nullopt.
std::optional<TBlok> GuidensFigur(const TVejledningsKilde& k, const std::string& navn,
                                  const std::string& tekst);

}  // namespace kvistor
