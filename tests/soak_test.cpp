// SPDX-License-Identifier: GPL-3.0-or-later
// A long random walk of user actions over the whole program, as a heavy hand
// would work it for hours: windows opened from the main window, fields of the
// open worksheet typed over with numbers, blanks, letters and worse, Compute,
// Clear, Exit, the close box, Enter, Escape and Tab, every message box read
// and dismissed. After each action the windows show what the action implies;
// what a Compute shows is worked out by running the same computation on a
// copy of the sheet's texts. And the program's memory after the walk is what
// it was after its first actions.
//
// The walk is seeded: ZAS_SOAK_SEED and ZAS_SOAK_ACTIONS change the seed and
// the number of actions. A failure names the seed and the last actions.
//
// A text goes into a field as a paste over the field's whole text would put
// it, through setText. (The line edit's own paste keeps every character it
// replaces for undo, so thousands of pastes of a 100,000-digit number would
// measure the toolkit's undo history instead of the program.)
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h first.
#include <psapi.h>
#else
#include <unistd.h>
#endif

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <exception>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/About/about.h"
#include "app/Opic/opic.h"
#include "app/application.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "arith/errors.h"
#include "arith/number_text.h"
#include "gauss/gauss_calc.h"
#include "gauss/gays.h"
#include "jung/jung_calc.h"
#include "jung/ung.h"
#include "tests/bad_texts.h"
#include "tests/map_fields.h"
#include "tests/samples.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZAS_UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZAS_UNDER_ADDRESS_SANITIZER 1
#endif
#endif

using zas::testing::MapFields;
using zas::testing::RecordedMessages;

