// SPDX-License-Identifier: GPL-3.0-or-later
// A saved sheet named on the command line (zasechka FILE.zas): opened once
// the program has started, on the sheet of its method.
#pragma once

#include <QStringList>

namespace zas::document {

// Takes the first argument after the program's name that is not an option.
// Once the main window is up, shows that file's sheet with the file opened,
// or says over the main window why the file is refused.
void OpenFileArgument(const QStringList& arguments);

}  // namespace zas::document
