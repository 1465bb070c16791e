// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_document.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolTip>
#include <memory>

#include "app/document/check_marks.h"
#include "app/messages.h"
#include "app/worksheet_form.h"
#include "check/sheet_check.h"

namespace zas::document {

namespace {

QString last_folder;
QList<SheetDocument*> documents;

// A file name chosen in the toolkit's file dialog, or an empty string.
QString AskFileName(QWidget* parent, bool saving, const QString& caption, const QString& filter,
                    const QString& suffix, const QString& suggested) {
    QFileDialog dialog(parent, caption, StartFolder(), filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (!suggested.isEmpty()) {
        dialog.selectFile(suggested);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    last_folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString SheetFilter() {
    return QStringLiteral("Листы засечки (*.zas);;Все файлы (*)");
}

void Report(const QString& message) {
    ReportError(message.toStdString());
}

}  // namespace

QString StartFolder() {
    if (!last_folder.isEmpty()) {
        return last_folder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A documents folder that is not there would be offered as a file name.
    return QDir(documents).exists() ? documents : QDir::homePath();
}

SheetDocument::SheetDocument(ui::WorksheetForm* sheet, const SheetDescription& description)
    : QObject(sheet), sheet_(sheet), description_(description), names_(description.FieldNames()) {
    documents << this;
    AddAction("Открыть…", QKeySequence(Qt::CTRL | Qt::Key_O), &SheetDocument::Open);
    AddAction("Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S), &SheetDocument::Save);
    AddAction("Сохранить как…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
              &SheetDocument::SaveAs);
    AddAction("Печать…", QKeySequence(Qt::CTRL | Qt::Key_P), &SheetDocument::Print);
    AddAction("Экспорт в PDF…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
              &SheetDocument::ExportPdf);
    AddAction("Копировать лист", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              &SheetDocument::CopySheet);
    AddAction("Проверить лист", QKeySequence(Qt::Key_F7), &SheetDocument::CheckSheet);
    // Right-click on the sheet outside the fields: the actions alone.
    sheet_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const QString& name : names_) {
        QLineEdit* field = Field(name);
        // Each field's own menu keeps its standard items; the actions follow.
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](QPoint at) {
            std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
            menu->addSeparator();
            menu->addActions(actions_);
            menu->exec(field->mapToGlobal(at));
        });
        field->installEventFilter(this);
        // A mark says nothing of a value typed after the check.
        connect(field, &QLineEdit::textEdited, this, [this, field] { RemoveMark(field); });
        // Only a sheet tied to a file answers a change of a field's text: its
        // title's mark shows whether the file still holds what it shows.
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!file_name_.isEmpty()) {
                sheet_->setWindowModified(Modified());
            }
        });
    }
    // «Вычислить», «Очистить» and «Выход» each leave the marks behind.
    for (QPushButton* button : sheet_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        connect(button, &QAbstractButton::clicked, this, &SheetDocument::ClearMarks);
    }
    // An emptied sheet keeps no file: the next save asks for a name, so the
    // 32 empty texts never land on a saved survey.
    connect(sheet_, &ui::WorksheetForm::Emptied, this, [this] { Tie({}); });
    for (const SheetColumn column : {SheetColumn::kX, SheetColumn::kY}) {
        means_ << Field(description_.FieldAt(SheetRow::kMeans, column));
    }
    connect(sheet_, &ui::WorksheetForm::ComputeReturned, this,
            [this] { currency_.Check(*sheet_, description_, Texts()); });
}

SheetDocument::~SheetDocument() {
    documents.removeAll(this);
}

SheetDocument* SheetDocument::ForMethod(const QString& key) {
    for (SheetDocument* document : documents) {
        if (key == QLatin1String(document->description_.method.key)) {
            return document;
        }
    }
    return nullptr;
}

void SheetDocument::AddAction(const char* caption, const QKeySequence& keys,
                              void (SheetDocument::*run)()) {
    auto* action = new QAction(QString::fromUtf8(caption), sheet_);
    action->setShortcut(keys);
    // From anywhere in the sheet, a focused field included.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this,
            [this, run] { ui::RunHandler([this, run] { (this->*run)(); }); });
    sheet_->addAction(action);
    actions_ << action;
}

QLineEdit* SheetDocument::Field(const QString& name) const {
    return sheet_->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
}

SheetTrust SheetDocument::TrustNow() const {
    return JudgeSheet(*sheet_, description_, currency_.Current(Texts()));
}

