// SPDX-License-Identifier: MIT
#include "maintoolbar.h"

#include "hint.h"
#include "toolicons.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace {

QToolButton *makeButton(QToolBar *bar, ToolIcon icon, const QString &hint)
{
    auto *button = new QToolButton(bar);
    // The icon theme is looked up once the window shows: the first
    // look-up costs several milliseconds of start-up.
    QMetaObject::invokeMethod(
        button, [button, icon] { button->setIcon(MakeToolIcon(icon)); }, Qt::QueuedConnection);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setMinimumSize(25, 25);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

MainToolBar::MainToolBar(QWidget *parent)
    : QToolBar(QStringLiteral("Tool bar"), parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setAccessibleName(QStringLiteral("Tool bar"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setVisible(false);
    setIconSize(QSize(18, 18));
    SpeedButton1 = makeButton(this, ToolIcon::NewWindow, QStringLiteral("New Agents window"));
    SpeedButton4 = makeButton(this, ToolIcon::ExitProgram, QStringLiteral("Close Varnook"));
    addWidget(SpeedButton1);
    addWidget(SpeedButton4);

    auto *spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    buildHintPanel();
    // The tool bar's own button for what does not fit (shown only then).
    if (auto *more = findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More tools"));
}

void MainToolBar::buildHintPanel()
{
    Panel2 = new QLabel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    // A screen reader reads the focused control's hint as its description;
    // the panel that repeats it on screen is named for what it is.
    Panel2->setAccessibleName(QStringLiteral("Hint panel"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel2->setMinimumSize(200, 23);
    Panel2->setMaximumWidth(457);
    Panel2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont hintFont(QStringLiteral("Arial"));
    hintFont.setPixelSize(13);
    Panel2->setFont(hintFont);
    addWidget(Panel2);
    // The hint in the system's highlight colour, in every state of the
    // window (a palette set on the label alone gave way to the tool bar's).
    Panel2->setStyleSheet(QStringLiteral("QLabel#Panel2 { color: palette(highlight); }"));
}

void MainToolBar::showHintOf(QWidget *now)
{
    m_panelTextBeforeTip.reset();
    Panel2->setText(now ? HintOf(now) : QString());
}

void MainToolBar::showStatusTip(const QString &tip)
{
    if (!tip.isEmpty()) {
        if (!m_panelTextBeforeTip)
            m_panelTextBeforeTip = Panel2->text();
        Panel2->setText(tip);
    } else if (m_panelTextBeforeTip) {
        Panel2->setText(*m_panelTextBeforeTip);
        m_panelTextBeforeTip.reset();
    }
}
