#include "KorvelResources.h"
#include "completion/ColourCodeForms.h"
#include "completion/ComProgIds.h"
#include "completion/CompletionContext.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTest>

class CompletionDataTest : public QObject {
    Q_OBJECT

private slots:
    void colourFormsCoverEveryWriting();
    void comProgIdsHaveIcons();
    void commandUnderCaret_data();
    void commandUnderCaret();
    void comProgIdPrefix_data();
    void comProgIdPrefix();
    void textFromLastMarker_data();
    void textFromLastMarker();
};

void CompletionDataTest::colourFormsCoverEveryWriting()
{
    const QVector<ColourCodeForm> forms = colourCodeForms();
    QCOMPARE(forms.size(), 702);
    QSet<QString> texts;
    for (const ColourCodeForm& form : forms) {
        texts.insert(form.text);
        // What the text says is what the form records.
        const QStringList numbers = form.text.mid(1).split(QLatin1Char(','));
        QCOMPARE(numbers.first().toInt(), form.foreground);
        QCOMPARE(numbers.size() == 2 ? numbers.last().toInt() : ColourCodeForm::noBackground, form.background);
        for (const QString& n : numbers)
            QVERIFY(n.size() == 2 || n.toInt() < 10);
    }
    QCOMPARE(texts.size(), 702); // no form twice
    const QChar c(0x03);
    const QStringList firstForms = {c + QStringLiteral("00"),   c + QStringLiteral("0"),   c + QStringLiteral("00,00"),
                                    c + QStringLiteral("0,00"), c + QStringLiteral("0,0"), c + QStringLiteral("00,0")};
    for (int i = 0; i < firstForms.size(); ++i)
        QCOMPARE(forms.at(i).text, firstForms.at(i));
    QCOMPARE(forms.last().text, c + QStringLiteral("15,15"));
}

void CompletionDataTest::comProgIdsHaveIcons()
{
    QCOMPARE(QLatin1String(ComProgIds::entries[0].progId), QLatin1String("WScript.Shell"));
    QCOMPARE(QLatin1String(ComProgIds::entries[ComProgIds::count - 1].progId),
             QLatin1String("UnityWebPlayer.UnityWebPlayer.1"));
    QSet<QString> names;
    for (const ComProgIdEntry& entry : ComProgIds::entries) {
        names.insert(QString::fromLatin1(entry.progId));
        const QString icon =
            QStringLiteral(":/completer/com/resources/img_assets/com/") + QLatin1String(entry.iconFile);
        QVERIFY2(QFile::exists(icon), qPrintable(icon));
    }
    QCOMPARE(names.size(), ComProgIds::count);
}

void CompletionDataTest::commandUnderCaret_data()
{
    QTest::addColumn<QString>("line"); // "^" marks the caret
    QTest::addColumn<QString>("command");
    const auto row = [](const char* name, const QString& line, const QString& command) {
        QTest::newRow(name) << line << command;
    };

    row("single", "echo a^b", "echo ab");
    row("first of two", "echo a^ | echo b", "echo a");
    row("second of two", "echo a | echo b^", " echo b");
    row("middle of three", "a | b^ | c", " b");
    row("bar without spaces", "echo a|b^", "echo a|b");
    row("caret after a final bar", "echo a |^", "");
}

void CompletionDataTest::commandUnderCaret()
{
    QFETCH(QString, line);
    const int caret = line.indexOf(QLatin1Char('^'));
    line.remove(caret, 1);
    QTEST(CompletionContext::commandUnderCaret(line, caret), "command");
}

void CompletionDataTest::comProgIdPrefix_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("prefix");
    const auto row = [](const char* name, const QString& line, const QString& prefix) {
        QTest::newRow(name) << line << prefix;
    };

    row("end of the ProgID", "comopen x Word.Ap^", "Word.Ap");
    row("inside the ProgID", "comopen x Wo^rd", "Word");
    row("prefixed command", "  !.comopen x Wo^", "Wo");
    row("any case", "COMOPEN x Wo^", "Wo");
    row("after a space", "comopen x Wo ^", "");
    row("connection name", "comopen x^", "");
    row("other command", "comclose x Wo^", "");
    row("second command", "echo | comopen x W^", "W");
    row("comopen before the bar", "comopen x y | echo W^", "");
}

void CompletionDataTest::comProgIdPrefix()
{
    QFETCH(QString, line);
    const int caret = line.indexOf(QLatin1Char('^'));
    line.remove(caret, 1);
    QTEST(CompletionContext::comProgIdPrefix(line, caret), "prefix");
}

void CompletionDataTest::textFromLastMarker_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const QString& line, const QString& text) {
        QTest::newRow(name) << line << text;
    };

    row("after the marker", "echo $a $ch^an", "$ch");
    row("no marker", "echo^ x", "echo");
    row("marker after the caret", "ec^ho $x", "ec");
}

void CompletionDataTest::textFromLastMarker()
{
    QFETCH(QString, line);
    const int caret = line.indexOf(QLatin1Char('^'));
    line.remove(caret, 1);
    QTEST(CompletionContext::textFromLastMarker(line, caret, QLatin1Char('$')), "text");
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    initKorvelResources();
    CompletionDataTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_completion.moc"
