// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet made of a map from field names to texts: what the tests and the
// benchmark hand to the computations in place of a window. It knows only the
// names it was given, and it records every read and write in order. Its
// numbers have the samples' comma unless a test sets another separator.
#pragma once

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "arith/worksheet_fields.h"

namespace zas::testing {

class MapFields : public WorksheetFields {
  public:
    MapFields() = default;
    explicit MapFields(std::map<std::string, std::string, std::less<>> texts)
        : texts_(std::move(texts)) {}

    std::string GetText(std::string_view name) const override {
        reads.emplace_back(name);
        return Find(name);
    }

    void SetText(std::string_view name, const std::string& text) override {
        writes.emplace_back(name);
        Find(name) = text;
    }

    std::string_view DecimalSeparator() const override { return separator; }

    // Direct access for the test itself: not recorded.
    std::string& operator[](std::string_view name) { return Find(name); }

    // The texts of the named fields, in that order.
    std::vector<std::string> TextsOf(const std::vector<std::string>& names) const {
        std::vector<std::string> texts;
        for (const auto& name : names) {
            texts.push_back(Find(name));
        }
        return texts;
    }

    // Puts one text into each named field, e.g. a marker into every output so
    // that what a run leaves alone shows.
    void Fill(const std::vector<std::string>& names, const std::string& text) {
        for (const auto& name : names) {
            Find(name) = text;
        }
    }

    // Puts texts into fields, given as "name=text name=text".
    void Assign(std::string_view assignments) {
        std::istringstream words{std::string(assignments)};
        for (std::string word; words >> word;) {
            const auto equals = word.find('=');
            Find(word.substr(0, equals)) = word.substr(equals + 1);
        }
    }

    // Every field and its text, by name.
    const std::map<std::string, std::string, std::less<>>& Texts() const { return texts_; }

    std::string separator = ",";
    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;

  private:
    std::string& Find(std::string_view name) const {
        auto it = texts_.find(name);
        if (it == texts_.end()) {
            throw std::out_of_range("no field named " + std::string(name));
        }
        return const_cast<std::string&>(it->second);
    }

    std::map<std::string, std::string, std::less<>> texts_;
};

// Keeps every message and every error report, in place of the message boxes,
// for as long as it lives; then the service before it is back.
class RecordedMessages : public MessageService {
  public:
    RecordedMessages() : previous_(CurrentMessageService()) { SetMessageService(this); }
    ~RecordedMessages() override { SetMessageService(previous_); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ReportError(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;

  private:
    MessageService* previous_;
};

}  // namespace zas::testing
