// Holds a file open as another program would, until its standard input closes.
// Usage: holdfile PATH none|read — "none" shares nothing, "read" lets others read only.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 3)
        return 2;
    const bool readShared = std::wcscmp(argv[2], L"read") == 0;
    const HANDLE file = CreateFileW(
        argv[1], readShared ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
        readShared ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(file);
    return 0;
}
