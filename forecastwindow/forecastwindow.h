// SPDX-License-Identifier: MIT
#pragma once

#include "forecastsession.h"

#include <QString>
#include <QWidget>

class BacktestTableModel;
class ChartWidget;
class DialogService;
class ForecastWindowHost;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTableView;
class QToolButton;

// Next week's forecast from a history file: the history's last weeks and
// the week forecast drawn on one time axis, the backtest of every method,
// the method (the backtest's choice or one the planner picks) and the days
// of the history to leave out, each change forecasting again. Its commands
// print the forecast, copy the week for a spreadsheet and hand it on as a
// week to plan. A history that cannot be read, or a change that cannot be
// forecast, is refused with its message and changes nothing.
class ForecastWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 900;
    static constexpr int DesignHeight = 640;
    static constexpr int HelpTopic = 48;

    ForecastWindow(ForecastSession session, ForecastWindowHost &host, DialogService &dialogs, QWidget *parent = nullptr);

    // The window's commands, each with a tool button and a key.
    void openHistory(); // Open History... (Ctrl+O): another file in this window
    void print();       // Print (Ctrl+P)
    void copy();        // Copy Week (Ctrl+C)
    void openAsWeek();  // Open as Week (Ctrl+Shift+W)

    // Another history in this window (what Open History... reads).
    void showSession(ForecastSession session);
    // The planner's choices, as the controls make them: the method's index
    // in the method box (0: the backtest's choice) and a day's tick.
    void chooseMethod(int index);
    void leaveOut(const QDate &date, bool excluded);

    const ForecastSession &session() const { return m_session; }
    QComboBox *methodBox() const { return m_method; }
    QListWidget *dayList() const { return m_days; }
    QTableView *backtestView() const { return m_backtestView; }
    BacktestTableModel *backtestModel() const { return m_backtest; }
    ChartWidget *chart() const { return m_chart; }
    QToolButton *printButton() const { return m_printButton; }
    QLabel *summaryLabel() const { return m_summary; }

private:
    QHBoxLayout *buildToolBar();
    QToolButton *addTool(QHBoxLayout *bar, const QString &text, const QString &hint, const QKeySequence &key);
    QWidget *buildDayPane();
    QWidget *buildResultPane();
    void fillDays();
    // The controls as the session stands: method, ticks, chart, table.
    void showForecast();

    ForecastSession m_session;
    ForecastWindowHost &m_host;
    DialogService &m_dialogs;
    QToolButton *m_openButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QToolButton *m_copyButton = nullptr;
    QToolButton *m_weekButton = nullptr;
    QLabel *m_history = nullptr;
    QComboBox *m_method = nullptr;
    QLabel *m_summary = nullptr;
    QListWidget *m_days = nullptr;
    ChartWidget *m_chart = nullptr;
    QLabel *m_backtestLabel = nullptr;
    QTableView *m_backtestView = nullptr;
    BacktestTableModel *m_backtest = nullptr;
};
