// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as field texts and decimal separators, through the number
// texts and both whole worksheets. Whatever arrives, a run must end in one of
// the three ways a worksheet allows, and every text it writes must read back.
// Arbitrary bytes as a saved sheet (.zas) for either sheet: refused with a
// message, or read as all 32 texts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QByteArray>
#include <QStringList>
#include <variant>

#include "app/document/sheet_description.h"
#include "app/document/sheet_format.h"
#include "arith/errors.h"
#include "arith/number_text.h"
#include "gauss/gauss_agreement.h"
#include "gauss/gauss_calc.h"
#include "gauss/gauss_fields.h"
#include "jung/jung_agreement.h"
#include "jung/jung_calc.h"
#include "jung/jung_fields.h"
#include "tests/map_fields.h"
#include "tests/samples.h"

namespace {

using zas::testing::MapFields;

[[noreturn]] void Fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "worksheet_fuzzer: %s %s\n", what, detail.c_str());
    std::abort();
}

void Require(bool condition, const char* what, const std::string& detail = {}) {
    if (!condition) {
        Fail(what, detail);
    }
}

std::optional<double> Parse(const std::string& text, std::string_view separator) {
    try {
        return zas::StrToFloat(text, separator);
    } catch (const zas::ConversionError& error) {
        Require(error.fieldText() == text, "conversion error names another text", text);
        return std::nullopt;
    }
}

// The largest magnitude whose 15-digit text still fits a double: above it the
// text rounds up past the largest double and cannot be read back.
constexpr double kLargestReadableBack = 1.79769313486231e308;

// A finite value's text reads back to a value with the same text; a NaN and
// an infinity are refused with their own errors.
void CheckRoundTrip(zas::Extended value, std::string_view separator) {
    std::string text;
    try {
        text = zas::FloatToStr(value, separator);
    } catch (const zas::InvalidOperationError&) {
        Require(zas::IsNaN(value), "FloatToStr refused a number");
        return;
    } catch (const zas::OverflowError&) {
        Require(zas::IsInf(value), "FloatToStr refused a finite value");
        return;
    }
    Require(zas::IsFinite(value), "FloatToStr wrote a NaN or an infinity", text);
    // Above that largest magnitude: the difference is exact in its sign,
    // and zero only for the largest itself.
    const zas::Extended excess = zas::Abs(value) - kLargestReadableBack;
    if (excess.kind() != zas::Extended::Kind::kZero && !excess.negative()) {
        return;  // beyond a double, or within the last 15-digit step below its end
    }
    const std::optional<double> back = Parse(text, separator);
    Require(back.has_value(), "FloatToStr text does not read back", text);
    Require(zas::FloatToStr(*back, separator) == text, "FloatToStr text changes on reading back",
            text);
}

// One field text: bytes, or (also when the bytes run out) the sample's own
// text with the separator in use, so that short inputs reach the arithmetic.
std::string FieldText(FuzzedDataProvider& data, const std::string& sample,
                      std::string_view separator) {
    if (data.ConsumeBool()) {
        return data.ConsumeRandomLengthString(48);
    }
    std::string text = sample;
    if (const auto comma = text.find(','); comma != std::string::npos) {
        text.replace(comma, 1, separator);
    }
    return text;
}

