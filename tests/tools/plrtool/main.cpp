// Runs every test class of the command-line tool in one executable.
#include <QCoreApplication>

int runPlrToolTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runPlrToolTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
