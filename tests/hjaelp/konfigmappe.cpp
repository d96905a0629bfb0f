// The user's own settings and default project never reach a test: every
// test program looks for them in a folder of its build's own, set before
// anything runs.
#include <cstdlib>

namespace {

[[maybe_unused]] const bool KonfigmappeSat = ::setenv("XDG_CONFIG_HOME", KVISTOR_TESTKONFIG, 1) == 0;

}  // namespace
