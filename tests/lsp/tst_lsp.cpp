#include "FileBytes.h"
#include "LspTestClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QString scriptUri = QStringLiteral("file:///scripts/test.mrc");

// The diagnostics of one publish as "line:start-end severity code message".
QStringList diagnosticLines(const QJsonObject& params)
{
    QStringList lines;
    for (const QJsonValue& d : params["diagnostics"].toArray()) {
        lines << QStringLiteral("%1:%2-%3 %4 %5 %6")
                     .arg(d["range"]["start"]["line"].toInt())
                     .arg(d["range"]["start"]["character"].toInt())
                     .arg(d["range"]["end"]["character"].toInt())
                     .arg(d["severity"].toInt())
                     .arg(d["code"].toString(), d["message"].toString());
        if (d["source"] != QLatin1String("korvel"))
            lines << QStringLiteral("wrong source");
    }
    return lines;
}

QStringList labels(const QJsonArray& items)
{
    QStringList list;
    for (const QJsonValue& item : items)
        list << item["label"].toString();
    return list;
}

int errorCode(const QJsonObject& response)
{
    return response["error"]["code"].toInt();
}

} // namespace

class TestLsp : public QObject {
    Q_OBJECT

private slots:
    void diagnosticsFollowIncrementalEdits()
    {
        LspTestClient client;
        QVERIFY(client.start());
        QCOMPARE(client.initialize().value("textDocumentSync")["change"].toInt(), 2);

        client.openDocument(scriptUri,
                            "alias greet {\n  echo -a $left(hello)\n  ; todo: say more\n}\necho -a $left(x,1)\n");
        QJsonObject published = client.diagnosticsFor(scriptUri);
        QCOMPARE(published["version"].toInt(), 1);
        QCOMPARE(diagnosticLines(published),
                 QStringList({"1:10-22 1 error Too few parameters", "2:4-9 4 todo say more",
                              "4:0-18 1 error Unexpected characters in root level of script file."}));

        // Typing the missing parameter withdraws the error; the task stays.
        client.changeDocument(scriptUri, 2, 1, 20, 1, 20, ",2");
        published = client.diagnosticsFor(scriptUri);
        QCOMPARE(published["version"].toInt(), 2);
        QCOMPARE(diagnosticLines(published),
                 QStringList(
                     {"2:4-9 4 todo say more", "4:0-18 1 error Unexpected characters in root level of script file."}));

        // An edit across lines takes the closing brace away: the last line,
        // never touched, is now code of the alias, which the document leaves
        // open.
        client.changeDocument(scriptUri, 3, 2, 18, 3, 1, "");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList(
                     {"2:4-9 4 todo say more", "0:0-13 1 error `alias greet' is never closed: a `}' is missing"}));
        // Renaming the alias renames it in that error too.
        client.changeDocument(scriptUri, 4, 0, 6, 0, 11, "hello");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)).last(),
                 "0:0-13 1 error `alias hello' is never closed: a `}' is missing");
        // Typing it back brings the error back.
        client.changeDocument(scriptUri, 5, 2, 18, 2, 18, "\r\n}");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)).size(), 2);

        // A full replacement; closing clears the list.
        client.notify("textDocument/didChange",
                      QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}, {"version", 6}}},
                                  {"contentChanges", QJsonArray{QJsonObject{{"text", "alias ok { return 1 }"}}}}});
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)), QStringList());
        // Saving a text that differs from the server's takes the saved one.
        client.notify("textDocument/didSave",
                      QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}}}, {"text", "echo $left(x)"}});
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)).size(), 1);
        client.openDocument("file:///scripts/other.mrc", "echo $left(x)");
        QCOMPARE(diagnosticLines(client.diagnosticsFor("file:///scripts/other.mrc")).size(), 1);
        client.notify("textDocument/didClose", LspTestClient::documentParams("file:///scripts/other.mrc"));
        QCOMPARE(diagnosticLines(client.diagnosticsFor("file:///scripts/other.mrc")), QStringList());
    }

    // Edits that pile up are checked and published once, as their last
    // version; an edit that changes no finding sends nothing.
    void diagnosticsAreSentOnceAndOnlyWhenTheyChange()
    {
        LspTestClient client;
        QVERIFY(client.startInitialized());
        client.openDocument(scriptUri, "alias a {\n  echo -a $left(x) hello\n}\n");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList({"1:10-19 1 error Too few parameters"}));

        // Ten line breaks at the top in one write (smaller than the pipe's
        // atomic write): one publish, of version 11.
        QByteArray pile;
        for (int version = 2; version <= 11; ++version)
            pile += LspTestClient::frame("textDocument/didChange",
                                         LspTestClient::changeParams(scriptUri, version, 0, 0, 0, 0, "\n"));
        client.sendRaw(pile);
        const QJsonObject published = client.diagnosticsFor(scriptUri);
        QCOMPARE(published["version"].toInt(), 11);
        QCOMPARE(diagnosticLines(published), QStringList({"11:10-19 1 error Too few parameters"}));

        // Typing into the echo text changes no finding.
        client.changeDocument(scriptUri, 12, 11, 25, 11, 25, "!");
        client.request("textDocument/documentSymbol", LspTestClient::documentParams(scriptUri));
        client.request("textDocument/documentSymbol", LspTestClient::documentParams(scriptUri));
        QCOMPARE(client.takeArrived("textDocument/publishDiagnostics").size(), 0);
    }

    // A client that pulls diagnostics is sent none; it is told when they did
    // not change since the result it holds.
    void pulledDiagnostics()
    {
        LspTestClient client;
        QVERIFY(client.start());
        const QJsonObject pulling{{"textDocument", QJsonObject{{"diagnostic", QJsonObject()}}}};
        QVERIFY(client.initialize(pulling).value("diagnosticProvider").isObject());
        client.openDocument(scriptUri, "alias a echo -a $left(x)\n; note\n");
        QJsonObject params = LspTestClient::documentParams(scriptUri);
        const QJsonValue first = client.request("textDocument/diagnostic", params)["result"];
        QCOMPARE(first["kind"].toString(), QStringLiteral("full"));
        QCOMPARE(diagnosticLines(QJsonObject{{"diagnostics", first["items"]}}),
                 QStringList({"0:16-24 1 error Too few parameters"}));

        params.insert("previousResultId", first["resultId"]);
        client.changeDocument(scriptUri, 2, 1, 6, 1, 6, " more");
        QCOMPARE(client.request("textDocument/diagnostic", params).value("result")["kind"].toString(),
                 QStringLiteral("unchanged"));
        client.changeDocument(scriptUri, 3, 0, 22, 0, 22, ",1");
        const QJsonValue fixed = client.request("textDocument/diagnostic", params)["result"];
        QCOMPARE(fixed["kind"].toString(), QStringLiteral("full"));
        QVERIFY(fixed["items"].toArray().isEmpty());
        QVERIFY(fixed["resultId"] != first["resultId"]);
        QCOMPARE(client.takeArrived("textDocument/publishDiagnostics").size(), 0);
    }

    void positionRequests_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("character");
        QTest::addColumn<QString>("expected"); // what the result must hold; "" for an empty result
        const auto row = [](const char* name, const char* method, int line, int character, const char* expected) {
            QTest::newRow(name) << QStringLiteral("textDocument/") + method << line << character << QString(expected);
        };

        // 0: alias -l helper { return $gettok($1,1,32) }
        // 1: alias shout { echo -a $upper($1) $chan(1).topic $calc(1). }
        // 2: on *:TEXT:*:#:{ echo -a $ $nick }
        // 3: alias helper2 { return $chan(#). }
        row("hover on a call's dollar", "hover", 0, 25, "$gettok(<string>, <N[-[N2]]>, <delimiter>)");
        row("hover on its closing parenthesis", "hover", 0, 40, "$gettok(");
        row("hover on a command", "hover", 1, 17, "/echo [colour] [-c");
        row("hover on its switch", "hover", 1, 20, "");
        row("hover on a built-in without parentheses", "hover", 2, 28, "$nick(<#channel>");
        row("hover past the line", "hover", 1, 400, "");
        row("hover past the document", "hover", 40, 0, "");
        row("identifiers after $", "completion", 2, 25, "$chan $gettok $helper $shout $helper2");
        row("properties after ).", "completion", 3, 32, "topic mode key");
        row("properties while typing one", "completion", 1, 44, "topic");
        row("no properties for $calc", "completion", 1, 57, "");
        row("nothing in a plain word", "completion", 1, 19, "");
        row("commands in a statement's first word", "completion", 1, 16, "echo");
        row("no commands at the root", "completion", 0, 2, "");
        row("signature, first parameter", "signatureHelp", 0, 33,
            "active 0 $gettok(<string>, <N[-[N2]]>, <delimiter>)");
        row("signature, third parameter", "signatureHelp", 0, 39, "active 2 $gettok(");
        row("a command's usage after a call", "signatureHelp", 0, 41, "active 0 /return [value]");
        row("a command's usage", "signatureHelp", 1, 21, "active 0 /echo [colour]");
        row("no usage on the command's name", "signatureHelp", 1, 18, "");
        row("no usage past a brace", "signatureHelp", 1, 59, "");
        row("signature of a one-parameter call", "signatureHelp", 1, 29, "active 0 $upper(<Text>)");
    }

    void positionRequests()
    {
        QFETCH(QString, method);
        QFETCH(int, line);
        QFETCH(int, character);
        QFETCH(QString, expected);

        LspTestClient client;
        QVERIFY(client.startInitialized());
        client.openDocument(scriptUri,
                            "alias -l helper { return $gettok($1,1,32) }\n"
                            "alias shout { echo -a $upper($1) $chan(1).topic $calc(1). }\n"
                            "on *:TEXT:*:#:{ echo -a $ $nick }\n"
                            "alias helper2 { return $chan(#). }\n");
        const QJsonObject response = client.request(method, client.positionParams(scriptUri, line, character));
        QVERIFY2(response.contains("result"), QJsonDocument(response).toJson().constData());
        const QJsonValue result = response["result"];

        QString shown;
        if (method.endsWith("hover") && result.isObject())
            shown = result["contents"]["value"].toString();
        else if (method.endsWith("completion"))
            shown = labels(result.toArray()).join(' ');
        else if (result.isObject())
            shown = QStringLiteral("active %1 ").arg(result["activeParameter"].toInt())
                + labels(result["signatures"].toArray()).join(' ');
        if (expected.isEmpty()) {
            QVERIFY2(shown.isEmpty(), qPrintable(shown));
            return;
        }
        // A completion lists every expected item; any other answer holds the expected text.
        if (method.endsWith("completion")) {
            const QStringList items = shown.split(' ');
            for (const QString& item : expected.split(' '))
                QVERIFY2(items.contains(item), qPrintable(item + " missing in: " + shown.left(300)));
        } else {
            QVERIFY2(shown.contains(expected), qPrintable(shown));
        }
    }

    void completionListsEachAliasOnceWithItsScope()
    {
        LspTestClient client;
        QVERIFY(client.startInitialized());
        client.openDocument(scriptUri, "alias -l twice { }\nalias twice { }\nalias abs { }\nalias open { }\necho $tw");
        QStringList found;
        for (const QJsonValue& item :
             client.request("textDocument/completion", client.positionParams(scriptUri, 4, 8))["result"].toArray()) {
            const QString label = item["label"].toString();
            if (label == "$twice" || label == "$abs" || label == "$open" || label == "$left")
                found << label + ' ' + item["detail"].toString().left(5);
            // A built-in's documentation holds its overloads' descriptions.
            if (label == "$abs")
                QVERIFY(item["documentation"]["value"].toString().contains("absolute value"));
            // Each item replaces what was typed since the "$".
            QCOMPARE(item["textEdit"]["range"]["start"]["character"].toInt(), 5);
            QCOMPARE(item["textEdit"]["range"]["end"]["character"].toInt(), 8);
        }
        // A built-in's detail is its hover text, when it has one.
        QCOMPARE(found, QStringList({"$abs $abs(", "$left $left", "$twice local", "$open alias"}));
    }

    void documentSymbolsAreTheOutline()
    {
        LspTestClient client;
        QVERIFY(client.startInitialized());
        // Names keep their case; a lone surrogate comes back as U+FFFD (the
        // test client refuses JSON with a lone surrogate escape).
        client.openDocument(scriptUri,
                            QStringLiteral("alias -l Helper {\n  return 1\n}\n"
                                           "alias shout echo -a $upper($1)\n"
                                           "on *:JOIN:#:{\n  echo -a hi\n}\n"
                                           "dialog -l SetUp {\n  size -1 -1 100 100\n}\n"
                                           "menu channel {\n  Shout:shout\n}\n"
                                           "alias x")
                                + QChar(0xD83D) + QStringLiteral(" return\n"));
        QStringList shown;
        for (const QJsonValue& symbol :
             client.request("textDocument/documentSymbol", LspTestClient::documentParams(scriptUri))["result"]
                 .toArray())
            shown << QStringLiteral("%1 %2 %3-%4 %5 name at %6")
                         .arg(symbol["name"].toString())
                         .arg(symbol["kind"].toInt())
                         .arg(symbol["range"]["start"]["line"].toInt())
                         .arg(symbol["range"]["end"]["line"].toInt())
                         .arg(symbol["detail"].toString())
                         .arg(symbol["selectionRange"]["start"]["character"].toInt());
        QCOMPARE(shown,
                 QStringList({"Helper 12 0-2 local name at 9", "shout 12 3-3  name at 6", "join 24 4-6  name at 5",
                              "SetUp 19 7-9 local name at 10", "Menu 2 10-12  name at 0",
                              QStringLiteral("x\uFFFD 12 13-13  name at 6")}));
    }

    void positionsCountUtf16CodeUnits()
    {
        LspTestClient client;
        QVERIFY(client.startInitialized());
        // "é" is one code unit, the emoji two.
        const QString line = QStringLiteral("alias x echo -a caf\u00e9 \U0001F600 $gettok(x)");
        client.openDocument(scriptUri, line);
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList({"0:24-34 1 error Too few parameters"}));

        // Insert after the emoji, by UTF-16 position.
        client.changeDocument(scriptUri, 2, 0, 23, 0, 23, "\u00fc");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList({"0:25-35 1 error Too few parameters"}));
        const QJsonValue range =
            client.request("textDocument/hover", client.positionParams(scriptUri, 0, 27)).value("result")["range"];
        QCOMPARE(range["start"]["character"].toInt(), 25);
        QCOMPARE(range["end"]["character"].toInt(), 32);
    }

    // Colours, folds and the re-indent come from the checker's own records.
    void tokensFoldsAndFormatting()
    {
        LspTestClient client;
        QVERIFY(client.start());
        const QJsonArray types = client.initialize().value("semanticTokensProvider")["legend"]["tokenTypes"].toArray();
        client.openDocument(scriptUri, "alias Greet {\n if (%x) {\n      echo -a $upper(hi)\n  }\n}\n; done\n");
        QJsonObject document = LspTestClient::documentParams(scriptUri);

        // Tokens as "line:start+length type", decoded from the relative form.
        const auto tokens = [&](const QJsonValue& result) {
            const QJsonArray data = result["data"].toArray();
            QStringList shown;
            int line = 0, start = 0;
            for (int i = 0; i + 4 < data.size(); i += 5) {
                start = data[i].toInt() ? data[i + 1].toInt() : start + data[i + 1].toInt();
                line += data[i].toInt();
                shown << QStringLiteral("%1:%2+%3 %4")
                             .arg(line)
                             .arg(start)
                             .arg(data[i + 2].toInt())
                             .arg(types[data[i + 3].toInt()].toString());
            }
            return shown;
        };
        const QStringList all = tokens(client.request("textDocument/semanticTokens/full", document)["result"]);
        for (const QString& expected :
             {"0:0+5 keyword", "0:6+5 function", "1:5+2 variable", "2:6+4 function", "2:14+7 macro", "5:0+6 comment"})
            QVERIFY2(all.contains(expected), qPrintable(all.join(", ")));

        QStringList folds;
        for (const QJsonValue& range : client.request("textDocument/foldingRange", document)["result"].toArray())
            folds << QStringLiteral("%1-%2").arg(range["startLine"].toInt()).arg(range["endLine"].toInt());
        QCOMPARE(folds, (QStringList{"1-2", "0-3"}));

        QStringList edits;
        for (const QJsonValue& edit : client.request("textDocument/formatting", document)["result"].toArray())
            edits << QStringLiteral("%1:%2-%3 '%4'")
                         .arg(edit["range"]["start"]["line"].toInt())
                         .arg(edit["range"]["start"]["character"].toInt())
                         .arg(edit["range"]["end"]["character"].toInt())
                         .arg(edit["newText"].toString());
        QCOMPARE(edits, (QStringList{"1:1-1 ' '", "2:4-6 ''"}));

        document.insert("range",
                        QJsonObject{{"start", QJsonObject{{"line", 5}, {"character", 0}}},
                                    {"end", QJsonObject{{"line", 5}, {"character", 6}}}});
        QCOMPARE(tokens(client.request("textDocument/semanticTokens/range", document)["result"]),
                 QStringList{"5:0+6 comment"});
    }

    // Aliases are found across the open documents and the workspace's files,
    // which are read as the editor reads them (Windows-1252 bytes too).
    void definitionsReferencesAndSymbols()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString library = folder.filePath("lib.mrc");
        // Not UTF-8 (0x80), so "\xC3\xA9" is two characters, not one.
        writeBytes(library, "alias -l hidden { return \x80 }\r\nalias Shared { return \xC3\xA9 $shared(1) }\r\n");
        QVERIFY(QDir(folder.path()).mkpath("sub"));
        const QString ini = folder.filePath("sub/more.ini");
        const QByteArray iniText = "[script]\r\nn0=; more\r\nn1=alias other {\r\nn2=  shared 3\r\nn3=}\r\n";
        writeBytes(ini, iniText);
        const QString mainUri = QUrl::fromLocalFile(folder.filePath("main.mrc")).toString();

        LspTestClient client;
        QVERIFY(client.start());
        client.initialize(QJsonObject(), QUrl::fromLocalFile(folder.path()).toString());
        client.openDocument(mainUri, "alias x {\n  .shared 1 | SHARED\n  echo -a $shared(2) $hidden\n}\n");
        const auto places = [](const QJsonValue& result) {
            QStringList shown;
            for (const QJsonValue& place : result.toArray())
                shown << QStringLiteral("%1 %2:%3-%4")
                             .arg(QFileInfo(QUrl(place["uri"].toString()).toLocalFile()).fileName())
                             .arg(place["range"]["start"]["line"].toInt())
                             .arg(place["range"]["start"]["character"].toInt())
                             .arg(place["range"]["end"]["character"].toInt());
            return shown;
        };
        QCOMPARE(places(client.request("textDocument/definition", client.positionParams(mainUri, 1, 5))["result"]),
                 QStringList{"lib.mrc 1:6-12"});
        // A local alias of another file is not seen; nor is a plain word.
        QCOMPARE(places(client.request("textDocument/definition", client.positionParams(mainUri, 2, 23))["result"]),
                 QStringList());
        QVERIFY(client.request("textDocument/definition", client.positionParams(mainUri, 2, 4))["result"].isNull());

        // Asked about a file never opened; an INI file's calls are placed on
        // its own lines and columns, from disk and open alike.
        QJsonObject params = client.positionParams(QUrl::fromLocalFile(library).toString(), 1, 8);
        params.insert("context", QJsonObject{{"includeDeclaration", true}});
        const QStringList expected{"lib.mrc 1:6-12",   "lib.mrc 1:26-32",  "main.mrc 1:3-9",
                                   "main.mrc 1:14-20", "main.mrc 2:11-17", "more.ini 3:5-11"};
        QCOMPARE(places(client.request("textDocument/references", params)["result"]), expected);
        client.openDocument(QUrl::fromLocalFile(ini).toString(), QString::fromLatin1(iniText));
        QCOMPARE(places(client.request("textDocument/references", params)["result"]), expected);
        const QJsonArray symbols =
            client.request("workspace/symbol", QJsonObject{{"query", "HID"}})["result"].toArray();
        QCOMPARE(symbols.size(), 1);
        QCOMPARE(symbols[0]["name"].toString(), QStringLiteral("hidden"));
    }

    void badInputGetsErrorsAndTheServerGoesOn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code"); // the error answered, with id null; 0: none expected
        const auto row = [](const char* name, const QByteArray& bytes, int code) {
            QTest::newRow(name) << bytes << code;
        };

        row("invalid JSON", QByteArray("Content-Length: 9\r\n\r\n{\"jsonrp") + "c", -32700);
        row("not an object", QByteArray("Content-Length: 7\r\n\r\n[1,2,3]"), -32600);
        row("garbage before a frame", QByteArray("hello there\r\n\r\n"), -32700);
        row("header without length", QByteArray("Content-Type: x\r\n\r\n"), -32700);
        row("negative length", QByteArray("Content-Length: -5\r\n\r\n"), -32700);
        // A frame cut short swallows the start of the next one, which
        // therefore is no JSON; the bytes after it are skipped.
        row("truncated frame",
            QByteArray("Content-Length: 30\r\n\r\n{\"jsonrpc\":\"2.0\""
                       "Content-Length: 40\r\n\r\n{\"jsonrpc\":\"2.0\",\"method\":\"x\"}"),
            -32700);
    }

    void badInputGetsErrorsAndTheServerGoesOn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);

        LspTestClient client;
        QVERIFY(client.startInitialized());
        client.sendRaw(bytes);
        QCOMPARE(errorCode(client.responseTo(QJsonValue::Null)), code);
        // The server still answers.
        QCOMPARE(errorCode(client.request("textDocument/documentSymbol", LspTestClient::documentParams("untitled:x"))),
                 -32602);
    }

    void requestErrors_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<int>("code");

        QTest::newRow("unknown method") << "textDocument/rename" << QJsonObject() << -32601;
        QTest::newRow("unknown document")
            << "textDocument/hover" << LspTestClient::positionParams("file:///no/such.mrc", 0, 0) << -32602;
        QTest::newRow("no position") << "textDocument/hover" << LspTestClient::documentParams(scriptUri) << -32602;
        QTest::newRow("no document") << "textDocument/documentSymbol" << QJsonObject() << -32602;
        QTest::newRow("second initialize") << "initialize" << QJsonObject() << -32600;
    }

    void requestErrors()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, params);
        QFETCH(int, code);

        LspTestClient client;
        QVERIFY(client.startInitialized());
        client.openDocument(scriptUri, "echo hi");
        QCOMPARE(errorCode(client.request(method, params)), code);
    }

    void changesToUnknownDocumentsAreLogged()
    {
        LspTestClient client;
        QVERIFY(client.startInitialized());
        client.changeDocument("file:///never/opened.mrc", 2, 0, 0, 0, 0, "x");
        QCOMPARE(errorCode(client.request("textDocument/documentSymbol", LspTestClient::documentParams("untitled:y"))),
                 -32602);
        QVERIFY(client.notificationOf("window/logMessage")["message"].toString().contains("file:///never/opened.mrc"));
    }

    // An INI file comes as it is on disk: its script is checked as the
    // editor and korvel-check read it, and a finding is placed on the file's
    // own line and column, through edits too.
    void iniDocumentsAreCheckedAsTheirScript()
    {
        LspTestClient client;
        QVERIFY(client.startInitialized());
        const QString uri = QStringLiteral("file:///scripts/test.ini");
        client.openDocument(uri, "[script]\r\nn0=alias a {\r\nn1=  echo $left(a) $gettok(a,1,32)\r\nn2=}\r\n");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(uri)), QStringList{"2:10-19 1 error Too few parameters"});
        client.changeDocument(uri, 2, 2, 0, 2, 0, "n9=; a comment\r\n");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(uri)), QStringList{"3:10-19 1 error Too few parameters"});
        QVERIFY(client.request("textDocument/hover", client.positionParams(uri, 3, 21))
                    .value("result")["contents"]["value"]
                    .toString()
                    .contains("$gettok("));
    }

    void requestsBeforeInitializeAreRefused()
    {
        LspTestClient client;
        QVERIFY(client.start());
        QCOMPARE(errorCode(client.request("textDocument/documentSymbol", QJsonObject())), -32002);
    }

    void endOfTheServer_data()
    {
        QTest::addColumn<bool>("shutdownFirst");
        QTest::addColumn<bool>("sendExit");
        QTest::addColumn<QByteArray>("lastBytes"); // written before the end
        QTest::addColumn<int>("exitCode");

        QTest::newRow("shutdown and exit") << true << true << QByteArray() << 0;
        QTest::newRow("exit without shutdown") << false << true << QByteArray() << 1;
        QTest::newRow("client closes its pipe") << false << false << QByteArray() << 1;
        QTest::newRow("pipe closed after shutdown") << true << false << QByteArray() << 0;
        QTest::newRow("pipe closed inside a message")
            << false << false << QByteArray("Content-Length: 50\r\n\r\n{\"js") << 1;
    }

    void endOfTheServer()
    {
        QFETCH(bool, shutdownFirst);
        QFETCH(bool, sendExit);
        QFETCH(QByteArray, lastBytes);
        QFETCH(int, exitCode);

        LspTestClient client;
        QVERIFY(client.startInitialized());
        if (shutdownFirst) {
            QVERIFY(client.request("shutdown", QJsonValue::Null).contains("result"));
            QCOMPARE(errorCode(client.request("textDocument/hover", QJsonObject())), -32600);
        }
        client.sendRaw(lastBytes);
        if (sendExit)
            client.notify("exit", QJsonObject());
        else
            client.process().closeWriteChannel();
        QVERIFY(client.process().waitForFinished(10000));
        QCOMPARE(client.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(client.process().exitCode(), exitCode);
    }
};

QTEST_GUILESS_MAIN(TestLsp)
#include "tst_lsp.moc"
