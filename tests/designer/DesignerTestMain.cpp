#include "DesignerTestMain.h"

#include "KorvelResources.h"

#include <QApplication>
#include <QTest>
#include <QVector>

#include <memory>

namespace {

QVector<QObject* (*)()>& registry()
{
    static QVector<QObject* (*)()> makers;
    return makers;
}

} // namespace

void registerDesignerTest(QObject* (*make)())
{
    registry().append(make);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initKorvelResources();
    int failed = 0;
    for (auto make : registry()) {
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed;
}
