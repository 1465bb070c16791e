// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed corpus of worksheets, computed one after another: realistic surveys,
// the worked examples with each angle swept, angles on and next to the
// quadrant boundaries, and texts no surveyor should type. For every sheet it
// writes one line: its number, its 20 input texts, then every field text the
// computation wrote, in order, and the message or error it ended with.
// The corpus is generated from integers alone, so it is the same on every
// CPU; two builds that compute alike print byte-identical output.
//   sheet_corpus jung|gauss [count]
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "arith/errors.h"
#include "arith/worksheet_fields.h"
#include "gauss/gauss_calc.h"
#include "gauss/gauss_fields.h"
#include "jung/jung_calc.h"
#include "jung/jung_fields.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// SplitMix64: a small generator whose sequence is fixed by its seed alone.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number in [low, high].
    long long Between(long long low, long long high) {
        return low + static_cast<long long>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }

  private:
    std::uint64_t state_;
};

// A whole number of hundredths as the sheet shows it: "-192,37", "1250".
std::string Hundredths(long long value) {
    std::string text = value < 0 ? "-" : "";
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    text += std::to_string(magnitude / 100);
    if (magnitude % 100 != 0) {
        char cents[4];
        std::snprintf(cents, sizeof cents, ",%02llu", magnitude % 100);
        text += cents;
        if (text.back() == '0') {
            text.pop_back();
        }
    }
    return text;
}

using InputNames = std::array<std::string_view, zas::kInputCount>;

// The 20 input fields in the order of the sheet's rows: the four angles as
// degrees, minutes, seconds, then X and Y of A, B, B repeated, C.
InputNames InputsByRow(const zas::SheetFields& fields) {
    InputNames names;
    std::size_t n = 0;
    for (const bool angle : {true, false}) {
        for (const zas::SheetField& field : fields) {
            const bool angle_part = field.column == zas::SheetColumn::kDegrees ||
                                    field.column == zas::SheetColumn::kMinutes ||
                                    field.column == zas::SheetColumn::kSeconds;
            if (field.input && angle_part == angle) {
                names[n++] = field.name;
            }
        }
    }
    return names;
}

using Inputs = std::array<std::string, 20>;

// The worked examples, in the order of InputsByRow.
const Inputs kJungSample = {"103",     "15",     "35",      "38",      "39",
                            "17",      "26",     "50",      "16",      "92",
                            "26",      "10",     "823,61",  "-192,37", "329,83",
                            "1822,81", "329,83", "1822,81", "3138,17", "1290,17"};
const Inputs kGaussSample = {"0",       "30",     "30",      "322",     "25",
                             "22",      "322",    "25",      "22",      "261",
                             "41",      "38",     "823,61",  "-192,37", "329,83",
                             "1822,81", "329,83", "1822,81", "3138,17", "1290,17"};

// The sheet: every field a text, every write recorded in order.
class CorpusSheet : public zas::WorksheetFields {
  public:
    std::string GetText(std::string_view name) const override {
        const auto it = texts_.find(name);
        return it == texts_.end() ? std::string() : it->second;
    }
    void SetText(std::string_view name, const std::string& text) override {
        texts_[std::string(name)] = text;
        written_.append(name).append("=").append(text).append("\t");
    }
    std::string_view DecimalSeparator() const override { return ","; }
    void Reset(const InputNames& names, const Inputs& inputs) {
        texts_.clear();
        written_.clear();
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            texts_[std::string(names[i])] = inputs[i];
        }
    }
    const std::string& Written() const { return written_; }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::string written_;
};

class Messages : public zas::MessageService {
  public:
    void ShowMessage(const std::string& text) override { last += "message: " + text; }
    std::string last;
};

// Control characters would break the one-line-per-sheet form.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Angle(long long whole) {
    return std::to_string(whole);
}

// Puts an angle of d degrees, m minutes, s seconds into slot (0 to 3).
void SetAngle(Inputs& in, int slot, long long d, long long m, long long s) {
    in[3 * slot] = Angle(d);
    in[3 * slot + 1] = Angle(m);
    in[3 * slot + 2] = Angle(s);
}

// Texts a field may hold besides a plain number: each is either refused
// (missing input, conversion error) or a number at the edge of the sheet's
// arithmetic.
const std::vector<std::string> kHostileTexts = {
    "",
    " ",
    "   ",
    "1O3",
    "823.61",
    "3 138,17",
    "inf",
    "nan",
    "0x1A",
    "1e400",
    "-1e400",
    "1e308",
    "-1e308",
    "1e-320",
    "4,9e-324",
    "1e-400",
    "1,7976931348623157e308",
    "0",
    "-0",
    "0,0",
    ",5",
    "5,",
    "+7",
    "--7",
    "1e",
    "1e+5",
    "1E-5",
    "  12,5  ",
    "\t12",
    "12\t",
    "1,2,3",
    "9223372036854775807",
    "9,223372036854775808e18",
    "1e19",
    "-1e19",
    "1e15",
    "1e-15",
    "360",
    "-360",
    "720",
    "100000",
    "-0,00001",
    "3600",
    "59,999999",
    "1e10",
    "1e150",
    "1e-150",
    "\xE2\x88\x92"
    "5",
    "\xD9\xA1\xD9\xA2",
    "12345678901234567890123456789",
};

