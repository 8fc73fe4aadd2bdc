// SPDX-License-Identifier: MIT
#include "tabortprint.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAbortPrint::TAbortPrint(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint)
{
    setObjectName(QStringLiteral("AbortPrint"));
    setWindowTitle(QStringLiteral("AbortPrint"));
    setModal(false);
    QFont dialogFont(QStringLiteral("System"));
    dialogFont.setPixelSize(13);
    setFont(dialogFont);
    setFixedSize(311, 71);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, 311, 71);

    PrintMessage = new QLabel(QStringLiteral("Press Cancel to abort printing"), Panel1);
    PrintMessage->setObjectName(QStringLiteral("PrintMessage"));
    PrintMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PrintMessage->setGeometry(4, 9, 301, 16);

    Button2 = new QPushButton(QStringLiteral("&Cancel"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(116, 36, 77, 25);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TAbortPrint::ShowPrinting(const QString &text)
{
    PrintMessage->setText(text);
    show();
    raise();
    activateWindow();
}

void TAbortPrint::Button2Click()
{
    if (m_cancelling)
        return;
    m_cancelling = true;
    if (m_abortHandler)
        m_abortHandler();
    hide();
    m_cancelling = false;
}

void TAbortPrint::reject()
{
    Button2Click();
}

void TAbortPrint::closeEvent(QCloseEvent *event)
{
    if (isVisible() && !m_cancelling)
        Button2Click();
    event->accept();
}
