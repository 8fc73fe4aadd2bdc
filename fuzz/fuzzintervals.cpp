// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the interval-file readers, of one day and of
// several. Beyond crashes and sanitizer reports it aborts when a property of
// interval files does not hold (intervalinvariants.h); test_interval_corpus
// replays the corpus and the kept findings through the same properties.
#include "intervalinvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString broken = BrokenIntervalInvariant(bytes);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "invariant failed: %s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
