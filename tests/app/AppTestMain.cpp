#include "AppTestMain.h"

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace apptest {

namespace {

std::map<std::string, RunFn>& Registry()
{
    static std::map<std::string, RunFn> tests;
    return tests;
}

} // namespace

bool Register(const char* name, RunFn run)
{
    Registry()[name] = std::move(run);
    return true;
}

} // namespace apptest

int main(int argc, char** argv)
{
    const auto& tests = apptest::Registry();
    const auto test = argc > 1 ? tests.find(argv[1]) : tests.end();
    if (test == tests.end()) {
        std::fprintf(stderr, "usage: %s TEST [Qt Test options]\ntests:\n", argv[0]);
        for (const auto& t : tests)
            std::fprintf(stderr, "  %s\n", t.first.c_str());
        return 2;
    }
    // The class's name takes the place of the program's in what Qt Test sees.
    std::vector<char*> args(argv + 1, argv + argc);
    args.push_back(nullptr);
    int count = argc - 1;
    QApplication app(count, args.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    return test->second(count, args.data());
}
