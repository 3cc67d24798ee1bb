// Runs every test class of the configuration model in one executable.
#include <QCoreApplication>

int runConfigNodesTests(int argc, char** argv);
int runTriggerItemTests(int argc, char** argv);
int runNodeTreeTests(int argc, char** argv);
int runNodeImagesTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run :
         {runConfigNodesTests, runTriggerItemTests, runNodeTreeTests, runNodeImagesTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
