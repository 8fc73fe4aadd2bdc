// SPDX-License-Identifier: MIT
#include "lpformat.h"

#include "mipmodel.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace {

// A text that reads back as the same double, with "." whatever the
// program's locale: 15 digits when they do, else 17.
std::string Number(double value)
{
    for (const int precision : {15, 17}) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(precision);
        out << value;
        std::istringstream in(out.str());
        in.imbue(std::locale::classic());
        double back = 0;
        in >> back;
        if (back == value || precision == 17)
            return out.str();
    }
    return {};
}

// Writes "label: a x + b y ..." wrapped into lines short enough for any reader.
class TermWriter
{
public:
    explicit TermWriter(std::ostringstream &out) : m_out(out) {}

    void start(const std::string &label)
    {
        m_line = " " + label + ":";
        m_empty = true;
    }
    void add(double coefficient, const std::string &name)
    {
        std::string term = coefficient < 0 ? " - " : (m_empty ? " " : " + ");
        const double size = std::fabs(coefficient);
        if (size != 1 || coefficient == 0)
            term += Number(size) + " ";
        term += name;
        if (m_line.size() + term.size() > 200) {
            m_out << m_line << "\n";
            m_line = "  ";
        }
        m_line += term;
        m_empty = false;
    }
    void finish(const std::string &tail)
    {
        if (m_empty)
            m_line += " 0";
        m_out << m_line << tail << "\n";
    }

private:
    std::ostringstream &m_out;
    std::string m_line;
    bool m_empty = true;
};

void WriteRows(std::ostringstream &out, const MipModel &model)
{
    TermWriter writer(out);
    for (const MipModel::Row &row : model.rows) {
        const bool ranged = std::isfinite(row.lower) && std::isfinite(row.upper) && row.lower != row.upper;
        // A ranged row is written as two, since the format's ranges are not
        // read alike by every solver.
        for (int half = 0; half < (ranged ? 2 : 1); ++half) {
            writer.start(ranged ? row.name + (half == 0 ? "_lo" : "_hi") : row.name);
            for (const auto &[column, coefficient] : row.terms)
                writer.add(coefficient, model.columns[static_cast<std::size_t>(column)].name);
            std::string tail;
            if (row.lower == row.upper)
                tail = " = " + Number(row.lower);
            else if (std::isfinite(row.lower) && (!ranged || half == 0))
                tail = " >= " + Number(row.lower);
            else
                tail = " <= " + Number(row.upper);
            writer.finish(tail);
        }
    }
}

} // namespace

std::string LpFormatText(const MipModel &model)
{
    std::ostringstream out;
    for (const std::string &comment : model.comments)
        out << "\\ " << comment << "\n";
    out << "Minimize\n";
    TermWriter writer(out);
    writer.start("cost");
    for (const MipModel::Column &column : model.columns)
        if (column.cost != 0)
            writer.add(column.cost, column.name);
    writer.finish("");
    out << "Subject To\n";
    WriteRows(out, model);
    out << "Bounds\n";
    for (const MipModel::Column &column : model.columns) {
        if (std::isfinite(column.upper))
            out << " 0 <= " << column.name << " <= " << Number(column.upper) << "\n";
    }
    bool anyInteger = false;
    for (const MipModel::Column &column : model.columns)
        anyInteger = anyInteger || column.integer;
    if (anyInteger) {
        out << "General\n";
        std::string line;
        for (const MipModel::Column &column : model.columns) {
            if (!column.integer)
                continue;
            if (line.size() + column.name.size() > 200) {
                out << line << "\n";
                line.clear();
            }
            line += " " + column.name;
        }
        out << line << "\n";
    }
    out << "End\n";
    return out.str();
}
