// SPDX-License-Identifier: GPL-3.0-or-later
// What both worksheet windows do alike, as test functions run for each of
// them: painting and tab order, the worked example, fields by name, clear,
// exit, the close box, Enter and Escape, the missing-input message and an
// unreadable number, all through real clicks and keys. A sheet's own test
// derives from this, gives its tables, and adds what is its alone.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/worksheet_form.h"
#include "tests/sheet_checks.h"

namespace zas::testing {

struct SheetCase {
    std::function<ui::WorksheetForm*()> create;
    std::vector<FieldRow> fields;  // in tab order
    QStringList outputs;           // the twelve outputs
    QStringList worked_example;    // their texts after Compute, in that order
    QStringList table;             // the copied sheet after Compute, row by row
    QStringList agreement;         // and its agreement's lines
    QStringList tab_order;         // every control Tab visits
    const char* compute;
    const char* clear;
    const char* exit;
    // A field name of this sheet and its near miss, which it does not have.
    std::vector<std::pair<const char*, const char*>> names;
    const char* emptied;                             // an input left empty
    std::pair<const char*, const char*> unreadable;  // field, text
    // Inputs that end a run in a fault after some results are written.
    std::vector<std::pair<const char*, const char*>> fault;
};

class SheetWindowTestBase : public QObject {
    Q_OBJECT

  protected:
    explicit SheetWindowTestBase(SheetCase sheet) : case_(std::move(sheet)) {}

    QLineEdit* Field(const char* name) const;
    QPushButton* Button(const char* name) const;
    QStringList Outputs() const;   // in the order the case lists them
    QStringList AllTexts() const;  // every field, in tab order
    void Type(std::initializer_list<std::pair<const char*, const char*>> texts);
    // A marker in every output, so that what a run leaves alone shows.
    void MarkOutputs();
    void Compute();
    void WhileShownModally(const std::function<void()>& actions) {
        testing::WhileShownModally(form, actions);
    }

    ui::WorksheetForm* form = nullptr;

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fieldsAndButtonsLieAboveLabelsAndLines();
    void tabRunsInTheTablesOrder();
    void computeShowsTheWorkedExample();
    void fieldsAreReadAndWrittenUnchangedByName();
    void clearEmptiesEveryFieldThenComputeAsksForInput();
    void missingInputChangesNoField();
    void aTextThatIsNoNumberGoesToTheErrorReport();
    void everyInputAnswersEveryBadText();
    void exitEmptiesTheSheetAndClosesIt();
    void theCloseBoxKeepsEveryText();
    void enterComputesNothingAndEscapeClosesNothing();
    void savedSheetsReopenAsTheyWere();
    void openAsksBeforeItReplacesEditsAndEmptyingForgetsTheFile();
    void aRefusedFileLeavesTheSheetAsItWas();
    void thePdfPageHoldsEveryValueAndTheAgreement();
    void copySheetPutsTheTableOnTheClipboard();
    void resultsThatNoLongerBelongToTheInputsAreFlagged();
    void filesTravelBetweenDecimalSeparators();
    void checkMarksEachWrittenValueInsideItsField();

  private:
    QStringList Empty() const;
    void Click(const char* button);
    // Presses Ctrl(+Shift)+key in the first field and answers the file
    // dialog it opens with `path`.
    void ShortcutWithFile(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& path);
    void PressInField(Qt::Key key, Qt::KeyboardModifiers modifiers);

    SheetCase case_;
};

}  // namespace zas::testing
