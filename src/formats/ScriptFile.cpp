#include "ScriptFile.h"

#include "ScriptLayout.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace ScriptFile {

bool isIniScript(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.size() >= 4 && name.right(4).toLower() == QLatin1String(".ini");
}

bool openForReading(QFile& file, QString* error)
{
    // Only regular files: a device or a pipe could be endless.
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        *error = info.isDir() ? QCoreApplication::translate("ScriptFile", "Is a folder, not a file")
                              : QCoreApplication::translate("ScriptFile", "Not a regular file");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > maximumFileSize) {
        *error = QCoreApplication::translate("ScriptFile", "Too large (%1 MB; at most %2 MB can be opened)")
                     .arg(file.size() / (1024 * 1024))
                     .arg(maximumFileSize / (1024 * 1024));
        return false;
    }
    return true;
}

LoadedScript load(const QString& path)
{
    LoadedScript loaded;
    QFile file(path);
    if (!openForReading(file, &loaded.error))
        return loaded;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.error = file.errorString();
        return loaded;
    }
    DecodedScript decoded = decodeScriptBytes(bytes);
    if (isIniScript(path)) {
        // A popup file that holds several popup menus keeps their section
        // lines in the text, so that each menu is saved back under its own
        // section.
        const ScriptLayout::IniShape shape = ScriptLayout::iniShape(ScriptLayout::iniSections(decoded.text));
        loaded.kind = shape.kind;
        loaded.iniSection = shape.section;
        loaded.text = ScriptLayout::iniTextFromFile(decoded.text, shape.keepPopupSections);
    } else {
        loaded.text = ScriptLayout::plainTextFromFile(std::move(decoded.text));
        loaded.kind = DocumentKinds::fromContent(loaded.text);
    }
    loaded.encoding = decoded.encoding;
    loaded.ok = true;
    return loaded;
}

bool save(const QString& path, const QString& text, ScriptEncoding encoding, QString* error, DocumentKind kind,
          const QString& iniSection)
{
    const QString section = kind == DocumentKind::Remote || iniSection.isEmpty()
        ? QString(DocumentKinds::defaultSection(kind))
        : iniSection;
    const QString fileText = isIniScript(path)
        ? ScriptLayout::iniFileFromText(text, section, kind == DocumentKind::Popups)
        : ScriptLayout::plainFileFromText(text);
    const QByteArray bytes = encodeScriptText(fileText, encoding);

    // QSaveFile writes beside the file and renames over it only after a
    // complete write: a full disk or a vanished folder leaves the old file.
    // Writing in place when the folder forbids new files is not allowed for
    // the same reason (a failed write would leave a truncated script).
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // commit() ignores a failing flush of the buffered bytes (a short write
    // on a full disk): the file would be renamed into place truncated. So the
    // flush is made and checked first.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

QString editorTextFromRawDocumentText(QString rawText)
{
    rawText.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return rawText;
}

} // namespace ScriptFile
