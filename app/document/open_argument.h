// SPDX-License-Identifier: GPL-3.0-or-later
// A saved sheet named on the command line (zasechka FILE.zas): opened once
// the program has started, on the sheet of its method.
#pragma once

#include <QString>

namespace zas::document {

// Once the main window is up, shows the sheet of the file at `path` with the
// file opened, or says over the main window why the file is refused.
void OpenFileArgument(const QString& path);

}  // namespace zas::document
