#pragma once

#include <QObject>

#include <functional>

// Test classes of the application shell register here and run one after the
// other in a single program.
namespace AppTests {

int registerTest(std::function<QObject*()> make);

} // namespace AppTests

#define KORVEL_APP_TEST(Class) static const int Class##Registered = AppTests::registerTest([] { return new Class; });
