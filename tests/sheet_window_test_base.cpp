// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/sheet_window_test_base.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <csignal>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "app/document/sheet_document.h"
#include "app/document/sheet_format.h"
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
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

namespace {

// Answers the next modal window of that kind; looks again every 10 ms, for at
// most 5 s, while the test that waits for it holds `answered`.
template <class Dialog>
void Answer(std::weak_ptr<bool> answered, std::function<void(Dialog*)> answer, int tries = 0) {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr && !answered.expired()) {
        *answered.lock() = true;
        answer(dialog);
    } else if (tries < 500 && !answered.expired()) {
        QTimer::singleShot(10, [=] { Answer(answered, answer, tries + 1); });
    }
}

// Types `path` into the file dialog's name field and presses Enter.
void AnswerFileDialog(const QString& path, std::weak_ptr<bool> answered) {
    Answer<QFileDialog>(std::move(answered), [path](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

#ifdef _WIN32
// Windows limits no process's file size, and has no pipes among files: the
// full disk and the pipe are Linux's rows.
constexpr bool kUnixFiles = false;
struct FullDisk {
    explicit FullDisk(bool = true) {}
};
#else
constexpr bool kUnixFiles = true;
// While it lives (and is full), the kernel lets no file grow past 100 bytes
// and refuses the write beyond, as a full disk does (its signal is ignored).
struct FullDisk {
    explicit FullDisk(bool full = true) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{full ? 100 : before.rlim_cur, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before); }
    rlimit before{};
};

#endif

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
    // The samples' comma until start-up gives another; never one that a
    // number could not be told from.
    QVERIFY(!form->SetDecimalSeparator("5"));
    QCOMPARE(fields.DecimalSeparator(), std::string_view(","));
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

#ifdef Q_OS_WIN
// The PDF tools that read a page back are Linux programs, which the Windows
// build under wine does not start: there a page is only checked to be one
// page of PDF, and the Linux build reads what the same code writes.
constexpr bool kPdfTools = false;
#else
constexpr bool kPdfTools = true;
#endif

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

// Each row empties the sheet, saves it (Ctrl+S must ask: an emptied sheet
// keeps no file), edits it and presses Ctrl+O, which must ask first.
void SheetWindowTestBase::openAsksBeforeItReplacesEditsAndEmptyingForgetsTheFile() {
    RecordedMessages messages;
    QTemporaryDir folder;
    const QString caption = form->windowTitle(), other = folder.filePath("other.zas");
    form->show();
    QVERIFY(DocumentOf(form)->SaveFile(other));
    const QStringList example = AllTexts();
    const struct {
        const char* empty;
        Qt::Key key;  // none: «Не сохранять» clicked
        bool full, opens, saves;
    } rows[] = {
        {case_.clear, Qt::Key_Escape, false, false, false},  // Escape is «Отмена»
        {case_.exit, Qt::Key_unknown, false, true, false},
        {case_.clear, Qt::Key_Return, false, true, true},  // «Сохранить» is the default
        {case_.exit, Qt::Key_Return, true, false, false},  // a failed save is «Отмена»
    };
    for (const auto& row : rows) {
        if (row.full && !kUnixFiles) {
            continue;
        }
        Click(row.empty);
        form->show();
        QCOMPARE(form->windowTitle(), caption);
        const QString saved = folder.filePath(QString::number(&row - rows) + ".zas");
        ShortcutWithFile(Qt::Key_S, Qt::ControlModifier, saved);
        const QByteArray before = FileBytes(saved);
        Type({{case_.emptied, "1"}});
        QCOMPARE(form->windowTitle(), caption + " — " + QFileInfo(saved).fileName() + "[*]");
        QVERIFY(form->isWindowModified());
        const QStringList edited = AllTexts();
        auto asked = std::make_shared<bool>(false), opened = std::make_shared<bool>(false);
        Answer<QMessageBox>(asked, [&row](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                if (row.key == Qt::Key_unknown && button->text() == "Не сохранять") {
                    return button->click();
                }
            }
            QTest::keyClick(box, row.key);
        });
        AnswerFileDialog(other, opened);
        {
            const FullDisk full(row.full);
            PressInField(Qt::Key_O, Qt::ControlModifier);
        }
        QVERIFY(*asked);
        QCOMPARE(*opened, row.opens);
        QCOMPARE(AllTexts(), row.opens ? example : edited);
        QCOMPARE(FileBytes(saved) != before, row.saves);
        QCOMPARE(form->isWindowModified(), !row.opens);
        QCOMPARE(messages.errors.size(), size_t(row.full));
    }
    QVERIFY(!kUnixFiles || QString::fromStdString(messages.errors.at(0))
                               .startsWith("Не удалось сохранить лист в файл «3.zas»: "));
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
    const QString unknown = QStringLiteral("Это не лист «Засечки»: формат файла неизвестен.");
    const QString fifo = folder.filePath(QStringLiteral("fifo.zas"));
#ifndef _WIN32
    QCOMPARE(mkfifo(qPrintable(fifo), 0600), 0);
    // Were the pipe opened, a writer would come and go, and its read would end.
    const std::jthread writer([&fifo](std::stop_token stop) {
        while (!stop.stop_requested() && usleep(1000) == 0) {
            close(open(qPrintable(fifo), O_WRONLY | O_NONBLOCK));
        }
    });
#endif
    const struct {
        QByteArray bytes;
        QString message;
        QString path = {};
    } rows[] = {
        {document::WriteSheet(other, names, sheet->Texts()),
         QStringLiteral("Это лист решения %1, а не %2: откройте его на том листе.")
             .arg(QString::fromUtf8(other.name), QString::fromUtf8(own.name))},
        {"{\"format\": \"other\", \"version\": 1}", unknown},
        {QByteArray(good).replace("\"version\": 1", "\"version\": 0"), unknown},
        {QByteArray(good).replace("\"version\": 1", "\"version\": 1.5"), unknown},
        {QByteArray(good).replace("\"version\": 1", "\"version\": \"1\""), unknown},
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
        {QByteArray(), QStringLiteral("Не удалось прочитать файл «none.zas»."), no_file},
        {QByteArray(), "«fifo.zas» — не файл, а канал или устройство: лист из него не читается.",
         fifo},
    };
    MarkOutputs();
    const QStringList before = AllTexts();
    for (const auto& row : rows) {
        if (row.path == fifo && !kUnixFiles) {
            continue;
        }
        const QString path =
            row.path.isEmpty() ? folder.filePath(QStringLiteral("f.zas")) : row.path;
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
    huge.chop(1);  // exactly the largest file read
    WriteFile(folder.filePath(QStringLiteral("f.zas")), huge);
    QVERIFY(sheet->OpenFile(folder.filePath(QStringLiteral("f.zas"))));
}

void SheetWindowTestBase::thePdfPageHoldsEveryValueAndTheAgreement() {
    RecordedMessages messages;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    const QString caption = form->windowTitle();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Compute();
    PressInField(Qt::Key_F7, Qt::NoModifier);  // a checked sheet prints its summary
    // Tied to a file, the title names it; the page keeps the sheet's caption.
    QVERIFY(DocumentOf(form)->SaveFile(folder.filePath(QStringLiteral("sheet.zas"))));
    ShortcutWithFile(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier, path);
    QVERIFY(messages.errors.empty());
    const QByteArray exported = FileBytes(path);
    QVERIFY(exported.startsWith("%PDF-"));
    if (kUnixFiles) {
        const FullDisk full;
        QVERIFY(!DocumentOf(form)->ExportPdfFile(path));
    }
    QCOMPARE(FileBytes(path), exported);
    QCOMPARE(messages.errors.size(), size_t{kUnixFiles});
    if (kPdfTools) {
        const QString text = Run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY2(text.contains(caption) && !text.contains("sheet.zas"), qPrintable(text));
        QVERIFY(Run(QStringLiteral("pdfinfo"), {path})
                    .contains(QRegularExpression("Title: +" + QRegularExpression::escape(caption) +
                                                 "\n")));
        // Each row of the table on a line of its own, its values in the order
        // of the columns; the agreement's lines word for word.
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            lines << line.simplified();
        }
        for (const QString& row : case_.table.mid(1)) {
            const QString values = row.split(QLatin1Char('\t'), Qt::SkipEmptyParts).join(' ');
            // The Gauss mean Y carries the mark of its note under the table.
            QVERIFY2(lines.contains(values) || lines.contains(values + QStringLiteral(" *")),
                     qPrintable(values));
        }
        // A line too long for the page wraps onto the next.
        const QString flowing = text.simplified();
        for (const QString& line : case_.agreement) {
            QVERIFY2(flowing.contains(line), qPrintable(line));
        }
        QVERIFY(
            flowing.contains(QStringLiteral("Все 12 значений листа совпадают с вычисленными.")));
        QVERIFY(Run(QStringLiteral("pdfinfo"), {path}).contains(QRegularExpression("Pages: +1\n")));
        // The list of images has only its two heading lines.
        QCOMPARE(Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).count('\n'), 2);
    } else {
        QCOMPARE(QString::fromLatin1(exported).count(QRegularExpression("/Type */Page[^s]")), 1);
    }
    // The means' tooltips show the same figures.
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), Field("Xp")->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Field("Xp"), &hover);
    // Checked, the mean's verdict comes first, then the agreement.
    const QString tip = QToolTip::text();
    QVERIFY2(tip.startsWith(QStringLiteral("Верно.\n")) &&
                 tip.endsWith(QLatin1Char('\n') + case_.agreement.join(QLatin1Char('\n'))),
             qPrintable(tip));
}

