#pragma once

#include "FileBytes.h"
#include "mirc/bridge/WineSettings.h"

#include <QDir>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Fake mIRC programs running under the Wine session the test runs in
// (wine-session.sh sets KORVEL_WINE, WINEPREFIX and DISPLAY), each with its
// state and command log in a temporary folder. They are killed with this
// object.
class FakeMircProcesses {
public:
    explicit FakeMircProcesses(QString fakeProgram)
        : program(std::move(fakeProgram))
    {
    }
    ~FakeMircProcesses()
    {
        for (const auto& process : processes) {
            process->kill();
            process->waitForFinished(killWaitMs);
        }
    }

    static bool sessionPresent()
    {
        return !qEnvironmentVariable("KORVEL_WINE").isEmpty() && !qEnvironmentVariable("WINEPREFIX").isEmpty();
    }

    // The settings that reach the fakes through the helper at `bridgeProgram`.
    static WineSettings sessionSettings(const QString& bridgeProgram)
    {
        WineSettings settings;
        settings.wineBinary = qEnvironmentVariable("KORVEL_WINE");
        settings.prefix = qEnvironmentVariable("WINEPREFIX");
        settings.bridgeProgram = bridgeProgram;
        return settings;
    }

    // Starts one fake with `state` ("key value" lines); returns its number.
    int start(const QString& state)
    {
        const int number = int(processes.size());
        writeBytes(statePath(number), state.toUtf8());
        writeBytes(logPath(number), QByteArray());
        auto process = std::make_unique<QProcess>();
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        process->start(qEnvironmentVariable("KORVEL_WINE"),
                       {program, windowsPath(statePath(number)), windowsPath(logPath(number))});
        processes.push_back(std::move(process));
        return number;
    }

    // The commands fake `number` has performed so far.
    QStringList performed(int number) const
    {
        return QString::fromUtf8(readBytes(logPath(number))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    static constexpr int killWaitMs = 2000;

    static QString windowsPath(const QString& unixPath)
    {
        return QStringLiteral("Z:") + QDir::toNativeSeparators(unixPath).replace(QLatin1Char('/'), QLatin1Char('\\'));
    }
    QString statePath(int number) const { return folder.filePath(QStringLiteral("fake%1.state").arg(number)); }
    QString logPath(int number) const { return folder.filePath(QStringLiteral("fake%1.log").arg(number)); }

    QString program;
    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> processes;
};
