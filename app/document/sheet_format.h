// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet saved as a file (.zas): a small UTF-8 JSON document with the
// format's name and version, the method, and the texts of the sheet's 32
// fields exactly as shown. Needs only Qt's core module.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace zas::document {

// The method a sheet belongs to, as the file names it ("jung", "gauss").
struct Method {
    const char* key;
    const char* name;  // for messages: «по формулам Юнга»
};

inline constexpr Method kJung{"jung", "по формулам Юнга"};
inline constexpr Method kGauss{"gauss", "по формулам Гаусса"};

inline constexpr char kFormatName[] = "zasechka-sheet";
inline constexpr int kFormatVersion = 1;
// Far beyond any sheet: texts of a million characters in every field fit.
inline constexpr qint64 kMaxFileSize = qint64{64} * 1024 * 1024;

// The file's bytes for the given field names and their texts (same order).
QByteArray WriteSheet(const Method& method, const QStringList& names, const QStringList& texts);

// The method key a file's bytes claim, or an empty string when they claim
// none that can be read.
QString MethodOf(const QByteArray& bytes);

// The texts of the named fields, in that order, or the one Russian sentence
// that says why the bytes are refused.
struct Refusal {
    QString message;
};
std::variant<QStringList, Refusal> ReadSheet(const QByteArray& bytes, const Method& method,
                                             const QStringList& names);

// A file's bytes, or why they cannot be had (unreadable, over kMaxFileSize,
// or not a plain file: a folder, a pipe or a device is never read from).
std::variant<QByteArray, Refusal> ReadFileBytes(const QString& path);

// Puts the bytes in the file whole, or leaves whatever file was there as it
// was and says why not, in words that end a sentence ("на диске не хватает
// места").
std::optional<QString> WriteFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace zas::document
