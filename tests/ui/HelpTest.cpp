// The help file, the help window and F1 in the dialogs.

#include "UiTestSupport.h"

#include "core/HelpSystem.h"
#include "core/TDlgChooseMode.h"
#include "core/THelpWindow.h"
#include "export/TDlgExportFormat.h"
#include "export/TDlgExportFormatDetail.h"
#include "export/TDlgExportList.h"
#include "link/TDlgCommunication.h"
#include "link/TDlgService.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace ombrix;

namespace {

QString ShippedHelpFile() {
    return QDir(QStringLiteral(OMBRIX_DATA_DIR)).filePath(QStringLiteral("Ombrix_HELP.HLP"));
}

QString ShownText(const THelpWindow& help) {
    return help.findChild<QTextBrowser*>(QStringLiteral("HelpText"))->toPlainText();
}

// Every help context of the program's windows has a topic of its own with
// something to read.
TEST(HelpFile, HasATopicForEveryHelpContext) {
    THelpWindow help;
    ASSERT_TRUE(help.Load(ShippedHelpFile()));
    const int contexts[] = {41, 55, 9,  7,  12, 25, 36, 33, 69, 17, 13,
                            14, 45, 76, 75, 59, 24, 35, 38, 30, 32, 27};
    QStringList titles;
    for (int context : contexts) {
        ASSERT_TRUE(help.ShowContext(context)) << context;
        EXPECT_EQ(help.CurrentContext(), context);
        EXPECT_GT(ShownText(help).size(), 250) << context;
        EXPECT_FALSE(titles.contains(help.CurrentTitle())) << context;
        titles << help.CurrentTitle();
    }
    EXPECT_TRUE(help.TopicAnchors().contains(QStringLiteral("contents")));
    EXPECT_TRUE(help.TopicAnchors().contains(QStringLiteral("usinghelp")));
}

TEST(HelpFile, LinksBetweenTopicsAllLeadToATopic) {
    THelpWindow help;
    ASSERT_TRUE(help.Load(ShippedHelpFile()));
    QFile file(ShippedHelpFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    static const QRegularExpression link(QStringLiteral("href=\"#([A-Za-z0-9_]+)\""));
    int links = 0;
    for (auto it = link.globalMatch(page); it.hasNext(); ++links) {
        const QString anchor = it.next().captured(1);
        EXPECT_TRUE(help.TopicAnchors().contains(anchor)) << anchor.toStdString();
    }
    EXPECT_GT(links, 20);
}

TEST(HelpWindow, UnknownContextShowsTheContentsAndMissingFileSaysSo) {
    THelpWindow help;
    ASSERT_TRUE(help.Load(ShippedHelpFile()));
    EXPECT_FALSE(help.ShowContext(999));
    EXPECT_EQ(help.CurrentAnchor(), QStringLiteral("contents"));

    THelpWindow missing;
    EXPECT_FALSE(missing.Load(QStringLiteral("/nonexistent/Ombrix_HELP.HLP")));
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_FALSE(missing.ShowContext(13));
    EXPECT_TRUE(ShownText(missing).contains(QStringLiteral("could not be read")));
}

TEST(HelpWindow, SearchKeepsTopicsWithEveryWordAndLinksGoBackAndForth) {
    THelpWindow help;
    ASSERT_TRUE(help.Load(ShippedHelpFile()));
    const int all = help.VisibleTopicTitles().size();
    auto* search = help.findChild<QLineEdit*>(QStringLiteral("HelpSearch"));
    search->setText(QStringLiteral("BAUD"));
    const QStringList found = help.VisibleTopicTitles();
    EXPECT_TRUE(found.contains(QStringLiteral("Communication settings")));
    EXPECT_LT(found.size(), all);
    search->setText(QStringLiteral("baud semicolon"));
    EXPECT_TRUE(help.VisibleTopicTitles().isEmpty());
    search->clear();
    EXPECT_EQ(help.VisibleTopicTitles().size(), all);

    help.ShowContext(13);
    emit help.findChild<QTextBrowser*>(QStringLiteral("HelpText"))
        ->anchorClicked(QUrl(QStringLiteral("#ctx14")));
    EXPECT_EQ(help.CurrentContext(), 14);
    help.findChild<QPushButton*>(QStringLiteral("HelpBackBtn"))->click();
    EXPECT_EQ(help.CurrentContext(), 13);
    help.findChild<QPushButton*>(QStringLiteral("HelpForwardBtn"))->click();
    EXPECT_EQ(help.CurrentContext(), 14);
}

TEST(HelpWindow, MenuCommandsOpenContentsSearchAndHelpOnHelp) {
    ASSERT_TRUE(ShowHelpContents());
    THelpWindow* help = HelpWindowInstance();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentAnchor(), QStringLiteral("contents"));
    ASSERT_TRUE(ShowHelpOnHelp());
    EXPECT_EQ(help->CurrentAnchor(), QStringLiteral("usinghelp"));
    help->findChild<QLineEdit*>(QStringLiteral("HelpSearch"))->setText(QStringLiteral("old key"));
    ASSERT_TRUE(ShowHelpSearch());
    auto* search = help->findChild<QLineEdit*>(QStringLiteral("HelpSearch"));
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(help->focusWidget(), search);
    help->close();
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    int context;
};

// F1 in each dialog opens its own topic, wherever the focus is in the dialog.
TEST(HelpKey, F1OpensTheTopicOfEachDialog) {
    const DialogCase cases[] = {
        {"mode", [] { return std::make_unique<TDlgChooseMode>(); }, 9},
        {"communication", [] { return std::make_unique<TDlgCommunication>(); }, 7},
        {"service", [] { return std::make_unique<TDlgService>(); }, 12},
        {"export format", [] { return std::make_unique<TDlgExportFormat>(); }, 13},
        {"export format detail", [] { return std::make_unique<TDlgExportFormatDetail>(); }, 14},
        {"export list", [] { return std::make_unique<TDlgExportList>(); }, 17},
    };
    for (const DialogCase& c : cases) {
        std::unique_ptr<QWidget> dialog = c.make();
        ASSERT_TRUE(uitest::ShowActive(dialog.get())) << c.name;
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
        QTest::keyClick(target, Qt::Key_F1);
        THelpWindow* help = HelpWindowInstance();
        ASSERT_NE(help, nullptr) << c.name;
        EXPECT_TRUE(help->isVisible()) << c.name;
        EXPECT_EQ(help->CurrentContext(), c.context) << c.name;
        help->close();
    }
}

// A window whose topic changes with its page: F1 follows the page.
TEST(HelpKey, FollowsAContextChangedWhileTheWindowIsOpen) {
    QWidget window;
    SetHelpContext(&window, 45);
    InstallHelpKey(&window);
    auto* field = new QLineEdit(&window);
    ASSERT_TRUE(uitest::ShowActive(&window));
    field->setFocus();
    SetHelpContext(&window, 76);
    QTest::keyClick(field, Qt::Key_F1);
    ASSERT_NE(HelpWindowInstance(), nullptr);
    EXPECT_EQ(HelpWindowInstance()->CurrentContext(), 76);
    HelpWindowInstance()->close();
}

// Inside a running modal dialog the help window belongs to that dialog, so the
// modal state does not block it.
TEST(HelpKey, HelpOpenedFromAModalDialogBelongsToIt) {
    TDlgExportFormatDetail dialog;
    THelpWindow* seenHelp = nullptr;
    QWidget* seenParent = nullptr;
    uitest::AnswerNextModal([&](QWidget* window) {
        uitest::ShowActive(window);
        QTest::keyClick(window, Qt::Key_F1);
        seenHelp = HelpWindowInstance();
        seenParent = seenHelp ? seenHelp->parentWidget() : nullptr;
        qobject_cast<QDialog*>(window)->reject();
    });
    dialog.exec();
    ASSERT_NE(seenHelp, nullptr);
    EXPECT_EQ(seenParent, &dialog);
    EXPECT_TRUE(seenHelp->isWindow());
    EXPECT_EQ(seenHelp->CurrentContext(), 14);
    seenHelp->close();
}

} // namespace