void SheetWindowTestBase::copySheetPutsTheTableOnTheClipboard() {
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Compute();
    PressInField(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    // Headings, six rows, the means: each value in its own row and column.
    QCOMPARE(data->text().split('\n', Qt::SkipEmptyParts), case_.table);
    QCOMPARE(data->html().count(QStringLiteral("<tr>")), 8);
}

void SheetWindowTestBase::checkMarksEachWrittenValueInsideItsField() {
    RecordedMessages messages;
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Compute();
    const char* mean = "Yp";
    const QString expected_mean = Field(mean)->text();
    Field(mean)->setText(QStringLiteral("1"));
    QList<QRect> places;
    for (const FieldRow& row : case_.fields) {
        places << Field(row.name)->geometry();
    }
    PressInField(Qt::Key_F7, Qt::NoModifier);
    QCOMPARE(messages.messages.size(), size_t{1});
    QVERIFY2(messages.messages[0].starts_with("Совпадают с вычисленными: 11 из 12 значений"),
             messages.messages[0].c_str());
    for (qsizetype i = 0; i < qsizetype(case_.fields.size()); ++i) {
        QLineEdit* field = Field(case_.fields[i].name);
        QCOMPARE(field->geometry(), places[i]);  // nothing moves or resizes
        const auto marks = field->findChildren<QWidget*>(QStringLiteral("checkMark"));
        QCOMPARE(marks.size(), case_.outputs.contains(field->objectName()) ? 1 : 0);
        QVERIFY(marks.isEmpty() || field->rect().contains(marks[0]->geometry()));
    }
    // A marked mean's tooltip: the verdict, then the agreement.
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), Field(mean)->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Field(mean), &hover);
    const QString verdict =
        QStringLiteral("Расходится.\nДолжно быть %1; в листе 1").arg(expected_mean);
    QVERIFY2(QToolTip::text().startsWith(verdict), qPrintable(QToolTip::text()));
    // A result typed over the computed one: the sheet is no longer current.
    QVERIFY(
        QToolTip::text().contains(QStringLiteral("\n") + QString::fromUtf8(document::kStaleSheet)));
    // The Gauss mean Y says it is formed from the uncut values.
    QCOMPARE(QToolTip::text().contains(QStringLiteral("из неотброшенных")),
             qstrcmp(DocumentOf(form)->Description().method.key, "gauss") == 0);
    QVERIFY(Field(mean)->accessibleDescription().startsWith(verdict));
    // Typing takes a field's mark off; «Вычислить» all the others.
    QTest::keyClick(Field(mean), Qt::Key_Backspace);
    QVERIFY(Field(mean)->findChildren<QWidget*>(QStringLiteral("checkMark")).isEmpty());
    QCOMPARE(Field("Xp")->findChildren<QWidget*>(QStringLiteral("checkMark")).size(), 1);
    Compute();
    QVERIFY(form->findChildren<QWidget*>(QStringLiteral("checkMark")).isEmpty());
    // Inputs that cannot be computed: the message «Вычислить» gives, no marks.
    Field(case_.emptied)->clear();
    PressInField(Qt::Key_F7, Qt::NoModifier);
    QCOMPARE(messages.messages.back(), std::string(kMissingInputMessage));
    QVERIFY(form->findChildren<QWidget*>(QStringLiteral("checkMark")).isEmpty());
}

