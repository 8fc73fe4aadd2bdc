// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

// A failure the printing service reports while a report is output (a page
// that cannot be begun, a device that stopped accepting output).
class PrinterError : public std::runtime_error
{
public:
    explicit PrinterError(const std::string &what)
        : std::runtime_error(what)
    {
    }
};
