// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/win32/console.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <cstdio>
#include <string>

#include "app/command_line.h"

namespace zas::win32 {
namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// A file that disappears when closed, in the user's temporary folder.
std::FILE* TemporaryFile() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"zas", 0, path) == 0) {
        return nullptr;
    }
    return _wfopen(path, L"w+bD");
}

void WriteToConsole(HANDLE console, const std::string& utf8) {
    if (utf8.empty()) {
        return;
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
    DWORD written = 0;
    WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// One of the standard streams as the answers see it. On a console, what is
// written is collected and passed to the console whole, in UTF-16, when the
// answer is complete; elsewhere it goes straight out.
class Stream {
  public:
    Stream(DWORD which, std::FILE* standard) : console_(GetStdHandle(which)), file_(standard) {
        if (IsConsole(console_)) {
            collected_ = TemporaryFile();
        }
        if (collected_ != nullptr) {
            file_ = collected_;
        } else {
            // A file or a pipe: the bytes as written, no carriage returns added.
            _setmode(_fileno(standard), _O_BINARY);
        }
    }
    ~Stream() {
        if (collected_ == nullptr) {
            std::fflush(file_);
            return;
        }
        std::string text;
        std::rewind(collected_);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, collected_)) > 0;) {
            text.append(buffer, n);
        }
        std::fclose(collected_);
        WriteToConsole(console_, text);
    }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    std::FILE* file() const { return file_; }

  private:
    HANDLE console_;
    std::FILE* file_;
    std::FILE* collected_ = nullptr;
};

// What follows the program's own name on the command line, as Windows
// splits it off: up to the closing quote when it starts with one, else up to
// the first blank.
const wchar_t* ArgumentsAfterProgram(const wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"') {
            ++line;
        }
        return *line == L'"' ? line + 1 : line;
    }
    while (*line != L'\0' && *line != L' ' && *line != L'\t') {
        ++line;
    }
    return line;
}

}  // namespace

std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(bytes > 0 ? static_cast<std::size_t>(bytes - 1) : 0, '\0');
        if (bytes > 1) {
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), bytes, nullptr, nullptr);
        }
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}

std::optional<int> AnswerCommandLine(const ui::CommandLine& line) {
    const Stream out(STD_OUTPUT_HANDLE, stdout);
    const Stream err(STD_ERROR_HANDLE, stderr);
    return ui::AnswerCommandLine(line, out.file(), err.file());
}

int StartWindowedProgram() {
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, program.data(),
                                        static_cast<DWORD>(program.size()))) >= program.size()) {
        program.resize(program.size() * 2);
    }
    program.resize(length);
    const auto dot = program.find_last_of(L'.');
    const auto slash = program.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) {
        program.resize(dot);
    }
    program += L".exe";
    std::wstring line = L"\"" + program + L"\"" + ArgumentsAfterProgram(GetCommandLineW());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const Stream err(STD_ERROR_HANDLE, stderr);
        std::fputs(PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN
                       ? "zasechka: не удалось запустить zasechka.exe\n"
                       : "zasechka: could not start zasechka.exe\n",
                   err.file());
        return 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

}  // namespace zas::win32
