// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the scenario-file reader. Beyond crashes and
// sanitizer reports it aborts when a property of scenario files does not
// hold (scenarioinvariants.h); test_scenario_corpus replays the corpus and
// the kept findings through the same properties.
#include "scenarioinvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString broken = BrokenScenarioInvariant(bytes);
    if (!broken.isEmpty()) {
        // Named before the abort that libFuzzer reports.
        std::fprintf(stderr, "invariant failed: %s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
