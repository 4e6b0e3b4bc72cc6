#pragma once

class QObject;

// Each test class of the designer's program registers itself here.
void registerDesignerTest(QObject* (*make)());

#define DESIGNER_TEST(Class)                                                                                           \
    namespace {                                                                                                        \
    const bool Class##Registered = (registerDesignerTest([]() -> QObject* { return new Class; }), true);               \
    }
