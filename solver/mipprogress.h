// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cmath>
#include <limits>
#include <optional>

// What a running solve of paid hours has found so far, written by the
// solving thread at the search's events and read by another: the best
// plan's paid hours and the bound below them.
class MipProgress
{
public:
    struct Figures
    {
        std::optional<double> paidHours; // none before a plan is found
        std::optional<double> bound;
        // (paid hours - bound) / paid hours, once both are known.
        std::optional<double> gap() const
        {
            if (!paidHours || !bound || *paidHours <= 0)
                return std::nullopt;
            return std::max(0.0, (*paidHours - *bound) / *paidHours);
        }
    };

    // Forgets what an earlier solve found.
    void clear()
    {
        m_objective = NaN;
        m_bound = NaN;
    }
    // The paid hours one unit of the objective of the model now solved
    // stands for; 0 while a model of something else (a shortfall, a
    // service level) runs, whose figures are not shown.
    void setHoursPerUnit(double hours) { m_hoursPerUnit = hours; }
    double hoursPerUnit() const { return m_hoursPerUnit; }
    // From the solving thread: the objective of the best plan found (none
    // yet: not finite) and the bound, in the model's units.
    void report(double objective, double bound)
    {
        const double scale = m_hoursPerUnit;
        if (scale <= 0)
            return;
        m_objective = std::isfinite(objective) ? objective * scale : NaN;
        m_bound = std::isfinite(bound) ? bound * scale : NaN;
    }
    Figures figures() const
    {
        Figures figures;
        if (const double objective = m_objective; !std::isnan(objective))
            figures.paidHours = objective;
        if (const double bound = m_bound; !std::isnan(bound))
            figures.bound = bound;
        return figures;
    }

private:
    static constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    std::atomic<double> m_objective{NaN};
    std::atomic<double> m_bound{NaN};
    std::atomic<double> m_hoursPerUnit{1.0};
};
