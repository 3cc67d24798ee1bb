// Runs every test class of the language area in one executable.
#include <QCoreApplication>

int runModLocaleTests(int argc, char** argv);
int runTextIdsTests(int argc, char** argv);
int runInstalledLocalesTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runModLocaleTests, runTextIdsTests, runInstalledLocalesTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
