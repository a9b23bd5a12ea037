// A stand-in emulator: writes the arguments it was started with, each ended by a NUL byte, as
// UTF-8, to the file STANDIN_LOG names; the file appears whole, by a rename. Plain C++ and the
// system's calls, linked statically, so that under Wine it needs no library found on a path.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::filesystem::path log;
#ifdef _WIN32
    // Windows gives main() its arguments in the code page; the wide ones hold every character.
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    arguments.clear();
    for (int i = 1; i < argc; ++i) {
        std::string text(size_t(4 * wcslen(wide[i]) + 1), '\0');
        text.resize(size_t(WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(),
                                               int(text.size()), nullptr, nullptr)) -
                    1);
        arguments.push_back(text);
    }
    if (const wchar_t* name = _wgetenv(L"STANDIN_LOG"))
        log = name;
#else
    if (const char* name = std::getenv("STANDIN_LOG"))
        log = name;
#endif
    if (log.empty())
        return 1;
    std::filesystem::path part = log;
    part += ".part";
    {
        std::ofstream out(part, std::ios::binary);
        for (const std::string& argument : arguments)
            out << argument << '\0';
        if (!out.flush())
            return 1;
    }
    std::error_code error;
    std::filesystem::rename(part, log, error);
    return error ? 1 : 0;
}
