// Stands in for a DLL planted beside the programs: copied under the name of
// a DLL they use (WINMM.dll, OPENGL32.dll, GLU32.dll), it leaves a mark file
// beside itself, named after itself with ".loaded" appended, and ends the
// process the moment it is loaded.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    wchar_t mark[MAX_PATH + 8] = {};
    DWORD length = GetModuleFileNameW(self, mark, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        lstrcatW(mark, L".loaded");
        HANDLE file = CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }
    TerminateProcess(GetCurrentProcess(), 99);
    return FALSE;
}
