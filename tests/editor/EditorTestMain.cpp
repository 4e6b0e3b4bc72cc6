#include <QApplication>

int runEditorTests(int argc, char** argv);
int runHoverTipTests(int argc, char** argv);
int runKeyHandlingTests(int argc, char** argv);
int runBracketCheckerTests(int argc, char** argv);

// The editor's test classes share one program; each runs with the same
// arguments and the program fails when any of them does.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int failed = runEditorTests(argc, argv);
    failed += runHoverTipTests(argc, argv);
    failed += runKeyHandlingTests(argc, argv);
    failed += runBracketCheckerTests(argc, argv);
    return failed;
}
