// SPDX-License-Identifier: MIT
#include "tlumchart.h"

#include "chartprinter.h"
#include "chartprintrect.h"
#include "chartwidget.h"
#include "graphglyphs.h"
#include "graphowner.h"
#include "dialogservice.h"
#include "toolbuttonkey.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QToolButton>
#include <QVBoxLayout>

TLumChart::TLumChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("LumChart"));
    setProperty("helpContext", 32);
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // The window itself takes the keyboard focus, so F1 and the context-menu
    // key reach it when it is the active child window.
    setFocusPolicy(Qt::StrongFocus);
    resize(DesignWidth, DesignHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(Panel1);
    Chart1 = new ChartWidget(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    ChartModel &model = Chart1->model();
    model.background = Qt::white;
    model.backWall.colour = Qt::white;
    model.backWall.solid = false;
    model.view3D = true;
    layout->addWidget(Chart1, 1);
    buildSeriesMenu();
    connect(Chart1, &ChartWidget::contextMenuRequested, this, [this](const QPoint &globalPos) {
        PopupMenu1->popup(globalPos);
    });
    // The window holds the keyboard focus, not the chart: a screen reader
    // that lands on it reads what the chart shows.
    setAccessibleName(QStringLiteral("Graph"));
    setAccessibleDescription(Chart1->accessibleDescription());
    connect(Chart1, &ChartWidget::refreshed, this, [this] { setAccessibleDescription(Chart1->accessibleDescription()); });
    FormCreate();
}

TLumChart::~TLumChart() = default;

void TLumChart::FormCreate()
{
    SeriesSelection = SeriesKinds::WindowDefault;
    BarChart = false;
    GridShown = true;
}

void TLumChart::buildToolBar()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Tool bar"));
    Panel1->setFixedHeight(25);
    auto makeButton = [this](const char *name, int left, GraphGlyph glyph, const QString &hint, void (TLumChart::*handler)()) {
        auto *button = new QToolButton(Panel1);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, 0, 25, 25);
        button->setIcon(MakeGraphGlyph(glyph));
        button->setIconSize(QSize(18, 18));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
        return button;
    };
    SpeedButton3 = makeButton("SpeedButton3", 32, GraphGlyph::Print, QStringLiteral("Print"), &TLumChart::SpeedButton3Click);
    SpeedButton2 = makeButton("SpeedButton2", 56, GraphGlyph::LineChart, QStringLiteral("Line chart"), &TLumChart::SpeedButton2Click);
    SpeedButton5 = makeButton("SpeedButton5", 80, GraphGlyph::BarChart, QStringLiteral("Bar chart"), &TLumChart::SpeedButton5Click);
    SpeedButton6 = makeButton("SpeedButton6", 104, GraphGlyph::Toggle3D, QStringLiteral("Toggle 3D chart"), &TLumChart::SpeedButton6Click);
    SpeedButton4 = makeButton("SpeedButton4", 152, GraphGlyph::ToggleGrid, QStringLiteral("Toggle chart grid"), &TLumChart::SpeedButton4Click);
    SpeedButton7 = makeButton("SpeedButton7", 176, GraphGlyph::Series, QStringLiteral("Change graph series"), &TLumChart::SpeedButton7Click);
    SpeedButton1 = makeButton("SpeedButton1", 200, GraphGlyph::CloseForm, QStringLiteral("Close form"), &TLumChart::SpeedButton1Click);
    GiveToolButtonKey(SpeedButton3, QKeySequence::Print, this);
}

void TLumChart::buildSeriesMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (int kind = 0; kind < SeriesKinds::Count; ++kind) {
        // Design captions "1" to "9"; the agent window names them.
        addSeriesItem(kind, QString::number(kind + 1));
    }
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TLumChart::PopupMenu1Popup);
}

QAction *TLumChart::addSeriesItem(int kind, const QString &caption)
{
    QAction *item = PopupMenu1->addAction(caption);
    item->setObjectName(QStringLiteral("N%1").arg(kind + 1) + QLatin1Char('1'));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, kind](bool ticked) { seriesItemToggled(kind, ticked); });
    m_items[static_cast<std::size_t>(kind)] = item;
    return item;
}

QAction *TLumChart::seriesItem(int kind) const
{
    return kind >= 0 && kind < SeriesKinds::AllCount ? m_items[static_cast<std::size_t>(kind)] : nullptr;
}

QAction *TLumChart::extraSeriesItem(int kind)
{
    if (kind < SeriesKinds::Count || kind >= SeriesKinds::AllCount)
        return nullptr;
    if (QAction *item = m_items[static_cast<std::size_t>(kind)])
        return item;
    return addSeriesItem(kind, SeriesKinds::MenuCaption(kind));
}

void TLumChart::NotifyOwner()
{
    if (OwnerForm)
        OwnerForm->graphRefreshWanted();
}

void TLumChart::SpeedButton2Click()
{
    if (!BarChart)
        return;
    BarChart = false;
    NotifyOwner();
}

void TLumChart::SpeedButton5Click()
{
    if (BarChart)
        return;
    BarChart = true;
    NotifyOwner();
}

void TLumChart::SpeedButton6Click()
{
    Chart1->model().view3D = !Chart1->model().view3D;
    Chart1->refresh();
}

void TLumChart::SpeedButton4Click()
{
    const ChartGridStyle style = GridShown ? ChartGridStyle::Clear : ChartGridStyle::Dotted;
    ChartModel &model = Chart1->model();
    model.bottomAxis.grid = style;
    model.leftAxis.grid = style;
    model.rightAxis.grid = style;
    GridShown = !GridShown;
    Chart1->refresh();
}

QPoint TLumChart::seriesMenuPosition() const
{
    return SpeedButton7->mapToGlobal(QPoint(0, SpeedButton7->height()));
}

void TLumChart::SpeedButton7Click()
{
    PopupMenu1->popup(seriesMenuPosition());
}

void TLumChart::PopupMenu1Popup()
{
    for (int kind = 0; kind < SeriesKinds::AllCount; ++kind) {
        if (QAction *item = m_items[static_cast<std::size_t>(kind)])
            item->setChecked(SeriesKinds::Holds(SeriesSelection, kind));
    }
}

void TLumChart::seriesItemClick(int kind)
{
    if (QAction *item = seriesItem(kind))
        item->trigger(); // reverses the tick, then seriesItemToggled
}

void TLumChart::seriesItemToggled(int kind, bool ticked)
{
    const SeriesSelectionWord bit = SeriesKinds::KindBit(kind);
    if (ticked)
        SeriesSelection |= bit;
    else
        SeriesSelection &= static_cast<SeriesSelectionWord>(~bit);
    NotifyOwner();
}

void TLumChart::SpeedButton1Click()
{
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget()))
        subWindow->close();
    else
        close();
}

void TLumChart::SpeedButton3Click()
{
    // A field of the agent window changed and not yet left is taken first,
    // so the chart printed shows it.
    if (OwnerForm && !OwnerForm->completePendingFieldExit())
        return;
    if (!m_dialogs)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!m_dialogs->choosePrinter(printer))
        return;
    const ChartPrintRect place = ComputeChartPrintRect(printer.width(), printer.height(), width(), height());
    if (place.isEmpty()) {
        m_dialogs->error(QStringLiteral("The page is too small to print the chart"));
        return;
    }
    if (!PrintChart(printer, place.rect(), Chart1->model()))
        m_dialogs->error(QStringLiteral("The chart could not be printed"));
}

void TLumChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

void TLumChart::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    if (OwnerForm) {
        GraphOwner *owner = OwnerForm;
        OwnerForm = nullptr;
        owner->graphClosed();
    }
}
