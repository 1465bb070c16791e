// SPDX-License-Identifier: GPL-3.0-or-later
#include "trust/currency.h"

#include <map>
#include <string>

namespace zas {

namespace {

// The sheet's texts as the computation sees them, its writes kept aside.
class Copy : public WorksheetFields {
  public:
    explicit Copy(const WorksheetFields& sheet) : sheet_(sheet) {}

    std::string GetText(std::string_view name) const override {
        const auto written = writes_.find(name);
        return written != writes_.end() ? written->second : sheet_.GetText(name);
    }
    void SetText(std::string_view name, const std::string& text) override {
        writes_.insert_or_assign(std::string(name), text);
    }
    std::string_view DecimalSeparator() const override { return sheet_.DecimalSeparator(); }
    const std::map<std::string, std::string, std::less<>>& Writes() const { return writes_; }

  private:
    const WorksheetFields& sheet_;
    std::map<std::string, std::string, std::less<>> writes_;
};

// Holds back every message for as long as it lives, noting that one came.
class Silence : public MessageService {
  public:
    Silence() : previous_(CurrentMessageService()) { SetMessageService(this); }
    ~Silence() override { SetMessageService(previous_); }
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

    void ShowMessage(const std::string&) override { spoke = true; }
    void ReportError(const std::string&) override { spoke = true; }

    bool spoke = false;

  private:
    MessageService* previous_;
};

}  // namespace

bool OutputsFollowFromInputs(const WorksheetFields& sheet, void (*compute)(WorksheetFields&)) {
    Copy copy(sheet);
    Silence silence;
    try {
        compute(copy);
    } catch (...) {
        return false;
    }
    if (silence.spoke || copy.Writes().empty()) {
        return false;
    }
    for (const auto& [name, text] : copy.Writes()) {
        if (sheet.GetText(name) != text) {
            return false;
        }
    }
    return true;
}

}  // namespace zas
