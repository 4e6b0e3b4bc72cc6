#pragma once

#include <QString>

// How Korvel reaches a mIRC that runs under Wine: which Wine program runs the
// helper, in which prefix (the one mIRC runs in), and where the helper is.
// Each comes from the environment, else from the "settings" file, else from
// a default:
//   KORVEL_WINE        / wineBinary   wine64 on the PATH, /usr/lib/wine/wine64, wine
//   KORVEL_WINEPREFIX  / winePrefix   WINEPREFIX, else ~/.wine
//   KORVEL_MIRC_BRIDGE                mirc-bridge.exe beside Korvel, else in
//                                     ../libexec/korvel from there (installed)
struct WineSettings {
    QString wineBinary;
    QString prefix;
    QString bridgeProgram;
    // Longest wait for one answer of the helper; a later answer is dropped
    // when it comes.
    int answerTimeoutMs = 250;
    // A helper that owes answers and has said nothing for this long is
    // stopped, and started again at the next search for instances.
    int helperGiveUpMs = 5000;

    static WineSettings fromEnvironment();

    // All three exist; without them there is no mIRC to reach through Wine,
    // and nothing is started.
    bool isUsable() const;
};
