#include "MslSyntaxHighlighter.h"

#include "CBlockData.h"
#include "TextFormats.h"

MslSyntaxHighlighter::MslSyntaxHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
}

void MslSyntaxHighlighter::setFileName(const QString& name)
{
    fileName = name;
}

void MslSyntaxHighlighter::setDocumentKind(DocumentKind newKind)
{
    if (newKind == kind)
        return;
    kind = newKind;
    rehighlight();
}

void MslSyntaxHighlighter::pauseHighlighting()
{
    paused = true;
}

void MslSyntaxHighlighter::resumeHighlighting()
{
    paused = false;
}

void MslSyntaxHighlighter::remError(QVector<int>& errIds)
{
    emit removeError(errIds);
}

CBlockData* MslSyntaxHighlighter::blockData()
{
    auto* data = static_cast<CBlockData*>(currentBlockUserData());
    if (!data) {
        data = new CBlockData;
        setCurrentBlockUserData(data);
    }
    return data;
}

void MslSyntaxHighlighter::resetBlockData()
{
    CBlockData* data = blockData();
    data->blockKind = HeaderKind::None;
    data->blockName.clear();
    data->blockDetail.clear();
    data->namePos = -1;
    data->opensBlock = false;
    data->groupMark = false;
    data->groupMarkKind = GroupMark::None;
    data->isLocal = false;
    data->identifiers.clear();
    emit data->errorCarrier.doRemErr(data->errorCarrier.errIds);
    data->errorCarrier.errIds.clear();
}

void MslSyntaxHighlighter::addError(int type, int linePos, const QString& block, const QString& message)
{
    int errId = 0;
    emit updateError(currentBlock().blockNumber() + 1, linePos, fileName, block, QStringLiteral("???"), type, message,
                     errId);
    CBlockData* data = blockData();
    if (!data->carrierConnected) {
        connect(&data->errorCarrier, &DumErr::doRemErr, this, &MslSyntaxHighlighter::remError);
        data->carrierConnected = true;
    }
    data->errorCarrier.errIds.append(errId);
}

void MslSyntaxHighlighter::highlightBlock(const QString& text)
{
    // The bracket checker edits the document while paused: nothing of the
    // lines it touches (states, records, diagnostics) may change meanwhile.
    if (paused)
        return;
    setCurrentBlockState(BlockState::root);
    resetBlockData();

    checker.checkLine(MslChecker::lowerCased(text), previousBlockState(), result, kind);

    applyFormats();
    recordHeader();
    for (const LineDiagnostic& d : result.diagnostics)
        addError(int(d.type), d.pos, d.block, d.message);

    setCurrentBlockState(result.state);
}

// Paints each maximal run of one format with a single setFormat call.
void MslSyntaxHighlighter::applyFormats()
{
    result.forEachSpan(
        [this](const FormatSpan& span) { setFormat(span.start, span.length, TextFormats::format(span.format)); });
}

void MslSyntaxHighlighter::recordHeader()
{
    const HeaderRecord& header = result.header;
    if (header.isEmpty() && !header.detailSet && result.identifiers.isEmpty())
        return; // resetBlockData has already cleared what this line would record
    CBlockData* data = blockData();
    data->blockKind = header.blockKind;
    data->blockName = header.blockName;
    if (header.detailSet)
        data->blockDetail = header.blockDetail;
    data->namePos = header.namePos;
    data->isLocal = header.isLocal;
    data->opensBlock = header.opensBlock;
    data->groupMark = header.groupMark;
    data->groupMarkKind = header.groupMarkKind;
    data->identifiers = result.identifiers;
}
