// A stand-in emulator: writes the arguments it was started with, as a JSON list of texts, to the
// file the variable STANDIN_LOG names, whole or not at all (it appears by a rename), and ends.
// Plain C++ and the system's own calls, so that under Wine it needs no library found on a path.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size_t(size) - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

} // namespace
#endif

namespace {

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char digits[] = "0123456789abcdef";
            out += "\\u00";
            out += digits[(c >> 4) & 0xF];
            out += digits[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    std::filesystem::path log;
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8(wide[i]));
    if (const wchar_t* name = _wgetenv(L"STANDIN_LOG"))
        log = name;
#else
    arguments.assign(argv + 1, argv + argc);
    if (const char* name = std::getenv("STANDIN_LOG"))
        log = name;
#endif
    if (log.empty())
        return 1;
    std::string json = "[";
    for (size_t i = 0; i < arguments.size(); ++i)
        json += (i ? ", " : "") + JsonText(arguments[i]);
    json += "]\n";
    std::filesystem::path part = log;
    part += ".part";
    {
        std::ofstream out(part, std::ios::binary);
        if (!(out << json) || !out.flush())
            return 1;
    }
    std::error_code error;
    std::filesystem::rename(part, log, error);
    return error ? 1 : 0;
}
