// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

class DialogService;

// The program's application object: titled "Varnook", and the last guard
// that keeps any exception out of Qt's event loop, reporting it in the
// standard error box instead.
class VarnookApplication : public QApplication
{
    Q_OBJECT
public:
    VarnookApplication(int &argc, char **argv);

    void setDialogs(DialogService *dialogs) { m_dialogs = dialogs; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    DialogService *m_dialogs = nullptr;
};
