// SPDX-License-Identifier: GPL-3.0-or-later
// A saved sheet records the decimal separator its texts were typed with
// ("decimal_separator" in the .zas file). Opened where decimals are written
// with another separator, every text that is a number in the file's own
// convention is written with the separator of the place, and no other text
// is touched; a file without the record is read as it is.
//
// A text that is not a number where it was typed but would be one elsewhere
// ("823.61" typed under a comma) stays as typed, and the file names it among
// "not_numbers" when it is saved where it does read as a number, so that
// taking a file to another locale and back gives the same bytes. Both keys
// are optional: a program that does not know them reads the texts as they
// are, so the format keeps its version.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace zas::document {

class TypedSeparator {
  public:
    // The bytes of a saved sheet (as WriteSheet gives them) with the
    // separator its texts were typed with recorded, and the texts that only
    // look like numbers here named.
    QByteArray Record(const QByteArray& bytes, const QStringList& names, const QStringList& texts,
                      const QString& separator) const;

    // The texts read from a file's bytes, each number in the file's
    // convention written with `separator`. Remembers the texts kept as typed
    // that are not numbers where they were typed.
    QStringList Adopt(const QByteArray& bytes, const QStringList& names, QStringList texts,
                      const QString& separator);

  private:
    // Field name to the text kept as typed; it stays "not a number" for as
    // long as the field holds that very text.
    QHash<QString, QString> kept_;
};

}  // namespace zas::document
