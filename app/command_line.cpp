// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "app/document/check_command.h"
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace zas::ui {
namespace {

// The toolkit's options that take a value, on any platform: the X ones too,
// so that their value is never taken for a file where the toolkit does not
// read them.
constexpr std::array<std::string_view, 16> kValued = {
    "display",         "geometry",           "icon",          "name",
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "style",           "stylesheet",         "title",         "visual"};
// And those that take none.
constexpr std::array<std::string_view, 5> kFlags = {"dograb", "nograb", "reverse", "testability",
                                                    "widgetcount"};

template <std::size_t N>
bool In(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

constexpr const char* kUsageRussian =
    "Использование: zasechka [ПАРАМЕТРЫ Qt] [--] [ФАЙЛ.zas] | --help | --version\n"
    "       zasechka --check [--format=csv] ПУТЬ...\n"
    "Прямая засечка по формулам Юнга и по формулам Гаусса: координаты новой\n"
    "точки P по координатам пунктов A, B, C и углам, измеренным на них.\n"
    "Числа вводятся и показываются с десятичным разделителем локали (LC_NUMERIC).\n"
    "\n"
    "  ФАЙЛ.zas   открыть сохранённый лист\n"
    "  --check ПУТЬ...\n"
    "             проверить листы, заполненные вручную: файлы .zas и папки с ними;\n"
    "             каждое значение сравнивается с вычисленным, называется первое\n"
    "             расхождение в каждом определении; без экрана. Код выхода: 0 — всё\n"
    "             верно, 1 — есть расхождения или лист не вычисляется, 2 — файл\n"
    "             не читается или командная строка неверна\n"
    "  --format=csv\n"
    "             с --check: строки для журнала (UTF-8 с BOM, разделитель «;»):\n"
    "             file;method;field;name;expected;given;verdict, вердикт ok, differs,\n"
    "             missing; строка итога по файлу: ok, differs, uncomputable, unreadable\n"
    "  --help     показать эту справку и выйти\n"
    "  --version  показать версию и выйти\n"
    "  --         дальше только имя файла, даже если оно начинается с «-»\n"
    "\n"
    "Параметры Qt (-platform, -display, -style, -name и другие, со значением\n"
    "через пробел или «=») передаются Qt, например -platform offscreen.\n";

constexpr const char* kUsageEnglish =
    "Usage: zasechka [QT OPTIONS] [--] [FILE.zas] | --help | --version\n"
    "       zasechka --check [--format=csv] PATH...\n"
    "The forward intersection by Jung's formulas and by Gauss's formulas: the\n"
    "coordinates of a new point P from control points A, B, C and the angles\n"
    "measured at them. The interface is Russian; numbers are typed and shown\n"
    "with the decimal separator of the locale (LC_NUMERIC).\n"
    "\n"
    "  FILE.zas   open a saved worksheet\n"
    "  --check PATH...\n"
    "             check worksheets filled in by hand: .zas files and folders of them;\n"
    "             each value is compared with the computed one and the first\n"
    "             discrepancy of each determination named; no display needed. Exit\n"
    "             code: 0 all agree, 1 a value differs or a sheet cannot be computed,\n"
    "             2 a file cannot be read or the command line is wrong\n"
    "  --format=csv\n"
    "             with --check: rows for a grade book (UTF-8 with a BOM, \";\" between\n"
    "             fields): file;method;field;name;expected;given;verdict, the verdict\n"
    "             ok, differs, missing; a summary row per file: ok, differs,\n"
    "             uncomputable, unreadable\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --         only the file name follows, even one that begins with \"-\"\n"
    "\n"
    "Qt's options (-platform, -display, -style, -name and the others, the value\n"
    "after a blank or \"=\") go to Qt, for example -platform offscreen.\n";

// Only X11 and Wayland name their display in the environment; Windows and
// macOS have their desktop always, and neither variable.
#if defined(_WIN32) || defined(__APPLE__)
constexpr bool kDisplayInEnvironment = false;
#else
constexpr bool kDisplayInEnvironment = true;
#endif

}  // namespace

// The language of messages, as the C library chooses it: LC_ALL, then
// LC_MESSAGES, then LANG. Windows sets none of them: there it is the user's
// display language.
bool RussianMessages() {
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN;
#endif
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = Variable(name)) {
            return std::string_view(value).starts_with("ru");
        }
    }
    return false;
}

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    line.toolkit.push_back(arguments.empty() ? std::string("zasechka") : arguments.front());
    bool options = true;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!options || argument == "-" || !argument.starts_with('-')) {
            // An empty argument (a script's unset variable) names nothing.
            if (!line.file && !argument.empty()) {
                line.file = argument;
            }
            if (!argument.empty()) {
                line.paths.push_back(argument);
            }
            continue;
        }
        if (argument == "--") {
            options = false;
            continue;
        }
        if (argument == "--help" || argument == "--version") {
            line.request =
                argument == "--help" ? CommandLine::Request::kHelp : CommandLine::Request::kVersion;
            return line;
        }
        if (argument == "--check") {
            line.request = CommandLine::Request::kCheck;
            continue;
        }
        if (argument == "--format=csv" ||
            (argument == "--format" && i + 1 < arguments.size() && arguments[i + 1] == "csv")) {
            i += argument == "--format" ? 1 : 0;
            line.csv = true;
            continue;
        }
        // -name value, --name value, -name=value, --name=value.
        std::string_view option = argument;
        option.remove_prefix(option.starts_with("--") ? 2 : 1);
        const std::size_t equals = option.find('=');
        const std::string name(option.substr(0, equals));
        if (In(kValued, name)) {
            std::string value;
            if (equals != std::string_view::npos) {
                value = option.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                line.request = CommandLine::Request::kRefused;
                line.refused = argument;
                line.value_missing = true;
                return line;
            }
            if (name == "platform") {
                line.platform = value;
            } else if (name == "display") {
                line.display = value;
            }
            line.toolkit.push_back('-' + name);
            line.toolkit.push_back(std::move(value));
        } else if (equals == std::string_view::npos && In(kFlags, name)) {
            line.toolkit.push_back('-' + name);
        } else {
            line.request = CommandLine::Request::kRefused;
            line.refused = argument;
            return line;
        }
    }
    return line;
}

