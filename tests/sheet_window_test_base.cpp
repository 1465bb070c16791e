// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/sheet_window_test_base.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/document/sheet_document.h"
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
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

namespace {

// Types `path` into the next file dialog's name field and presses Enter;
// looks again every 10 ms, for at most 5 s, until the dialog is up.
void AnswerFileDialog(const QString& path, std::shared_ptr<bool> answered, int tries = 0) {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
        if (tries < 500) {
            QTimer::singleShot(10, [=] { AnswerFileDialog(path, answered, tries + 1); });
        }
        return;
    }
    *answered = true;
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

}  // namespace

void SheetWindowTestBase::ShortcutWithFile(Qt::Key key, Qt::KeyboardModifiers modifiers,
                                           const QString& path) {
    auto answered = std::make_shared<bool>(false);
    QTimer::singleShot(0, [=] { AnswerFileDialog(path, answered); });
    PressInField(key, modifiers);
    QVERIFY(*answered);
}

void SheetWindowTestBase::PressInField(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    // The offscreen platform gives the focus back to no window when a dialog
    // closes; a desktop gives it back to the sheet.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTest::keyClick(Field(case_.fields.front().name), key, modifiers);
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

namespace {

document::SheetDocument* DocumentOf(ui::WorksheetForm* form) {
    return form->findChild<document::SheetDocument*>();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput())
                                     : QString();
}

}  // namespace

void SheetWindowTestBase::savedSheetsReopenAsTheyWere() {
    RecordedMessages messages;
    QTemporaryDir folder;
    // Letters outside the ANSI code pages and a blank: Windows' narrow file
    // functions would lose them.
    const QString path = folder.filePath(QStringLiteral("Лист засечки ә β.zas"));
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Compute();
    const QStringList computed = AllTexts();
    ShortcutWithFile(Qt::Key_S, Qt::ControlModifier, path);  // Ctrl+S asks the first time
    const QJsonObject saved = QJsonDocument::fromJson(FileBytes(path)).object();
    QCOMPARE(saved.value("method").toString(),
             QString::fromLatin1(DocumentOf(form)->Description().method.key));
    QCOMPARE(saved.value("fields").toObject().size(), qsizetype(32));
    for (const FieldRow& row : case_.fields) {
        QCOMPARE(saved.value("fields").toObject().value(row.name).toString(),
                 Field(row.name)->text());
    }
    Click(case_.clear);
    ShortcutWithFile(Qt::Key_O, Qt::ControlModifier, path);
    QCOMPARE(AllTexts(), computed);

    // Awkward texts, and Ctrl+S now saves to the same file without asking.
    const QString awkward[] = {QString(), QStringLiteral("   "), QStringLiteral("😀 β «ё» \"\\\t"),
                               QString(100000, QLatin1Char('7'))};
    for (qsizetype i = 0; i < qsizetype(case_.fields.size()); ++i) {
        Field(case_.fields[i].name)->setText(awkward[i % 4]);
    }
    const QStringList typed = AllTexts();
    PressInField(Qt::Key_S, Qt::ControlModifier);
    Click(case_.clear);
    QVERIFY(DocumentOf(form)->OpenFile(path));
    QCOMPARE(AllTexts(), typed);
    QVERIFY(messages.errors.empty() && messages.messages.empty());
}

