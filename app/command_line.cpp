// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#endif

namespace zas::ui {
namespace {

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

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

constexpr const char* kUsageRussian =
    "Использование: zasechka [ФАЙЛ.zas] | --help | --version\n"
    "Прямая засечка по формулам Юнга и по формулам Гаусса: координаты новой\n"
    "точки P по координатам пунктов A, B, C и углам, измеренным на них.\n"
    "Числа вводятся и показываются с десятичным разделителем локали (LC_NUMERIC).\n"
    "\n"
    "  ФАЙЛ.zas   открыть сохранённый лист\n"
    "  --help     показать эту справку и выйти\n"
    "  --version  показать версию и выйти\n"
    "\n"
    "Остальные параметры передаются Qt (например, -platform offscreen).\n";

constexpr const char* kUsageEnglish =
    "Usage: zasechka [FILE.zas] | --help | --version\n"
    "The forward intersection by Jung's formulas and by Gauss's formulas: the\n"
    "coordinates of a new point P from control points A, B, C and the angles\n"
    "measured at them. The interface is Russian; numbers are typed and shown\n"
    "with the decimal separator of the locale (LC_NUMERIC).\n"
    "\n"
    "  FILE.zas   open a saved worksheet\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Other options go to Qt (for example -platform offscreen).\n";

// Only X11 and Wayland name their display in the environment; Windows has
// its desktop always, and neither variable.
#ifdef _WIN32
constexpr bool kDisplayInEnvironment = false;
#else
constexpr bool kDisplayInEnvironment = true;
#endif

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::FILE* out,
                                     std::FILE* err) {
    bool session_named = Variable("QT_QPA_PLATFORM") != nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            std::fputs(RussianMessages() ? kUsageRussian : kUsageEnglish, out);
            return 0;
        }
        if (argument == "--version") {
            std::fputs("zasechka " ZAS_VERSION "\n", out);
            return 0;
        }
        // Qt takes its options with one dash or two; an X display named by
        // -display is a display too.
        if ((argument == "-platform" || argument == "--platform" || argument == "-display" ||
             argument == "--display") &&
            i + 1 < argc) {
            session_named = true;
        }
    }
    if (kDisplayInEnvironment && !session_named && Variable("DISPLAY") == nullptr &&
        Variable("WAYLAND_DISPLAY") == nullptr) {
        std::fputs(RussianMessages()
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
