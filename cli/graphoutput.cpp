// SPDX-License-Identifier: MIT
#include "graphoutput.h"

#include "agentscenario.h"
#include "chartpainter.h"
#include "commandline.h"
#include "graphbuild.h"
#include "seriescolourtable.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace GraphOutput {

namespace {

// The settings of a new graph window's chart.
ChartModel newWindowChart(bool flat)
{
    ChartModel chart;
    chart.background = Qt::white;
    chart.backWall.colour = Qt::white;
    chart.backWall.solid = false;
    chart.view3D = !flat;
    return chart;
}

// Both write through a QSaveFile: a file that cannot be written whole is
// not written at all, and an older file of that name stays.
bool writePng(const ChartModel &chart, QSaveFile &file, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintChart(painter, image.rect(), chart);
    }
    return image.save(&file, "PNG");
}

bool writePdf(const ChartModel &chart, QSaveFile &file, int width, int height)
{
    QPdfWriter writer(&file);
    writer.setTitle(chart.name);
    writer.setCreator(QStringLiteral("Varnook"));
    writer.setResolution(1200);
    // The page is the picture's size at 96 pixels an inch: 0.75 points each.
    const QPageSize page(QSizeF(width * 0.75, height * 0.75), QPageSize::Point, QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintChart(painter, QRect(0, 0, writer.width(), writer.height()), chart);
    return painter.end();
}

} // namespace

std::optional<SeriesSelectionWord> SelectionFromCaptions(const QStringList &captions, bool scheduleTab, QString *error)
{
    SeriesSelectionWord selection = 0;
    for (const QString &caption : captions) {
        const std::optional<int> kind = SeriesKinds::KindByCaption(caption);
        if (!kind) {
            *error = QStringLiteral("--series names no series called \"%1\"").arg(caption.trimmed());
            return std::nullopt;
        }
        if (!SeriesKinds::MayOffer(*kind, scheduleTab)) {
            *error = QStringLiteral("the %1 tab has no series \"%2\"")
                         .arg(scheduleTab ? QStringLiteral("Schedule") : QStringLiteral("Agents"),
                              SeriesKinds::MenuCaption(*kind));
            return std::nullopt;
        }
        selection |= SeriesKinds::KindBit(*kind);
    }
    return selection;
}

QString MissingExtraSeries(SeriesSelectionWord selection, bool scheduleTab, const ResultTable &table)
{
    const SeriesSelectionWord missing =
        selection & SeriesKinds::ExtraKinds & static_cast<SeriesSelectionWord>(~SeriesKinds::Offer(scheduleTab, table));
    if (SeriesKinds::Holds(missing, SeriesKind::Sched))
        return QStringLiteral("the table has no \"Sched\" column for --series Sched: set --shrinkage");
    if (SeriesKinds::Holds(missing, SeriesKind::Have))
        return QStringLiteral("the table has no \"Have\" column for --series Have: give a roster (--have)");
    if (SeriesKinds::Holds(missing, SeriesKind::HandleTime))
        return QStringLiteral("the table has no \"AHT\" column for --series \"Handle Time\": give slot times "
                              "(--intervals)");
    return {};
}

Written WriteGraph(const AgentScenario &scenario, const CommandLine &line, SeriesSelectionWord selection)
{
    Written written;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        written.error = QStringLiteral("drawing a graph needs the program's graphical start-up");
        return written;
    }
    ChartModel chart = newWindowChart(line.graphFlat);
    const ScenarioInputs &inputs = scenario.inputs();
    const GraphRequest request{inputs.ScheduleMode, selection, line.graphBar, 60 / minutesOf(inputs.slotLength())};
    const GraphBuildResult result = BuildGraph(chart, scenario.StringGrid1(), request, SeriesColourTable());
    if (!result.conversionError.isEmpty())
        written.message = result.conversionError;
    else if (result.incompatible)
        written.message = IncompatibleSelectionMessage();
    const bool pdf = line.graphFile.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    QSaveFile file(line.graphFile);
    written.ok = file.open(QIODevice::WriteOnly)
        && (pdf ? writePdf(chart, file, line.graphWidth, line.graphHeight)
                : writePng(chart, file, line.graphWidth, line.graphHeight))
        && file.commit();
    if (!written.ok)
        written.error = QStringLiteral("cannot write the graph file \"%1\"").arg(line.graphFile);
    return written;
}

} // namespace GraphOutput
