// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the scenario-file reader. Beyond crashes and
// sanitizer reports it aborts when a refused file changed the scenario, or
// when a file written from an applied one does not load back.
#include "scenariofile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

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
    for (int i = 0; i < FieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        check(field == Field::Edit1 || reloaded.text(field) == scenario.text(field));
    }
    check(reloaded.HalfHourSlots == scenario.HalfHourSlots);

    // The loaded scenario's schedule, for the slot and schedule code.
    scenario.TabSet1Click(Tab::Schedule);
    (void)ScenarioFileBytes(scenario);
    return 0;
}
