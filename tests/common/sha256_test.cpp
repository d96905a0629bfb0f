// SHA-256 against the standard's test vectors (FIPS 180-4 examples and the
// NIST byte-oriented vectors), across the padding's block boundaries.
#include <gtest/gtest.h>

#include <string>

#include "common/sha256.h"

namespace kvistor {
namespace {

TEST(Sha256, Standardvektorer) {
  const struct {
    std::string ind;
    const char* digest;
  } tilfaelde[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      // 56 bytes: the length no longer fits the first block.
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
       "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
      // 64 bytes exactly: padding takes a block of its own.
      {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
  };
  for (const auto& t : tilfaelde)
    EXPECT_EQ(Sha256Hex(t.ind), t.digest) << t.ind.size() << " bytes";
}

}  // namespace
}  // namespace kvistor
