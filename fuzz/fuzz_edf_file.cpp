#include "fuzz_entries.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzentry::RunInput(fuzzentry::EdfFile, data, size);
}
