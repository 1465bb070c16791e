// A worksheet window driven as a user drives it: texts typed into its fields
// by name, its buttons clicked, the window shown modally; and the behaviour
// both sheets share (clear, exit, the close box, Enter and Escape, the
// missing-input message, an unreadable number), checked through real clicks.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/worksheet_form.h"
#include "arith/worksheet_fields.h"
#include "tests/map_fields.h"
#include "tests/sheet_checks.h"

namespace zas::testing {

// Which of the sheet's buttons does what.
struct SheetButtons {
    const char* compute;
    const char* clear;
    const char* exit;
};

class SheetUnderTest {
  public:
    SheetUnderTest(ui::WorksheetForm* form, const std::vector<FieldRow>& fields,
                   QStringList outputs, SheetButtons buttons)
        : form_(form), fields_(fields), outputs_(std::move(outputs)), buttons_(buttons) {}

    QLineEdit* Field(const char* name) const {
        return form_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QPushButton* Button(const char* name) const {
        return form_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QStringList Texts(const QStringList& names) const {
        QStringList texts;
        for (const QString& name : names) {
            texts << form_->findChild<QLineEdit*>(name)->text();
        }
        return texts;
    }
    // The outputs, in the order the sheet was given them.
    QStringList Outputs() const { return Texts(outputs_); }
    // Every field, in tab order.
    QStringList AllTexts() const {
        QStringList texts;
        for (const FieldRow& row : fields_) {
            texts << Field(row.name)->text();
        }
        return texts;
    }
    QStringList Empty() const { return QStringList(qsizetype(fields_.size()), QString()); }

    void Type(std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [name, text] : texts) {
            Field(name)->setText(QString::fromUtf8(text));
        }
    }
    // A marker in every output, so that what a run leaves alone shows.
    void MarkOutputs() {
        for (const QString& name : outputs_) {
            form_->findChild<QLineEdit*>(name)->setText(QStringLiteral("old"));
        }
    }
    void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
    void Compute() { Click(buttons_.compute); }

    // Shows the window modally, runs the actions inside its modal loop, and
    // returns once it has closed. A window the actions leave open is closed
    // here, and the test fails.
    void WhileShownModally(const std::function<void()>& actions) {
        bool left_open = false;
        QTimer::singleShot(0, form_, [&] {
            actions();
            if (form_->isVisible()) {
                left_open = true;
                form_->close();
            }
        });
        form_->ShowModal();
        QVERIFY(!left_open);
    }

    // Later children are painted over earlier ones: every field and button
    // over every label and line, and the line over the captions it crosses.
    void CheckPaintingOrder(const char* line, const QStringList& crossed) const {
        const QObjectList& children = form_->children();
        qsizetype last_drawing = -1;
        qsizetype first_control = children.size();
        for (qsizetype i = 0; i < children.size(); ++i) {
            const bool control = qobject_cast<QLineEdit*>(children[i]) != nullptr ||
                                 qobject_cast<QPushButton*>(children[i]) != nullptr;
            if (control) {
                first_control = std::min(first_control, i);
            } else if (qobject_cast<QFrame*>(children[i]) != nullptr) {
                last_drawing = i;
            }
        }
        QVERIFY(last_drawing < first_control);
        const qsizetype over = children.indexOf(form_->findChild<QFrame*>(line));
        for (const QString& label : crossed) {
            QVERIFY(children.indexOf(form_->findChild<QLabel*>(label)) < over);
        }
    }

    // Real Tab presses from the first field visit exactly these controls.
    void CheckTabOrder(const QStringList& expected) {
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_));
        const std::vector<QString> walk = TabWalk(Field(fields_.front().name));
        QCOMPARE(QStringList(walk.begin(), walk.end()), expected);
    }

