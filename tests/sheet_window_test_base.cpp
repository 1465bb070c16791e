// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/sheet_window_test_base.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "arith/number_text.h"
#include "arith/worksheet_fields.h"
#include "tests/bad_texts.h"
#include "tests/map_fields.h"

namespace zas::testing {

QLineEdit* SheetWindowTestBase::Field(const char* name) const {
    return form->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* SheetWindowTestBase::Button(const char* name) const {
    return form->findChild<QPushButton*>(QString::fromLatin1(name));
}

QStringList SheetWindowTestBase::Outputs() const {
    QStringList texts;
    for (const QString& name : case_.outputs) {
        texts << form->findChild<QLineEdit*>(name)->text();
    }
    return texts;
}

QStringList SheetWindowTestBase::AllTexts() const {
    QStringList texts;
    for (const FieldRow& row : case_.fields) {
        texts << Field(row.name)->text();
    }
    return texts;
}

QStringList SheetWindowTestBase::Empty() const {
    return QStringList(qsizetype(case_.fields.size()), QString());
}

void SheetWindowTestBase::Type(std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts) {
        Field(name)->setText(QString::fromUtf8(text));
    }
}

void SheetWindowTestBase::MarkOutputs() {
    for (const QString& name : case_.outputs) {
        form->findChild<QLineEdit*>(name)->setText(QStringLiteral("old"));
    }
}

void SheetWindowTestBase::Click(const char* button) {
    QTest::mouseClick(Button(button), Qt::LeftButton);
}

void SheetWindowTestBase::Compute() {
    Click(case_.compute);
}

void SheetWindowTestBase::initTestCase() {
    SetDecimalSeparator(",");
}

void SheetWindowTestBase::init() {
    form = case_.create();
}

void SheetWindowTestBase::cleanup() {
    delete form;
    form = nullptr;
}

void SheetWindowTestBase::fieldsAndButtonsLieAboveLabelsAndLines() {
    // Later children are painted over earlier ones.
    const QObjectList& children = form->children();
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
    // The short line above the third heading line crosses its captions.
    const qsizetype over = children.indexOf(form->findChild<QFrame*>("Bevel9"));
    for (const char* label : {"Label19", "Label20", "Label21", "Label22"}) {
        QVERIFY(children.indexOf(form->findChild<QLabel*>(label)) < over);
    }
}

void SheetWindowTestBase::tabRunsInTheTablesOrder() {
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    const std::vector<QString> walk = TabWalk(Field(case_.fields.front().name));
    QCOMPARE(QStringList(walk.begin(), walk.end()), case_.tab_order);
}

void SheetWindowTestBase::computeShowsTheWorkedExample() {
    RecordedMessages messages;
    form->show();
    const QStringList before = AllTexts();
    Compute();
    QCOMPARE(Outputs(), case_.worked_example);
    QVERIFY(messages.messages.empty() && messages.errors.empty());
    // The inputs are read, never rewritten.
    const QStringList after = AllTexts();
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (!case_.outputs.contains(QString::fromLatin1(case_.fields[i].name))) {
            QCOMPARE(after[i], before[i]);
        }
    }
}

void SheetWindowTestBase::fieldsAreReadAndWrittenUnchangedByName() {
    WorksheetFields& fields = *form;
    for (const auto& [name, near_miss] : case_.names) {
        const QString text = Field(name)->text();
        QCOMPARE(fields.GetText(name), text.toStdString());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, fields.GetText(near_miss));
        Field(name)->setText(QStringLiteral("  823,61 "));
        QCOMPARE(fields.GetText(name), std::string("  823,61 "));
    }
    fields.SetText("Yp", "−5 β");
    QCOMPARE(Field("Yp")->text(), QStringLiteral("−5 β"));
}

void SheetWindowTestBase::clearEmptiesEveryFieldThenComputeAsksForInput() {
    RecordedMessages messages;
    form->show();
    Compute();
    Click(case_.clear);
    QCOMPARE(AllTexts(), Empty());
    QVERIFY(form->isVisible());
    Compute();
    QCOMPARE(messages.messages, std::vector<std::string>{kMissingInputMessage});
    QCOMPARE(AllTexts(), Empty());
}

void SheetWindowTestBase::missingInputChangesNoField() {
    RecordedMessages messages;
    form->show();
    MarkOutputs();
    Field(case_.emptied)->clear();
    const QStringList before = AllTexts();
    Compute();
    QCOMPARE(messages.messages, std::vector<std::string>{kMissingInputMessage});
    QCOMPARE(AllTexts(), before);
}

