#include "app/LavedoApp.h"
#include "app/RigaComando.h"

wxIMPLEMENT_APP_NO_MAIN(CLavedoApp);

int main(int argc, char** argv)
{
    // --help, a command line it cannot use and a missing display are
    // answered here, in Italian, before the toolkit needs a display.
    int nUscita = 0;
    if (RispondiSenzaFinestre(Argomenti(argc, argv), nUscita))
        return nUscita;
    return wxEntry(argc, argv);
}

#if defined(__SANITIZE_ADDRESS__)
// In the sanitizer build the leak check at exit should speak of our own
// memory only: fontconfig, D-Bus, GLib and Mesa's software driver keep
// caches until the process ends.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:swrast_dri.so\n"
           "leak:g_malloc\n"
           "leak:g_malloc0\n"
           "leak:g_realloc\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
#endif