    // GetText returns a text unchanged, SetText shows it unchanged, and names
    // are exact: `wrong` is a near miss of `right`, which holds `text`.
    void CheckFieldsByName(const char* right, const char* wrong, const char* text) {
        WorksheetFields& fields = *form_;
        Field(right)->setText(QStringLiteral("  823,61 "));
        QCOMPARE(fields.GetText(right), std::string("  823,61 "));
        fields.SetText("Yp", "−5 β");
        QCOMPARE(Field("Yp")->text(), QStringLiteral("−5 β"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, fields.GetText(wrong));
        Field(right)->setText(QString::fromUtf8(text));
        QCOMPARE(fields.GetText(right), std::string(text));
    }

    void CheckComputeKeepsTheInputs(const QStringList& results) {
        RecordedMessages messages;
        form_->show();
        const QStringList before = AllTexts();
        Compute();
        QCOMPARE(Outputs(), results);
        QVERIFY(messages.messages.empty() && messages.errors.empty());
        const QStringList after = AllTexts();
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (!outputs_.contains(QString::fromLatin1(fields_[i].name))) {
                QCOMPARE(after[i], before[i]);
            }
        }
    }

    void CheckClearThenComputeAsksForInput() {
        RecordedMessages messages;
        form_->show();
        Compute();
        Click(buttons_.clear);
        QCOMPARE(AllTexts(), Empty());
        QVERIFY(form_->isVisible());
        Compute();
        QCOMPARE(messages.messages, std::vector<std::string>{kMissingInputMessage});
        QCOMPARE(AllTexts(), Empty());
    }

    // One empty input: the message, and no field changes.
    void CheckMissingInput(const char* emptied) {
        RecordedMessages messages;
        form_->show();
        MarkOutputs();
        Field(emptied)->clear();
        const QStringList before = AllTexts();
        Compute();
        QCOMPARE(messages.messages, std::vector<std::string>{kMissingInputMessage});
        QCOMPARE(AllTexts(), before);
    }

    // A text that is no number: the error report names it, no field changes
    // and the window stays open.
    void CheckUnreadableNumber(const char* field, const char* text) {
        RecordedMessages messages;
        form_->show();
        MarkOutputs();
        Field(field)->setText(QString::fromUtf8(text));
        const QStringList before = AllTexts();
        Compute();
        QCOMPARE(messages.errors, std::vector<std::string>{"'" + std::string(text) +
                                                           "' не является правильным числом"});
        QVERIFY(messages.messages.empty());
        QCOMPARE(AllTexts(), before);
        QVERIFY(form_->isVisible());
    }

    void CheckExitEmptiesTheSheetAndClosesIt() {
        WhileShownModally([&] {
            QVERIFY(QApplication::activeModalWidget() == form_);
            Compute();
            Click(buttons_.exit);
        });
        QVERIFY(form_->isHidden());
        QCOMPARE(AllTexts(), Empty());
        // Shown again, it is still empty.
        WhileShownModally([&] {
            QCOMPARE(AllTexts(), Empty());
            form_->close();
        });
    }

    void CheckTheCloseBoxKeepsEveryText() {
        QStringList shown;
        WhileShownModally([&] {
            Compute();
            shown = AllTexts();
            form_->close();  // what the title bar's close box does
        });
        QVERIFY(form_->isHidden());
        QCOMPARE(AllTexts(), shown);
        WhileShownModally([&] {
            QCOMPARE(AllTexts(), shown);
            form_->close();
        });
    }

    // Neither key does anything on a field or on a button: no button is the
    // default or the cancel button.
    void CheckEnterAndEscapeDoNothing() {
        RecordedMessages messages;
        const QStringList before = AllTexts();
        WhileShownModally([&] {
            QVERIFY(QTest::qWaitForWindowActive(form_));
            for (QWidget* focus :
                 std::initializer_list<QWidget*>{Field(fields_.front().name),
                                                 Button(buttons_.compute), Button(buttons_.exit)}) {
                focus->setFocus(Qt::TabFocusReason);
                QTest::keyClick(focus, Qt::Key_Return);
                QTest::keyClick(focus, Qt::Key_Enter);
                QTest::keyClick(focus, Qt::Key_Escape);
            }
            QVERIFY(form_->isVisible());
            QCOMPARE(AllTexts(), before);
            form_->close();
        });
        QVERIFY(messages.messages.empty() && messages.errors.empty());
    }

  private:
    ui::WorksheetForm* form_;
    const std::vector<FieldRow>& fields_;
    QStringList outputs_;
    SheetButtons buttons_;
};

}  // namespace zas::testing
