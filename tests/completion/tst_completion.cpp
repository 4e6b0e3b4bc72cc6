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
    void caretContext_data();
    void caretContext();
};

// Every form is written once, and its text says what it records.
void CompletionDataTest::colourFormsCoverEveryWriting()
{
    const QVector<ColourCodeForm> forms = colourCodeForms();
    QSet<QString> texts;
    for (const ColourCodeForm& form : forms) {
        texts.insert(form.text);
        const QStringList numbers = form.text.mid(1).split(QLatin1Char(','));
        QCOMPARE(numbers.first().toInt(), form.foreground);
        QCOMPARE(numbers.size() == 2 ? numbers.last().toInt() : ColourCodeForm::noBackground, form.background);
        for (const QString& n : numbers)
            QVERIFY(n.size() == 2 || n.toInt() < 10);
    }
    QCOMPARE(texts.size(), forms.size());
    // One and two digits, with and without a background, for each colour.
    const QChar c(0x03);
    for (const char* form : {"0", "00", "15", "4,1", "04,01", "4,01", "15,15"})
        QVERIFY2(texts.contains(c + QLatin1String(form)), form);
}

void CompletionDataTest::comProgIdsHaveIcons()
{
    QSet<QString> names;
    for (const ComProgIdEntry& entry : ComProgIds::entries) {
        names.insert(QString::fromLatin1(entry.progId));
        const QString icon =
            QStringLiteral(":/completer/com/resources/img_assets/com/") + QLatin1String(entry.iconFile);
        QVERIFY2(QFile::exists(icon), qPrintable(icon));
    }
    QCOMPARE(names.size(), ComProgIds::count);
}

// What the completion reads at the caret ("^" in the line).
void CompletionDataTest::caretContext_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* reading, const QString& line, const QString& expected) {
        QTest::newRow(name) << reading << line << expected;
    };

    row("command: first of two", "command", "echo a^ | echo b", "echo a");
    row("command: second of two", "command", "echo a | echo b^", " echo b");
    row("command: bar without spaces", "command", "echo a|b^", "echo a|b");
    row("command: caret after a final bar", "command", "echo a |^", "");
    row("ProgID: inside it", "progid", "comopen x Wo^rd", "Word");
    row("ProgID: prefixed command", "progid", "  !.comopen x Wo^", "Wo");
    row("ProgID: any case", "progid", "COMOPEN x Wo^", "Wo");
    row("ProgID: after a space", "progid", "comopen x Wo ^", "");
    row("ProgID: connection name", "progid", "comopen x^", "");
    row("ProgID: second command", "progid", "echo | comopen x W^", "W");
    row("ProgID: comopen before the bar", "progid", "comopen x y | echo W^", "");
    row("marker: after it", "marker", "echo $a $ch^an", "$ch");
    row("marker: none", "marker", "echo^ x", "echo");
    row("marker: after the caret", "marker", "ec^ho $x", "ec");
}

void CompletionDataTest::caretContext()
{
    QFETCH(QString, reading);
    QFETCH(QString, line);
    const int caret = line.indexOf(QLatin1Char('^'));
    line.remove(caret, 1);
    const QString read = reading == QLatin1String("command") ? CompletionContext::commandUnderCaret(line, caret)
        : reading == QLatin1String("progid")                 ? CompletionContext::comProgIdPrefix(line, caret)
                                             : CompletionContext::textFromLastMarker(line, caret, QLatin1Char('$'));
    QTEST(read, "expected");
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    initKorvelResources();
    CompletionDataTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_completion.moc"
