// Runs every test class of the persistence area in one executable.
#include <QCoreApplication>
#include <QStandardPaths>

int runSerializerWriterTests(int argc, char** argv);
int runSerializerReaderTests(int argc, char** argv);
int runDocumentFilesTests(int argc, char** argv);
int runDocumentOwnerTests(int argc, char** argv);
int runServerSettingsTransactionTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // settings files stay out of the user's folders
    int failures = 0;
    for (auto run : {runSerializerWriterTests, runSerializerReaderTests, runDocumentFilesTests,
                     runDocumentOwnerTests, runServerSettingsTransactionTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