// Results that no longer belong to the inputs beside them keep the window as
// it is, but the page, the copied sheet and the tooltips say so.
void SheetWindowTestBase::resultsThatNoLongerBelongToTheInputsAreFlagged() {
    RecordedMessages messages;
    QTemporaryDir folder;
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    document::SheetDocument* sheet = DocumentOf(form);
    const QString stale = QString::fromUtf8(document::kStaleSheet);
    const auto flagged = [&] { return sheet->Snapshot().trust.stale == stale; };
    QVERIFY(!flagged());  // the worked example shows no results yet
    Compute();
    QVERIFY(!flagged() && !sheet->Snapshot().trust.agreement.isEmpty());

    // An input edited: the page's first line, no agreement, the tooltip.
    const QString typed = Field(case_.emptied)->text();
    Field(case_.emptied)->setText(QStringLiteral("1"));
    QVERIFY(flagged() && sheet->Snapshot().trust.agreement.isEmpty());
    const QString path = folder.filePath(QStringLiteral("stale.pdf"));
    ShortcutWithFile(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier, path);
    if (kPdfTools) {
        const QString text = Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY2(text.startsWith(stale), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Согласие двух определений")));
    }
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), Field("Yp")->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Field("Yp"), &hover);
    QVERIFY(QToolTip::text().startsWith(stale));
    PressInField(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(stale + QLatin1Char('\n')));
    Field(case_.emptied)->setText(typed);  // the same texts again
    QVERIFY(!flagged());

    // A run that ends in a fault part-way, even with the inputs put back.
    QStringList before;
    for (const auto& [name, fault] : case_.fault) {
        before << Field(name)->text();
        Field(name)->setText(QString::fromUtf8(fault));
    }
    Compute();
    QCOMPARE(messages.errors.size(), size_t{1});
    QVERIFY(flagged());
    for (qsizetype i = 0; i < before.size(); ++i) {
        Field(case_.fault[i].first)->setText(before[i]);
    }
    QVERIFY(flagged());
    Compute();
    QVERIFY(!flagged());
    Click(case_.clear);  // no results: nothing to flag
    QVERIFY(!flagged() && sheet->Snapshot().trust.agreement.isEmpty());
}

