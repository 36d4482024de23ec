// Pictures of the time graph, statistic and histogram pages with the demo
// data, for a look at them as a user sees them. Written only when
// OMBRIX_SHOTS names a folder.

#include "MainWindowFixture.h"

#include "presentation/ViewSetupStruct.h"

using namespace ombrix;

namespace {

class TimeChartsShots : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        m_Folder = qEnvironmentVariable("OMBRIX_SHOTS");
        if (m_Folder.isEmpty()) GTEST_SKIP() << "OMBRIX_SHOTS names no folder";
        QDir().mkpath(m_Folder);
        MainWindowFixture::SetUp();
    }

    void Save(const QString& name) {
        Form().RefreshView();
        QTest::qWait(150);
        const QString file = QDir(m_Folder).filePath(name + ".png");
        EXPECT_TRUE(Form().grab().save(file)) << file.toStdString();
    }

    void ShowSheet(Code kind, int sheet, const QString& name) {
        Select(FirstOfKind(kind));
        Form().PageControlView().ActivatePage(sheet);
        Save(name);
    }

    QString m_Folder;
};

TEST_F(TimeChartsShots, Pages) {
    StartDatalog();
    Form().resize(1100, 760);
    ShowSheet(eAuto, eSheetGraph, QStringLiteral("time-graph"));
    ShowSheet(eAuto, eSheetStatistic, QStringLiteral("time-statistic"));
    ShowSheet(eAuto, eSheetHistogram, QStringLiteral("time-histogram"));
    ShowSheet(eMatrix, eSheetStatistic, QStringLiteral("grid-statistic"));
    ShowSheet(eMatrix, eSheetHistogram, QStringLiteral("grid-histogram"));

    ViewSetup().SetMarkerVisible(true);
    Form().ApplyViewSettings();
    ShowSheet(eAuto, eSheetGraph, QStringLiteral("time-graph-marker"));
}

} // namespace
