// The update server's reply: the HTTP answer taken apart and its version
// compared with the program's own.

#include "fuzz_support.h"
#include "online/version_compare.h"
#include "online/version_request.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString answer = versionAnswerFromReply(reply);
    allowingConversionErrors(
        [&answer] { compareWithServerVersion(QStringLiteral("1.0.0.0"), answer); });
    allowingConversionErrors([&reply] {
        compareWithServerVersion(QStringLiteral("2.1.0.5"), QString::fromUtf8(reply));
    });
    return 0;
}
