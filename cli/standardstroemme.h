#pragma once
// The program's standard streams. Output that is lost (a full disk, a
// closed pipe, a closed standard output) must never pass for written, and a
// closed standard stream must never lend its number to a file the program
// opens: a report written "to standard output" would land in that file.
#include <optional>
#include <streambuf>
#include <string>

namespace kvistor {

// Gives each of the descriptors 0, 1 and 2 that is closed at start a
// stand-in that refuses the stream's direction (/dev/null opened the other
// way), so reading or writing it fails with EBADF instead of reaching a file.
void SikrStandardstroemme();

// Whether the standard input can be read at all (it is not closed).
bool StandardInputAaben();

// The reason for a failed read or write of a standard stream, in Danish:
// the system's reason, or that the stream is closed.
std::string StroemAarsag(int fejlnummer, const std::string& stroem);

// The buffer of the standard output: it writes to the descriptor itself and
// keeps the first failure, so the call can end with the reason.
class TStandardOutputBuffer : public std::streambuf {
 public:
  explicit TStandardOutputBuffer(int fd) : fd_(fd) { setp(buf_, buf_ + sizeof buf_); }
  TStandardOutputBuffer(const TStandardOutputBuffer&) = delete;
  TStandardOutputBuffer& operator=(const TStandardOutputBuffer&) = delete;
  // Writes what is left and closes the descriptor; the reason when any byte
  // was lost, else nothing.
  std::optional<std::string> Luk();

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Toem();
  int fd_;
  int fejlnummer_ = 0;
  char buf_[1 << 14];
};

}  // namespace kvistor
