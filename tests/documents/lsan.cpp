// Fontconfig keeps its configuration and the font patterns pango and cairo
// have matched for the life of the process, and never frees them; the leak
// checker of the sanitizer build is told so, so that it still reports ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
