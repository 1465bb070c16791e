// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zas::document {

namespace {

const Method* FindMethod(const QString& key) {
    for (const Method* method : {&kJung, &kGauss}) {
        if (key == QLatin1String(method->key)) {
            return method;
        }
    }
    return nullptr;
}

QString TooLargeMessage() {
    return QStringLiteral("Файл больше 64 МиБ, а лист «Засечки» не бывает таким большим.");
}

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

// Why the file could not be written, found from the place it was to go to:
// the error of a write says little more than that it failed.
QString WriteFailure(const QFileDevice& file, const QFileInfo& target, qint64 size) {
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    const QFileInfo place(target.absolutePath());
    const QStorageInfo storage(target.absolutePath());
    if (!place.isDir()) {
        return QStringLiteral("папки «%1» нет").arg(folder);
    }
    if (target.isDir()) {
        return QStringLiteral("под этим именем в папке уже есть папка");
    }
    if (storage.isValid() && storage.isReadOnly()) {
        return QStringLiteral("диск доступен только для чтения");
    }
    if (target.exists() && !target.isWritable()) {
        return QStringLiteral("файл защищён от записи");
    }
    if (file.error() == QFileDevice::ResourceError ||
        (storage.isValid() && storage.bytesAvailable() < size)) {
        return QStringLiteral("на диске не хватает места");
    }
    if (!place.isWritable()) {
        return QStringLiteral("нет права записи в папку «%1»").arg(folder);
    }
    return QStringLiteral("запись на диск не удалась (%1)").arg(file.errorString());
}

}  // namespace

QByteArray WriteSheet(const Method& method, const QStringList& names, const QStringList& texts) {
    QJsonObject fields;
    for (qsizetype i = 0; i < names.size(); ++i) {
        fields.insert(names[i], texts[i]);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(kFormatName));
    root.insert(QStringLiteral("version"), kFormatVersion);
    root.insert(QStringLiteral("method"), QLatin1String(method.key));
    root.insert(QStringLiteral("fields"), fields);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString MethodOf(const QByteArray& bytes) {
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    const QString key = root.value(QStringLiteral("method")).toString();
    return FindMethod(key) != nullptr ? key : QString();
}

std::variant<QStringList, Refusal> ReadSheet(const QByteArray& bytes, const Method& method,
                                             const QStringList& names) {
    if (bytes.size() > kMaxFileSize) {
        return Refusal{TooLargeMessage()};
    }
    if (!IsUtf8(bytes)) {
        return Refusal{QStringLiteral("Файл содержит текст не в кодировке UTF-8.")};
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return Refusal{QStringLiteral("Файл повреждён или обрезан: он не дочитывается до конца.")};
    }
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!document.isObject() ||
        root.value(QStringLiteral("format")) != QLatin1String(kFormatName) || !version.isDouble() ||
        version.toDouble() < 1 || version.toDouble() != static_cast<double>(version.toInt())) {
        return Refusal{QStringLiteral("Это не лист «Засечки»: формат файла неизвестен.")};
    }
    if (version.toInt() > kFormatVersion) {
        return Refusal{
            QStringLiteral("Файл сохранён более новой версией программы (версия формата %1), "
                           "и эта версия его не читает.")
                .arg(version.toInt())};
    }
    const Method* belongs = FindMethod(root.value(QStringLiteral("method")).toString());
    if (belongs == nullptr) {
        return Refusal{QStringLiteral("В файле не указано, по каким формулам решён лист.")};
    }
    if (qstrcmp(belongs->key, method.key) != 0) {
        return Refusal{QStringLiteral("Это лист решения %1, а не %2: откройте его на том листе.")
                           .arg(QString::fromUtf8(belongs->name), QString::fromUtf8(method.name))};
    }
    const QJsonValue fields_value = root.value(QStringLiteral("fields"));
    if (!fields_value.isObject()) {
        return Refusal{QStringLiteral("В файле нет полей листа.")};
    }
    const QJsonObject fields = fields_value.toObject();
    QStringList texts;
    texts.reserve(names.size());
    for (const QString& name : names) {
        const QJsonValue text = fields.value(name);
        if (text.isUndefined()) {
            return Refusal{QStringLiteral("В файле нет поля %1.").arg(name)};
        }
        if (!text.isString()) {
            return Refusal{QStringLiteral("Поле %1 в файле содержит не текст.").arg(name)};
        }
        texts << text.toString();
    }
    return texts;
}

std::variant<QByteArray, Refusal> ReadFileBytes(const QString& path) {
    // A pipe would keep the program waiting for a writer, a device would be
    // read without end: only a plain file is opened.
    const QFileInfo info(path);
    if (info.isDir()) {
        return Refusal{QStringLiteral("«%1» — папка, а не файл листа.").arg(info.fileName())};
    }
    if (info.exists() && !info.isFile()) {
        return Refusal{
            QStringLiteral("«%1» — не файл, а канал или устройство: лист из него не читается.")
                .arg(info.fileName())};
    }
    QFile file(path);
    const QString unreadable =
        QStringLiteral("Не удалось прочитать файл «%1».").arg(info.fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        return Refusal{unreadable};
    }
    // Read one byte past the limit: a file that grows while read is caught too.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return Refusal{unreadable};
    }
    if (bytes.size() > kMaxFileSize) {
        return Refusal{TooLargeMessage()};
    }
    return bytes;
}

std::optional<QString> WriteFileBytes(const QString& path, const QByteArray& bytes) {
    // Written beside the file and put in its place only when whole. Each step
    // is checked: the toolkit keeps the bytes in a buffer, and a disk that is
    // full only shows when the buffer goes out, which commit() would not
    // report.
    QSaveFile file(path);
    const QFileInfo target(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return WriteFailure(file, target, bytes.size());
    }
    bool written = file.write(bytes) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
    // On the disk itself: a network or a quota may refuse only now.
    written = written && ::fsync(file.handle()) == 0;
#endif
    if (!written) {
        const QString reason = WriteFailure(file, target, bytes.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return WriteFailure(file, target, bytes.size());
    }
    return std::nullopt;
}

}  // namespace zas::document
