// SPDX-License-Identifier: GPL-3.0-or-later
// What a tired hand types, or pastes, into a worksheet field, and how the
// sheet must answer each: the missing-input message, the conversion error
// naming the text, or the worked example's own results. White space around a
// number is ignored; an invisible character in a refused text is spelt out.
#pragma once

#include <QString>
#include <vector>

namespace zas::testing {

enum class Outcome { kMissingInput, kConversionError, kResult };

struct BadText {
    const char* what;
    QString text;
    Outcome outcome;
    QString shown;  // between the quotes of the conversion error
};

// The texts for a field whose worked-example text is sample (the comma is
// the decimal separator in use).
inline std::vector<BadText> BadTexts(const QString& sample) {
    using O = Outcome;
    QString otherSeparator = sample;
    otherSeparator = sample.contains(u',') ? otherSeparator.replace(u',', u'.') : sample + ".5";
    const QString huge = "1" + QString(99'999, u'0');
    // The sample itself, written out to 100,000 digits with trailing zeros.
    QString padded = sample.contains(u',') ? sample : sample + ",";
    const auto digits = [](const QString& text) {
        return text.size() - text.count(u',') - text.count(u'-');
    };
    padded += QString(100'000 - digits(padded), u'0');
    const QString tab = sample + "\t";
    const QString nul = sample + QChar(u'\0');
    const QString emoji = QString::fromUtf8("\U0001F600");
    return {
        {"empty", "", O::kMissingInput, ""},
        {"blanks only", "   ", O::kConversionError, "   "},
        {"a letter O for a zero", "1O3", O::kConversionError, "1O3"},
        {"the other decimal separator", otherSeparator, O::kConversionError, otherSeparator},
        {"a blank between thousands", "3 138,17", O::kConversionError, "3 138,17"},
        {"a no-break blank between thousands", QString::fromUtf8("3\u00A0138,17"),
         O::kConversionError, QString::fromUtf8("3\u00A0138,17")},
        {"inf", "inf", O::kConversionError, "inf"},
        {"nan", "nan", O::kConversionError, "nan"},
        {"a hexadecimal number", "0x1A", O::kConversionError, "0x1A"},
        {"1e400", "1e400", O::kConversionError, "1e400"},
        {"-1e400", "-1e400", O::kConversionError, "-1e400"},
        {"a 100,000-digit number", huge, O::kConversionError, huge.left(40) + "…"},
        {"the sample to 100,000 digits", padded, O::kResult, ""},
        {"a Unicode minus sign", QString::fromUtf8("−5"), O::kConversionError,
         QString::fromUtf8("−5")},
        {"Arabic-Indic digits", QString::fromUtf8("١٢٣"), O::kConversionError,
         QString::fromUtf8("١٢٣")},
        {"a tab after the sample", tab, O::kResult, ""},
        {"a spreadsheet cell's line break", sample + "\r\n", O::kResult, ""},
        {"a NUL after the sample", nul, O::kConversionError, sample + "<NUL>"},
        {"a Cyrillic O and a tab", QString::fromUtf8("1О3\t"), O::kConversionError,
         QString::fromUtf8("1О3<TAB>")},
        {"right-to-left text", QString::fromUtf8("שלום"), O::kConversionError,
         QString::fromUtf8("שלום")},
        {"an emoji", emoji, O::kConversionError, emoji},
    };
}

}  // namespace zas::testing
