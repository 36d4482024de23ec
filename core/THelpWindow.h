#pragma once
// The help window: the topics of the program's help file with a contents list,
// a search field and back/forward through the topics read. The help file is one
// HTML page; each topic starts with a first-level heading that carries an anchor,
// "ctx<number>" for the topic of a window's help context.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace ombrix {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Reads the help file; false (and a notice in the window) when it cannot be read.
    bool Load(const QString& path);
    bool IsLoaded() const { return !m_Topics.empty(); }

    bool ShowContext(int context);
    bool ShowContents();
    bool ShowSearch();
    bool ShowHelpOnHelp();
    bool ShowAnchor(const QString& anchor);

    // The anchor of the topic shown ("ctx13", "contents"), empty when none.
    QString CurrentAnchor() const;
    // The help context of the topic shown, -1 for a topic of no window.
    int CurrentContext() const;
    QString CurrentTitle() const;
    QStringList TopicAnchors() const;
    // Titles of the topics that the search key leaves in the contents list.
    QStringList VisibleTopicTitles() const;

private:
    struct Topic {
        QString anchor;
        QString title;
        QString html;
        QString plainText; // title and body, for the search
    };

    int IndexOf(const QString& anchor) const;
    void ShowTopic(int index, bool remember);
    void ShowNotice(const QString& html);
    void FilterContents(const QString& key);
    void ContentsRowChanged(int row);
    void LinkClicked(const QUrl& url);
    void GoBack();
    void GoForward();
    void UpdateButtons();

    QLineEdit* m_pSearch;
    QListWidget* m_pContents;
    QTextBrowser* m_pText;
    QPushButton* m_pContentsButton;
    QPushButton* m_pBackButton;
    QPushButton* m_pForwardButton;

    QString m_sStyle;
    std::vector<Topic> m_Topics;
    int m_nCurrent = -1;
    std::vector<int> m_Back;
    std::vector<int> m_Forward;
    bool m_bFilling = false;
};

} // namespace ombrix
