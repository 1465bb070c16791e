// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a Windows program for scripts/wine_run.sh as a Windows session
// would: without the Unix locale variables (LANG, LANGUAGE, LC_*) in its
// environment, since a Windows user has none and the language and formats
// come from the user's settings; with the rest of the command line passed on
// exactly as wine wrote it. Waits for the program and returns its exit code.
//   wine_run_env.exe program.exe [arguments...]
#include <windows.h>
#include <stdio.h>
#include <wchar.h>

// What follows the first argument of a command line, as Windows splits it.
static wchar_t *AfterFirstArgument(wchar_t *line) {
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"') {
            ++line;
        }
        if (*line == L'"') {
            ++line;
        }
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t') {
            ++line;
        }
    }
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}

static int IsUnixLocaleVariable(const wchar_t *entry, size_t length) {
    return (length == 4 && _wcsnicmp(entry, L"LANG", 4) == 0) ||
           (length == 8 && _wcsnicmp(entry, L"LANGUAGE", 8) == 0) ||
           (length > 3 && _wcsnicmp(entry, L"LC_", 3) == 0);
}

int main(void) {
    wchar_t *environment = GetEnvironmentStringsW();
    for (const wchar_t *entry = environment; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const wchar_t *equals = wcschr(entry + 1, L'=');
        if (equals != NULL && IsUnixLocaleVariable(entry, (size_t)(equals - entry))) {
            wchar_t name[64];
            const size_t length = (size_t)(equals - entry);
            if (length < 64) {
                wmemcpy(name, entry, length);
                name[length] = L'\0';
                SetEnvironmentVariableW(name, NULL);
            }
        }
    }
    FreeEnvironmentStringsW(environment);

    wchar_t *command = AfterFirstArgument(GetCommandLineW());
    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(NULL, command, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "wine_run_env: could not start %ls (error %lu)\n", command,
                (unsigned long)GetLastError());
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return (int)code;
}
