// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

// The help file's contents-and-index window: the contents tree and the
// keyword index beside the page browser. One window serves Contents, Index
// and the topics opened by F1.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // `collectionFile` must exist: a help engine on a missing path would
    // leave an empty file behind.
    explicit HelpWindow(const QString &collectionFile, QWidget *parent = nullptr);

    // Shows the window with the contents (or the index) in front.
    void showContents();
    void showIndex();
    // Shows the page of a topic number; false when the help file has none.
    bool showTopic(int topic);

    QHelpEngine *engine() const { return m_engine; }
    QTextBrowser *browser() const;

private:
    void bringToFront();

    QHelpEngine *m_engine = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTextBrowser *m_browser = nullptr;
};
