// Defaults for the sanitizer build of the tests. Leak reports are off:
// the platform libraries under Qt (fontconfig and the like) keep caches for
// the life of the process, which the leak checker would report.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }
