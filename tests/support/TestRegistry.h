#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// Several test classes in one program: each registers itself with
// KORVEL_TEST(Class), and the program's main() runs them all.
namespace TestRegistry {

inline std::vector<std::function<QObject*()>>& tests()
{
    static std::vector<std::function<QObject*()>> registered;
    return registered;
}

inline bool add(std::function<QObject*()> make)
{
    tests().push_back(std::move(make));
    return true;
}

// Runs every registered class with the program's arguments, one after the
// other; how many of them failed.
inline int runAll(int argc, char** argv)
{
    int failed = 0;
    for (const auto& make : tests()) {
        const std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed;
}

} // namespace TestRegistry

#define KORVEL_TEST(Class) static const bool Class##Registered = TestRegistry::add([] { return new Class; });
