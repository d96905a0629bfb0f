#pragma once
// SHA-256 of a byte string, so that a printed document can name the exact
// project file it was computed from.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvistor {

std::array<std::uint8_t, 32> Sha256(std::string_view bytes);

// The digest as 64 lower-case hex digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace kvistor
