#include "MircScriptPath.h"

#include <QFileInfo>

namespace MircScriptPath {

namespace {

int lastSeparator(const QString& path)
{
    return qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool isAbsolute(const QString& path)
{
    const bool drive =
        path.size() >= 3 && path.at(0).isLetter() && path.at(1) == QLatin1Char(':') && isSeparator(path.at(2));
    return drive || (!path.isEmpty() && isSeparator(path.at(0)));
}

} // namespace

QString fileName(const QString& path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString folder(const QString& path)
{
    const int separator = lastSeparator(path);
    return separator < 0 ? QString() : path.left(separator);
}

QString absolute(const QString& path)
{
    return isAbsolute(path) ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace MircScriptPath
