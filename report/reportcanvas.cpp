// SPDX-License-Identifier: MIT
#include "reportcanvas.h"

ReportCanvas::~ReportCanvas() = default;
