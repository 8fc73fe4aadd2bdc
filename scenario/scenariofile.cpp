// SPDX-License-Identifier: MIT
#include "scenariofile.h"

#include "conversions.h"
#include "scenariolines.h"
#include "scenariooptionlines.h"
#include "texts.h"

#include <QFile>

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace {

using ScenarioLines::CallsLine;
using ScenarioLines::EndLine;
using ScenarioLines::Excerpt;
using ScenarioLines::FieldLines;
using ScenarioLines::FixedLines;
using ScenarioLines::SlotLengthLine;
using ScenarioLines::StartLine;

constexpr int LastVolumeLine = FixedLines + ScenarioInputs::SlotCapacity; // 111

LoadResult failure(LoadResult::Status status, const QString &message)
{
    LoadResult result;
    result.status = status;
    result.message = message;
    return result;
}

LoadResult missingLine(const QString &fileName, const QStringList &lines)
{
    return DamagedFile(fileName, static_cast<int>(lines.size()) + 1,
                       QStringLiteral("the file ends after line %1, and a scenario needs %2 lines")
                           .arg(lines.size())
                           .arg(FixedLines));
}

// The index of the first option line after the fixed lines: the volume
// lines lie before it.
int firstOptionLine(const QStringList &lines)
{
    int index = FixedLines;
    while (index < lines.size() && !IsOptionLine(lines.at(index)))
        ++index;
    return index;
}

// The slot length of a file's line 11, by the lengths' file codes ("0" 30
// minutes, "1" 60 minutes); whether a button shows it (any other text: 60
// minutes, none checked).
std::pair<SlotLength, bool> lineElevenSlotLength(const QString &text)
{
    for (const SlotLengthInfo &info : SlotLengthTable) {
        if (!info.optionLine && text == info.fileCode)
            return {info.length, true};
    }
    return {SlotLength::Hour, false};
}

// Sets the slot length that the file gives, without converting volumes: an
// option line's length before line 11's.
void applySlotLength(ScenarioInputs &scenario, const QStringList &lines, const ScenarioOptionsRead &read)
{
    if (read.slotLength) {
        scenario.setSlotLength(*read.slotLength);
    } else {
        const auto [length, checked] = lineElevenSlotLength(lines.at(SlotLengthLine));
        scenario.setSlotLength(length, checked);
    }
}

// The number of time slots that the file gives, as the loaded scenario will
// have them.
int slotCountOf(const QStringList &lines, const ScenarioOptionsRead &read)
{
    ScenarioInputs scenario;
    scenario.setText(Field::MaskEdit1, MaskedText(Field::MaskEdit1, lines.at(StartLine)));
    scenario.setText(Field::MaskEdit7, MaskedText(Field::MaskEdit7, lines.at(EndLine)));
    applySlotLength(scenario, lines, read);
    return scenario.timeSlots().count;
}

// Checks the option lines from `first` on and reads them into `read`; the
// failure to report, or none.
std::optional<LoadResult> checkOptionLines(const QStringList &lines, int first, const QString &fileName,
                                           ScenarioOptionsRead &read)
{
    QStringList keys;
    // The lines that gave the roster and the slots' own times.
    int rosterLine = 0;
    int talkLine = 0;
    int wrapLine = 0;
    for (int i = first; i < lines.size(); ++i) {
        const QString &text = lines.at(i);
        if (!IsOptionLine(text))
            return DamagedFile(fileName, i + 1,
                               QStringLiteral("the line %1 follows the options, where only options may stand")
                                   .arg(Excerpt(text)));
        const QString key = text.left(text.indexOf(QLatin1Char('=')));
        if (keys.contains(key) && !IsRepeatableOption(key))
            return DamagedFile(fileName, i + 1, QStringLiteral("the option \"%1\" is given twice").arg(key));
        keys << key;
        if (const std::optional<QString> reason = ReadScenarioOptionLine(text, read))
            return DamagedFile(fileName, i + 1, *reason);
        const std::pair<const RosterValues *, int *> lists[] = {
            {&read.roster, &rosterLine}, {&read.slotTalk, &talkLine}, {&read.slotWrap, &wrapLine}};
        for (const auto &[values, at] : lists) {
            if (!values->empty() && *at == 0)
                *at = i + 1;
        }
    }
    // Checked once all options are read: the slot length may follow the
    // roster or the slots' times.
    const int slotCount = rosterLine || talkLine || wrapLine ? slotCountOf(lines, read) : 0;
    const std::tuple<const RosterValues *, int, const char *> lists[] = {
        {&read.roster, rosterLine, "the roster holds"},
        {&read.slotTalk, talkLine, "the slots' talk times hold"},
        {&read.slotWrap, wrapLine, "the slots' after-call work holds"}};
    for (const auto &[values, at, what] : lists) {
        if (static_cast<int>(values->size()) > slotCount)
            return DamagedFile(fileName, at,
                               QStringLiteral("%1 %2 values and the scenario has %3 time slots")
                                   .arg(QLatin1String(what))
                                   .arg(values->size())
                                   .arg(slotCount));
    }
    return std::nullopt;
}

// The fields' texts of the fixed lines. Setting them runs no field-exit
// handling; each field puts its text through its own mask, so the window
// shows what the next recalculation reads, and a saved text loads back
// unchanged.
void putFieldLines(ScenarioInputs &inputs, const QStringList &lines)
{
    for (const auto &[index, field] : FieldLines)
        inputs.setText(field, MaskedText(field, lines.at(index)));
}

// Slot 1 on takes the values; the slots after them have none.
template <typename SlotArray, typename Values>
void putSlotValues(SlotArray &into, const Values &values)
{
    into.fill(std::nullopt);
    for (std::size_t slot = 0; slot < values.size(); ++slot)
        into[slot + 1] = values[slot];
}

// The option lines' planning options, roster, slot times, slot floor and
// shift types.
void putOptions(ScenarioInputs &inputs, const ScenarioOptionsRead &read)
{
    inputs.Planning = read.planning;
    putSlotValues(inputs.SlotHave, read.roster);
    putSlotValues(inputs.SlotTalkSeconds, read.slotTalk);
    putSlotValues(inputs.SlotWrapSeconds, read.slotWrap);
    inputs.ServiceFloor = read.serviceFloor;
    inputs.ShiftTypes = read.shiftTypes;
}

// The volume lines, those before the first option line; their sum over the
// scenario's time slots. A file with volume lines gives every slot's volume:
// the slots after its last line have none, whatever the window held before.
// The total is that of the scenario's time slots, the volumes the Schedule
// shows and a save writes; a line beyond the last slot is kept but counts
// for none.
qint64 putVolumeLines(ScenarioInputs &inputs, const QStringList &lines, int options)
{
    inputs.SlotCallsEdited = false;
    for (int i = FixedLines; i < options; ++i) {
        inputs.SlotCalls[static_cast<std::size_t>(i - FixedLines + 1)] = *Calc::ParseInteger(lines.at(i));
        inputs.SlotCallsEdited = true;
    }
    qint64 sum = 0;
    if (inputs.SlotCallsEdited) {
        std::fill(inputs.SlotCalls.begin() + (options - FixedLines + 1), inputs.SlotCalls.end(), 0);
        const int count = inputs.timeSlots().count;
        for (int slot = 1; slot <= count; ++slot)
            sum += inputs.SlotCalls[static_cast<std::size_t>(slot)];
    }
    return sum;
}

} // namespace

