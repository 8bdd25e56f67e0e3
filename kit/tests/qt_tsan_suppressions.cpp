// ThreadSanitizer's built-in suppressions for these tests. Qt is not
// instrumented and synchronises its own helper threads (the raster paint
// engine's) and its event queue with futexes that ThreadSanitizer cannot
// see. Only reports in which Qt's own code makes one of the accesses are
// silenced; a race between two accesses of our code is still reported.
#if defined(__SANITIZE_THREAD__)

extern "C" const char* __tsan_default_suppressions()
{
    return "race:libQt6Core.so.6\n"
           "race:libQt6Gui.so.6\n"
           "race:libQt6Widgets.so.6\n";
}

#endif
