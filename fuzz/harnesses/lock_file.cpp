// The lock file "tmp.acc" of shared use, read to tell who holds the data.

#include "fuzz_support.h"
#include "store/shared_lock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LockHolder holder;
    QString error;
    fuzzCheck(readLockHolder(inputAsFile(data, size), holder, &error),
              "an existing lock file is always readable");
    return 0;
}
