#include "cli/standardstroemme.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/filer.h"

namespace kvistor {

void SikrStandardstroemme() {
  for (int fd = 0; fd <= 2; ++fd)
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      // open() takes the lowest free number, which is this one.
      const int ny = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
      if (ny >= 0 && ny != fd) ::close(ny);
    }
}

bool StandardInputAaben() {
  const int flag = ::fcntl(STDIN_FILENO, F_GETFL);
  return flag != -1 && (flag & O_ACCMODE) != O_WRONLY;
}

std::string StroemAarsag(int fejlnummer, const std::string& stroem) {
  if (fejlnummer == EBADF) return stroem + " er lukket.";
  return SystemAarsag(fejlnummer);
}

bool TStandardOutputBuffer::Toem() {
  const char* p = pbase();
  const char* slut = pptr();
  while (p < slut && fejlnummer_ == 0) {
    const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(slut - p));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fejlnummer_ = n < 0 ? errno : ENOSPC;
      break;
    }
    p += n;
  }
  // What could not be written is dropped; the first reason is kept.
  setp(buf_, buf_ + sizeof buf_);
  return fejlnummer_ == 0;
}

TStandardOutputBuffer::int_type TStandardOutputBuffer::overflow(int_type c) {
  if (!Toem()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int TStandardOutputBuffer::sync() { return Toem() ? 0 : -1; }

std::optional<std::string> TStandardOutputBuffer::Luk() {
  Toem();
  if (fd_ >= 0) {
    if (::close(fd_) != 0 && fejlnummer_ == 0 && errno != EINTR) fejlnummer_ = errno;
    fd_ = -1;
  }
  if (fejlnummer_ == 0) return std::nullopt;
  return StroemAarsag(fejlnummer_, "Standard-output");
}

}  // namespace kvistor
