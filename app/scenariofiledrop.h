// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

// Scenario files dragged from the file manager onto a window: each dropped
// file opens as a file named on the command line does. Drags that carry no
// local file are left to the widget under the cursor (a field still takes
// dropped text).
class ScenarioFileDrop : public QObject
{
    Q_OBJECT
public:
    using OpenHandler = std::function<void(const QString &path)>;

    // Watches drags over `window` and every widget inside it.
    ScenarioFileDrop(QWidget *window, OpenHandler open);

    // The local files (not folders) a drag carries, in its order.
    static QStringList scenarioFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    OpenHandler m_open;
};
