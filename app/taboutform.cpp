// SPDX-License-Identifier: MIT
#include "taboutform.h"

#include "desktopidentity.h"
#include "varnookversion.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Varnook"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(VarnookIcon().pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon);
    auto *text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h3>Varnook %1</h3>"
                                 "<p>Staffing calculator for telephone call centres.</p>"
                                 "<p>Works out how many agents a call load needs to meet<br>"
                                 "a service-level goal, for a whole period or slot by slot.</p>")
                      .arg(QStringLiteral(VARNOOK_VERSION)));
    top->addWidget(text, 1);
    layout->addLayout(top);
    auto *buttons = new QDialogButtonBox(this);
    Button1 = buttons->addButton(QDialogButtonBox::Ok);
    Button1->setDefault(true);
    layout->addWidget(buttons);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
