// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up probe: the least a Qt Widgets program does
// to show a window. One empty window, shown, closed the same way at the first
// idle moment after it is drawn; closing the last window ends the loop.
#include <QApplication>
#include <QWidget>

#include "bench/close_when_shown.h"

int main(int argc, char* argv[]) {
    QApplication toolkit(argc, argv);
    QWidget window;
    window.resize(375, 281);  // the main window's size
    zas::bench::CloseWhenShown closer(&window);
    window.show();
    return QApplication::exec();
}
