#include "core/THelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr const char* kContentsAnchor = "contents";
constexpr const char* kUsingHelpAnchor = "usinghelp";
constexpr const char* kContextPrefix = "ctx";

QString ContextAnchor(int context) {
    return QString::fromLatin1(kContextPrefix) + QString::number(context);
}

QString PlainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Ombrix Help"));
    resize(860, 600);

    m_pSearch = new QLineEdit;
    m_pSearch->setObjectName(QStringLiteral("HelpSearch"));
    m_pSearch->setPlaceholderText(QStringLiteral("Search for words..."));
    m_pSearch->setClearButtonEnabled(true);
    m_pContents = new QListWidget;
    m_pContents->setObjectName(QStringLiteral("HelpContents"));
    m_pText = new QTextBrowser;
    m_pText->setObjectName(QStringLiteral("HelpText"));
    m_pText->setOpenLinks(false);

    m_pContentsButton = new QPushButton(QStringLiteral("Contents"));
    m_pContentsButton->setObjectName(QStringLiteral("HelpContentsBtn"));
    m_pBackButton = new QPushButton(QStringLiteral("< Back"));
    m_pBackButton->setObjectName(QStringLiteral("HelpBackBtn"));
    m_pForwardButton = new QPushButton(QStringLiteral("Forward >"));
    m_pForwardButton->setObjectName(QStringLiteral("HelpForwardBtn"));

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(new QLabel(QStringLiteral("Find:")));
    leftLayout->addWidget(m_pSearch);
    leftLayout->addWidget(new QLabel(QStringLiteral("Topics:")));
    leftLayout->addWidget(m_pContents, 1);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(m_pText);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 560});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pContentsButton);
    buttons->addWidget(m_pBackButton);
    buttons->addWidget(m_pForwardButton);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_pSearch, &QLineEdit::textChanged, this, &THelpWindow::FilterContents);
    connect(m_pContents, &QListWidget::currentRowChanged, this, &THelpWindow::ContentsRowChanged);
    connect(m_pText, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);
    connect(m_pContentsButton, &QPushButton::clicked, this, [this] { ShowContents(); });
    connect(m_pBackButton, &QPushButton::clicked, this, &THelpWindow::GoBack);
    connect(m_pForwardButton, &QPushButton::clicked, this, &THelpWindow::GoForward);
    UpdateButtons();
}

bool THelpWindow::Load(const QString& path) {
    m_Topics.clear();
    m_Back.clear();
    m_Forward.clear();
    m_nCurrent = -1;
    m_bFilling = true;
    m_pContents->clear();
    m_bFilling = false;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowNotice(
            QStringLiteral("<h1>Help is not available</h1><p>The help file <b>%1</b> could not be "
                           "read.</p>")
                .arg(path.toHtmlEscaped()));
        return false;
    }
    const QString page = QString::fromUtf8(file.readAll());

    static const QRegularExpression styleBlock(QStringLiteral("<style[^>]*>.*?</style>"),
                                               QRegularExpression::DotMatchesEverythingOption |
                                                   QRegularExpression::CaseInsensitiveOption);
    const auto style = styleBlock.match(page);
    m_sStyle = style.hasMatch() ? style.captured(0) : QString();

    static const QRegularExpression heading(
        QStringLiteral("<h1><a name=\"([A-Za-z0-9_]+)\"></a>(.*?)</h1>"),
        QRegularExpression::DotMatchesEverythingOption);
    const int bodyEnd = [&] {
        const int end = page.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
        return end < 0 ? static_cast<int>(page.size()) : end;
    }();
    std::vector<QRegularExpressionMatch> headings;
    for (auto it = heading.globalMatch(page); it.hasNext();)
        headings.push_back(it.next());
    for (size_t i = 0; i < headings.size(); ++i) {
        const auto& h = headings[i];
        const int start = static_cast<int>(h.capturedEnd(0));
        const int end =
            i + 1 < headings.size() ? static_cast<int>(headings[i + 1].capturedStart(0)) : bodyEnd;
        Topic topic;
        topic.anchor = h.captured(1);
        topic.title = PlainText(h.captured(2)).simplified();
        const QString body = page.mid(start, std::max(0, end - start));
        topic.html = QStringLiteral("<html><head>%1</head><body><h1>%2</h1>%3</body></html>")
                         .arg(m_sStyle, h.captured(2), body);
        topic.plainText = topic.title + QLatin1Char('\n') + PlainText(body);
        m_Topics.push_back(std::move(topic));
    }
    if (m_Topics.empty()) {
        ShowNotice(
            QStringLiteral("<h1>Help is not available</h1><p>The help file <b>%1</b> holds no "
                           "topics.</p>")
                .arg(path.toHtmlEscaped()));
        return false;
    }
    m_bFilling = true;
    for (const auto& topic : m_Topics)
        m_pContents->addItem(topic.title);
    m_bFilling = false;
    FilterContents(m_pSearch->text());
    return true;
}

