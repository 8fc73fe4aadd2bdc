// SPDX-License-Identifier: MIT
#include "reportcanvas.h"

#include "reportdocument.h"

ReportPicture::~ReportPicture() = default;
ReportDocument::~ReportDocument() = default;

ReportCanvas::~ReportCanvas() = default;
