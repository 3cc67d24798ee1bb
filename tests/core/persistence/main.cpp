// Runs every test class of the persistence area in one executable.
#include <QCoreApplication>

int runSerializerWriterTests(int argc, char** argv);
int runSerializerReaderTests(int argc, char** argv);
int runDocumentFilesTests(int argc, char** argv);
int runDocumentOwnerTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runSerializerWriterTests, runSerializerReaderTests, runDocumentFilesTests,
                     runDocumentOwnerTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