bool THelpWindow::ShowContext(int context) {
    if (context > 0 && ShowAnchor(ContextAnchor(context))) return true;
    ShowContents();
    return false;
}

bool THelpWindow::ShowContents() {
    if (!IsLoaded()) return false;
    const int index = IndexOf(QString::fromLatin1(kContentsAnchor));
    ShowTopic(index < 0 ? 0 : index, true);
    return true;
}

bool THelpWindow::ShowSearch() {
    m_pSearch->clear();
    const bool shown = ShowContents();
    m_pSearch->setFocus();
    return shown;
}

bool THelpWindow::ShowHelpOnHelp() {
    if (ShowAnchor(QString::fromLatin1(kUsingHelpAnchor))) return true;
    ShowContents();
    return false;
}

bool THelpWindow::ShowAnchor(const QString& anchor) {
    const int index = IndexOf(anchor);
    if (index < 0) return false;
    ShowTopic(index, true);
    return true;
}

QString THelpWindow::CurrentAnchor() const {
    return m_nCurrent >= 0 ? m_Topics[static_cast<size_t>(m_nCurrent)].anchor : QString();
}

int THelpWindow::CurrentContext() const {
    const QString anchor = CurrentAnchor();
    if (!anchor.startsWith(QLatin1String(kContextPrefix))) return -1;
    bool ok = false;
    const int context = anchor.mid(3).toInt(&ok);
    return ok ? context : -1;
}

QString THelpWindow::CurrentTitle() const {
    return m_nCurrent >= 0 ? m_Topics[static_cast<size_t>(m_nCurrent)].title : QString();
}

QStringList THelpWindow::TopicAnchors() const {
    QStringList anchors;
    for (const auto& topic : m_Topics)
        anchors << topic.anchor;
    return anchors;
}

QStringList THelpWindow::VisibleTopicTitles() const {
    QStringList titles;
    for (int row = 0; row < m_pContents->count(); ++row)
        if (!m_pContents->item(row)->isHidden()) titles << m_pContents->item(row)->text();
    return titles;
}

int THelpWindow::IndexOf(const QString& anchor) const {
    for (size_t i = 0; i < m_Topics.size(); ++i)
        if (m_Topics[i].anchor == anchor) return static_cast<int>(i);
    return -1;
}

void THelpWindow::ShowTopic(int index, bool remember) {
    if (index < 0 || index >= static_cast<int>(m_Topics.size())) return;
    if (remember && m_nCurrent >= 0 && m_nCurrent != index) {
        m_Back.push_back(m_nCurrent);
        m_Forward.clear();
    }
    m_nCurrent = index;
    const Topic& topic = m_Topics[static_cast<size_t>(index)];
    m_pText->setHtml(topic.html);
    setWindowTitle(QStringLiteral("Ombrix Help - ") + topic.title);

    // A topic reached through the search shows the first place of the first word.
    const QStringList words = m_pSearch->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty()) m_pText->find(words.first());

    m_bFilling = true;
    m_pContents->setCurrentRow(index);
    m_bFilling = false;
    UpdateButtons();
}

void THelpWindow::ShowNotice(const QString& html) {
    m_nCurrent = -1;
    m_pText->setHtml(html);
    UpdateButtons();
}

// A topic stays in the list when it holds every word of the key, in any letter case.
void THelpWindow::FilterContents(const QString& key) {
    const QStringList words = key.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int row = 0; row < m_pContents->count() && row < static_cast<int>(m_Topics.size());
         ++row) {
        const QString& text = m_Topics[static_cast<size_t>(row)].plainText;
        bool match = true;
        for (const QString& word : words)
            match = match && text.contains(word, Qt::CaseInsensitive);
        m_pContents->item(row)->setHidden(!match);
    }
}

void THelpWindow::ContentsRowChanged(int row) {
    if (!m_bFilling) ShowTopic(row, true);
}

void THelpWindow::LinkClicked(const QUrl& url) {
    if (url.scheme().isEmpty() && url.hasFragment()) ShowAnchor(url.fragment());
}

void THelpWindow::GoBack() {
    if (m_Back.empty() || m_nCurrent < 0) return;
    m_Forward.push_back(m_nCurrent);
    const int index = m_Back.back();
    m_Back.pop_back();
    ShowTopic(index, false);
}

void THelpWindow::GoForward() {
    if (m_Forward.empty() || m_nCurrent < 0) return;
    m_Back.push_back(m_nCurrent);
    const int index = m_Forward.back();
    m_Forward.pop_back();
    ShowTopic(index, false);
}

void THelpWindow::UpdateButtons() {
    m_pBackButton->setEnabled(!m_Back.empty());
    m_pForwardButton->setEnabled(!m_Forward.empty());
    m_pContentsButton->setEnabled(IsLoaded());
}

} // namespace ombrix
