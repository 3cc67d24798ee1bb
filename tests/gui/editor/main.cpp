#include <QApplication>
#include <QTest>

int runConfigTreeTests(int argc, char** argv);
int runConfigTreeModelTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    failures += runConfigTreeTests(argc, argv);
    failures += runConfigTreeModelTests(argc, argv);
    return failures;
}