QStringList SheetDocument::Texts() const {
    QStringList texts;
    for (const QString& name : names_) {
        texts << Field(name)->text();
    }
    return texts;
}

SheetSnapshot SheetDocument::Snapshot() const {
    SheetSnapshot snapshot;
    snapshot.description = &description_;
    for (const QString& name : names_) {
        snapshot.texts.insert(name, Field(name)->text());
    }
    snapshot.trust = TrustNow();
    for (auto mark = marks_.cbegin(); mark != marks_.cend(); ++mark) {
        snapshot.marks.insert(mark.key()->objectName(), mark->verdict);
    }
    if (!marks_.isEmpty()) {
        snapshot.check_summary = check_summary_.split(QLatin1Char('\n'));
    }
    snapshot.made = QDateTime::currentDateTime();
    return snapshot;
}

void SheetDocument::Tie(const QString& path) {
    file_name_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    saved_texts_ = path.isEmpty() ? QStringList() : Texts();
    sheet_->setWindowModified(false);
    const QString caption = QString::fromUtf8(description_.caption);
    sheet_->setWindowTitle(
        path.isEmpty() ? caption
                       : QStringLiteral("%1 — %2[*]").arg(caption, QFileInfo(path).fileName()));
}

bool SheetDocument::Modified() const {
    return !file_name_.isEmpty() && Texts() != saved_texts_;
}

void SheetDocument::Open() {
    if (Modified()) {
        const QString question =
            QStringLiteral(
                "Лист изменён после того, как был сохранён в файл «%1». Сохранить "
                "изменения, прежде чем открыть другой лист?")
                .arg(QFileInfo(file_name_).fileName());
        const ui::Unsaved answer = ui::AskAboutChanges(question.toStdString());
        // A save that fails has said why, and nothing is replaced.
        if (answer == ui::Unsaved::kCancel ||
            (answer == ui::Unsaved::kSave && !SaveFile(file_name_))) {
            return;
        }
    }
    const QString path = AskFileName(sheet_, false, QStringLiteral("Открыть лист"), SheetFilter(),
                                     QStringLiteral("zas"), {});
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool SheetDocument::OpenFile(const QString& path) {
    const auto bytes = ReadFileBytes(path);
    if (const auto* refusal = std::get_if<Refusal>(&bytes)) {
        Report(refusal->message);
        return false;
    }
    return OpenBytes(std::get<QByteArray>(bytes), path);
}

bool SheetDocument::OpenBytes(const QByteArray& bytes, const QString& path) {
    const auto read = ReadSheet(bytes, description_.method, names_);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        Report(refusal->message);
        return false;
    }
    // Numbers typed where decimals are written otherwise take the separator
    // used here.
    const QStringList texts =
        typed_.Adopt(bytes, names_, std::get<QStringList>(read), LocalSeparator(*sheet_));
    ClearMarks();
    for (qsizetype i = 0; i < names_.size(); ++i) {
        Field(names_[i])->setText(texts[i]);
    }
    currency_.Check(*sheet_, description_, Texts());
    Tie(path);
    return true;
}

void SheetDocument::Save() {
    if (file_name_.isEmpty()) {
        SaveAs();
    } else {
        SaveFile(file_name_);
    }
}

void SheetDocument::SaveAs() {
    const QString path = AskFileName(sheet_, true, QStringLiteral("Сохранить лист"), SheetFilter(),
                                     QStringLiteral("zas"), file_name_);
    if (!path.isEmpty()) {
        SaveFile(path);
    }
}

bool SheetDocument::Write(const QString& path, const QByteArray& bytes, const QString& failure) {
    const bool existed = QFileInfo::exists(path);
    const std::optional<QString> reason = WriteFileBytes(path, bytes);
    if (reason) {
        Report(failure.arg(QFileInfo(path).fileName(), *reason) +
               (existed ? QStringLiteral(" Прежний файл не изменён.") : QString()));
    }
    return !reason;
}

bool SheetDocument::SaveFile(const QString& path) {
    const QByteArray bytes = typed_.Record(WriteSheet(description_.method, names_, Texts()), names_,
                                           Texts(), LocalSeparator(*sheet_));
    if (!Write(path, bytes, QStringLiteral("Не удалось сохранить лист в файл «%1»: %2."))) {
        return false;
    }
    Tie(path);
    return true;
}

