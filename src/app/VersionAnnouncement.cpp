#include "VersionAnnouncement.h"

#include "KorvelVersion.h"

#include <algorithm>

namespace {

const QString productName = QStringLiteral("Korvel");
constexpr QChar nameSeparator = QLatin1Char('|');
constexpr QChar versionPartSeparator = QLatin1Char('.');
constexpr QChar lineSeparator = QLatin1Char('\n');
constexpr QChar carriageReturn = QLatin1Char('\r');

// A file saved with CR LF line ends would otherwise keep a CR on every line:
// the version's last part would not read as a number and every blank line
// would become an empty entry of the list.
QString withoutTrailingCarriageReturn(const QString& line)
{
    return line.endsWith(carriageReturn) ? line.chopped(1) : line;
}

} // namespace

VersionAnnouncement VersionAnnouncement::read(const QByteArray& body)
{
    VersionAnnouncement announcement;
    // Plain ASCII in practice; the list of what is new may use any language.
    const QStringList lines = QString::fromUtf8(body).split(lineSeparator);
    const QString firstLine = withoutTrailingCarriageReturn(lines.first());

    const qsizetype separatorAt = firstLine.indexOf(nameSeparator);
    if (separatorAt < 0 || firstLine.left(separatorAt) != productName)
        return announcement;
    announcement.versionText = firstLine.mid(separatorAt + 1);

    const QStringList parts = announcement.versionText.split(versionPartSeparator);
    std::array<int, 4> announced{};
    if (parts.size() != qsizetype(announced.size()))
        return announcement;
    // A part that is not a decimal number counts as 0.
    std::transform(parts.cbegin(), parts.cend(), announced.begin(), [](const QString& part) { return part.toInt(); });

    const bool newer = std::lexicographical_compare(korvelVersion.cbegin(), korvelVersion.cend(), announced.cbegin(),
                                                    announced.cend());
    announcement.verdict = newer ? Verdict::Newer : Verdict::NotNewer;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString entry = withoutTrailingCarriageReturn(lines.at(i));
        if (!entry.isEmpty())
            announcement.news << entry;
    }
    return announcement;
}
