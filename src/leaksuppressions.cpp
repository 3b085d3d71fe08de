// Built into the program and the tests only with LUMO_SANITIZE; LeakSanitizer reads these
// suppressions at exit. On a real display Qt loads D-Bus (accessibility) and, under the GTK
// platform theme, GLib and GTK, which keep buffers for the life of the process; they are not
// ours to free.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgio-2.0.so\n"
           "leak:libgobject-2.0.so\n"
           "leak:libgtk-3.so\n"
           "leak:libgdk-3.so\n"
           "leak:libfontconfig.so\n";
}