std::optional<int> AnswerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err) {
    const bool russian = RussianMessages();
    switch (line.request) {
        case CommandLine::Request::kCheck:
            if (line.paths.empty()) {
                std::fputs(russian ? "zasechka: --check: не названо ни файла, ни папки; справка: "
                                     "zasechka --help\n"
                                   : "zasechka: --check needs a file or a folder; see zasechka "
                                     "--help\n",
                           err);
                return 2;
            }
            return document::CheckFiles(line.paths, line.csv, russian, out, err);
        case CommandLine::Request::kHelp:
            std::fputs(russian ? kUsageRussian : kUsageEnglish, out);
            return 0;
        case CommandLine::Request::kVersion:
            std::fputs("zasechka " ZAS_VERSION "\n", out);
            return 0;
        case CommandLine::Request::kRefused:
            std::fprintf(
                err,
                line.value_missing
                    ? (russian ? "zasechka: у параметра %s нет значения; справка: zasechka --help\n"
                               : "zasechka: option %s needs a value; see zasechka --help\n")
                    : (russian ? "zasechka: неизвестный параметр %s; справка: zasechka --help\n"
                               : "zasechka: unknown option %s; see zasechka --help\n"),
                line.refused.c_str());
            return 2;
        case CommandLine::Request::kRun:
            break;
    }
    // A platform or an X display named on the command line is a session too.
    if (kDisplayInEnvironment && !line.platform && !line.display &&
        Variable("QT_QPA_PLATFORM") == nullptr && Variable("DISPLAY") == nullptr &&
        Variable("WAYLAND_DISPLAY") == nullptr) {
        std::fputs(russian
                       ? "zasechka: нет графического сеанса (DISPLAY и WAYLAND_DISPLAY не заданы); "
                         "на виртуальном экране: xvfb-run -a zasechka\n"
                       : "zasechka: no graphical session to show the windows on (neither DISPLAY "
                         "nor WAYLAND_DISPLAY is set); on a virtual one: xvfb-run -a zasechka\n",
                   err);
        return 1;
    }
    return std::nullopt;
}

}  // namespace zas::ui
