#include "platform/qt/HelpViewer.h"

#include "platform/DataPath.h"
#include "platform/Help.h"
#include "platform/qt/Placement.h"

#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

namespace {

// The help window asked for without an owner.
QPointer<CHelpWindow> g_ownerless;

// A help document larger than this is not a help document.
constexpr qint64 kMaxHelpBytes = 16 * 1024 * 1024;

bool DocumentHasAnchor(const QTextDocument& doc, const QString& name) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().anchorNames().contains(name))
            return true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().anchorNames().contains(name))
                return true;
        }
    }
    return false;
}

} // namespace

bool HelpDocumentHasAnchor(const QString& html, const QString& name) {
    QTextDocument doc;
    doc.setHtml(html);
    return DocumentHasAnchor(doc, name);
}

CHelpWindow::CHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("CHelpWindow");
    setWindowTitle(kHelpWindowTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_contents = new QPushButton(kHelpContentsLink, this);
    m_back = new QPushButton(kHelpBackButton, this);
    m_back->setEnabled(false);
    connect(m_contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
    connect(m_back, &QPushButton::clicked, this, &CHelpWindow::GoBack);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
    m_browser->document()->setDocumentMargin(10);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &CHelpWindow::OnLink);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 0);
    buttons->addWidget(m_contents);
    buttons->addWidget(m_back);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 480);
}

void CHelpWindow::ShowMessage(const QString& text) {
    m_anchor.clear();
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p>")
                       .arg(QString(kHelpWindowTitle).toHtmlEscaped(), text.toHtmlEscaped());
    if (m_state == State::MissingTopic)
        html += QStringLiteral("<p><a href=\"%1\">%2</a></p>")
                    .arg(QString(kHelpFileName), QString(kHelpContentsLink));
    m_browser->setHtml(html);
}

void CHelpWindow::ShowTopic(int contextNumber) {
    if (m_state != State::None && m_topic != contextNumber)
        m_history.push_back(m_topic);
    m_back->setEnabled(!m_history.empty());
    Show(contextNumber);
}

void CHelpWindow::GoBack() {
    if (m_history.empty())
        return;
    const int topic = m_history.back();
    m_history.pop_back();
    m_back->setEnabled(!m_history.empty());
    Show(topic);
}

void CHelpWindow::Show(int contextNumber) {
    m_topic = contextNumber;
    m_path = QString::fromStdString(RealPath(kHelpFileName));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxHelpBytes) {
        m_state = State::MissingDocument;
        ShowMessage(QString(kHelpFileMissing).arg(QString(kHelpFileName)));
        return;
    }
    const QString html = QString::fromUtf8(file.readAll());
    file.close();

    m_browser->document()->setBaseUrl(QUrl::fromLocalFile(QString::fromStdString(DataFolder())));
    m_browser->setSearchPaths({QString::fromStdString(DataFolder())});
    m_browser->setHtml(html);

    const QString anchor = QString::number(contextNumber);
    if (DocumentHasAnchor(*m_browser->document(), anchor)) {
        m_state = State::Topic;
        m_anchor = anchor;
    } else if (contextNumber == 0) {
        // The contents: the top of the document.
        m_state = State::Topic;
        m_anchor.clear();
    } else {
        m_state = State::MissingTopic;
        ShowMessage(
            QString(kHelpTopicMissing).arg(QString(kHelpFileName), QString::number(contextNumber)));
        return;
    }
    ScrollToTopic();
    // The layout follows the window's final size; scroll again once it is
    // settled.
    QPointer<CHelpWindow> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            self->ScrollToTopic();
    });
}

void CHelpWindow::ScrollToTopic() {
    if (m_anchor.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(m_anchor);
}

void CHelpWindow::OnLink(const QUrl& url) {
    const QString fragment = url.fragment();
    const QString path = url.path();
    if (url.scheme().isEmpty() || url.isLocalFile()) {
        const QString name = path.section('/', -1);
        if (name.isEmpty() || name.compare(kHelpFileName, Qt::CaseInsensitive) == 0) {
            bool numeric = false;
            int topic = fragment.toInt(&numeric);
            if (name.isEmpty() && !numeric && !fragment.isEmpty()) {
                m_browser->scrollToAnchor(fragment);
                return;
            }
            ShowTopic(numeric ? topic : 0);
            return;
        }
    }
    QDesktopServices::openUrl(url);
}

CHelpWindow* HelpWindowFor(QWidget* owner) {
    if (!owner)
        return g_ownerless.data();
    return owner->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

CHelpWindow* ShowHelpWindow(int contextNumber, QWidget* owner) {
    CHelpWindow* window = HelpWindowFor(owner);
    if (!window) {
        window = new CHelpWindow(owner);
        if (!owner) {
            window->setAttribute(Qt::WA_DeleteOnClose, true);
            g_ownerless = window;
        }
        // On the owner, inside the screen, wherever the window manager
        // would have put it.
        CentreOnOwner(window, owner);
    } else if (!window->isVisible()) {
        KeepOnScreen(window);
    }
    window->show();
    window->ShowTopic(contextNumber);
    window->raise();
    window->activateWindow();
    return window;
}

void InstallHelpViewer() {
    SetHelpHandler([](int contextNumber, void* owner) {
        ShowHelpWindow(contextNumber, static_cast<QWidget*>(owner));
    });
}

} // namespace platform
