// Runs every test class of the settings stores in one executable.
#include <QCoreApplication>

int runEnvironmentStringsTests(int argc, char** argv);
int runRegistryTextTests(int argc, char** argv);
int runFileRegistryTests(int argc, char** argv);
int runRegKeyTests(int argc, char** argv);
int runProfileTests(int argc, char** argv);
int runPellorDataTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runEnvironmentStringsTests, runRegistryTextTests, runFileRegistryTests,
                     runRegKeyTests, runProfileTests, runPellorDataTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
