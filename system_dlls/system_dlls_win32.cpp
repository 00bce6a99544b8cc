#include "system_dlls.h"

#include <windows.h>

void loadDllsFromSystemFolderOnly() {
    // SetDefaultDllDirectories exists from Windows 8 on, and on Windows 7
    // with update KB2533623; looked up so that the program still starts
    // without it. Kernel32 is always loaded.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return;
    }
    // Without it, at least the current folder leaves the search.
    SetDllDirectoryW(L"");
}
