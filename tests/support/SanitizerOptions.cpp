// Defaults for the sanitizer build of the tests. Leaks are reported; what
// the platform libraries under Qt keep for the life of the process
// (fontconfig caches and the like) is listed in lsan.supp, which `make test`
// hands to the leak checker.
extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }
