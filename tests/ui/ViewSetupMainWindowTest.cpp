// The main window's "ViewSetup" action: the dialog opens on the sheet of the
// view shown, in the quantity of the dataset shown, and OK saves the settings.

#include "MainWindowFixture.h"

#include "mainwindow/MainWindowRules.h"
#include "presentation/ViewSetupStruct.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabBar>

using namespace ombrix;

namespace {

class ViewSetupAction : public uitest::MainWindowFixture {
protected:
    void TearDown() override {
        MainWindowFixture::TearDown();
        QFile::remove(ViewFile());
    }
    static QString ViewFile() {
        return QDir(QString::fromStdString(ProgramFolder().string()))
            .filePath(QStringLiteral("OrvView.dat"));
    }
    // Chooses the tab of `sheet` as the user does.
    bool ShowSheet(int sheet) {
        QTabBar* tabs = Form().PageControlView().TabBar();
        for (int tab = 0; tab < tabs->count() && Form().ViewSheet() != sheet; ++tab)
            tabs->setCurrentIndex(tab);
        return Form().ViewSheet() == sheet;
    }
};

TEST_F(ViewSetupAction, OkOnTheGraphSheetStoresAndSavesTheSettings) {
    StartDatalog();
    QFile::remove(ViewFile());
    Select(FirstOfKind(eAuto));
    ASSERT_TRUE(ShowSheet(eSheetGraph));
    const int widthBefore = ViewSetup().GetLineWidth(eWidthGraphLine);

    QString shownSheet, threshold;
    uitest::AnswerNextModal([&](QWidget* dialog) {
        shownSheet = dialog->findChild<QStackedWidget*>(QStringLiteral("PageControlSetup"))
                         ->currentWidget()
                         ->objectName();
        threshold = dialog->findChild<QLineEdit*>(QStringLiteral("EditGraphThreshold"))->text();
        dialog->findChild<QLineEdit*>(QStringLiteral("EditGraphLineDot"))
            ->setText(QStringLiteral("4"));
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    Trigger("ViewSetup");
    EXPECT_EQ(shownSheet, QStringLiteral("TabSheetGraph"));
    EXPECT_TRUE(threshold.endsWith(QStringLiteral("T"))) << threshold.toStdString();
    EXPECT_EQ(ViewSetup().GetLineWidth(eWidthGraphLine), 4);
    EXPECT_EQ(QFileInfo(ViewFile()).size(), qint64(ViewSetupStruct::kSize));

    // Cancel neither stores nor saves.
    QFile::remove(ViewFile());
    uitest::AnswerNextModal([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("EditGraphLineDot"))
            ->setText(QStringLiteral("1"));
        dialog->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    Trigger("ViewSetup");
    EXPECT_EQ(ViewSetup().GetLineWidth(eWidthGraphLine), 4);
    EXPECT_FALSE(QFileInfo::exists(ViewFile()));
    ViewSetup().SetLineWidth(eWidthGraphLine, widthBefore);
}

} // namespace
