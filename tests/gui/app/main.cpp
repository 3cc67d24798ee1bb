// Runs every test class of the start-up area's windows in one executable.
#include <QApplication>
#include <QStandardPaths>

int runFrmPellorConfigTests(int argc, char** argv);
int runEnableControlTests(int argc, char** argv);
int runSingleInstanceTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (auto run : {runFrmPellorConfigTests, runEnableControlTests, runSingleInstanceTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
