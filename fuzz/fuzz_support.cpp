#include "fuzz_support.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Files hold German numbers and dates, whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

QString inputAsFile(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write the input to %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

void fuzzCheck(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}
