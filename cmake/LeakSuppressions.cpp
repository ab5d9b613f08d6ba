// LeakSuppressions: linked into every target of the sanitizer build. fontconfig loses a few hundred
// bytes while it parses the system's configuration (once a process, inside FcInit); the memory is
// the library's and nothing we call can free it. The leak checker's fast unwinder stops inside
// fontconfig (built without frame pointers), so only the library's name matches its reports; run
// with ASAN_OPTIONS=fast_unwind_on_malloc=0 to see that FcInitLoadConfigAndFonts is the only one.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:FcInitLoadConfigAndFonts\nleak:libfontconfig.so\n";
}
