// Runs every test class of the start-up area in one executable.
#include <QCoreApplication>
#include <QStandardPaths>

int runCommandLineTests(int argc, char** argv);
int runVariantTableTests(int argc, char** argv);
int runStartUpTests(int argc, char** argv);
int runTovanDataFolderTests(int argc, char** argv);
int runInstanceGuardTests(int argc, char** argv);
int runProgramPathsTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (auto run : {runCommandLineTests, runVariantTableTests, runStartUpTests,
                     runTovanDataFolderTests, runInstanceGuardTests, runProgramPathsTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
