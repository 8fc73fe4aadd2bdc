// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPushButton;

// The About box: created once at start-up, shown without being modal, and
// hidden again (never destroyed) by OK, Enter or Escape.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QPushButton *okButton() const { return Button1; }
    void Button1Click() { hide(); }

private:
    QPushButton *Button1 = nullptr;
};
