// SPDX-License-Identifier: MIT
#include "helpwindow.h"

#include "tagentform.h"

#include <QHelpContentWidget>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A page browser that reads the help file's pages and images.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent)
        : QTextBrowser(parent)
        , m_engine(engine)
    {
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *m_engine;
};

} // namespace

HelpWindow::HelpWindow(const QString &collectionFile, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Varnook Help"));
    resize(860, 600);
    m_engine = new QHelpEngine(collectionFile, this);
    m_engine->setReadOnly(true);
    m_engine->setupData();

    auto *splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->setAccessibleName(QStringLiteral("Contents and index"));
    m_engine->contentWidget()->setAccessibleName(QStringLiteral("Help topics"));
    m_tabs->addTab(m_engine->contentWidget(), QStringLiteral("&Contents"));
    auto *indexPage = new QWidget(m_tabs);
    auto *indexLayout = new QVBoxLayout(indexPage);
    auto *filter = new QLineEdit(indexPage);
    filter->setPlaceholderText(QStringLiteral("Type a keyword"));
    filter->setAccessibleName(QStringLiteral("Find keyword"));
    m_engine->indexWidget()->setAccessibleName(QStringLiteral("Keywords"));
    filter->setClearButtonEnabled(true);
    for (QToolButton *clear : filter->findChildren<QToolButton *>())
        clear->setAccessibleName(QStringLiteral("Clear keyword"));
    indexLayout->addWidget(filter);
    indexLayout->addWidget(m_engine->indexWidget());
    m_tabs->addTab(indexPage, QStringLiteral("&Index"));
    m_browser = new HelpBrowser(m_engine, splitter);
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    m_browser->verticalScrollBar()->setAccessibleName(QStringLiteral("Scroll help page"));
    m_browser->horizontalScrollBar()->setAccessibleName(QStringLiteral("Scroll help page sideways"));
    m_browser->setOpenExternalLinks(true);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 620});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    // Escape and Ctrl+W close the window, as in other help viewers.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *closeKey = new QShortcut(key, this);
        connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    }

    connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, m_browser,
            [this](const QUrl &link) { m_browser->setSource(link); });
    // One click on a topic of the contents opens it (the tree's own
    // activation wants a double click on most desktops).
    connect(m_engine->contentWidget(), &QHelpContentWidget::clicked, m_browser, [this](const QModelIndex &index) {
        if (QHelpContentItem *item = m_engine->contentModel()->contentItemAt(index); item && item->url().isValid())
            m_browser->setSource(item->url());
    });
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, m_browser,
            [this](const QHelpLink &document, const QString &) { m_browser->setSource(document.url); });
    connect(filter, &QLineEdit::textChanged, m_engine->indexWidget(),
            [this](const QString &text) { m_engine->indexWidget()->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, m_engine->indexWidget(), &QHelpIndexWidget::activateCurrentItem);
}

QTextBrowser *HelpWindow::browser() const
{
    return m_browser;
}

void HelpWindow::bringToFront()
{
    if (m_browser->source().isEmpty())
        showTopic(TAgentForm::HelpTopic);
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents()
{
    m_tabs->setCurrentIndex(0);
    bringToFront();
}

void HelpWindow::showIndex()
{
    m_tabs->setCurrentIndex(1);
    bringToFront();
}

bool HelpWindow::showTopic(int topic)
{
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(topic));
    if (links.isEmpty())
        return false;
    m_browser->setSource(links.constFirst().url);
    show();
    raise();
    activateWindow();
    return true;
}
