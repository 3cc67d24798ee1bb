// Runs every test class of the platform area in one executable.
#include <QCoreApplication>

int runNumberTextTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runNumberTextTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
