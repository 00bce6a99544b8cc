// Loads the DLL named by its argument with Windows' ordinary search order
// (the program's own folder first). The DLL-planting test runs it beside a
// planted DLL to show that the planted one is found there and loaded.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    return LoadLibraryW(argv[1]) != nullptr ? 0 : 1;
}
