#pragma once
// What the fuzz harnesses share: the program's locale, the input handed to
// readers that take a file name, and checks that stop the run loudly.

#include "common/conversions.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Writes the input to the harness's one temporary file and returns its path.
QString inputAsFile(const uint8_t* data, size_t size);

// Texts the program reads from the user or a file may fail to convert; that is
// reported to the user, not a fault. Everything else must not happen.
template <typename Step> void allowingConversionErrors(Step step) {
    try {
        step();
    } catch (const ConversionError&) {
    }
}

// Aborts with a message when a property of the reader does not hold, so the
// fuzzer keeps the input as a finding.
void fuzzCheck(bool holds, const char* property);
