// SPDX-License-Identifier: MIT
#include "screenfit.h"

#include <algorithm>
#include <cstdlib>

namespace {

qint64 sharedArea(const QRect &a, const QRect &b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// The start of a span of `length` moved into [low, low + room) as little as
// possible; a span longer than the room starts at low.
int moveInto(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

QRect FitOnScreens(const QRect &geometry, const QMargins &frame, const QList<QRect> &screens, const QSize &minimum)
{
    // No desktop is a million pixels across: larger figures come from a
    // damaged settings file, and would overflow the sums below.
    constexpr int Far = 1000000;
    const bool sane = std::abs(geometry.left()) < Far && std::abs(geometry.top()) < Far && geometry.width() < Far
        && geometry.height() < Far;
    if (!sane || geometry.isEmpty() || screens.isEmpty())
        return {};
    const QRect framed = geometry.marginsAdded(frame);
    QRect screen = screens.first();
    qint64 best = 0;
    for (const QRect &candidate : screens) {
        const qint64 area = sharedArea(framed, candidate);
        if (area > best) {
            best = area;
            screen = candidate;
        }
    }
    const QSize room = screen.size().shrunkBy(frame);
    const QSize size = geometry.size().boundedTo(room).expandedTo(minimum);
    const int frameWidth = size.width() + frame.left() + frame.right();
    const int frameHeight = size.height() + frame.top() + frame.bottom();
    const int left = moveInto(framed.left(), frameWidth, screen.left(), screen.width());
    const int top = moveInto(framed.top(), frameHeight, screen.top(), screen.height());
    return QRect(QPoint(left + frame.left(), top + frame.top()), size);
}
