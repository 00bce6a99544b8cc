#include "system_dlls.h"

// The dynamic linker takes shared libraries from the system's own paths.
void loadDllsFromSystemFolderOnly() {}
