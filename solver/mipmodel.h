// SPDX-License-Identifier: MIT
#pragma once

#include <limits>
#include <string>
#include <utility>
#include <vector>

// A mixed-integer model to minimise, as plain data: what the solver is
// given and what the LP file shows. Names are plain ASCII letters, digits
// and underscores, as the CPLEX LP format takes them.
struct MipModel
{
    static constexpr double Infinity = std::numeric_limits<double>::infinity();

    struct Column
    {
        std::string name;
        double cost = 0;
        double upper = Infinity; // the lower bound is always 0
        bool integer = true;
    };
    struct Row
    {
        std::string name;
        std::vector<std::pair<int, double>> terms; // column index, coefficient
        double lower = -Infinity;
        double upper = Infinity;
    };

    std::vector<Column> columns;
    std::vector<Row> rows;
    std::vector<std::string> comments; // lines at the head of an LP file

    int addColumn(Column column)
    {
        columns.push_back(std::move(column));
        return static_cast<int>(columns.size()) - 1;
    }
};
