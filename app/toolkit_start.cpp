// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolkit_start.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#ifdef ZAS_X11
#include <xcb/xcb.h>
#endif

namespace zas::ui {
namespace {

// A message of the toolkit's start. The context's texts are its source
// file's and function's names and its category's, all fixed for the life of
// the process.
struct Held {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previous = nullptr;
std::vector<Held> held;
// The platforms the toolkit will try (empty: its default) and the X display
// it will open.
std::string platform;
std::optional<std::string> display;

#ifdef ZAS_X11
bool DisplayOpens() {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display ? display->c_str() : nullptr, &screen);
    const bool opens = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opens;
}
#endif

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    // The toolkit found no platform it could start, and would abort.
    const bool russian = RussianMessages();
#ifdef ZAS_X11
    // Its default is X, and X is what a platform list with xcb in it falls
    // back to.
    if ((platform.empty() || platform.find("xcb") != std::string::npos) && !DisplayOpens()) {
        std::fprintf(stderr,
                     russian ? "zasechka: не удаётся открыть дисплей %s\n"
                             : "zasechka: cannot open display %s\n",
                     display ? display->c_str() : "");
        std::fflush(stderr);
        std::_Exit(1);
    }
#endif
    std::fputs(russian ? "zasechka: Qt не смог запустить платформу для окон; "
                         "причину покажет QT_DEBUG_PLUGINS=1 zasechka\n"
                       : "zasechka: Qt could not start a platform to show the windows on; "
                         "QT_DEBUG_PLUGINS=1 zasechka shows why\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

void BeginToolkitStart(const CommandLine& line) {
    const char* named = std::getenv("QT_QPA_PLATFORM");
    platform = line.platform ? *line.platform : named != nullptr ? named : "";
    display = line.display;
    if (!display) {
        if (const char* variable = std::getenv("DISPLAY")) {
            display = variable;
        }
    }
    previous = qInstallMessageHandler(Hold);
}

void EndToolkitStart() {
    qInstallMessageHandler(previous);
    for (const Held& message : held) {
        previous(message.type,
                 QMessageLogContext(message.file, message.line, message.function, message.category),
                 message.text);
    }
    held.clear();
}

}  // namespace zas::ui
