// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples the two worksheets open with: their 20 input texts (with
// the comma of the sample) and their 12 outputs, empty.
#pragma once

#include <map>
#include <string>

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

}  // namespace zas::testing
