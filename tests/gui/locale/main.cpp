// Runs every test class of the language area's windows in one executable.
#include <QApplication>

int runLocalizeFormTests(int argc, char** argv);
int runFrmLocalesTests(int argc, char** argv);
int runWidgetPrompterTests(int argc, char** argv);
int runMousePointerStackTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runLocalizeFormTests, runFrmLocalesTests, runWidgetPrompterTests,
                     runMousePointerStackTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
