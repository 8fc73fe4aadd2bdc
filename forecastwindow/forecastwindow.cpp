// SPDX-License-Identifier: MIT
#include "forecastwindow.h"

#include "backtesttablemodel.h"
#include "chartwidget.h"
#include "dialogservice.h"
#include "forecastchart.h"
#include "forecastmethodinfo.h"
#include "forecastreport.h"
#include "forecasttext.h"
#include "forecastwindowhost.h"
#include "handlerguard.h"
#include "historyfile.h"
#include "toolbuttonkey.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The item's date, for the day list.
constexpr int DateRole = Qt::UserRole;

QString dayText(const QDate &date)
{
    return QLocale::c().dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') + date.toString(Qt::ISODate);
}

} // namespace

ForecastWindow::ForecastWindow(ForecastSession session, ForecastWindowHost &host, DialogService &dialogs,
                               QWidget *parent)
    : QWidget(parent)
    , m_session(std::move(session))
    , m_host(host)
    , m_dialogs(dialogs)
{
    setProperty("helpContext", HelpTopic);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(buildToolBar());
    m_history = new QLabel(this);
    m_history->setAccessibleName(QStringLiteral("History file"));
    m_history->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(m_history);

    auto *methodRow = new QHBoxLayout;
    auto *methodLabel = new QLabel(QStringLiteral("&Method:"), this);
    m_method = new QComboBox(this);
    m_method->addItem(QStringLiteral("Auto: the lowest WAPE"), -1);
    for (const ForecastMethodInfo &info : ForecastMethodInfo::all()) {
        m_method->addItem(QLatin1String(info.name), static_cast<int>(info.kind));
        m_method->setItemData(m_method->count() - 1, QString::fromLatin1(info.description), Qt::ToolTipRole);
    }
    m_method->setAccessibleName(QStringLiteral("Forecast method"));
    m_method->setToolTip(QStringLiteral("The method the week is forecast with: the one the backtest found best, "
                                        "or the one picked here"));
    methodLabel->setBuddy(m_method);
    connect(m_method, &QComboBox::activated, this, [this](int index) { chooseMethod(index); });
    m_summary = new QLabel(this);
    m_summary->setAccessibleName(QStringLiteral("Forecast summary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summary->setWordWrap(true);
    methodRow->addWidget(methodLabel);
    methodRow->addWidget(m_method);
    methodRow->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
    methodRow->addWidget(m_summary, 1);
    outer->addLayout(methodRow);

    auto *pane = new QSplitter(Qt::Horizontal, this);
    pane->setChildrenCollapsible(false);
    pane->addWidget(buildDayPane());
    pane->addWidget(buildResultPane());
    pane->setStretchFactor(1, 1);
    pane->setSizes({180, 720});
    outer->addWidget(pane, 1);

    setTabOrder(m_openButton, m_printButton);
    setTabOrder(m_printButton, m_copyButton);
    setTabOrder(m_copyButton, m_weekButton);
    setTabOrder(m_weekButton, m_method);
    setTabOrder(m_method, m_days);
    setTabOrder(m_days, m_backtestView);
    fillDays();
    showForecast();
}

QHBoxLayout *ForecastWindow::buildToolBar()
{
    auto *bar = new QHBoxLayout;
    m_openButton = addTool(bar, QStringLiteral("Open &History..."), QStringLiteral("Forecast from another history file"),
                           QKeySequence::Open);
    m_printButton = addTool(bar, QStringLiteral("&Print"), QStringLiteral("Print the forecast and its backtest"),
                            QKeySequence::Print);
    m_copyButton = addTool(bar, QStringLiteral("&Copy Week"),
                           QStringLiteral("Copy the week forecast as interval rows for a spreadsheet"),
                           QKeySequence::Copy);
    m_weekButton = addTool(bar, QStringLiteral("Open as &Week"), QStringLiteral("Plan the week forecast"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    connect(m_openButton, &QToolButton::clicked, this, [this] { openHistory(); });
    connect(m_printButton, &QToolButton::clicked, this, [this] { print(); });
    connect(m_copyButton, &QToolButton::clicked, this, [this] { copy(); });
    connect(m_weekButton, &QToolButton::clicked, this, [this] { openAsWeek(); });
    bar->addStretch(1);
    return bar;
}

QToolButton *ForecastWindow::addTool(QHBoxLayout *bar, const QString &text, const QString &hint,
                                     const QKeySequence &key)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setToolTip(hint);
    QString name = text;
    button->setAccessibleName(name.remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    GiveToolButtonKey(button, key, this);
    bar->addWidget(button);
    return button;
}

QWidget *ForecastWindow::buildDayPane()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("&Days left out:"), box);
    m_days = new QListWidget(box);
    m_days->setAccessibleName(QStringLiteral("Days left out"));
    m_days->setAccessibleDescription(QStringLiteral("A ticked day of the history (a holiday, an outage) is left "
                                                    "out of the forecast and its backtest"));
    m_days->setToolTip(m_days->accessibleDescription());
    label->setBuddy(m_days);
    connect(m_days, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        leaveOut(item->data(DateRole).toDate(), item->checkState() == Qt::Checked);
    });
    column->addWidget(label);
    column->addWidget(m_days, 1);
    return box;
}

QWidget *ForecastWindow::buildResultPane()
{
    auto *pane = new QSplitter(Qt::Vertical, this);
    pane->setChildrenCollapsible(false);
    m_chart = new ChartWidget(pane);
    m_chart->setAccessibleName(QStringLiteral("History and forecast"));
    auto *tableBox = new QWidget(pane);
    auto *column = new QVBoxLayout(tableBox);
    column->setContentsMargins(0, 0, 0, 0);
    m_backtestLabel = new QLabel(tableBox);
    m_backtest = new BacktestTableModel(this);
    m_backtestView = new QTableView(tableBox);
    m_backtestView->setModel(m_backtest);
    m_backtestView->setAccessibleName(QStringLiteral("Backtest"));
    m_backtestView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_backtestView->setTabKeyNavigation(false);
    m_backtestView->verticalHeader()->hide();
    // One line a method: a long note is cut short, its whole text in reach
    // of a screen reader and the cell's width.
    m_backtestView->setWordWrap(false);
    m_backtestView->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_backtestView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_backtestView->horizontalHeader()->setStretchLastSection(true);
    m_backtestLabel->setBuddy(m_backtestView);
    column->addWidget(m_backtestLabel);
    column->addWidget(m_backtestView, 1);
    pane->addWidget(m_chart);
    pane->addWidget(tableBox);
    pane->setStretchFactor(0, 3);
    pane->setStretchFactor(1, 2);
    pane->setSizes({3000, 2000});
    return pane;
}

void ForecastWindow::openHistory()
{
    RunHandler(m_dialogs, [this] {
        const QString path = HistoryFile::choose(m_dialogs);
        if (path.isEmpty())
            return;
        if (std::optional<ForecastSession> read = HistoryFile::read(path, m_dialogs))
            showSession(std::move(*read));
    });
}

void ForecastWindow::showSession(ForecastSession session)
{
    m_session = std::move(session);
    fillDays();
    showForecast();
}

void ForecastWindow::fillDays()
{
    const QSignalBlocker quiet(m_days);
    m_days->clear();
    for (const QDate &date : m_session.historyDates()) {
        auto *item = new QListWidgetItem(dayText(date), m_days);
        item->setData(DateRole, date);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(m_session.isExcluded(date) ? Qt::Checked : Qt::Unchecked);
    }
    m_history->setText(QStringLiteral("History: %1 (%2 days, %3-minute slots)")
                           .arg(m_session.fileName())
                           .arg(m_session.series().dayCount())
                           .arg(m_session.series().slotMinutes()));
    setWindowTitle(QStringLiteral("Forecast - ") + QFileInfo(m_session.fileName()).fileName());
}

void ForecastWindow::showForecast()
{
    const ForecastOutcome &outcome = m_session.outcome();
    {
        const QSignalBlocker quiet(m_method);
        m_method->setCurrentIndex(m_method->findData(m_session.method() ? static_cast<int>(*m_session.method()) : -1));
    }
    {
        const QSignalBlocker quiet(m_days);
        for (int i = 0; i < m_days->count(); ++i) {
            QListWidgetItem *item = m_days->item(i);
            item->setCheckState(m_session.isExcluded(item->data(DateRole).toDate()) ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_summary->setText(QStringLiteral("Week of %1. %2.")
                           .arg(outcome.monday.toString(Qt::ISODate), ForecastText::chosenText(outcome)));
    ForecastChart::build(m_chart->model(), m_session.series(), outcome);
    m_chart->refresh();
    m_backtestLabel->setText(QStringLiteral("&Backtest over the last %1 days (WAPE per lead day):").arg(outcome.heldOutDays));
    m_backtest->setOutcome(outcome);
}

void ForecastWindow::chooseMethod(int index)
{
    RunHandler(m_dialogs, [&] {
        const int kind = m_method->itemData(index).toInt();
        const std::optional<ForecastMethodKind> method =
            kind >= 0 ? std::optional<ForecastMethodKind>(static_cast<ForecastMethodKind>(kind)) : std::nullopt;
        if (const auto refusal = m_session.setMethod(method))
            m_dialogs.error(QStringLiteral("The week cannot be forecast that way: %1. Nothing was changed").arg(*refusal));
        showForecast();
    });
}

void ForecastWindow::leaveOut(const QDate &date, bool excluded)
{
    RunHandler(m_dialogs, [&] {
        if (const auto refusal = m_session.setExcluded(date, excluded))
            m_dialogs.error(QStringLiteral("The week cannot be forecast that way: %1. Nothing was changed").arg(*refusal));
        showForecast();
    });
}

void ForecastWindow::print()
{
    RunHandler(m_dialogs, [this] { m_host.printForecast(ForecastReport::content(m_session, windowTitle())); });
}

void ForecastWindow::copy()
{
    RunHandler(m_dialogs, [this] { QGuiApplication::clipboard()->setText(m_session.copyText()); });
}

void ForecastWindow::openAsWeek()
{
    RunHandler(m_dialogs, [this] {
        WeekScenario week = m_host.newWeek();
        if (const auto problem = m_session.putWeekInto(week)) {
            m_dialogs.error(QStringLiteral("The week cannot be opened: %1").arg(*problem));
            return;
        }
        m_host.openWeek(week);
    });
}
