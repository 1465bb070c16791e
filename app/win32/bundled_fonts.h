// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the windows are drawn in, carried by the program on Windows.
#pragma once

namespace zas::win32 {

// Makes the TrueType faces beside the program (the Liberation faces the
// sheets are laid out for) known to the toolkit, so that every caption is
// drawn as on Linux. Needs the QApplication.
void LoadBundledFonts();

}  // namespace zas::win32