void SheetWindowTestBase::aRefusedFileLeavesTheSheetAsItWas() {
    RecordedMessages messages;
    QTemporaryDir folder;
    document::SheetDocument* sheet = DocumentOf(form);
    const document::Method& own = sheet->Description().method;
    const document::Method& other =
        qstrcmp(own.key, document::kJung.key) == 0 ? document::kGauss : document::kJung;
    const QStringList names = sheet->Description().FieldNames();
    const QByteArray good = document::WriteSheet(own, names, sheet->Texts());
    QByteArray not_utf8 = good;
    not_utf8.insert(not_utf8.indexOf("\"EAg\": \"") + 8, '\xff');
    QByteArray huge(document::kMaxFileSize + 1, ' ');
    huge.replace(0, good.size(), good);
    const QString no_file = folder.filePath(QStringLiteral("none.zas"));
    const struct {
        QByteArray bytes;
        QString message;
    } rows[] = {
        {document::WriteSheet(other, names, sheet->Texts()),
         QStringLiteral("Это лист решения %1, а не %2: откройте его на том листе.")
             .arg(QString::fromUtf8(other.name), QString::fromUtf8(own.name))},
        {"{\"format\": \"other\", \"version\": 1}",
         QStringLiteral("Это не лист «Засечки»: формат файла неизвестен.")},
        {QByteArray(good).replace("\"version\": 1", "\"version\": 2"),
         QStringLiteral("Файл сохранён более новой версией программы (версия формата 2), и эта "
                        "версия его не читает.")},
        {good.left(good.size() / 2),
         QStringLiteral("Файл повреждён или обрезан: он не дочитывается до конца.")},
        {not_utf8, QStringLiteral("Файл содержит текст не в кодировке UTF-8.")},
        {QByteArray(good).replace("\"EAg\"", "\"EAG\""), QStringLiteral("В файле нет поля EAg.")},
        {QByteArray(good).replace("\"EAg\": \"", "\"EAg\": 0, \"EAg0\": \""),
         QStringLiteral("Поле EAg в файле содержит не текст.")},
        {huge, QStringLiteral("Файл больше 64 МиБ, а лист «Засечки» не бывает таким большим.")},
        {QByteArray(), QStringLiteral("Не удалось прочитать файл «none.zas».")},
    };
    MarkOutputs();
    const QStringList before = AllTexts();
    for (const auto& row : rows) {
        const QString path =
            row.bytes.isNull() ? no_file : folder.filePath(QStringLiteral("f.zas"));
        if (!row.bytes.isNull()) {
            WriteFile(path, row.bytes);
        }
        messages.errors.clear();
        QVERIFY2(!sheet->OpenFile(path), qPrintable(row.message));
        QCOMPARE(QString::fromStdString(messages.errors.at(0)), row.message);
        QCOMPARE(AllTexts(), before);
    }
    // A save into a folder that is not there keeps nothing and says so.
    messages.errors.clear();
    QVERIFY(!sheet->SaveFile(folder.filePath(QStringLiteral("gone/f.zas"))));
    QCOMPARE(messages.errors.size(), size_t{1});
}

void SheetWindowTestBase::thePdfPageHoldsEveryValueAndTheAgreement() {
    RecordedMessages messages;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Compute();
    ShortcutWithFile(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier, path);
    QVERIFY(messages.errors.empty());
    const QString text = Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY2(text.contains(form->windowTitle()), qPrintable(text));
    for (const QString& value : AllTexts()) {
        QVERIFY2(text.contains(value), qPrintable(value));
    }
    const auto agreement = DocumentOf(form)->Description().agreement(*form);
    QVERIFY(agreement.has_value());
    for (const std::string& line : AgreementLines(*agreement)) {
        QVERIFY2(text.contains(QString::fromStdString(line)), line.c_str());
    }
    QVERIFY(Run(QStringLiteral("pdfinfo"), {path}).contains(QRegularExpression("Pages: +1\n")));
    // The list of images has only its two heading lines.
    QCOMPARE(Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).count('\n'), 2);
    // The means' tooltips show the same figures.
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), Field("Xp")->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Field("Xp"), &hover);
    QVERIFY(QToolTip::text().contains(QString::fromStdString(AgreementLines(*agreement)[2])));
}

void SheetWindowTestBase::copySheetPutsTheTableOnTheClipboard() {
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Compute();
    PressInField(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QStringList rows = data->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 8);  // headings, six rows, the means
    QStringList cells;
    for (const QString& row : rows) {
        QCOMPARE(row.count('\t'), 6);
        cells << row.split('\t');
    }
    for (const QString& value : AllTexts()) {
        QVERIFY2(cells.contains(value), qPrintable(value));
    }
    QCOMPARE(data->html().count(QStringLiteral("<tr>")), 8);
}

}  // namespace zas::testing
