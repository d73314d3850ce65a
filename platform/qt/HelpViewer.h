// The help hub's Qt side: a help window over a QTextBrowser.
//
// The help document "deduxa.hlp" lies at the top of the data folder and is
// HTML; a topic begins at an anchor named by its context number
// (<a name="1001"></a>). ShowHelpTopic(n, owner) opens the document at topic
// n in a help window owned by the asking window: one help window per owner,
// reused by later requests and destroyed with its owner. Topic 0 is the
// contents: its anchor when the document has one, else the top. A missing
// document or topic is said inside the help window; the asking window is
// left as it was.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace platform {

inline constexpr const char* kHelpFileName = "deduxa.hlp";
inline constexpr const char* kHelpWindowTitle = "Deduxa Help";
// Shown inside the help window; %1 is the file name, %2 the context number.
inline constexpr const char* kHelpFileMissing = "The help file %1 could not be found.";
inline constexpr const char* kHelpTopicMissing = "Help topic %2 is not in the help file %1.";
inline constexpr const char* kHelpContentsLink = "Contents";
inline constexpr const char* kHelpBackButton = "Back";

class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    enum class State { None, Topic, MissingDocument, MissingTopic };

    // A top-level window owned by owner (which may be null).
    explicit CHelpWindow(QWidget* owner);

    // Reads the help document afresh and shows topic contextNumber.
    void ShowTopic(int contextNumber);

    // Goes back to the topic shown before the current one, if any.
    void GoBack();

    QTextBrowser* Browser() const { return m_browser; }
    QPushButton* ContentsButton() const { return m_contents; }
    QPushButton* BackButton() const { return m_back; }
    int Topic() const { return m_topic; }
    State state() const { return m_state; }
    // The path the document was looked for at.
    const QString& DocumentPath() const { return m_path; }

private:
    void ShowMessage(const QString& text);
    void OnLink(const QUrl& url);
    void ScrollToTopic();
    void Show(int contextNumber);

    QTextBrowser* m_browser;
    QPushButton* m_contents;
    QPushButton* m_back;
    std::vector<int> m_history; // topics shown before the current one
    QString m_path;
    QString m_anchor; // anchor the view is at; empty for the top
    int m_topic = -1;
    State m_state = State::None;
};

// The help window owned by owner (null: the one without owner), or null.
CHelpWindow* HelpWindowFor(QWidget* owner);

// Opens topic contextNumber for owner, creating the help window when needed,
// and brings it to the front. Returns the window.
CHelpWindow* ShowHelpWindow(int contextNumber, QWidget* owner);

// Installs the viewer as the help hub's handler. The owner passed to
// platform::ShowHelpTopic is the asking QWidget (or null).
void InstallHelpViewer();

// True when html holds an anchor named name (<a name="...">).
bool HelpDocumentHasAnchor(const QString& html, const QString& name);

} // namespace platform
