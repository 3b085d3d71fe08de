// Built into the program only with LUMO_SANITIZE. LeakSanitizer reads these suppressions at exit.
// libdbus keeps a connection buffer for the life of the process, which Qt's D-Bus plugins
// (accessibility, platform theme) open on a real display; it is not ours to free.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}
