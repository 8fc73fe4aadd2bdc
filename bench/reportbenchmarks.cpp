// SPDX-License-Identifier: MIT
#include "agentscenario.h"
#include "recordingcanvas.h"
#include "reportcontent.h"
#include "reportlayout.h"
#include "reportpdf.h"
#include "scenarioevents.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// Fonts and the PDF printer need the graphical application; no display.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "varnook_bench";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

// A whole day of 48 half-hour slots: the longest schedule, two pages.
ReportContent fullDay()
{
    AgentScenario s;
    const char *texts[] = {"00:00", "24:00", "4800", "03:00", "01:00", "00:30", "80", "20"};
    for (int i = 0; i < FieldCount; ++i)
        s.setText(static_cast<Field>(i), QString::fromLatin1(texts[i]));
    s.setSlotLength(SlotLength::HalfHour);
    s.DistributeCalls();
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return ReportContent::fromScenario(s, QStringLiteral("*.vnk"), QStringLiteral("New Agents"));
}

const ReportFontSet fonts = StandardReportFontSet(QColor(160, 160, 160));

// The 48-slot report written as an A4 PDF file, from layout to closed file.
void BM_FullDayReportToPdf(benchmark::State &state)
{
    ensureApplication();
    const ReportContent content = fullDay();
    if (content.lastRow() != 48) {
        state.SkipWithError("the day does not have 48 slots");
        return;
    }
    const QString path = QDir::temp().filePath(QStringLiteral("varnook-bench-report.pdf"));
    for (auto _ : state) {
        const QString error = WriteReportPdf(content, path, QPageSize::A4, fonts);
        if (!error.isEmpty()) {
            state.SkipWithError(error.toLocal8Bit().constData());
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
    QFile::remove(path);
}
BENCHMARK(BM_FullDayReportToPdf)->Unit(benchmark::kMillisecond);

// The layout alone on the recording canvas: every position of the report.
void BM_FullDayReportLayout(benchmark::State &state)
{
    const ReportContent content = fullDay();
    for (auto _ : state) {
        RecordingCanvas canvas(1200, 1200, 9583, 13699);
        canvas.beginDocument();
        ReportLayout(canvas, fonts).printBody(content);
        benchmark::DoNotOptimize(canvas.texts.size());
    }
}
BENCHMARK(BM_FullDayReportLayout)->Unit(benchmark::kMicrosecond);

} // namespace
