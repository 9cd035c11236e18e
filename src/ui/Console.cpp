// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Console {

namespace {

bool ecrit(std::FILE* flux, const QString& texte) {
    std::fputs(qUtf8Printable(texte + u'\n'), flux);
    return std::fflush(flux) == 0 && !std::ferror(flux);
}

} // namespace

#ifdef Q_OS_WIN

namespace {

bool sortie = false;
bool erreurs = false;

// A handle the program was given: a file or a pipe its caller redirected it to.
bool recu(DWORD quel) {
    const HANDLE h = GetStdHandle(quel);
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

} // namespace

void prepare() {
    // Checked before attaching, which hands the console's own handles out.
    sortie = recu(STD_OUTPUT_HANDLE);
    erreurs = recu(STD_ERROR_HANDLE);
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        SetConsoleOutputCP(CP_UTF8);
        sortie = sortie || std::freopen("CONOUT$", "w", stdout) != nullptr;
        erreurs = erreurs || std::freopen("CONOUT$", "w", stderr) != nullptr;
    }
}

bool dit(std::FILE* flux, const QString& texte) {
    if (flux == stdout ? sortie : erreurs) {
        return ecrit(flux, texte);
    }
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(texte.utf16()), L"Sidranes",
                MB_OK | (flux == stderr ? MB_ICONWARNING : MB_ICONINFORMATION));
    return true;
}

#else

void prepare() {}

bool dit(std::FILE* flux, const QString& texte) {
    return ecrit(flux, texte);
}

#endif

} // namespace Console
