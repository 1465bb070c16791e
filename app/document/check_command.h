// SPDX-License-Identifier: GPL-3.0-or-later
// zasechka --check: saved sheets checked from the command line, for a
// teacher with a whole group's files. Needs only Qt's core module and no
// display; answered before the toolkit starts.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace zas::document {

// Checks each file named, and each .zas file in each folder named (and its
// folders), in name order, and reports on `out`: for each file its method,
// each written value with its verdict, the first differing value of each
// determination and a summary; with `csv`, the same as rows for a grade
// book. Returns the exit code: 0 when every value of every file agrees; 1
// when a value differs or is missing, or a file's inputs cannot be
// computed; 2 when a file cannot be read or a folder holds no sheet.
int CheckFiles(const std::vector<std::string>& paths, bool csv, bool russian, std::FILE* out,
               std::FILE* err);

}  // namespace zas::document
