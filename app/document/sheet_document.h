// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet as a document: saved and opened as a .zas file, printed,
// exported to PDF and copied whole, through window-wide actions with their
// shortcuts, in the sheet's context menu and at the end of every field's.
// The means' tooltips show the agreement of the two determinations, or that
// the results no longer belong to the inputs (app/document/sheet_trust.h).
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include "app/document/sheet_description.h"
#include "app/document/sheet_locale.h"
#include "app/document/sheet_page.h"
#include "app/document/sheet_trust.h"

class QAction;
class QLineEdit;

namespace zas::ui {
class WorksheetForm;
}

namespace zas::document {

class SheetDocument : public QObject {
    Q_OBJECT

  public:
    // Becomes a child of the sheet and gives it the actions.
    SheetDocument(ui::WorksheetForm* sheet, const SheetDescription& description);
    ~SheetDocument() override;

    // The document of the sheet of that method ("jung", "gauss"), if any.
    static SheetDocument* ForMethod(const QString& key);

    void Open();
    void Save();
    void SaveAs();
    void Print();
    void ExportPdf();
    void CopySheet();
    // «Проверить лист»: the sheet computed on a copy of its texts, each
    // written value marked as agreeing, differing or empty, and a summary.
    void CheckSheet();
    // Takes every mark off: on «Вычислить», «Очистить», «Выход», an opened
    // file and the next check.
    void ClearMarks();

    // Replaces all 32 texts from the file, or reports why not and changes
    // nothing. True when the file was opened.
    bool OpenFile(const QString& path);
    // The same for a file's bytes already read.
    bool OpenBytes(const QByteArray& bytes, const QString& path);
    // Each writes the file whole or reports why not and leaves any file that
    // was there as it was. True when written.
    bool SaveFile(const QString& path);
    bool ExportPdfFile(const QString& path);

    ui::WorksheetForm* Sheet() const { return sheet_; }
    const SheetDescription& Description() const { return description_; }
    const QString& FileName() const { return file_name_; }
    QStringList Texts() const;
    SheetSnapshot Snapshot() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A field's mark, with what its tooltip and accessible description said
    // before it.
    struct Mark {
        QWidget* widget;
        check::Verdict verdict;
        QString text;
        QString tooltip;
        QString description;
    };

    QLineEdit* Field(const QString& name) const;
    void RemoveMark(QLineEdit* field);
    // What the page says of the figures, worked out from the texts at this
    // moment.
    SheetTrust TrustNow() const;
    // Ties the sheet to the file it was last saved to or opened from, with
    // its texts as they are now; an empty path unties it. The title names
    // the file.
    void Tie(const QString& path);
    // Tied, and its texts are no longer those of the file.
    bool Modified() const;
    // Writes the file whole, or reports `failure` (with the file's name and
    // the reason for %1 and %2) and returns false.
    bool Write(const QString& path, const QByteArray& bytes, const QString& failure);
    void AddAction(const char* caption, const QKeySequence& keys, void (SheetDocument::*run)());

    ui::WorksheetForm* sheet_;
    const SheetDescription& description_;
    QStringList names_;
    QString file_name_;
    QStringList saved_texts_;  // the texts as saved or opened, while tied
    QList<QAction*> actions_;
    QObjectList means_;
    QMap<QLineEdit*, Mark> marks_;
    QString check_summary_;
    Currency currency_;
    TypedSeparator typed_;
};

// The file dialog's starting folder: the one used last in this run, else the
// user's documents folder.
QString StartFolder();

}  // namespace zas::document
