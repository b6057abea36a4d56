// Without libFuzzer the harnesses are plain programs that feed them every file
// of the folders or files named on the command line, so the test suite replays
// the corpora (seeds and every input that once failed) in any build.

#include "fuzz_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

QStringList inputFiles(const QString& argument) {
    if (!QFileInfo(argument).isDir())
        return {argument};
    QStringList files;
    QDirIterator it(argument, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QString& path : inputFiles(QString::fromLocal8Bit(argv[i]))) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // An empty or mistyped corpus folder must not pass unnoticed.
    return replayed > 0 ? 0 : 1;
}
