#include "TextFormats.h"

#include <QColor>
#include <QFont>

namespace TextFormats {

namespace {

// Font weight 75 of the older scale.
constexpr int boldWeight = QFont::Bold;

struct FormatLook {
    FormatId id;
    QRgb foreground; // 0 keeps the foreground
    bool hasForeground;
    bool bold;
    bool italic;
    QRgb wavy; // colour of a wavy underline
    bool hasWavy;
};

constexpr FormatLook looks[] = {
    {FormatId::commentFormat, qRgb(102, 153, 51), true, false, false, 0, false},
    {FormatId::errorFormat, 0, false, false, false, qRgb(255, 0, 0), true},
    {FormatId::warningFormat, 0, false, false, false, qRgb(128, 128, 0), true},
    {FormatId::noticeFormat, 0, false, false, false, qRgb(255, 153, 51), true},
    {FormatId::commentErrorFormat, qRgb(102, 153, 51), true, false, false, qRgb(255, 0, 0), true},
    {FormatId::braceFormat, qRgb(0, 51, 204), true, true, false, 0, false},
    {FormatId::aliasKeywordFormat, qRgb(0, 0, 0), true, true, false, 0, false},
    {FormatId::aliasSwitchFormat, 0, false, false, true, 0, false},
    {FormatId::aliasNameFormat, 0, false, true, false, 0, false},
    {FormatId::dialogKeywordFormat, qRgb(0, 0, 0), true, true, false, 0, false},
    {FormatId::dialogSwitchFormat, 0, false, false, true, 0, false},
    {FormatId::dialogNameFormat, 0, false, true, false, 0, false},
    {FormatId::menuKeywordFormat, qRgb(0, 0, 0), true, true, false, 0, false},
    {FormatId::eventKeywordFormat, qRgb(0, 0, 0), true, true, false, 0, false},
    {FormatId::ctcpRawKeywordFormat, qRgb(0, 0, 0), true, true, false, 0, false},
    {FormatId::accessLevelFormat, qRgb(0, 0, 153), true, false, false, 0, false},
    {FormatId::eventNameFormat, qRgb(0, 153, 153), true, false, false, 0, false},
    {FormatId::groupNameFormat, qRgb(102, 153, 153), true, false, false, 0, false},
    {FormatId::groupStateFormat, qRgb(0, 51, 204), true, true, false, 0, false},
    {FormatId::variableFormat, qRgb(197, 113, 0), true, false, false, 0, false},
    {FormatId::commandFormat, qRgb(153, 102, 204), true, false, false, 0, false},
    {FormatId::identifierFormat, qRgb(83, 83, 142), true, false, false, 0, false},
    {FormatId::propertyFormat, qRgb(160, 160, 164), true, false, false, 0, false},
    {FormatId::promptFormat, qRgb(0, 51, 153), true, false, false, 0, false},
    {FormatId::dialogTableFormat, qRgb(0, 51, 204), true, true, false, 0, false},
    {FormatId::menuItemFormat, qRgb(0, 51, 204), true, true, false, 0, false},
    {FormatId::taskMarkerFormat, qRgb(0, 0, 153), true, false, false, 0, false},
};

struct Shared {
    QTextCharFormat formats[formatIdCount];

    Shared()
    {
        for (const FormatLook& look : looks) {
            QTextCharFormat& f = formats[int(look.id)];
            if (look.hasForeground)
                f.setForeground(QColor(look.foreground));
            if (look.bold)
                f.setFontWeight(boldWeight);
            if (look.italic)
                f.setFontItalic(true);
            if (look.hasWavy) {
                f.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
                f.setUnderlineColor(QColor(look.wavy));
            }
            // The stable name lets a painted range be read back.
            f.setProperty(QTextFormat::UserProperty, QString(formatName(look.id)));
        }
    }
};

const Shared& shared()
{
    static const Shared instance;
    return instance;
}

} // namespace

void build()
{
    shared();
}

const QTextCharFormat& format(FormatId id)
{
    return shared().formats[int(id)];
}

} // namespace TextFormats