void SheetWindowTestBase::aTextThatIsNoNumberGoesToTheErrorReport() {
    RecordedMessages messages;
    form->show();
    MarkOutputs();
    const auto [field, text] = case_.unreadable;
    Field(field)->setText(QString::fromUtf8(text));
    const QStringList before = AllTexts();
    Compute();
    QCOMPARE(messages.errors, std::vector<std::string>{"'\u2068" + std::string(text) +
                                                       "\u2069' не является правильным числом"});
    QVERIFY(messages.messages.empty());
    QCOMPARE(AllTexts(), before);
    QVERIFY(form->isVisible());
}

// Each input in turn holds each text of the table, put in as a paste would,
// on an otherwise untouched worked example.
void SheetWindowTestBase::everyInputAnswersEveryBadText() {
    RecordedMessages recorded;
    for (const FieldRow& input : case_.fields) {
        if (input.colour != SheetColour::kRed) {
            continue;
        }
        for (const BadText& bad : BadTexts(QString::fromUtf8(input.start_text))) {
            for (const FieldRow& row : case_.fields) {
                Field(row.name)->setText(QString::fromUtf8(row.start_text));
            }
            MarkOutputs();
            Field(input.name)->setText(bad.text);
            const QStringList before = AllTexts();
            recorded.messages.clear();
            recorded.errors.clear();

            Compute();

            const QString where = QStringLiteral("%1 holding %2").arg(input.name, bad.what);
            QVERIFY2(Field(input.name)->text() == bad.text, qPrintable(where + ": text cut"));
            QStringList expected = before;
            std::vector<std::string> messages;
            std::vector<std::string> errors;
            switch (bad.outcome) {
                case Outcome::kMissingInput:
                    messages = {kMissingInputMessage};
                    break;
                case Outcome::kConversionError:
                    errors = {"'\u2068" + bad.shown.toStdString() +
                              "\u2069' не является правильным числом"};
                    break;
                case Outcome::kResult:
                    for (qsizetype i = 0; i < case_.outputs.size(); ++i) {
                        const auto at = std::find_if(
                            case_.fields.begin(), case_.fields.end(),
                            [&](const FieldRow& row) { return case_.outputs[i] == row.name; });
                        expected[at - case_.fields.begin()] = case_.worked_example[i];
                    }
                    break;
            }
            QVERIFY2(recorded.messages == messages, qPrintable(where + ": wrong message"));
            QVERIFY2(recorded.errors == errors,
                     qPrintable(where + ": reported " +
                                QString::fromStdString(recorded.errors.empty()
                                                           ? std::string("nothing")
                                                           : recorded.errors.front())));
            QVERIFY2(AllTexts() == expected, qPrintable(where + ": fields changed"));
        }
    }
}

void SheetWindowTestBase::exitEmptiesTheSheetAndClosesIt() {
    WhileShownModally([&] {
        QVERIFY(QApplication::activeModalWidget() == form);
        Compute();
        Click(case_.exit);
    });
    QVERIFY(form->isHidden());
    QCOMPARE(AllTexts(), Empty());
    // Shown again, it is still empty.
    WhileShownModally([&] {
        QCOMPARE(AllTexts(), Empty());
        form->close();
    });
}

void SheetWindowTestBase::theCloseBoxKeepsEveryText() {
    QStringList shown;
    WhileShownModally([&] {
        Compute();
        shown = AllTexts();
        form->close();  // what the title bar's close box does
    });
    QVERIFY(form->isHidden());
    QCOMPARE(AllTexts(), shown);
    WhileShownModally([&] {
        QCOMPARE(AllTexts(), shown);
        form->close();
    });
}

void SheetWindowTestBase::enterComputesNothingAndEscapeClosesNothing() {
    // Neither key does anything on a field or on a button: no button is the
    // default or the cancel button.
    RecordedMessages messages;
    const QStringList before = AllTexts();
    WhileShownModally([&] {
        QVERIFY(QTest::qWaitForWindowActive(form));
        for (QWidget* focus : std::initializer_list<QWidget*>{
                 Field(case_.fields.front().name), Button(case_.compute), Button(case_.exit)}) {
            focus->setFocus(Qt::TabFocusReason);
            QTest::keyClick(focus, Qt::Key_Return);
            QTest::keyClick(focus, Qt::Key_Enter);
            QTest::keyClick(focus, Qt::Key_Escape);
        }
        QVERIFY(form->isVisible());
        QCOMPARE(AllTexts(), before);
        form->close();
    });
    QVERIFY(messages.messages.empty() && messages.errors.empty());
}

}  // namespace zas::testing
