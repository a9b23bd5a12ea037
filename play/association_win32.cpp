#include "play/emulator.h"

#include <windows.h>

#include <shlwapi.h>

#include <string>

std::optional<Association> SystemAssociation(const QStringList&) {
    // The command the shell's "open" runs for a .nes file, from the user's classes first.
    DWORD length = 0;
    const wchar_t* extension = L".nes";
    if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, extension, L"open", nullptr,
                          &length) != S_FALSE ||
        length == 0)
        return std::nullopt;
    std::wstring command(length, L'\0');
    if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, extension, L"open", command.data(),
                          &length) != S_OK)
        return std::nullopt;
    QString line = QString::fromWCharArray(command.c_str());
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
