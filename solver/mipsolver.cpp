// SPDX-License-Identifier: MIT
#include "mipsolver.h"

#include "mipmodel.h"
#include "mipprogress.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinError.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>

#include <chrono>
#include <cmath>
#include <limits>
#include <mutex>
#include <stdexcept>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Stops the branch and bound at its next event once the flag is set or the
// deadline has passed. The deadline is kept here rather than handed to CBC
// as a decimal text, which its driver reads in the program's locale.
class CancelHandler : public CbcEventHandler
{
public:
    CancelHandler(const std::atomic<bool> *cancel, Clock::time_point deadline, MipProgress *progress)
        : m_cancel(cancel), m_deadline(deadline), m_progress(progress)
    {
    }
    CbcEventHandler *clone() const override { return new CancelHandler(*this); }
    CbcAction event(CbcEvent) override
    {
        if (m_progress && model_) {
            // Above this CBC means no plan yet.
            constexpr double NoPlan = 1e49;
            const double best = model_->getMinimizationObjValue();
            m_progress->report(best < NoPlan ? best : std::numeric_limits<double>::infinity(),
                               model_->getBestPossibleObjValue());
        }
        const bool cancelled = m_cancel && m_cancel->load();
        return cancelled || Clock::now() >= m_deadline ? stop : noAction;
    }

private:
    const std::atomic<bool> *m_cancel;
    Clock::time_point m_deadline;
    MipProgress *m_progress;
};

int NoCallBack(CbcModel *, int)
{
    return 0;
}

// CBC's command driver parses its arguments through static state.
std::timed_mutex &DriverMutex()
{
    static std::timed_mutex mutex;
    return mutex;
}

void LoadModel(OsiClpSolverInterface &solver, const MipModel &model)
{
    const auto count = static_cast<int>(model.columns.size());
    CoinPackedMatrix matrix(false, 0, 0);
    matrix.setDimensions(0, count);
    std::vector<double> rowLower;
    std::vector<double> rowUpper;
    for (const MipModel::Row &row : model.rows) {
        std::vector<int> indices;
        std::vector<double> elements;
        for (const auto &[column, coefficient] : row.terms) {
            indices.push_back(column);
            elements.push_back(coefficient);
        }
        matrix.appendRow(static_cast<int>(indices.size()), indices.data(), elements.data());
        rowLower.push_back(std::isfinite(row.lower) ? row.lower : -COIN_DBL_MAX);
        rowUpper.push_back(std::isfinite(row.upper) ? row.upper : COIN_DBL_MAX);
    }
    std::vector<double> columnLower(model.columns.size(), 0.0);
    std::vector<double> columnUpper;
    std::vector<double> cost;
    for (const MipModel::Column &column : model.columns) {
        columnUpper.push_back(std::isfinite(column.upper) ? column.upper : COIN_DBL_MAX);
        cost.push_back(column.cost);
    }
    solver.loadProblem(matrix, columnLower.data(), columnUpper.data(), cost.data(), rowLower.data(), rowUpper.data());
    for (int i = 0; i < count; ++i) {
        if (model.columns[static_cast<std::size_t>(i)].integer)
            solver.setInteger(i);
    }
    solver.messageHandler()->setLogLevel(0);
}

// Whether `values` give every column a value within its bounds (whole for
// an integer column) and keep every row. CBC 2.10 crashes in its
// preprocessing on some starts that do not.
bool Keeps(const MipModel &model, const std::vector<double> &values)
{
    constexpr double Tolerance = 1e-7;
    if (values.size() != model.columns.size())
        return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const MipModel::Column &column = model.columns[i];
        if (values[i] < -Tolerance || values[i] > column.upper + Tolerance
            || (column.integer && std::abs(values[i] - std::round(values[i])) > Tolerance))
            return false;
    }
    for (const MipModel::Row &row : model.rows) {
        double activity = 0;
        for (const auto &[column, coefficient] : row.terms)
            activity += coefficient * values[static_cast<std::size_t>(column)];
        if (activity < row.lower - Tolerance || activity > row.upper + Tolerance)
            return false;
    }
    return true;
}

MipSolution Solve(const MipModel &model, const MipSettings &settings)
{
    const auto started = Clock::now();
    MipSolution result;
    OsiClpSolverInterface solver;
    LoadModel(solver, model);

    // The time spent waiting for the driver counts against the limit, and a
    // cancel ends the wait.
    const auto deadline = started + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(std::max(0.0, settings.timeLimitSeconds)));
    std::unique_lock<std::timed_mutex> lock(DriverMutex(), std::defer_lock);
    while (!lock.try_lock_for(std::chrono::milliseconds(50))) {
        result.cancelled = settings.cancel && settings.cancel->load();
        if (result.cancelled || Clock::now() >= deadline) {
            result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
            return result;
        }
    }
    // CBC's own limit, the time left in whole seconds (a text every locale
    // reads alike), stops the phases before the search, where no event comes.
    const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
    const std::string seconds = std::to_string(static_cast<long long>(std::ceil(std::max(1.0, left))));
    CbcModel cbc(solver);
    cbc.setLogLevel(0);
    cbc.messageHandler()->setLogLevel(0);
    CancelHandler handler(settings.cancel, deadline, settings.progress);
    cbc.passInEventHandler(&handler);
    CbcSolverUsefulData data;
    data.noPrinting_ = true;
    CbcMain0(cbc, data);
    if (!settings.start.empty() && Keeps(model, settings.start)) {
        // CBC takes a starting solution by column names.
        std::vector<std::pair<std::string, double>> start;
        for (std::size_t i = 0; i < model.columns.size() && i < settings.start.size(); ++i) {
            solver.setColName(static_cast<int>(i), model.columns[i].name);
            cbc.solver()->setColName(static_cast<int>(i), model.columns[i].name);
            start.emplace_back(model.columns[i].name, settings.start[i]);
        }
        cbc.setMIPStart(start);
    }
    std::vector<const char *> arguments = {"varnook", "-log", "0", "-timeMode", "elapsed", "-seconds", seconds.c_str()};
    if (settings.proximitySearch)
        arguments.insert(arguments.end(), {"-proximity", "on"});
    arguments.insert(arguments.end(), {"-solve", "-quit"});
    if (!(settings.cancel && settings.cancel->load()))
        CbcMain1(static_cast<int>(arguments.size()), arguments.data(), cbc, NoCallBack, data);

    result.cancelled = settings.cancel && settings.cancel->load();
    const double *best = cbc.bestSolution();
    if (best && !cbc.isProvenInfeasible()) {
        result.values.assign(best, best + model.columns.size());
        result.objective = cbc.getObjValue();
        result.bound = std::min(cbc.getBestPossibleObjValue(), result.objective);
        result.status = cbc.isProvenOptimal() && !result.cancelled ? MipStatus::Optimal : MipStatus::Stopped;
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    return result;
}

} // namespace

MipSolution SolveMip(const MipModel &model, const MipSettings &settings)
{
    try {
        return Solve(model, settings);
    } catch (const CoinError &e) {
        throw std::runtime_error(e.message());
    }
}
