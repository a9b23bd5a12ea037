#include "play/emulator.h"

#include <windows.h>

#include <shlwapi.h>

#include <cwchar>
#include <string>

namespace {

// The default text of a registry key, with REG_EXPAND_SZ's variables expanded.
std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key) {
    DWORD size = 0;
    if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
            ERROR_SUCCESS ||
        size < sizeof(wchar_t))
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

// The command the shell's "open" runs for a .nes file. The shell's own answer comes first: it
// knows the user's choice in Explorer too. Wine's shell does not look into the user's own
// classes (HKCU\Software\Classes), so they are read here after it, then the machine's.
std::optional<std::wstring> OpenCommand() {
    const wchar_t* extension = L".nes";
    DWORD length = 0;
    if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, extension, L"open", nullptr,
                          &length) == S_FALSE &&
        length > 0) {
        std::wstring command(length, L'\0');
        if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, extension, L"open",
                              command.data(), &length) == S_OK) {
            command.resize(wcsnlen(command.c_str(), command.size()));
            return command;
        }
    }
    const std::wstring classes = L"Software\\Classes\\";
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const auto progId = RegistryText(root, classes + extension);
        if (!progId || progId->empty())
            continue;
        for (HKEY place : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            if (auto command = RegistryText(place, classes + *progId + L"\\shell\\open\\command"))
                return command;
    }
    return std::nullopt;
}

} // namespace

std::optional<Association> SystemAssociation(const QStringList&) {
    const auto command = OpenCommand();
    if (!command)
        return std::nullopt;
    QString line = QString::fromStdWString(*command);
    // The shell's codes for the file, %1 and %L, are the image; %* (the other files) is none.
    line.replace(QLatin1String("%1"), QLatin1String("%f"))
        .replace(QLatin1String("%L"), QLatin1String("%f"))
        .replace(QLatin1String("%l"), QLatin1String("%f"))
        .remove(QLatin1String("%*"));
    const auto words = SplitCommandLine(line);
    if (!words)
        return std::nullopt;
    return Association{*words, words->first()};
}
