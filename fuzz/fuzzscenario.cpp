// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the scenario-file reader. Beyond crashes and
// sanitizer reports it aborts when a refused file changed the scenario, or
// when a file written from an applied one does not load back.
#include "scenariofile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// An invariant that failed is named before the abort that libFuzzer reports.
#define check(condition) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "invariant failed: %s (line %d)\n", #condition, __LINE__); \
            std::abort(); \
        } \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = QStringLiteral("fuzz.vnk");

    AgentScenario scenario;
    const LoadResult result = ApplyScenario(scenario, SplitScenarioLines(bytes), name);
    const QByteArray written = ScenarioFileBytes(scenario);
    if (!result.applied()) {
        static AgentScenario fresh;
        static const QByteArray freshBytes = ScenarioFileBytes(fresh);
        check(!result.message.isEmpty() && !result.recalc.ran);
        check(written == freshBytes && scenario.SlotCalls == fresh.SlotCalls);
        return 0;
    }
    check(result.recalc.ran);

    AgentScenario reloaded;
    check(ApplyScenario(reloaded, SplitScenarioLines(written), name).applied());
    // A respread on reloading may round the arrival times and set the number
    // of calls; the other fields come back as they were.
    for (Field field : {Field::MaskEdit2, Field::MaskEdit3, Field::MaskEdit4, Field::MaskEdit5, Field::MaskEdit6})
        check(reloaded.text(field) == scenario.text(field));
    check(reloaded.slotLength() == scenario.slotLength());

    // The loaded scenario's schedule, for the slot and schedule code.
    scenario.TabSet1Click(Tab::Schedule);
    (void)ScenarioFileBytes(scenario);
    return 0;
}
