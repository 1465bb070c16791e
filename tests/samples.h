// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples the two worksheets open with: their 20 input texts (with
// the comma of the sample) and their 12 outputs, empty.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "arith/errors.h"
#include "arith/sheet_fields.h"

#include "tests/map_fields.h"

namespace zas::testing {

inline MapFields JungSample() {
    return MapFields({
        {"EAg", "103"},     {"EAm", "15"},      {"EAs", "35"},      {"EXa", "823,61"},
        {"EBg", "38"},      {"EBm", "39"},      {"EBs", "17"},      {"EXb", "329,83"},
        {"EYa", "-192,37"}, {"EYb", "1822,81"}, {"ECg", "92"},      {"EBbg", "26"},
        {"ECm", "26"},      {"EBbm", "50"},     {"Ebbs", "16"},     {"ECs", "10"},
        {"EXc", "3138,17"}, {"EXbb", "329,83"}, {"EYc", "1290,17"}, {"EYbb", "1822,81"},
        {"EXp1", ""},       {"EYp1", ""},       {"Ectgb2", ""},     {"Ectgb1", ""},
        {"Eb1b2", ""},      {"Ebb1bb2", ""},    {"Ectgbb1", ""},    {"Ectgbb2", ""},
        {"EXpp1", ""},      {"EYpp1", ""},      {"Yp", ""},         {"Xp", ""},
    });
}

inline MapFields GaussSample() {
    return MapFields({
        {"EAg", "0"},       {"EAm", "30"},      {"EAs", "30"},      {"EXA", "823,61"},
        {"EBg", "322"},     {"EBm", "25"},      {"EBs", "22"},      {"EXb", "329,83"},
        {"EYa", "-192,37"}, {"EYb", "1822,81"}, {"ECg", "261"},     {"EBbg", "322"},
        {"ECm", "41"},      {"EBbm", "25"},     {"EBbs", "22"},     {"ECs", "38"},
        {"EXc", "3138,17"}, {"EXbb", "329,83"}, {"EYc", "1290,17"}, {"EYbb", "1822,81"},
        {"EXp", ""},        {"EYp", ""},        {"Etga1", ""},      {"Etga2", ""},
        {"Etga1a2", ""},    {"Etgaa1aa2", ""},  {"Etgaa2", ""},     {"Etgaa1", ""},
        {"EXpp", ""},       {"EYpp", ""},       {"Yp", ""},         {"Xp", ""},
    });
}

// One of a sheet's orders as the program takes it from the sheet's table.
template <std::size_t N>
std::vector<std::string> OrderOf(const SheetFields& fields, int SheetField::*place) {
    const auto names = zas::NamesInOrder<N>(fields, place);
    return {names.begin(), names.end()};
}

inline const std::string kDivisionByZero = "Деление на ноль\n";
inline const std::string kInvalidOperation = "Недопустимая операция с плавающей точкой\n";
inline const std::string kOverflow = "Переполнение при операции с плавающей точкой\n";

// A run that ends in a floating-point fault: the inputs changed from the
// worked example ("name=text ..."), the error's text, the outputs written.
struct FaultCase {
    const char* inputs;
    std::string message;
    std::size_t written;
};

template <class Compute>
void ExpectFaults(const MapFields& sample, Compute compute, const std::vector<std::string>& outputs,
                  const std::vector<FaultCase>& faults) {
    for (const FaultCase& fault : faults) {
        MapFields f = sample;
        f.Assign(fault.inputs);
        try {
            compute(f);
            ADD_FAILURE() << fault.inputs << ": no fault";
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(e.what(), fault.message) << fault.inputs;
        }
        EXPECT_EQ(f.writes, std::vector(outputs.begin(), outputs.begin() + fault.written))
            << fault.inputs;
    }
}

}  // namespace zas::testing