// A saved sheet records its separator; opened under another, only its
// numbers take that one, and the way back gives the very same bytes.
void SheetWindowTestBase::filesTravelBetweenDecimalSeparators() {
    RecordedMessages messages;
    QTemporaryDir folder;
    document::SheetDocument* sheet = DocumentOf(form);
    const document::Method& method = sheet->Description().method;
    const QStringList names = sheet->Description().FieldNames();
    const auto read = [&](const QByteArray& bytes) {
        return std::get<QStringList>(document::ReadSheet(bytes, method, names));
    };
    Compute();
    QStringList typed = sheet->Texts();
    typed[0] = QStringLiteral("1.5");    // a number only where decimals take a full stop
    typed[1] = QStringLiteral("1,2,3");  // no number anywhere
    document::TypedSeparator comma, full_stop, comma_again;
    const QByteArray saved =
        comma.Record(document::WriteSheet(method, names, typed), names, typed, ",");
    const QStringList there = full_stop.Adopt(saved, names, read(saved), ".");
    QStringList expected = typed;
    expected.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
    expected[1] = typed[1];
    QCOMPARE(there, expected);
    const QByteArray resaved =
        full_stop.Record(document::WriteSheet(method, names, there), names, there, ".");
    const QStringList back = comma_again.Adopt(resaved, names, read(resaved), ",");
    QCOMPARE(back, typed);
    QCOMPARE(comma_again.Record(document::WriteSheet(method, names, back), names, back, ","),
             saved);
    // A file without the record is read as it is.
    const QByteArray old = document::WriteSheet(method, names, there);
    QCOMPARE(document::TypedSeparator().Adopt(old, names, read(old), ","), there);

    // The computed sheet saved under a full stop opens here as it was typed
    // here, its results belonging to it, and computes.
    const QStringList computed = sheet->Texts();
    const QString path = folder.filePath(QStringLiteral("full-stop.zas"));
    QStringList stopped = computed;
    stopped.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
    WriteFile(path, document::TypedSeparator().Record(document::WriteSheet(method, names, stopped),
                                                      names, stopped, "."));
    Click(case_.clear);
    QVERIFY(sheet->OpenFile(path));
    QCOMPARE(sheet->Texts(), computed);
    QVERIFY(sheet->Snapshot().trust.stale.isEmpty());
    Compute();
    QCOMPARE(Outputs(), case_.worked_example);
    QVERIFY(messages.errors.empty());
}

}  // namespace zas::testing
