// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QFrame;

// The printing dialog: says which window prints and offers Cancel. Created
// once at start-up, hidden, and shown without being modal while a report
// prints.
class TAbortPrint : public QDialog
{
    Q_OBJECT
public:
    explicit TAbortPrint(QWidget *parent = nullptr);

    // Sets the message and shows the dialog in front.
    void ShowPrinting(const QString &text);
    // Cancel: runs the abort of the job being printed, then closes.
    void Button2Click();

    // What Cancel aborts; set by a print while it runs, cleared after.
    void setAbortHandler(std::function<void()> handler) { m_abortHandler = std::move(handler); }

    QLabel *printMessage() const { return PrintMessage; }
    QPushButton *cancelButton() const { return Button2; }

protected:
    // Escape and the system menu's Close cancel as the button does: a print
    // never runs on without its dialog.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    QFrame *Panel1 = nullptr;
    QLabel *PrintMessage = nullptr;
    QPushButton *Button2 = nullptr;
    std::function<void()> m_abortHandler;
    bool m_cancelling = false;
};
