// The settings file "kfzkosten.ini": the test whether it is enciphered, the
// deciphering, and the values taken from it.

#include "store/settings_file.h"
#include "common/text_file.h"
#include "fuzz_support.h"
#include "store/settings_cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray key(kSettingsKey);
    fuzzCheck(decipher(encipher(bytes, key), key) == bytes, "deciphering undoes enciphering");
    isEnciphered(decodeText(bytes));
    const Settings settings = parseSettings(bytes);
    // What is carried from the file is written back at close.
    parseSettings(settingsBytes(QStringLiteral("/home/user/.local/share/tarvo/"), settings));
    readSettings(inputAsFile(data, size));
    return 0;
}
