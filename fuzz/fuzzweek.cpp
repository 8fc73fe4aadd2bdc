// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the week-file reader. Beyond crashes and
// sanitizer reports it aborts when a property of week files does not hold
// (weekinvariants.h); test_week_corpus replays the corpus and the kept
// findings through the same properties.
#include "weekinvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString broken = BrokenWeekInvariant(bytes);
    if (!broken.isEmpty()) {
        // Named before the abort that libFuzzer reports.
        std::fprintf(stderr, "invariant failed: %s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