// Runs one worksheet on fuzzed inputs and checks how the run ended.
void RunSheet(FuzzedDataProvider& data, bool gauss, const std::string& separator) {
    MapFields fields = gauss ? zas::testing::GaussSample() : zas::testing::JungSample();
    fields.separator = separator;
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    bool anyEmpty = false;
    for (const zas::SheetField& field : gauss ? zas::gauss::kFields : zas::jung::kFields) {
        const std::string name(field.name);
        if (!field.input) {
            outputs.push_back(name);
            continue;
        }
        inputs.push_back(name);
        fields[name] = FieldText(data, fields[name], separator);
        anyEmpty = anyEmpty || fields[name].empty();
    }

    zas::testing::RecordedMessages recorded;
    std::optional<zas::ConversionError> conversion;
    bool floatingPointFault = false;
    try {
        gauss ? zas::ComputeGauss(fields) : zas::ComputeJung(fields);
    } catch (const zas::ConversionError& error) {
        conversion = error;
    } catch (const zas::FloatingPointError&) {
        floatingPointFault = true;
    }
    Require(recorded.errors.empty(), "a computation reported an error itself");
    // The agreement reads whatever the run left; it never throws or writes.
    const std::size_t writes = fields.writes.size();
    if (const auto agreement = gauss ? zas::GaussAgreement(fields) : zas::JungAgreement(fields)) {
        Require(!zas::AgreementLines(*agreement).empty(), "an agreement without lines");
    }
    Require(fields.writes.size() == writes, "the agreement wrote a field");

    const std::set<std::string> outputSet(outputs.begin(), outputs.end());
    std::set<std::string> written;
    for (const auto& name : fields.writes) {
        Require(outputSet.count(name) == 1, "wrote a field that is not an output", name);
        Require(written.insert(name).second, "wrote an output twice", name);
        Require(Parse(fields[name], separator).has_value(), "wrote a text that does not read back",
                fields[name]);
    }

    if (anyEmpty) {
        // The missing-input message, and nothing else happened.
        Require(!conversion.has_value() && !floatingPointFault,
                "an empty field did not stop the run");
        Require(recorded.messages.size() == 1 && recorded.messages[0] == zas::kMissingInputMessage,
                "an empty field without the message");
        Require(written.empty(), "wrote outputs despite an empty field");
        return;
    }
    Require(recorded.messages.empty(), "a message with every field filled");
    if (conversion) {
        // Raised before anything is written, naming an input that does not read.
        Require(written.empty(), "wrote outputs before a conversion error");
        bool named = false;
        for (const auto& name : inputs) {
            named = named ||
                    (fields[name] == conversion->fieldText() && !Parse(fields[name], separator));
        }
        Require(named, "conversion error names no unreadable input", conversion->fieldText());
    } else {
        for (const auto& name : inputs) {
            Require(Parse(fields[name], separator).has_value(),
                    "an unreadable input went unreported", fields[name]);
        }
        if (floatingPointFault) {
            Require(written.size() < outputs.size(), "a fault after every output was written");
        } else {
            Require(written.size() == outputs.size(), "a run ended without all outputs");
        }
    }
}

// Bytes as a saved sheet: a refusal with its sentence, changing nothing, or
// all 32 texts, which save and read back unchanged.
void ReadSheetFile(FuzzedDataProvider& data) {
    const auto& sheet =
        data.ConsumeBool() ? zas::document::GaussSheet() : zas::document::JungSheet();
    const QStringList names = sheet.FieldNames();
    const std::string rest = data.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), static_cast<qsizetype>(rest.size()));
    const auto read = zas::document::ReadSheet(bytes, sheet.method, names);
    if (const auto* refusal = std::get_if<zas::document::Refusal>(&read)) {
        Require(!refusal->message.isEmpty() && refusal->message.endsWith(QLatin1Char('.')),
                "a refusal without its sentence", refusal->message.toStdString());
        return;
    }
    const QStringList& texts = std::get<QStringList>(read);
    Require(texts.size() == names.size(), "a sheet read without all its texts");
    const auto again = zas::document::ReadSheet(
        zas::document::WriteSheet(sheet.method, names, texts), sheet.method, names);
    Require(std::holds_alternative<QStringList>(again) && std::get<QStringList>(again) == texts,
            "a sheet read does not save and read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    // A separator the window layer would refuse leaves the samples' comma.
    std::string separator = data.ConsumeRandomLengthString(4);
    if (!zas::IsUsableSeparator(separator)) {
        separator = ",";
    }

    switch (data.ConsumeIntegralInRange(0, 4)) {
        case 0: {
            // A text alone: read, and what it reads as written back.
            const std::string text = data.ConsumeRandomLengthString(64);
            if (const std::optional<double> value = Parse(text, separator)) {
                Require(std::isfinite(*value), "StrToFloat gave a NaN or an infinity", text);
                CheckRoundTrip(*value, separator);
            }
            break;
        }
        case 1: {
            // Any double, and extended values made from two of them.
            const double a = data.ConsumeFloatingPoint<double>();
            const double b = data.ConsumeFloatingPoint<double>();
            CheckRoundTrip(a, separator);
            CheckRoundTrip(zas::Extended{a} * b, separator);
            CheckRoundTrip(zas::Extended{a} / (b == 0 ? 1 : b), separator);
            break;
        }
        case 2:
            RunSheet(data, false, separator);
            break;
        case 3:
            RunSheet(data, true, separator);
            break;
        default:
            ReadSheetFile(data);
            break;
    }
    return 0;
}
