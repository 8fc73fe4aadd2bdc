// SPDX-License-Identifier: MIT
#include "agentwindowplacement.h"

#include "tagentform.h"
#include "windowtiling.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

void MakeRoomFor(QMainWindow &main, const QSize &childSize)
{
    // A frame grows, within the screen, until a new child window fits its
    // client area: the designed sizes are too small for the fonts of many
    // desktops. The margin allows for the menu, tool bar and child frame.
    if (main.isMaximized() || main.isFullScreen())
        return;
    QSize wanted = main.size().expandedTo(childSize + QSize(24, 110));
    if (const QScreen *s = main.screen())
        wanted = wanted.boundedTo(s->availableGeometry().size());
    if (wanted != main.size())
        main.resize(wanted.expandedTo(main.size()));
}

QMdiSubWindow *PlaceAgentWindow(QMainWindow &main, QMdiArea &area, TAgentForm &form)
{
    const QSize childSize = QSize(603, 348).expandedTo(form.sizeHint() + QSize(12, 34))
                                .expandedTo(form.minimumSizeHint() + QSize(12, 34));
    MakeRoomFor(main, childSize);
    QMdiSubWindow *child = area.addSubWindow(&form);
    child->setAttribute(Qt::WA_DeleteOnClose);
    // A click on no control (a blank part, a tool button) leaves the
    // cursor where it is: the frame does not take it on its way to the
    // child's last focus (and a field's exit does not run twice).
    child->setFocusPolicy(Qt::NoFocus);
    child->resize(childSize.expandedTo(child->minimumSizeHint()));
    child->show();
    KeepInside(child, area.viewport()->rect());
    area.setActiveSubWindow(child);
    // The first field in the tab order takes the cursor.
    form.widgets().field(Field::MaskEdit5)->setFocus(Qt::OtherFocusReason);
    return child;
}
