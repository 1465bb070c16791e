// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_locale.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "trust/number_convention.h"

namespace zas::document {

namespace {

const QString kSeparatorKey = QStringLiteral("decimal_separator");
const QString kNotNumbersKey = QStringLiteral("not_numbers");

bool IsNumber(const QString& text, const QString& separator) {
    return IsNumberText(text.toStdString(), separator.toStdString());
}

}  // namespace

QByteArray TypedSeparator::Record(const QByteArray& bytes, const QStringList& names,
                                  const QStringList& texts, const QString& separator) const {
    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    root.insert(kSeparatorKey, separator);
    QJsonArray not_numbers;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const auto kept = kept_.constFind(names[i]);
        if (kept != kept_.cend() && *kept == texts[i] && IsNumber(texts[i], separator)) {
            not_numbers.append(names[i]);
        }
    }
    if (!not_numbers.isEmpty()) {
        root.insert(kNotNumbersKey, not_numbers);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QStringList TypedSeparator::Adopt(const QByteArray& bytes, const QStringList& names,
                                  QStringList texts, const QString& separator) {
    kept_.clear();
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    const QJsonValue recorded = root.value(kSeparatorKey);
    const QString typed = recorded.toString();
    // A file without the record, or with one that is no separator, is read
    // as it is.
    const bool known = recorded.isString() && UsableSeparator(typed.toStdString());
    const bool convert = known && typed != separator && UsableSeparator(separator.toStdString());
    const QJsonArray listed = root.value(kNotNumbersKey).toArray();
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString& text = texts[i];
        if (listed.contains(names[i]) || (known && !text.isEmpty() && !IsNumber(text, typed))) {
            kept_.insert(names[i], text);
        } else if (convert) {
            if (const auto converted = WithSeparator(text.toStdString(), typed.toStdString(),
                                                     separator.toStdString())) {
                text = QString::fromStdString(*converted);
            }
        }
    }
    return texts;
}

}  // namespace zas::document
