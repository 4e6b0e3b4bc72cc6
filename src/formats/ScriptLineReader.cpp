#include "ScriptLineReader.h"

#include "ScriptFile.h"
#include "ScriptLayout.h"
#include "checker/core/ContentKind.h"

#include <utility>

namespace {

// Big enough that reading costs little beside checking, small enough that
// a piece and its text are a few megabytes at most.
constexpr qint64 pieceSize = 1 << 20;

} // namespace

template <typename Visit> bool ScriptLineReader::forEachFileLine(Visit visit)
{
    if (!rewind())
        return false;
    ScriptDecoder decoder(fileEncoding);
    ScriptLayout::LineSplitter splitter;
    bool going = true;
    QByteArray piece;
    while (going && !(piece = file.read(pieceSize)).isEmpty()) {
        splitter.add(decoder.decode(piece), [&](QString&& line) {
            if (going)
                going = visit(std::move(line), false);
        });
    }
    if (!going)
        return true;
    if (file.error() != QFileDevice::NoError) {
        failure = file.errorString();
        return false;
    }
    visit(splitter.finish(), true);
    return true;
}

bool ScriptLineReader::open(const QString& path, const DocumentKind* kind)
{
    file.setFileName(path);
    if (!ScriptFile::openForReading(file, &failure))
        return false;
    ScriptEncodingDetector detector;
    QByteArray piece;
    while (!(piece = file.read(pieceSize)).isEmpty())
        detector.add(piece);
    if (file.error() != QFileDevice::NoError) {
        failure = file.errorString();
        return false;
    }
    fileEncoding = detector.finish();
    markSize = detector.markSize();

    ini = ScriptFile::isIniScript(path);
    if (ini) {
        QStringList sections;
        QString section;
        if (!forEachFileLine([&](const QString& line, bool) {
                if (ScriptLayout::iniSectionName(line, &section))
                    sections.append(section);
                return true;
            }))
            return false;
        const ScriptLayout::IniShape shape = ScriptLayout::iniShape(sections);
        fileKind = shape.kind;
        keepPopupSections = shape.keepPopupSections;
    } else if (!kind) {
        DocumentKinds::ContentKind content;
        if (!forEachFileLine([&content](const QString& line, bool) { return content.addLine(line); }))
            return false;
        fileKind = content.kind();
    }
    if (kind)
        fileKind = *kind;
    return true;
}

bool ScriptLineReader::forEachLine(const std::function<void(const ScriptLine& line)>& visit)
{
    ScriptLine out;
    int fileLine = 0;
    return forEachFileLine([&](QString&& line, bool last) {
        ++fileLine;
        // The INI text has a line end after its last line, so an empty line
        // follows; a file that ends in a line end ends in that empty line.
        const bool endOfIniText = ini && last && line.isEmpty();
        const int start = !ini || endOfIniText ? 0 : ScriptLayout::iniLineStart(line, keepPopupSections);
        if (start >= 0) {
            out.number++;
            out.text = start == 0 ? line : line.sliced(start);
            out.fileLine = fileLine;
            out.fileColumn = start;
            out.fileText = std::move(line);
            visit(out);
        }
        if (ini && last && !endOfIniText) {
            out.number++;
            out.text.clear();
            out.fileLine = fileLine + 1;
            out.fileColumn = 0;
            out.fileText.clear();
            visit(out);
        }
        return true;
    });
}

bool ScriptLineReader::rewind()
{
    if (file.seek(markSize))
        return true;
    failure = file.errorString();
    return false;
}
