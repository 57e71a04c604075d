#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzzentry
{
// Runs one entry on the fuzzer's bytes; a broken promise aborts, so libFuzzer keeps the input.
int RunInput(QString (*entry)(const QByteArray &), const uint8_t *data, size_t size);
} // namespace fuzzentry
