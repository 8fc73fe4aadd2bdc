// SPDX-License-Identifier: MIT
#include "mipsolver.h"

#include "mipmodel.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>

#include <chrono>
#include <cmath>
#include <mutex>
#include <string>

namespace {

// Stops the branch and bound at its next event once the flag is set.
class CancelHandler : public CbcEventHandler
{
public:
    explicit CancelHandler(const std::atomic<bool> *cancel) : m_cancel(cancel) {}
    CbcEventHandler *clone() const override { return new CancelHandler(*this); }
    CbcAction event(CbcEvent) override
    {
        return m_cancel && m_cancel->load() ? stop : noAction;
    }

private:
    const std::atomic<bool> *m_cancel;
};

int NoCallBack(CbcModel *, int)
{
    return 0;
}

// CBC's command driver parses its arguments through static state.
std::mutex &DriverMutex()
{
    static std::mutex mutex;
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

} // namespace

MipSolution SolveMip(const MipModel &model, const MipSettings &settings)
{
    const auto started = std::chrono::steady_clock::now();
    MipSolution result;
    OsiClpSolverInterface solver;
    LoadModel(solver, model);

    std::lock_guard<std::mutex> lock(DriverMutex());
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const std::string seconds = std::to_string(std::max(0.01, settings.timeLimitSeconds - elapsed));
    CbcModel cbc(solver);
    cbc.setLogLevel(0);
    cbc.messageHandler()->setLogLevel(0);
    CancelHandler handler(settings.cancel);
    cbc.passInEventHandler(&handler);
    CbcSolverUsefulData data;
    data.noPrinting_ = true;
    CbcMain0(cbc, data);
    const char *arguments[] = {"varnook", "-log", "0", "-timeMode", "elapsed", "-seconds", seconds.c_str(),
                               "-solve", "-quit"};
    if (!(settings.cancel && settings.cancel->load()))
        CbcMain1(static_cast<int>(std::size(arguments)), arguments, cbc, NoCallBack, data);

    result.cancelled = settings.cancel && settings.cancel->load();
    const double *best = cbc.bestSolution();
    if (best && !cbc.isProvenInfeasible()) {
        result.values.assign(best, best + model.columns.size());
        result.objective = cbc.getObjValue();
        result.bound = std::min(cbc.getBestPossibleObjValue(), result.objective);
        result.status = cbc.isProvenOptimal() && !result.cancelled ? MipStatus::Optimal : MipStatus::Stopped;
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return result;
}
