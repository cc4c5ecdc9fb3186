#include "app/LavedoApp.h"

wxIMPLEMENT_APP(CLavedoApp);
