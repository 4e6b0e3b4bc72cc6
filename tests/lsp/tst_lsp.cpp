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
    for (const QJsonValue& value : params.value("diagnostics").toArray()) {
        const QJsonObject d = value.toObject();
        const QJsonObject start = d.value("range").toObject().value("start").toObject();
        const QJsonObject end = d.value("range").toObject().value("end").toObject();
        lines << QStringLiteral("%1:%2-%3 %4 %5 %6")
                     .arg(start.value("line").toInt())
                     .arg(start.value("character").toInt())
                     .arg(end.value("character").toInt())
                     .arg(d.value("severity").toInt())
                     .arg(d.value("code").toString(), d.value("message").toString());
        if (d.value("source") != QLatin1String("korvel"))
            lines << QStringLiteral("wrong source");
    }
    return lines;
}

QStringList labels(const QJsonArray& items)
{
    QStringList list;
    for (const QJsonValue& item : items)
        list << item.toObject().value("label").toString();
    return list;
}

int errorCode(const QJsonObject& response)
{
    return response.value("error").toObject().value("code").toInt();
}

} // namespace

class TestLsp : public QObject {
    Q_OBJECT

private slots:
    void diagnosticsFollowIncrementalEdits()
    {
        LspTestClient client;
        QVERIFY(client.start());
        const QJsonObject capabilities = client.initialize();
        QCOMPARE(capabilities.value("textDocumentSync").toObject().value("change").toInt(), 2);

        client.openDocument(scriptUri,
                            "alias greet {\n  echo -a $left(hello)\n  ; todo: say more\n}\necho -a $left(x,1)\n");
        QJsonObject published = client.diagnosticsFor(scriptUri);
        QCOMPARE(published.value("version").toInt(), 1);
        QCOMPARE(diagnosticLines(published),
                 QStringList({"1:10-22 1 error Too few parameters", "2:4-9 4 todo say more",
                              "4:0-18 1 error Unexpected characters in root level of script file."}));

        // Typing the missing parameter withdraws the error; the task stays.
        client.changeDocument(scriptUri, 2, 1, 20, 1, 20, ",2");
        published = client.diagnosticsFor(scriptUri);
        QCOMPARE(published.value("version").toInt(), 2);
        QCOMPARE(diagnosticLines(published),
                 QStringList(
                     {"2:4-9 4 todo say more", "4:0-18 1 error Unexpected characters in root level of script file."}));

        // An edit across lines takes the closing brace away: the last line,
        // never touched, is now code of the alias, which the document leaves
        // open.
        client.changeDocument(scriptUri, 3, 2, 18, 3, 1, "");
        published = client.diagnosticsFor(scriptUri);
        QCOMPARE(diagnosticLines(published),
                 QStringList(
                     {"2:4-9 4 todo say more", "0:0-13 1 error `alias greet' is never closed: a `}' is missing"}));
        // Renaming the alias renames it in that error too.
        client.changeDocument(scriptUri, 4, 0, 6, 0, 11, "hello");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)).last(),
                 "0:0-13 1 error `alias hello' is never closed: a `}' is missing");
        // Typing it back brings the error back.
        client.changeDocument(scriptUri, 5, 2, 18, 2, 18, "\r\n}");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)).size(), 2);

        // A full replacement, then closing clears the list.
        client.notify("textDocument/didChange",
                      QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}, {"version", 6}}},
                                  {"contentChanges", QJsonArray{QJsonObject{{"text", "alias ok { return 1 }"}}}}});
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)), QStringList());
        client.openDocument("file:///scripts/other.mrc", "echo $left(x)");
        QCOMPARE(diagnosticLines(client.diagnosticsFor("file:///scripts/other.mrc")).size(), 1);
        client.notify("textDocument/didClose",
                      QJsonObject{{"textDocument", QJsonObject{{"uri", "file:///scripts/other.mrc"}}}});
        QCOMPARE(diagnosticLines(client.diagnosticsFor("file:///scripts/other.mrc")), QStringList());
    }

    // Edits that pile up are checked and published once, as their last
    // version; an edit that changes no finding sends nothing.
    void diagnosticsAreSentOnceAndOnlyWhenTheyChange()
    {
        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        client.openDocument(scriptUri, "alias a {\n  echo -a $left(x) hello\n}\n");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList({"1:10-19 1 error Too few parameters"}));

        // Ten line breaks at the top in one write (smaller than the pipe's
        // atomic write): one publish, of version 11.
        QByteArray pile;
        for (int version = 2; version <= 11; ++version) {
            const QJsonObject start{{"line", 0}, {"character", 0}};
            const QJsonObject change{{"range", QJsonObject{{"start", start}, {"end", start}}}, {"text", "\n"}};
            const QByteArray body =
                QJsonDocument(
                    QJsonObject{{"jsonrpc", "2.0"},
                                {"method", "textDocument/didChange"},
                                {"params",
                                 QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}, {"version", version}}},
                                             {"contentChanges", QJsonArray{change}}}}})
                    .toJson(QJsonDocument::Compact);
            pile += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        }
        client.sendRaw(pile);
        const QJsonObject published = client.diagnosticsFor(scriptUri);
        QCOMPARE(published.value("version").toInt(), 11);
        QCOMPARE(diagnosticLines(published), QStringList({"11:10-19 1 error Too few parameters"}));

        // Typing into the echo text changes no finding.
        client.changeDocument(scriptUri, 12, 11, 25, 11, 25, "!");
        const QJsonObject symbols{{"textDocument", QJsonObject{{"uri", scriptUri}}}};
        client.request("textDocument/documentSymbol", symbols);
        client.request("textDocument/documentSymbol", symbols);
        QCOMPARE(client.takeArrived("textDocument/publishDiagnostics").size(), 0);
    }

    // A client that pulls diagnostics is sent none; it is told when they did
    // not change since the result it holds.
    void pulledDiagnostics()
    {
        LspTestClient client;
        QVERIFY(client.start());
        const QJsonObject capabilities =
            client.initialize(QJsonObject{{"textDocument", QJsonObject{{"diagnostic", QJsonObject()}}}});
        QVERIFY(capabilities.value("diagnosticProvider").isObject());
        client.openDocument(scriptUri, "alias a echo -a $left(x)\n; note\n");
        const QJsonObject params{{"textDocument", QJsonObject{{"uri", scriptUri}}}};
        const QJsonObject first = client.request("textDocument/diagnostic", params).value("result").toObject();
        QCOMPARE(first.value("kind").toString(), QStringLiteral("full"));
        QCOMPARE(diagnosticLines(QJsonObject{{"diagnostics", first.value("items")}}),
                 QStringList({"0:16-24 1 error Too few parameters"}));

        QJsonObject again = params;
        again.insert("previousResultId", first.value("resultId"));
        client.changeDocument(scriptUri, 2, 1, 6, 1, 6, " more");
        QCOMPARE(client.request("textDocument/diagnostic", again).value("result").toObject().value("kind").toString(),
                 QStringLiteral("unchanged"));
        client.changeDocument(scriptUri, 3, 0, 22, 0, 22, ",1");
        const QJsonObject fixed = client.request("textDocument/diagnostic", again).value("result").toObject();
        QCOMPARE(fixed.value("kind").toString(), QStringLiteral("full"));
        QVERIFY(fixed.value("items").toArray().isEmpty());
        QVERIFY(fixed.value("resultId") != first.value("resultId"));
        QCOMPARE(client.takeArrived("textDocument/publishDiagnostics").size(), 0);
    }

    void positionRequests_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("character");
        QTest::addColumn<QString>("expected"); // what the result must hold; "" for an empty result

        // 0: alias -l helper { return $gettok($1,1,32) }
        // 1: alias shout { echo -a $upper($1) $chan(1).topic $calc(1). }
        // 2: on *:TEXT:*:#:{ echo -a $ $nick }
        // 3: alias helper2 { return $chan(#). }
        QTest::newRow("hover on a call") << "textDocument/hover" << 0 << 27
                                         << "$gettok(<string>, <N[-[N2]]>, <delimiter>)";
        QTest::newRow("hover on its dollar") << "textDocument/hover" << 0 << 25 << "Returns the Nth token";
        QTest::newRow("hover on its closing parenthesis") << "textDocument/hover" << 0 << 40 << "$gettok(";
        QTest::newRow("hover on a command") << "textDocument/hover" << 1 << 17 << "/echo [colour] [-c";
        QTest::newRow("hover on its switch") << "textDocument/hover" << 1 << 20 << "";
        QTest::newRow("hover on a built-in without parentheses")
            << "textDocument/hover" << 2 << 28 << "$nick(<#channel>";
        QTest::newRow("hover past the line") << "textDocument/hover" << 1 << 400 << "";
        QTest::newRow("hover past the document") << "textDocument/hover" << 40 << 0 << "";
        QTest::newRow("identifiers after $")
            << "textDocument/completion" << 2 << 25 << "$chan $gettok $helper $shout $helper2";
        QTest::newRow("properties after ).") << "textDocument/completion" << 3 << 32 << "topic mode key";
        QTest::newRow("properties while typing one") << "textDocument/completion" << 1 << 44 << "topic";
        QTest::newRow("no properties for $calc") << "textDocument/completion" << 1 << 57 << "";
        QTest::newRow("nothing in a plain word") << "textDocument/completion" << 1 << 19 << "";
        QTest::newRow("commands in a statement's first word") << "textDocument/completion" << 1 << 16 << "echo";
        QTest::newRow("no commands at the root") << "textDocument/completion" << 0 << 2 << "";
        QTest::newRow("signature, first parameter")
            << "textDocument/signatureHelp" << 0 << 33 << "active 0 $gettok(<string>, <N[-[N2]]>, <delimiter>)";
        QTest::newRow("signature, third parameter") << "textDocument/signatureHelp" << 0 << 39 << "active 2 $gettok(";
        QTest::newRow("a command's usage after a call")
            << "textDocument/signatureHelp" << 0 << 41 << "active 0 /return [value]";
        QTest::newRow("a command's usage") << "textDocument/signatureHelp" << 1 << 21 << "active 0 /echo [colour]";
        QTest::newRow("no usage on the command's name") << "textDocument/signatureHelp" << 1 << 18 << "";
        QTest::newRow("no usage past a brace") << "textDocument/signatureHelp" << 1 << 59 << "";
        QTest::newRow("signature of a one-parameter call")
            << "textDocument/signatureHelp" << 1 << 29 << "active 0 $upper(<Text>)";
    }

    void positionRequests()
    {
        QFETCH(QString, method);
        QFETCH(int, line);
        QFETCH(int, character);
        QFETCH(QString, expected);

        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        client.openDocument(scriptUri,
                            "alias -l helper { return $gettok($1,1,32) }\n"
                            "alias shout { echo -a $upper($1) $chan(1).topic $calc(1). }\n"
                            "on *:TEXT:*:#:{ echo -a $ $nick }\n"
                            "alias helper2 { return $chan(#). }\n");
        const QJsonObject response = client.request(method, client.positionParams(scriptUri, line, character));
        QVERIFY2(response.contains("result"), QJsonDocument(response).toJson().constData());
        const QJsonValue result = response.value("result");

        QString shown;
        if (method.endsWith("hover") && result.isObject())
            shown = result.toObject().value("contents").toObject().value("value").toString();
        else if (method.endsWith("completion"))
            shown = labels(result.toArray()).join(' ');
        else if (result.isObject())
            shown = QStringLiteral("active %1 ").arg(result.toObject().value("activeParameter").toInt())
                + labels(result.toObject().value("signatures").toArray()).join(' ');
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
        QVERIFY(client.start());
        client.initialize();
        client.openDocument(scriptUri, "alias -l twice { }\nalias twice { }\nalias abs { }\nalias open { }\necho $tw");
        const QJsonArray items =
            client.request("textDocument/completion", client.positionParams(scriptUri, 4, 8)).value("result").toArray();
        QStringList found;
        for (const QJsonValue& value : items) {
            const QJsonObject item = value.toObject();
            const QString label = item.value("label").toString();
            if (label == "$twice" || label == "$abs" || label == "$open" || label == "$left")
                found << label + ' ' + item.value("detail").toString().left(5);
            // A built-in's documentation holds its overloads' descriptions.
            if (label == "$abs")
                QVERIFY(item.value("documentation").toObject().value("value").toString().contains("absolute value"));
            // Each item replaces what was typed since the "$".
            const QJsonObject range = item.value("textEdit").toObject().value("range").toObject();
            QCOMPARE(range.value("start").toObject().value("character").toInt(), 5);
            QCOMPARE(range.value("end").toObject().value("character").toInt(), 8);
        }
        // A built-in's detail is its hover text, when it has one.
        QCOMPARE(found, QStringList({"$abs $abs(", "$left $left", "$twice local", "$open alias"}));
    }

    void documentSymbolsAreTheOutline()
    {
        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
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
        const QJsonArray symbols =
            client
                .request("textDocument/documentSymbol", QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}}}})
                .value("result")
                .toArray();
        QStringList shown;
        for (const QJsonValue& value : symbols) {
            const QJsonObject symbol = value.toObject();
            const QJsonObject range = symbol.value("range").toObject();
            const QJsonObject selection = symbol.value("selectionRange").toObject();
            shown << QStringLiteral("%1 %2 %3-%4 %5 name at %6")
                         .arg(symbol.value("name").toString())
                         .arg(symbol.value("kind").toInt())
                         .arg(range.value("start").toObject().value("line").toInt())
                         .arg(range.value("end").toObject().value("line").toInt())
                         .arg(symbol.value("detail").toString())
                         .arg(selection.value("start").toObject().value("character").toInt());
        }
        QCOMPARE(shown,
                 QStringList({"Helper 12 0-2 local name at 9", "shout 12 3-3  name at 6", "join 24 4-6  name at 5",
                              "SetUp 19 7-9 local name at 10", "Menu 2 10-12  name at 0",
                              QStringLiteral("x\uFFFD 12 13-13  name at 6")}));
    }

    void positionsCountUtf16CodeUnits()
    {
        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        // "é" is one code unit, the emoji two.
        const QString line = QStringLiteral("alias x echo -a caf\u00e9 \U0001F600 $gettok(x)");
        client.openDocument(scriptUri, line);
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList({"0:24-34 1 error Too few parameters"}));

        // Insert after the emoji, by UTF-16 position.
        client.changeDocument(scriptUri, 2, 0, 23, 0, 23, "\u00fc");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)),
                 QStringList({"0:25-35 1 error Too few parameters"}));
        const QJsonObject hover =
            client.request("textDocument/hover", client.positionParams(scriptUri, 0, 27)).value("result").toObject();
        const QJsonObject range = hover.value("range").toObject();
        QCOMPARE(range.value("start").toObject().value("character").toInt(), 25);
        QCOMPARE(range.value("end").toObject().value("character").toInt(), 32);
    }

    // Colours, folds and the re-indent come from the checker's own records.
    void tokensFoldsAndFormatting()
    {
        LspTestClient client;
        QVERIFY(client.start());
        const QJsonObject legend =
            client.initialize().value("semanticTokensProvider").toObject().value("legend").toObject();
        client.openDocument(scriptUri, "alias Greet {\n if (%x) {\n      echo -a $upper(hi)\n  }\n}\n; done\n");
        const QJsonObject document{{"textDocument", QJsonObject{{"uri", scriptUri}}}};

        // Tokens as "line:start+length type", decoded from the relative form.
        const auto tokens = [&](const QJsonObject& result) {
            const QJsonArray data = result.value("data").toArray();
            QStringList shown;
            int line = 0, start = 0;
            for (int i = 0; i + 4 < data.size(); i += 5) {
                start = data[i].toInt() ? data[i + 1].toInt() : start + data[i + 1].toInt();
                line += data[i].toInt();
                shown << QStringLiteral("%1:%2+%3 %4")
                             .arg(line)
                             .arg(start)
                             .arg(data[i + 2].toInt())
                             .arg(legend.value("tokenTypes").toArray()[data[i + 3].toInt()].toString());
            }
            return shown;
        };
        const QStringList all =
            tokens(client.request("textDocument/semanticTokens/full", document).value("result").toObject());
        for (const QString& expected :
             {"0:0+5 keyword", "0:6+5 function", "1:5+2 variable", "2:6+4 function", "2:14+7 macro", "5:0+6 comment"})
            QVERIFY2(all.contains(expected), qPrintable(all.join(", ")));
        QJsonObject rangeParams = document;
        rangeParams.insert("range",
                           QJsonObject{{"start", QJsonObject{{"line", 5}, {"character", 0}}},
                                       {"end", QJsonObject{{"line", 5}, {"character", 6}}}});
        QCOMPARE(tokens(client.request("textDocument/semanticTokens/range", rangeParams).value("result").toObject()),
                 QStringList{"5:0+6 comment"});

        QStringList folds;
        for (const QJsonValue& range : client.request("textDocument/foldingRange", document).value("result").toArray())
            folds << QStringLiteral("%1-%2").arg(range["startLine"].toInt()).arg(range["endLine"].toInt());
        QCOMPARE(folds, (QStringList{"1-2", "0-3"}));

        QStringList edits;
        for (const QJsonValue& edit : client.request("textDocument/formatting", document).value("result").toArray()) {
            const QJsonObject range = edit["range"].toObject();
            edits << QStringLiteral("%1:%2-%3 '%4'")
                         .arg(range["start"]["line"].toInt())
                         .arg(range["start"]["character"].toInt())
                         .arg(range["end"]["character"].toInt())
                         .arg(edit["newText"].toString());
        }
        QCOMPARE(edits, (QStringList{"1:1-1 ' '", "2:4-6 ''"}));
    }

    // Aliases are found across the open documents and the workspace's files.
    void definitionsReferencesAndSymbols()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile library(folder.filePath("lib.mrc"));
        QVERIFY(library.open(QIODevice::WriteOnly));
        library.write("alias -l hidden { return 0 }\r\nalias Shared { return 1 }\r\n");
        library.close();
        QVERIFY(QDir(folder.path()).mkpath("sub"));
        QFile ini(folder.filePath("sub/more.ini"));
        const QByteArray iniText = "[script]\r\nn0=; more\r\nn1=alias other {\r\nn2=  shared 3\r\nn3=}\r\n";
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(iniText) == iniText.size());
        ini.close();
        const QString libraryUri = QUrl::fromLocalFile(library.fileName()).toString();
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

        // An INI file's calls are placed on its own lines and columns, from
        // disk and open alike.
        QJsonObject params = client.positionParams(libraryUri, 1, 8);
        params.insert("context", QJsonObject{{"includeDeclaration", true}});
        const QStringList expected{"lib.mrc 1:6-12", "main.mrc 1:3-9", "main.mrc 1:14-20", "main.mrc 2:11-17",
                                   "more.ini 3:5-11"};
        QCOMPARE(places(client.request("textDocument/references", params)["result"]), expected);
        client.openDocument(QUrl::fromLocalFile(ini.fileName()).toString(), QString::fromLatin1(iniText));
        QCOMPARE(places(client.request("textDocument/references", params)["result"]), expected);
        const QJsonArray symbols =
            client.request("workspace/symbol", QJsonObject{{"query", "HID"}})["result"].toArray();
        QCOMPARE(symbols.size(), 1);
        QCOMPARE(symbols[0]["name"].toString(), QStringLiteral("hidden"));
    }

    void scriptOnDiskIsReadAsTheEditorReadsIt()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("latin.mrc");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Windows-1252 bytes (0xE9, 0x80) that are no UTF-8, then a call.
        file.write("alias x echo -a caf\xe9 \x80 $gettok(a,1,32)\r\n");
        file.close();

        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        const QString uri = QUrl::fromLocalFile(path).toString();
        const QJsonObject hover =
            client.request("textDocument/hover", client.positionParams(uri, 0, 24)).value("result").toObject();
        QVERIFY(hover.value("contents").toObject().value("value").toString().contains("$gettok("));
        QCOMPARE(hover.value("range").toObject().value("start").toObject().value("character").toInt(), 23);
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
        QVERIFY(client.start());
        client.initialize();
        client.sendRaw(bytes);
        const QJsonObject error = client.responseTo(QJsonValue::Null);
        QCOMPARE(errorCode(error), code);
        // The server still answers.
        const QJsonObject answer = client.request("textDocument/documentSymbol",
                                                  QJsonObject{{"textDocument", QJsonObject{{"uri", "untitled:x"}}}});
        QCOMPARE(errorCode(answer), -32602);
    }

    void requestErrors_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<int>("code");

        const QJsonObject position{{"line", 0}, {"character", 0}};
        QTest::newRow("unknown method") << "textDocument/rename" << QJsonObject() << -32601;
        QTest::newRow("unknown document")
            << "textDocument/hover"
            << QJsonObject{{"textDocument", QJsonObject{{"uri", "file:///no/such.mrc"}}}, {"position", position}}
            << -32602;
        QTest::newRow("no position") << "textDocument/hover"
                                     << QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}}}} << -32602;
        QTest::newRow("no document") << "textDocument/documentSymbol" << QJsonObject() << -32602;
        QTest::newRow("second initialize") << "initialize" << QJsonObject() << -32600;
    }

    void requestErrors()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, params);
        QFETCH(int, code);

        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        client.openDocument(scriptUri, "echo hi");
        QCOMPARE(errorCode(client.request(method, params)), code);
    }

    void notificationsForUnknownDocumentsAreLogged()
    {
        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        client.changeDocument("file:///never/opened.mrc", 2, 0, 0, 0, 0, "x");
        const QJsonObject answer = client.request("textDocument/documentSymbol",
                                                  QJsonObject{{"textDocument", QJsonObject{{"uri", "untitled:y"}}}});
        QCOMPARE(errorCode(answer), -32602);
        const QJsonObject log = client.notificationOf("window/logMessage");
        QVERIFY(log.value("message").toString().contains("file:///never/opened.mrc"));
        // Saving a text that differs from the server's takes the saved one.
        client.openDocument(scriptUri, "alias a { return 1 }");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)), QStringList());
        client.notify("textDocument/didSave",
                      QJsonObject{{"textDocument", QJsonObject{{"uri", scriptUri}}}, {"text", "echo $left(x)"}});
        QCOMPARE(diagnosticLines(client.diagnosticsFor(scriptUri)).size(), 1);
    }

    // An INI file comes as it is on disk: its script is checked as the
    // editor and korvel-check read it, and a finding is placed on the file's
    // own line and column, through edits too.
    void iniDocumentsAreCheckedAsTheirScript()
    {
        LspTestClient client;
        QVERIFY(client.start());
        client.initialize();
        const QString uri = QStringLiteral("file:///scripts/test.ini");
        const QString text = "[script]\r\nn0=alias a {\r\nn1=  echo $left(a) $gettok(a,1,32)\r\nn2=}\r\n";
        client.openDocument(uri, text);
        const QStringList expected{"2:10-19 1 error Too few parameters"};
        QCOMPARE(diagnosticLines(client.diagnosticsFor(uri)), expected);
        client.changeDocument(uri, 2, 2, 0, 2, 0, "n9=; a comment\r\n");
        QCOMPARE(diagnosticLines(client.diagnosticsFor(uri)), QStringList{"3:10-19 1 error Too few parameters"});
        const QJsonObject hover =
            client.request("textDocument/hover", client.positionParams(uri, 3, 21)).value("result").toObject();
        QVERIFY(hover.value("contents").toObject().value("value").toString().contains("$gettok("));
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
        QVERIFY(client.start());
        client.initialize();
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
