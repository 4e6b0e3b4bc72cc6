#include "WineSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <functional>

namespace {

const QString organisation = QStringLiteral("Korvel");
const QString settingsFile = QStringLiteral("settings");
const QString wineBinaryKey = QStringLiteral("wineBinary");
const QString winePrefixKey = QStringLiteral("winePrefix");

const char wineBinaryVariable[] = "KORVEL_WINE";
const char winePrefixVariable[] = "KORVEL_WINEPREFIX";
const char bridgeVariable[] = "KORVEL_MIRC_BRIDGE";
const char wineOwnPrefixVariable[] = "WINEPREFIX";

const QString bridgeFileName = QStringLiteral("mirc-bridge.exe");
// Where an installed Korvel keeps it, from the folder of the program.
const QString installedBridgeFolder = QStringLiteral("../libexec/korvel");
const QString debianWine64 = QStringLiteral("/usr/lib/wine/wine64");
const QString defaultPrefixFolder = QStringLiteral(".wine");

QString defaultWineBinary()
{
    QString found = QStandardPaths::findExecutable(QStringLiteral("wine64"));
    if (found.isEmpty() && QFileInfo(debianWine64).isExecutable())
        found = debianWine64;
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(QStringLiteral("wine"));
    return found;
}

QString defaultPrefix()
{
    const QString own = qEnvironmentVariable(wineOwnPrefixVariable);
    return own.isEmpty() ? QDir::home().filePath(defaultPrefixFolder) : own;
}

QString firstOf(const char* variable, const QSettings& settings, const QString& key,
                const std::function<QString()>& fallback)
{
    const QString fromEnvironment = qEnvironmentVariable(variable);
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString fromSettings = settings.value(key).toString();
    return fromSettings.isEmpty() ? fallback() : fromSettings;
}

} // namespace

WineSettings WineSettings::fromEnvironment()
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, organisation, settingsFile);
    WineSettings wine;
    wine.wineBinary = firstOf(wineBinaryVariable, settings, wineBinaryKey, defaultWineBinary);
    wine.prefix = firstOf(winePrefixVariable, settings, winePrefixKey, defaultPrefix);
    wine.bridgeProgram = qEnvironmentVariable(bridgeVariable);
    if (wine.bridgeProgram.isEmpty()) {
        const QDir programFolder(QCoreApplication::applicationDirPath());
        wine.bridgeProgram = programFolder.filePath(bridgeFileName);
        const QString installed =
            QDir::cleanPath(programFolder.filePath(installedBridgeFolder + QLatin1Char('/') + bridgeFileName));
        if (!QFileInfo::exists(wine.bridgeProgram) && QFileInfo::exists(installed))
            wine.bridgeProgram = installed;
    }
    return wine;
}

bool WineSettings::isUsable() const
{
    return !wineBinary.isEmpty() && QFileInfo(wineBinary).isExecutable() && QFileInfo(bridgeProgram).isFile()
        && QFileInfo(prefix).isDir();
}
