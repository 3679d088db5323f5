// sorvale-make-demo-home DIR: builds the demo home, so that `HOME=DIR sorvale` shows every
// screen with content.

#include "DemoHome.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sorvale-make-demo-home DIR\n");
        return 2;
    }
    try {
        sorvale::test::FixtureTree home(argv[1]);
        sorvale::test::buildDemoHome(home);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sorvale-make-demo-home: %s\n", error.what());
        return 1;
    }
    return 0;
}
