#pragma once
// The offscreen window tests are one program: each test class registers
// itself under its name, and `test_app NAME [Qt Test options]` runs that
// class alone in a process of its own, as a program of its own would.
#include <QObject>
#include <QtTest>
#include <functional>

namespace apptest {

using RunFn = std::function<int(int argc, char** argv)>;
bool Register(const char* name, RunFn run);

} // namespace apptest

// Registers the test class T; takes the place of QTEST_MAIN.
#define QUORVEX_APP_TEST(T)                                                                  \
    static const bool kRegistered_##T = apptest::Register(#T, [](int argc, char** argv) {    \
        T test;                                                                              \
        return QTest::qExec(&test, argc, argv);                                              \
    });