namespace {

constexpr quint64 kDefaultSeed = 1887;
constexpr quint64 kDefaultActions = 5000;
// Memory is first measured after these actions, once every window has been
// opened and every kind of text has been typed and computed.
constexpr quint64 kWarmUpActions = 500;
constexpr qint64 kAllowedGrowth = 4 << 20;
// Ticks the walk waits for the program to come back from a closed window or
// a dismissed message box before it gives up.
constexpr int kPatience = 10000;

const QString kTitle = QStringLiteral("Прямая засечка");
const QString kConversion = QStringLiteral(" не является правильным числом");
// Every message a Compute may show, but the conversion error.
const QStringList kMessages = {
    QStringLiteral("Введите исходные данные(они обозначены красным цветом)"),
    QStringLiteral("Деление на ноль"),
    QStringLiteral("Недопустимая операция с плавающей точкой"),
    QStringLiteral("Переполнение при операции с плавающей точкой"),
};

quint64 FromEnvironment(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

qint64 ResidentBytes() {
#if defined(__GLIBC__)
    // What was freed goes back to the system first: only what is held counts.
    malloc_trim(0);
#endif
#ifdef _WIN32
    // Windows has no /proc: its working set is the resident memory.
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<qint64>(counters.WorkingSetSize);
#else
    std::ifstream statm("/proc/self/statm");
    qint64 size = 0;
    qint64 resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
#endif
}

// A field text as the conversion error quotes it (the quote itself is
// tested with the number texts).
QString Quoted(const QString& text) {
    return QString::fromStdString(zas::ConversionError(text.toStdString()).what());
}

// A text for the log of actions: control characters spelt out, long texts cut.
QString Shown(const QString& text) {
    QString shown;
    for (const QChar c : text.left(30)) {
        shown += c.unicode() < 0x20
                     ? QStringLiteral("\\x%1").arg(int(c.unicode()), 2, 16, QChar(u'0'))
                     : QString(c);
    }
    if (text.size() > 30) {
        shown += QStringLiteral("…(%1 characters)").arg(text.size());
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// A worksheet window and what its fields must show.
struct Sheet {
    QString title;
    const char* opener = nullptr;  // its button on the main window
    zas::ui::WorksheetForm* form = nullptr;
    void (*compute)(zas::WorksheetFields&) = nullptr;
    QPushButton* compute_button = nullptr;
    QPushButton* clear_button = nullptr;
    QPushButton* exit_button = nullptr;
    std::vector<QLineEdit*> fields;
    std::vector<std::string> names;
    std::vector<QString> sample;  // the worked example's text: empty in outputs
    std::vector<QString> texts;
    std::vector<std::array<std::size_t, 3>> angles;  // degrees, minutes, seconds
};

Sheet MakeSheet(const char* title, const char* opener, zas::ui::WorksheetForm* form,
                void (*compute)(zas::WorksheetFields&), const MapFields& sample,
                const char* compute_button, const char* clear_button, const char* exit_button,
                const std::vector<std::array<const char*, 3>>& angles) {
    Sheet sheet;
    sheet.title = QString::fromLatin1(title);
    sheet.opener = opener;
    sheet.form = form;
    sheet.compute = compute;
    sheet.compute_button = form->findChild<QPushButton*>(QString::fromLatin1(compute_button));
    sheet.clear_button = form->findChild<QPushButton*>(QString::fromLatin1(clear_button));
    sheet.exit_button = form->findChild<QPushButton*>(QString::fromLatin1(exit_button));
    for (QLineEdit* field : form->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        sheet.fields.push_back(field);
        sheet.names.push_back(field->objectName().toStdString());
    }
    for (const std::string& text : sample.TextsOf(sheet.names)) {
        sheet.sample.push_back(QString::fromStdString(text));
    }
    sheet.texts = sheet.sample;
    for (const auto& angle : angles) {
        std::array<std::size_t, 3> at{};
        for (std::size_t part = 0; part < 3; ++part) {
            at[part] = std::size_t(std::find(sheet.names.begin(), sheet.names.end(), angle[part]) -
                                   sheet.names.begin());
        }
        sheet.angles.push_back(at);
    }
    return sheet;
}

QtMessageHandler previous_handler = nullptr;

// The offscreen platform says this each time a window is shown; every other
// message goes on as before.
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message != QLatin1String("This plugin does not support propagateSizeHints()")) {
        previous_handler(type, context, message);
    }
}

class Walk {
  public:
    Walk(quint64 seed, quint64 actions)
        : seed_(seed),
          actions_(actions),
          rng_(seed),
          sheets_{MakeSheet("Jung", "BitBtn1", Form2, zas::ComputeJung, zas::testing::JungSample(),
                            "BitBtn1", "BitBtn3", "BitBtn2",
                            {{"EAg", "EAm", "EAs"},
                             {"EBg", "EBm", "EBs"},
                             {"EBbg", "EBbm", "Ebbs"},
                             {"ECg", "ECm", "ECs"}}),
                  MakeSheet("Gauss", "BitBtn2", Form3, zas::ComputeGauss,
                            zas::testing::GaussSample(), "BitBtn1", "BitBtn2", "BitBtn3",
                            {{"EAg", "EAm", "EAs"},
                             {"EBg", "EBm", "EBs"},
                             {"EBbg", "EBbm", "EBbs"},
                             {"ECg", "ECm", "ECs"}})},
          description_(Form4->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))),
          description_text_(description_->toPlainText()) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }

    // Runs the program with the walk driving it; what went wrong, or nothing.
    QString Run(zas::ui::Application& application) {
        timer_.start(0);
        const int code = application.Run();
        timer_.stop();
        if (failure_.isEmpty() && (code != 0 || !Form1->isHidden() || done_ < actions_)) {
            Fail(QStringLiteral("the program ended before the walk (exit code %1)").arg(code));
        }
        return failure_;
    }

    qint64 warm_resident = 0;
    qint64 end_resident = 0;
    std::map<QString, int> outcomes;  // what the computations ended with

  private:
    quint64 Below(quint64 n) { return rng_() % n; }

    // The sheet shown, if the window on top of the main window is one.
    Sheet* OpenSheet() {
        for (Sheet& sheet : sheets_) {
            if (open_ == sheet.form) {
                return &sheet;
            }
        }
        return nullptr;
    }

    void Log(const QString& action) {
        ++done_;
        log_.push_back(QStringLiteral("#%1 %2").arg(done_).arg(action));
        if (log_.size() > 30) {
            log_.pop_front();
        }
    }

    // Records the first fault, with the seed and the actions that led to it,
    // and turns the walk to closing every window.
    bool Fail(const QString& what) {
        if (failure_.isEmpty()) {
            failure_ = QStringLiteral("%1 (seed %2, action %3 of %4); the last actions:\n%5")
                           .arg(what)
                           .arg(seed_)
                           .arg(done_)
                           .arg(actions_)
                           .arg(QStringList(log_.begin(), log_.end()).join(QLatin1Char('\n')));
        }
        stopping_ = true;
        return false;
    }

    bool Expect(bool holds, const QString& what) { return holds || Fail(what); }

    void Tick() {
        try {
            if (stopping_) {
                WindDown();
            } else if (settling_) {
                if (++waited_ > kPatience) {
                    Fail(QStringLiteral("the program did not come back to the walk"));
                }
            } else {
                waited_ = 0;
                if (WindowsAsExpected()) {
                    Act();
                }
            }
        } catch (const std::exception& error) {
            Fail(QStringLiteral("an exception escaped: ") + QString::fromUtf8(error.what()));
        }
    }

    // Runs an action from the event loop rather than from the tick, so that a
    // window or message box it opens is driven by the ticks of its own loop.
    void Post(const std::function<void()>& action) {
        settling_ = true;
        QTimer::singleShot(0, &timer_, [this, action] {
            settling_ = false;
            if (stopping_) {
                return;
            }
            try {
                action();
            } catch (const std::exception& error) {
                Fail(QStringLiteral("an exception escaped: ") + QString::fromUtf8(error.what()));
            }
        });
    }

    // Only the main window, the window opened from it and the message box
    // a Compute shows are visible, and the topmost of them takes the input.
    bool WindowsAsExpected() {
        QStringList strays;
        QList<QMessageBox*> boxes;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window == Form1 || window == open_) {
                continue;
            }
            if (auto* box = qobject_cast<QMessageBox*>(window)) {
                boxes << box;
                strays << QStringLiteral("message box ") + Shown(box->text());
            } else {
                strays << window->objectName();
            }
        }
        if (boxes.size() == 1 && expected_box_) {
            strays.clear();
        }
        return Expect(strays.isEmpty(), QStringLiteral("shown: ") + strays.join(u", ")) &&
               Expect(!expected_box_ || boxes.size() == 1,
                      QStringLiteral("no message box; expected ") + Shown(expected_text_)) &&
               Expect(Form1->isVisible(), QStringLiteral("the main window is gone")) &&
               Expect(open_ == nullptr || open_->isVisible(),
                      QStringLiteral("the window shown from the main window is hidden")) &&
               Expect(QApplication::activeModalWidget() ==
                          (expected_box_ ? boxes.front() : static_cast<QWidget*>(open_)),
                      QStringLiteral("another window takes the input"));
    }

    // Every field of both sheets shows what the actions left in it, and the
    // description is as it was.
    bool TextsAsExpected() {
        for (const Sheet& sheet : sheets_) {
            for (std::size_t i = 0; i < sheet.fields.size(); ++i) {
                const QString shown = sheet.fields[i]->text();
                if (shown != sheet.texts[i]) {
                    return Fail(QStringLiteral("%1 sheet, field %2 shows %3, expected %4")
                                    .arg(sheet.title, QString::fromStdString(sheet.names[i]),
                                         Shown(shown), Shown(sheet.texts[i])));
                }
            }
        }
        return Expect(description_->toPlainText() == description_text_,
                      QStringLiteral("the description's text changed"));
    }

    // What every action but a Compute ends with: the window on top is still
    // shown, or closed when the action closes it, and no text changed but
    // what the action changed.
    void After(bool closes) {
        if (stopping_) {
            return;
        }
        QWidget* window = open_ != nullptr ? static_cast<QWidget*>(open_) : Form1;
        if (closes) {
            Expect(window->isHidden(), window->objectName() + QStringLiteral(" stayed open"));
            settling_ = true;  // until the window's showing has ended
        } else {
            Expect(window->isVisible(), window->objectName() + QStringLiteral(" closed"));
        }
        TextsAsExpected();
    }

    void Act() {
        // The walk ends, and memory is measured, with the main window on top.
        const bool home = done_ >= actions_ || (warm_resident == 0 && done_ >= kWarmUpActions);
        Sheet* sheet = OpenSheet();
        if (expected_box_) {
            AnswerBox();
        } else if (sheet != nullptr) {
            OnSheet(*sheet, home);
        } else if (open_ == Form4) {
            OnDescription(home);
        } else if (open_ == AboutBox) {
            OnAbout(home);
        } else if (home) {
            GoHome();
        } else {
            OnMain();
        }
    }

    // Opens a sheet that still holds text (and Exit will empty it), or
    // measures memory, and at the end of the walk ends the program.
    void GoHome() {
        for (const Sheet& sheet : sheets_) {
            if (std::any_of(sheet.texts.begin(), sheet.texts.end(),
                            [](const QString& text) { return !text.isEmpty(); })) {
                Open(sheet.opener, sheet.form);
                return;
            }
        }
        if (warm_resident == 0) {
            warm_resident = ResidentBytes();
            return;
        }
        end_resident = ResidentBytes();
        timer_.stop();
        Log(QStringLiteral("main window: click BitBtn5 (Выход)"));
        QTest::mouseClick(Form1->findChild<QPushButton*>(QStringLiteral("BitBtn5")),
                          Qt::LeftButton);
    }

    void OnMain() {
        const quint64 roll = Below(10);
        if (roll < 3) {
            Open("BitBtn1", Form2);
        } else if (roll < 6) {
            Open("BitBtn2", Form3);
        } else if (roll < 7) {
            Open("BitBtn3", Form4);
        } else if (roll < 8) {
            Open("BitBtn4", AboutBox);
        } else {
            const QList<QPushButton*> buttons = Form1->findChildren<QPushButton*>();
            Press(buttons[qsizetype(Below(quint64(buttons.size())))], RandomKey(), false);
        }
    }

    void Open(const char* button, zas::ui::Form* window) {
        Post([this, button, window] {
            Log(QStringLiteral("main window: click %1").arg(QLatin1String(button)));
            open_ = window;
            const quint64 before = done_;
            QTest::mouseClick(Form1->findChild<QPushButton*>(QLatin1String(button)),
                              Qt::LeftButton);
            settling_ = false;
            if (stopping_) {
                return;
            }
            Expect(done_ > before, window->objectName() + QStringLiteral(" did not open"));
            Expect(window->isHidden() && QApplication::activeModalWidget() == nullptr,
                   window->objectName() + QStringLiteral(" is still shown modally"));
            open_ = nullptr;
            TextsAsExpected();
        });
    }

    Qt::Key RandomKey() {
        constexpr Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab};
        return kKeys[Below(4)];
    }

    void Press(QWidget* target, Qt::Key key, bool closes) {
        Post([this, target, key, closes] {
            Log(QStringLiteral("%1: key %2 on %3")
                    .arg(target->window()->objectName(), QKeySequence(key).toString(),
                         target->objectName()));
            target->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(target, key);
            After(closes);
        });
    }

    void Close(QWidget* window) {
        Post([this, window] {
            Log(window->objectName() + QStringLiteral(": close box"));
            window->close();
            After(true);
        });
    }

    void OnSheet(Sheet& sheet, bool home) {
        // Memory is measured with both sheets emptied by their Exit buttons.
        const quint64 roll = home ? 80 : Below(100);
        if (roll < 43) {
            Type(sheet);
        } else if (roll < 53) {
            std::vector<std::pair<std::size_t, QString>> example;
            for (std::size_t i = 0; i < sheet.fields.size(); ++i) {
                if (!sheet.sample[i].isEmpty()) {
                    example.emplace_back(i, sheet.sample[i]);
                }
            }
            TypeAll(sheet, QStringLiteral("the worked example's values"), example);
        } else if (roll < 58) {
            // An angle where the sheet degenerates, or beyond the range of
            // numbers.
            static const QStringList kAngles = {
                "0 0 0", "45 0 0", "90 0 0", "180 0 0", "270 0 0", "360 0 0", "1,7976E308 1E308 0"};
            const auto& at = sheet.angles[Below(sheet.angles.size())];
            const QString& angle = kAngles[qsizetype(Below(quint64(kAngles.size())))];
            const QStringList parts = angle.split(u' ');
            TypeAll(sheet, QStringLiteral("the angle ") + angle,
                    {{at[0], parts[0]}, {at[1], parts[1]}, {at[2], parts[2]}});
        } else if (roll < 78) {
            Compute(sheet);
        } else if (roll < 82) {
            // Clear, or Exit: both empty every field, Exit closes the sheet.
            const bool exit = roll >= 80;
            Post([this, &sheet, exit] {
                Log(sheet.title +
                    (exit ? QStringLiteral(": click Exit") : QStringLiteral(": click Clear")));
                QTest::mouseClick(exit ? sheet.exit_button : sheet.clear_button, Qt::LeftButton);
                sheet.texts.assign(sheet.texts.size(), QString());
                After(exit);
            });
        } else if (roll < 88) {
            Close(sheet.form);
        } else {
            // Any control: a field or a button.
            const quint64 control = Below(sheet.fields.size() + 3);
            QWidget* target =
                control < sheet.fields.size()
                    ? static_cast<QWidget*>(sheet.fields[control])
                    : std::vector<QWidget*>{sheet.compute_button, sheet.clear_button,
                                            sheet.exit_button}[control - sheet.fields.size()];
            Press(target, RandomKey(), false);
        }
    }

    // Several fields typed over, one after another, as one action.
    void TypeAll(Sheet& sheet, const QString& what,
                 const std::vector<std::pair<std::size_t, QString>>& texts) {
        Post([this, &sheet, what, texts] {
            Log(sheet.title + QStringLiteral(": type ") + what);
            for (const auto& [i, text] : texts) {
                sheet.fields[i]->setText(text);
                sheet.texts[i] = text;
            }
            After(false);
        });
    }

    // The sheet's own value for the field, a plain number, or an odd text.
    QString TextFor(const Sheet& sheet, std::size_t field) {
        const quint64 roll = Below(20);
        if (roll < 7) {
            return sheet.sample[field];
        }
        if (roll < 9) {
            // Where angles meet at a right or a straight angle, and the ends
            // of the range of numbers.
            static const QStringList kEdges = {"0",     "90",     "180",    "360",
                                               "1E308", "-1E308", "1E-300", "0,00001"};
            return kEdges[qsizetype(Below(quint64(kEdges.size())))];
        }
        if (roll < 14) {
            QString number = QString::number(Below(400));
            if (Below(2) == 0) {
                number += QStringLiteral(",%1").arg(Below(100), 2, 10, QChar(u'0'));
            }
            if (Below(4) == 0) {
                number.prepend(QLatin1Char('-'));
            }
            if (Below(8) == 0) {
                number = QStringLiteral(" %1E%2 ").arg(number).arg(int(Below(7)) - 3);
            }
            return number;
        }
        // What a careless hand puts in, made from the field's own sample.
        const auto bad = zas::testing::BadTexts(
            sheet.sample[field].isEmpty() ? QStringLiteral("1,5") : sheet.sample[field]);
        return bad[Below(bad.size())].text;
    }

    void Type(Sheet& sheet) {
        // Mostly the red fields, which the computation reads.
        std::size_t i = Below(sheet.fields.size());
        while (Below(5) != 0 && sheet.sample[i].isEmpty()) {
            i = Below(sheet.fields.size());
        }
        const QString text = TextFor(sheet, i);
        Post([this, &sheet, i, text] {
            QLineEdit* field = sheet.fields[i];
            Log(QStringLiteral("%1: type %2 into %3")
                    .arg(sheet.title, Shown(text), field->objectName()));
            field->setFocus(Qt::MouseFocusReason);
            field->setText(text);
            const QString shown = field->text();
            Expect(shown == text.left(field->maxLength()),
                   field->objectName() + QStringLiteral(" shows ") + Shown(shown));
            sheet.texts[i] = shown;
            After(false);
        });
    }

    // Works out what Compute shows from a copy of the sheet's texts, clicks
    // it, and compares: the message box (answered by a later tick) and every
    // field.
    void Compute(Sheet& sheet) {
        Post([this, &sheet] {
            Log(sheet.title + QStringLiteral(": click Compute"));
            std::map<std::string, std::string, std::less<>> texts;
            for (std::size_t i = 0; i < sheet.fields.size(); ++i) {
                texts[sheet.names[i]] = sheet.fields[i]->text().toStdString();
            }
            MapFields copy(std::move(texts));
            std::vector<std::string> shown;
            bool error = false;
            {
                RecordedMessages recorded;
                try {
                    sheet.compute(copy);
                } catch (const zas::WorksheetError& fault) {
                    recorded.errors.emplace_back(fault.what());
                }
                shown = recorded.messages;
                error = !recorded.errors.empty();
                shown.insert(shown.end(), recorded.errors.begin(), recorded.errors.end());
            }
            if (!Expect(shown.size() <= 1, QStringLiteral("the computation shows two messages"))) {
                return;
            }
            expected_box_ = !shown.empty();
            expected_text_ = expected_box_ ? QString::fromStdString(shown.front()) : QString();
            expected_icon_ = error ? QMessageBox::Critical : QMessageBox::NoIcon;
            computing_ = &sheet;
            ++outcomes[!expected_box_                         ? QStringLiteral("results")
                       : expected_text_.endsWith(kConversion) ? QStringLiteral("conversion error")
                                                              : expected_text_];
            QTest::mouseClick(sheet.compute_button, Qt::LeftButton);
            settling_ = false;
            computing_ = nullptr;
            if (stopping_ || !Expect(!expected_box_, QStringLiteral("no message box; expected ") +
                                                         Shown(expected_text_))) {
                return;
            }
            for (std::size_t i = 0; i < sheet.fields.size(); ++i) {
                sheet.texts[i] = QString::fromStdString(copy[sheet.names[i]]);
            }
            After(false);
        });
    }

    // A message the program shows: one of its own, or the conversion error
    // quoting the text of one of the open sheet's input fields.
    bool Allowed(const QString& text) const {
        // A floating-point error may add a second line: the step and its cause.
        if (kMessages.contains(text.section(QLatin1Char('\n'), 0, 0))) {
            return true;
        }
        for (std::size_t i = 0; i < computing_->fields.size(); ++i) {
            if (!computing_->sample[i].isEmpty() && text == Quoted(computing_->fields[i]->text())) {
                return true;
            }
        }
        return false;
    }

    void AnswerBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        const QString text = box->text();
        if (!Expect(computing_ != nullptr && Allowed(text),
                    QStringLiteral("a message the program never shows: ") + Shown(text)) ||
            !Expect(text == expected_text_ && box->icon() == expected_icon_,
                    QStringLiteral("message %1 (icon %2); the computation shows %3 (icon %4)")
                        .arg(Shown(text))
                        .arg(int(box->icon()))
                        .arg(Shown(expected_text_))
                        .arg(int(expected_icon_))) ||
            !Expect(box->windowTitle() == kTitle && box->buttons().size() == 1,
                    QStringLiteral("a message box titled %1 with %2 buttons")
                        .arg(box->windowTitle())
                        .arg(box->buttons().size()))) {
            return;
        }
        // Any way the user answers it.
        const quint64 roll = Below(4);
        const QString answers[] = {QStringLiteral("click OK"), QStringLiteral("key Return"),
                                   QStringLiteral("key Escape"), QStringLiteral("close box")};
        Log(QStringLiteral("message box: ") + answers[roll]);
        if (roll == 0) {
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (roll == 1) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (roll == 2) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->close();
        }
        expected_box_ = false;
        settling_ = true;  // until Compute's click returns
        Expect(box->isHidden(), QStringLiteral("the message box stayed open"));
    }

    void OnDescription(bool home) {
        const quint64 roll = home ? 0 : Below(6);
        if (roll == 0) {
            Close(Form4);
        } else if (roll == 1) {
            Post([this] {
                Log(QStringLiteral("Form4: type \"abc\""));
                QTest::keyClicks(description_, QStringLiteral("abc"));
                After(false);
            });
        } else {
            Press(description_, RandomKey(), false);
        }
    }

    void OnAbout(bool home) {
        auto* ok = AboutBox->findChild<QPushButton*>(QStringLiteral("OKButton"));
        const quint64 roll = home ? 0 : Below(5);
        if (roll == 0) {
            Post([this, ok] {
                Log(QStringLiteral("AboutBox: click OK"));
                QTest::mouseClick(ok, Qt::LeftButton);
                After(true);
            });
        } else if (roll == 1) {
            Close(AboutBox);
        } else if (roll == 2) {
            Press(ok, Qt::Key_Return, true);  // OK is the default button
        } else {
            Press(ok, roll == 3 ? Qt::Key_Escape : Qt::Key_Tab, false);
        }
    }

    // After a fault: every window closed, the topmost first, then the program.
    void WindDown() {
        QWidget* top = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(top)) {
            dialog->done(QDialog::Rejected);
        } else if (top != nullptr) {
            top->close();
        } else {
            timer_.stop();
            Form1->close();
        }
    }

    const quint64 seed_;
    const quint64 actions_;
    std::mt19937_64 rng_;
    std::vector<Sheet> sheets_;
    QTextEdit* description_;
    const QString description_text_;
    QTimer timer_;

    quint64 done_ = 0;
    std::deque<QString> log_;
    QString failure_;
    bool stopping_ = false;
    bool settling_ = false;  // an action is on its way or a window is closing
    int waited_ = 0;
    zas::ui::Form* open_ = nullptr;  // the window shown from the main window
    Sheet* computing_ = nullptr;     // the sheet whose Compute is running
    bool expected_box_ = false;
    QString expected_text_;
    QMessageBox::Icon expected_icon_ = QMessageBox::NoIcon;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private:
    quint64 actions_ = 0;
    qint64 warm_resident_ = 0;
    qint64 end_resident_ = 0;

  private slots:
    void initTestCase() { previous_handler = qInstallMessageHandler(DropSizeHintWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(previous_handler); }

    void everyActionShowsWhatItImplies() {
        const quint64 seed = FromEnvironment("ZAS_SOAK_SEED", kDefaultSeed);
        actions_ = FromEnvironment("ZAS_SOAK_ACTIONS", kDefaultActions);
        zas::ui::Application application;
        zas::ui::CreateForms(application);
        // The samples' comma, whatever the locale the test runs in.
        Form2->SetDecimalSeparator(",");
        Form3->SetDecimalSeparator(",");
        Walk walk(seed, actions_);
        const QString failure = walk.Run(application);
        if (!failure.isEmpty()) {
            // In full: a test's message is cut short.
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        }
        QVERIFY2(failure.isEmpty(), qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
        for (const auto& [outcome, count] : walk.outcomes) {
            qInfo("%5d x %s", count, qPrintable(outcome));
        }
        warm_resident_ = walk.warm_resident;
        end_resident_ = walk.end_resident;
        qInfo("resident memory after %llu actions: %.1f MiB, after the walk (%llu): %.1f MiB",
              static_cast<unsigned long long>(kWarmUpActions), warm_resident_ / 1048576.0,
              static_cast<unsigned long long>(actions_), end_resident_ / 1048576.0);
    }

    void memoryAfterTheWalkAsAfterItsFirstActions() {
#ifdef ZAS_UNDER_ADDRESS_SANITIZER
        QSKIP("AddressSanitizer's quarantine holds freed memory; its leak check covers leaks");
#endif
        if (actions_ <= kWarmUpActions) {
            QSKIP("a walk this short has no actions after the first measurement");
        }
        if (warm_resident_ == 0 || end_resident_ == 0) {
            QSKIP("the walk did not come to its end");
        }
        QVERIFY2(end_resident_ - warm_resident_ <= kAllowedGrowth,
                 qPrintable(QStringLiteral("%1 MiB more after the walk than after %2 actions")
                                .arg((end_resident_ - warm_resident_) / 1048576.0, 0, 'f', 1)
                                .arg(kWarmUpActions)));
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
