// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/check_command.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <map>

#include "app/document/sheet_description.h"
#include "app/document/sheet_format.h"
#include "app/document/sheet_locale.h"
#include "arith/errors.h"
#include "arith/number_text.h"
#include "check/csv.h"
#include "check/sheet_check.h"

namespace zas::document {

namespace {

// A saved sheet's texts, by field name.
class FileFields : public WorksheetFields {
  public:
    std::string GetText(std::string_view name) const override {
        const auto found = texts.find(name);
        return found != texts.end() ? found->second : std::string();
    }
    void SetText(std::string_view name, const std::string& text) override {
        texts.insert_or_assign(std::string(name), text);
    }
    std::string_view DecimalSeparator() const override { return separator; }
    std::map<std::string, std::string, std::less<>> texts;
    std::string separator;
};

// What the computation would show in a message box, kept instead.
class KeptMessages : public MessageService {
  public:
    KeptMessages() : previous_(CurrentMessageService()) { SetMessageService(this); }
    ~KeptMessages() override { SetMessageService(previous_); }
    KeptMessages(const KeptMessages&) = delete;
    KeptMessages& operator=(const KeptMessages&) = delete;
    void ShowMessage(const std::string& text) override { last = text; }
    std::string last;

  private:
    MessageService* previous_;
};

// The files named, folders opened to their .zas files; false when a folder
// holds none.
bool Expand(const std::vector<std::string>& paths, std::vector<QString>& files, bool russian,
            std::FILE* err) {
    bool all = true;
    for (const std::string& path : paths) {
        const QString name = QFile::decodeName(path.c_str());
        if (!QFileInfo(name).isDir()) {
            files.push_back(name);
            continue;
        }
        std::vector<QString> found;
        QDirIterator walk(name, {QStringLiteral("*.zas")}, QDir::Files,
                          QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            found.push_back(walk.next());
        }
        std::sort(found.begin(), found.end());
        if (found.empty()) {
            std::fprintf(err,
                         russian ? "zasechka: в папке %s нет листов .zas\n"
                                 : "zasechka: the folder %s holds no .zas sheets\n",
                         path.c_str());
            all = false;
        }
        files.insert(files.end(), found.begin(), found.end());
    }
    return all;
}

const char* Keyword(check::Verdict verdict) {
    switch (verdict) {
        case check::Verdict::kAgrees:
            return "ok";
        case check::Verdict::kDiffers:
            return "differs";
        case check::Verdict::kMissing:
            break;
    }
    return "missing";
}

std::string Line(const check::FieldVerdict& field, bool russian) {
    std::string expected = field.expected;
    if (!field.exact.empty()) {
        expected += (russian ? " (точно " : " (exactly ") + field.exact + ")";
    }
    std::string line = "  " + field.spoken + " (" + field.field + "): ";
    switch (field.verdict) {
        case check::Verdict::kAgrees:
            return line + (russian ? "верно: " : "agrees: ") + field.given;
        case check::Verdict::kMissing:
            return line + (russian ? "не заполнено, должно быть " : "not filled in, expected ") +
                   expected;
        case check::Verdict::kDiffers:
            break;
    }
    line += (russian ? "расходится: должно быть " : "differs: expected ") + expected +
            (russian ? ", в листе " : ", the sheet has ") + field.given;
    const std::string reason = check::ReasonText(field.reason, russian);
    return reason.empty() ? line : line + " (" + reason + ")";
}

}  // namespace

int CheckFiles(const std::vector<std::string>& paths, bool csv, bool russian, std::FILE* out,
               std::FILE* err) {
    std::vector<QString> files;
    int code = Expand(paths, files, russian, err) ? 0 : 2;
    // Numbers are read and written with the user's decimal separator, as
    // the windows do it.
    QString separator = QLocale::system().decimalPoint();
    if (!IsUsableSeparator(separator.toStdString())) {
        separator = QStringLiteral(",");  // the samples', as the sheets keep it
    }
    KeptMessages messages;
    const auto write = [out](const std::string& text) { std::fputs(text.c_str(), out); };
    if (csv) {
        write(check::kByteOrderMark);
        write(check::CsvRow({"file", "method", "field", "name", "expected", "given", "verdict"}));
    }
    for (const QString& path : files) {
        const std::string file = QFile::encodeName(path).toStdString();
        const auto refuse = [&](const QString& message, const std::string& method,
                                const char* keyword, int exit) {
            code = std::max(code, exit);
            if (csv) {
                write(check::CsvRow({file, method, "", message.toStdString(), "", "", keyword}));
            } else {
                write(file + ": " + message.toStdString() + "\n");
            }
        };
        const auto bytes = ReadFileBytes(path);
        if (const auto* refusal = std::get_if<Refusal>(&bytes)) {
            refuse(refusal->message, "", "unreadable", 2);
            continue;
        }
        const QByteArray& content = std::get<QByteArray>(bytes);
        const bool gauss = MethodOf(content) == QLatin1String(kGauss.key);
        const SheetDescription& sheet = gauss ? GaussSheet() : JungSheet();
        const QStringList names = sheet.FieldNames();
        const auto read = ReadSheet(content, sheet.method, names);
        if (const auto* refusal = std::get_if<Refusal>(&read)) {
            refuse(refusal->message, "", "unreadable", 2);
            continue;
        }
        // As Open reads it: numbers typed where decimals are written
        // otherwise take the separator used here.
        const QStringList texts =
            TypedSeparator().Adopt(content, names, std::get<QStringList>(read), separator);
        FileFields fields;
        fields.separator = separator.toStdString();
        for (qsizetype i = 0; i < names.size(); ++i) {
            fields.texts.emplace(names[i].toStdString(), texts[i].toStdString());
        }
        const std::string method = sheet.method.key;
        if (!csv) {
            write(file + ": " +
                  (russian ? std::string("лист ") + sheet.method.name
                           : std::string(gauss ? "Gauss's formulas" : "Jung's formulas")) +
                  "\n");
        }
        std::optional<check::SheetCheck> checked;
        messages.last.clear();
        try {
            checked = check::CheckSheet(gauss ? check::GaussMethod() : check::JungMethod(), fields);
        } catch (const WorksheetError& error) {
            messages.last = error.what();
        }
        if (!checked) {
            code = std::max(code, 1);
            if (csv) {
                write(check::CsvRow({file, method, "", messages.last, "", "", "uncomputable"}));
            } else {
                write("  " + messages.last + "\n");
            }
            continue;
        }
        const bool agrees = checked->Agreeing() == checked->fields.size();
        code = std::max(code, agrees ? 0 : 1);
        for (const check::FieldVerdict& field : checked->fields) {
            write(csv ? check::CsvRow({file, method, field.field, field.spoken, field.expected,
                                       field.given, Keyword(field.verdict)})
                      : Line(field, russian) + "\n");
        }
        const std::string summary = check::SummaryText(*checked, russian);
        if (csv) {
            // One line a row, for the grade book.
            std::string line = summary;
            std::replace(line.begin(), line.end(), '\n', ' ');
            write(check::CsvRow({file, method, "", line, std::to_string(checked->fields.size()),
                                 std::to_string(checked->Agreeing()), agrees ? "ok" : "differs"}));
        } else {
            std::string indented = "  " + summary;
            for (std::size_t at = 0; (at = indented.find('\n', at)) != std::string::npos; at += 3) {
                indented.insert(at + 1, "  ");
            }
            write(indented + "\n");
        }
    }
    return code;
}

}  // namespace zas::document