class Corpus {
  public:
    Corpus(const InputNames& names, const Inputs& sample, void (*compute)(zas::WorksheetFields&))
        : names_(names), sample_(sample), compute_(compute) {
        zas::SetMessageService(&messages_);
    }
    ~Corpus() { zas::SetMessageService(nullptr); }
    Corpus(const Corpus&) = delete;
    Corpus& operator=(const Corpus&) = delete;

    void Run(const Inputs& in) {
        sheet_.Reset(names_, in);
        messages_.last.clear();
        std::string end;
        try {
            compute_(sheet_);
        } catch (const zas::WorksheetError& error) {
            end = std::string("error: ") + error.what();
        } catch (const std::exception& error) {
            end = std::string("unexpected: ") + error.what();
        }
        std::string line = std::to_string(count_++);
        for (const auto& text : in) {
            line += '|';
            line += Escaped(text);
        }
        line += "\t=>\t";
        line += Escaped(sheet_.Written());
        line += Escaped(messages_.last);
        line += Escaped(end);
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }

    // The worked example with each angle swept: every degree and every
    // minute, the seconds drawn at random.
    void SweptSamples(Random& random) {
        for (int slot = 0; slot < 4; ++slot) {
            for (long long d = 0; d < 360; ++d) {
                for (long long m = 0; m < 60; ++m) {
                    Inputs in = sample_;
                    SetAngle(in, slot, d, m, random.Between(0, 59));
                    Run(in);
                }
            }
        }
    }

    // Every angle on a multiple of 45 degrees, exactly and one second to
    // either side, in each slot; the other angles as in the example.
    void BoundaryAngles() {
        for (int slot = 0; slot < 4; ++slot) {
            for (long long d = -360; d <= 720; d += 45) {
                for (const long long offset : {-1, 0, 1}) {
                    Inputs in = sample_;
                    if (offset < 0) {
                        SetAngle(in, slot, d - 1, 59, 59);
                    } else {
                        SetAngle(in, slot, d, 0, offset);
                    }
                    Run(in);
                }
            }
        }
        // All four on the same boundary.
        for (long long d = 0; d <= 360; d += 45) {
            Inputs in = sample_;
            for (int slot = 0; slot < 4; ++slot) {
                SetAngle(in, slot, d, 0, 0);
            }
            Run(in);
        }
    }

    // Control points a few kilometres apart to the centimetre, angles in
    // whole seconds (interior angles between 15 and 150 degrees for Jung,
    // directional angles all round for Gauss), now and then tenths of a second.
    void Surveys(Random& random, long long count, bool directional) {
        for (long long n = 0; n < count; ++n) {
            Inputs in;
            for (int slot = 0; slot < 4; ++slot) {
                const long long d = directional ? random.Between(0, 359) : random.Between(15, 149);
                in[3 * slot] = Angle(d);
                in[3 * slot + 1] = Angle(random.Between(0, 59));
                if (random.Between(0, 9) == 0) {
                    in[3 * slot + 2] = Hundredths(random.Between(0, 5999) * 10);
                } else {
                    in[3 * slot + 2] = Angle(random.Between(0, 59));
                }
            }
            for (int coordinate = 12; coordinate < 20; coordinate += 2) {
                in[coordinate] = Hundredths(random.Between(-99'999'999, 999'999'999));
                in[coordinate + 1] = Hundredths(random.Between(-99'999'999, 999'999'999));
            }
            // Most sheets repeat B where the second triangle's rows ask for it.
            if (random.Between(0, 7) != 0) {
                in[16] = in[14];
                in[17] = in[15];
            }
            Run(in);
        }
    }

    // One, two or three fields of the example replaced by a hostile text.
    void Hostile(Random& random, long long count) {
        for (std::size_t field = 0; field < 20; ++field) {
            for (const auto& text : kHostileTexts) {
                Inputs in = sample_;
                in[field] = text;
                Run(in);
            }
        }
        for (long long n = 0; n < count; ++n) {
            Inputs in = sample_;
            const long long fields = random.Between(1, 3);
            for (long long k = 0; k < fields; ++k) {
                in[random.Between(0, 19)] =
                    kHostileTexts[random.Between(0, kHostileTexts.size() - 1)];
            }
            Run(in);
        }
    }

  private:
    InputNames names_;
    const Inputs& sample_;
    void (*compute_)(zas::WorksheetFields&);
    CorpusSheet sheet_;
    Messages messages_;
    long long count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const bool jung = argc >= 2 && std::strcmp(argv[1], "jung") == 0;
    const bool gauss = argc >= 2 && std::strcmp(argv[1], "gauss") == 0;
    if (!jung && !gauss) {
        std::fprintf(stderr, "usage: sheet_corpus jung|gauss [surveys]\n");
        return 2;
    }
    const long long surveys = argc >= 3 ? std::atoll(argv[2]) : 12'000;
#ifdef _WIN32
    // The lines end in a line feed on every system: no carriage returns.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    Corpus corpus(InputsByRow(jung ? zas::jung::kFields : zas::gauss::kFields),
                  jung ? kJungSample : kGaussSample, jung ? zas::ComputeJung : zas::ComputeGauss);
    Random random(jung ? 0x4A554E47 : 0x47415553);
    corpus.SweptSamples(random);
    corpus.BoundaryAngles();
    corpus.Surveys(random, surveys, gauss);
    corpus.Hostile(random, 2'000);
    return 0;
}