void SheetDocument::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QString::fromUtf8(description_.caption));
    const SheetSnapshot snapshot = Snapshot();
    QPrintPreviewDialog preview(&printer, sheet_);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&snapshot](QPrinter* device) { DrawPage(*device, snapshot); });
    preview.exec();
}

void SheetDocument::ExportPdf() {
    QString suggested;
    if (!file_name_.isEmpty()) {
        const QFileInfo saved(file_name_);
        suggested = saved.absolutePath() + QLatin1Char('/') + saved.completeBaseName() +
                    QStringLiteral(".pdf");
    }
    const QString path =
        AskFileName(sheet_, true, QStringLiteral("Экспорт в PDF"),
                    QStringLiteral("Документы PDF (*.pdf)"), QStringLiteral("pdf"), suggested);
    if (!path.isEmpty()) {
        ExportPdfFile(path);
    }
}

bool SheetDocument::ExportPdfFile(const QString& path) {
    // The writer would write to the file as it draws and could leave half a
    // page behind: the page is drawn in memory and then written whole.
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    QPdfWriter writer(&page);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF());
    writer.setResolution(600);
    writer.setTitle(QString::fromUtf8(description_.caption));
    writer.setCreator(QStringLiteral("Zasechka"));
    const QString failure = QStringLiteral("Не удалось записать PDF в файл «%1»: %2.");
    if (!DrawPage(writer, Snapshot())) {
        Report(failure.arg(QFileInfo(path).fileName(), QStringLiteral("страница не нарисована")));
        return false;
    }
    return Write(path, page.data(), failure);
}

void SheetDocument::CopySheet() {
    QApplication::clipboard()->setMimeData(TableMimeData(Snapshot()));
}

void SheetDocument::CheckSheet() {
    ClearMarks();
    const check::Method& method = qstrcmp(description_.method.key, kGauss.key) == 0
                                      ? check::GaussMethod()
                                      : check::JungMethod();
    // Inputs that cannot be computed are said as «Вычислить» says them: the
    // missing-input message here, an error raised to the error report.
    const auto checked = check::CheckSheet(method, *sheet_);
    if (!checked) {
        return;
    }
    const QStringList agreement = TooltipLines(TrustNow());
    for (const check::FieldVerdict& verdict : checked->fields) {
        QLineEdit* field = Field(QString::fromStdString(verdict.field));
        Mark mark{new CheckMark(field, verdict.verdict), verdict.verdict,
                  QString::fromStdString(check::VerdictText(verdict)), field->toolTip(),
                  field->accessibleDescription()};
        field->setToolTip(mark.text);
        // On a mean, the verdict first, then the agreement it shows.
        field->setAccessibleDescription(means_.contains(field) && !agreement.isEmpty()
                                            ? mark.text + QLatin1Char('\n') +
                                                  agreement.join(QLatin1Char('\n'))
                                            : mark.text);
        marks_.insert(field, mark);
    }
    const std::string summary = check::SummaryText(*checked);
    check_summary_ = QString::fromStdString(summary);
    ShowMessage(summary);
}

void SheetDocument::RemoveMark(QLineEdit* field) {
    const auto mark = marks_.find(field);
    if (mark == marks_.end()) {
        return;
    }
    delete mark->widget;
    field->setToolTip(mark->tooltip);
    field->setAccessibleDescription(mark->description);
    marks_.erase(mark);
}

void SheetDocument::ClearMarks() {
    while (!marks_.isEmpty()) {
        RemoveMark(marks_.firstKey());
    }
    check_summary_.clear();
}

bool SheetDocument::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // A field would keep some of the keys for itself (Ctrl+Shift+E
        // selects to the end of the line on some desktops): the sheet's
        // actions go first.
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions_) {
            if (action->shortcut() == pressed) {
                return true;
            }
        }
    }
    if (event->type() == QEvent::ToolTip && means_.contains(watched)) {
        // Worked out from the texts at this moment.
        auto* help = static_cast<QHelpEvent*>(event);
        QStringList lines = TooltipLines(TrustNow());
        // A checked mean: its verdict comes first.
        const auto mark = marks_.constFind(static_cast<QLineEdit*>(watched));
        if (mark != marks_.cend()) {
            lines.prepend(mark->text);
        }
        if (lines.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), lines.join(QLatin1Char('\n')),
                               static_cast<QWidget*>(watched));
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zas::document