LoadResult DamagedFile(const QString &fileName, int line, const QString &reason)
{
    LoadResult result = failure(LoadResult::Status::Damaged,
                                QStringLiteral("File \"%1\" is damaged at line %2: %3.")
                                    .arg(fileName, QString::number(line), reason));
    result.line = line;
    result.reason = reason;
    return result;
}

QStringList SplitScenarioLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    for (; i < n && bytes.at(i) != '\0'; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines << QString::fromLatin1(bytes.constData() + start, i - start);
        if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i; // CR LF is one line end; LF CR stays two
        start = i + 1;
    }
    if (i > start)
        lines << QString::fromLatin1(bytes.constData() + start, i - start);
    return lines;
}

std::optional<LoadResult> ReadFileLines(const QString &path, const QString &kind, QStringList *lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result = failure(LoadResult::Status::CannotOpen,
                                    QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
        result.reason = file.errorString();
        return result;
    }
    // Read one byte past the limit to tell a full-sized file from a longer one.
    QByteArray bytes;
    while (bytes.size() <= MaxScenarioFileBytes) {
        const QByteArray chunk = file.read(MaxScenarioFileBytes + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        LoadResult result = failure(LoadResult::Status::CannotOpen,
                                    QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
        result.reason = file.errorString();
        return result;
    }
    if (bytes.size() > MaxScenarioFileBytes && !bytes.left(MaxScenarioFileBytes).contains('\0')) {
        const int line = static_cast<int>(SplitScenarioLines(bytes.left(MaxScenarioFileBytes)).size());
        return DamagedFile(path, qMax(line, 1),
                               QStringLiteral("the file is larger than %1 bytes, far more than a %2 holds")
                                   .arg(MaxScenarioFileBytes)
                                   .arg(kind));
    }
    *lines = SplitScenarioLines(bytes);
    if (lines->isEmpty() && !bytes.isEmpty()) {
        // Bytes, but no text before a NUL: a binary file, not an empty one.
        return failure(LoadResult::Status::NotScenarioFile,
                       QStringLiteral("File \"%1\" is not a %2 file: it does not hold text.").arg(path, kind));
    }
    return std::nullopt;
}

LoadResult LoadScenario(AgentScenario &scenario, const QString &path)
{
    QStringList lines;
    if (std::optional<LoadResult> failed = ReadFileLines(path, QStringLiteral("scenario"), &lines))
        return *failed;
    return ApplyScenario(scenario, lines, path);
}

QStringList WithoutTrailingEmptyLines(QStringList lines)
{
    while (lines.size() > FixedLines && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

LoadResult CheckScenarioLines(const QStringList &fileLines, const QString &fileName)
{
    const QStringList lines = WithoutTrailingEmptyLines(fileLines);
    if (lines.isEmpty())
        return failure(LoadResult::Status::Empty, QStringLiteral("File \"%1\" is empty.").arg(fileName));
    if (lines.at(0) != QLatin1String("vnk"))
        return failure(LoadResult::Status::NotScenarioFile,
                       QStringLiteral("File \"%1\" is not a scenario file: its first line is not \"vnk\".")
                           .arg(fileName));
    // The checks follow the order in which the lines are applied, so the line
    // reported is the first one that would have stopped the load.
    if (lines.size() < 4)
        return missingLine(fileName, lines);
    if (!Calc::ParseInteger(lines.at(CallsLine)))
        return DamagedFile(fileName, CallsLine + 1,
                           QStringLiteral("the number of calls %1 is not a whole number")
                               .arg(Excerpt(lines.at(CallsLine))));
    if (lines.size() < FixedLines)
        return missingLine(fileName, lines);
    // The volumes are summed in 64 bits and the total must fit a 32-bit whole
    // number, so that the number of calls it may become loads back.
    const int options = firstOptionLine(lines);
    qint64 sum = 0;
    for (int k = FixedLines + 1; k <= options; ++k) {
        if (k > LastVolumeLine)
            return DamagedFile(fileName, k,
                               QStringLiteral("the file holds more than %1 time-slot volumes")
                                   .arg(ScenarioInputs::SlotCapacity));
        const QString &text = lines.at(k - 1);
        const std::optional<int> volume = Calc::ParseInteger(text);
        if (!volume)
            return DamagedFile(fileName, k,
                               QStringLiteral("the call volume %1 of time slot %2 is not a whole number")
                                   .arg(Excerpt(text))
                                   .arg(k - FixedLines));
        sum += *volume;
        if (sum > std::numeric_limits<int>::max() || sum < std::numeric_limits<int>::min())
            return DamagedFile(fileName, k,
                               QStringLiteral("the call volumes add up to more than a whole number can hold"));
    }
    ScenarioOptionsRead read;
    if (std::optional<LoadResult> failed = checkOptionLines(lines, options, fileName, read))
        return *failed;
    LoadResult sound;
    sound.status = LoadResult::Status::Applied;
    return sound;
}

namespace {

// The arrival times a load replaced: an unreadable start or end, as loaded
// (`loaded`), that the laid-out inputs hold another time for (09:00 and
// 17:00 take their place). The file's own text is quoted.
QStringList replacedTimes(const QStringList &lines, const std::pair<QString, QString> &loaded,
                          const ScenarioInputs &inputs)
{
    QStringList warnings;
    const std::tuple<int, Field, QString, QString> times[] = {
        {StartLine, Field::MaskEdit1, QStringLiteral("start"), loaded.first},
        {EndLine, Field::MaskEdit7, QStringLiteral("end"), loaded.second},
    };
    for (const auto &[line, field, what, text] : times) {
        const bool readable =
            Calc::ClockTextToMinutes(text) || (field == Field::MaskEdit7 && text == Calc::EndOfDayText);
        if (readable || inputs.text(field) == text)
            continue;
        warnings << QStringLiteral("The %1 time %2 in the file is not a time of day: %3 is used")
                        .arg(what, lines.at(line).trimmed().left(24), inputs.text(field));
    }
    return warnings;
}

} // namespace

LoadResult ApplyScenario(AgentScenario &scenario, const QStringList &fileLines, const QString &fileName)
{
    const QStringList lines = WithoutTrailingEmptyLines(fileLines);
    LoadResult result = CheckScenarioLines(lines, fileName);
    if (!result.applied())
        return result; // nothing changed

    // The file's inputs are put together apart and then applied as a whole.
    ScenarioInputs inputs = scenario.inputs();
    putFieldLines(inputs, lines);
    const std::pair<QString, QString> loadedTimes{inputs.text(Field::MaskEdit1), inputs.text(Field::MaskEdit7)};
    const int options = firstOptionLine(lines);
    ScenarioOptionsRead read;
    checkOptionLines(lines, options, fileName, read);
    // The slot length is set as a whole, so no merge or split of the volumes
    // follows. Any other text than "0" or "1" in line 11 leaves every slot
    // button unchecked: 60-minute slots.
    applySlotLength(inputs, lines, read);
    putOptions(inputs, read);
    const qint64 sum = putVolumeLines(inputs, lines, options);
    // Volumes that do not add up to a stated total give way to an even spread
    // of that total; a stated total of 0 takes the volumes' sum instead.
    const int stated = *Calc::ParseInteger(lines.at(CallsLine));
    if (sum != stated) {
        if (stated == 0)
            inputs.setText(Field::Edit1, QString::number(sum));
        else
            inputs.spreadCalls();
    }
    // The total time follows the loaded arrival times and slot length; the
    // loaded texts themselves stay as the file has them.
    inputs.updateTotalTime();
    scenario.setInputs(std::move(inputs));
    result.recalc = scenario.Recalculate();
    result.warnings = replacedTimes(lines, loadedTimes, scenario.inputs());
    return result;
}
