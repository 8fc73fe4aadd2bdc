// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QPainter;
class QRect;

// A drawing a report places on its page besides texts and charts (a
// week's heat map): it paints itself into a rectangle of any painter.
class ReportPicture
{
public:
    virtual ~ReportPicture();
    // Draws into rect, leaving the painter's state as it was found.
    virtual void paint(QPainter &painter, const QRect &rect) const = 0;
    // What the picture shows, in a few words: what a recording canvas keeps.
    virtual QString name() const = 0;
};
