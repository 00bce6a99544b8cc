// Stands in for the web browser in the settings dialog's end-to-end test:
// registered as the handler of web addresses or HTML files, it writes what it
// was given (its second argument) to the file named by its first.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        return 2;
    }
    FILE* file = _wfopen(argv[1], L"wb");
    if (!file) {
        return 1;
    }
    char address[2048] = {};
    int length =
        WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, address, sizeof address - 1, nullptr, nullptr);
    if (length > 0) {
        std::fwrite(address, 1, static_cast<std::size_t>(length - 1), file);
    }
    std::fclose(file);
    return 0;
}
