// The plane view's background picture: loading with the size reduction, the
// stretch and rotation pipeline, the scaling dialog, and the wiring into the
// main window.

#include "MainWindowFixture.h"

#include "core/SafeFile.h"
#include "mainwindow/ChartPlane.h"
#include "presentation/BackgroundImage.h"
#include "presentation/BackgroundPipeline.h"
#include "presentation/ImportAndBackground.h"
#include "presentation/TDlgCurrentImport.h"
#include "presentation/TDlgScaleBG.h"
#include "presentation/ViewSetupStruct.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

using namespace ombrix;

namespace {

// A picture of w x h: left half red, right half blue, a green top-left pixel.
QImage Halves(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    image.setPixel(0, 0, qRgb(0, 255, 0));
    return image;
}

bool Near(QRgb pixel, QRgb expected, int tolerance = 40) {
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

class BackgroundPicture : public ::testing::Test {
protected:
    void TearDown() override { ViewSetup().SetBackgroundPicture(nullptr); }

    QString Saved(const QImage& image, const char* name) {
        const QString file = m_Folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(file));
        return file;
    }

    QTemporaryDir m_Folder;
    BackgroundPipeline m_Pipeline;
};

TEST_F(BackgroundPicture, LargePicturesAreReducedOnLoading) {
    struct Case {
        QSize imported, base;
    };
    for (const Case& c : {Case{{2048, 1000}, {512, 250}}, Case{{1000, 1024}, {1000, 1024}},
                          Case{{1000, 2048}, {250, 512}}}) {
        ASSERT_TRUE(
            m_Pipeline.Load(Saved(Halves(c.imported.width(), c.imported.height()), "p.png")));
        EXPECT_EQ(m_Pipeline.Base().size(), c.base);
        EXPECT_EQ(m_Pipeline.Shown().size(), c.base) << "shown unscaled";
        EXPECT_EQ(BackgroundImageOf(ViewSetup()).size(), c.base);
    }
}

TEST_F(BackgroundPicture, PcxAndUnreadableFiles) {
    ASSERT_TRUE(m_Pipeline.Load(QStringLiteral(OMBRIX_DATA_DIR "/Demo_station.pcx")));
    EXPECT_EQ(m_Pipeline.Base().size(), QSize(640, 480));

    QFile junk(m_Folder.filePath(QStringLiteral("junk.pcx")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x0A\x05\x01\x08 not a picture");
    junk.close();
    EXPECT_FALSE(m_Pipeline.Load(junk.fileName()));
    EXPECT_FALSE(m_Pipeline.HasPicture());
    EXPECT_FALSE(m_Pipeline.Load(m_Folder.filePath(QStringLiteral("missing.png"))));
}

TEST_F(BackgroundPicture, StretchShowsARegionOfTheBase) {
    ASSERT_TRUE(m_Pipeline.Load(Saved(Halves(200, 100), "p.png")));
    m_Pipeline.Stretch({0, 200, 0, 100});
    const QImage& stretched = m_Pipeline.Stretched();
    ASSERT_EQ(stretched.size(), QSize(200, 100));
    // The left (red) half fills the width.
    EXPECT_TRUE(Near(stretched.pixel(150, 50), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(stretched.pixel(190, 90), qRgb(255, 0, 0)));

    // A positive offset moves the shown region right: past the base it is blank.
    m_Pipeline.Stretch({150, 100, 0, 100});
    EXPECT_TRUE(Near(m_Pipeline.Stretched().pixel(20, 50), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(m_Pipeline.Stretched().pixel(120, 50), qRgb(255, 255, 255)));
}

TEST_F(BackgroundPicture, RotationTurnsTheStretchedPictureWithWhiteCorners) {
    ASSERT_TRUE(m_Pipeline.Load(Saved(Halves(200, 100), "p.png")));
    m_Pipeline.Rotate(90);
    const QImage& turned = m_Pipeline.Shown();
    ASSERT_EQ(turned.size(), QSize(100, 200));
    // Turned clockwise: the left (red) half is now on top, the green corner top right.
    EXPECT_TRUE(Near(turned.pixel(50, 40), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(turned.pixel(50, 160), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(turned.pixel(99, 0), qRgb(0, 255, 0), 90));
    EXPECT_EQ(BackgroundImageOf(ViewSetup()).size(), QSize(100, 200));

    m_Pipeline.Rotate(45);
    const QImage& tilted = m_Pipeline.Shown();
    EXPECT_GT(tilted.width(), 200);
    EXPECT_EQ(tilted.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(tilted.pixel(tilted.width() - 1, tilted.height() - 1), qRgb(255, 255, 255));
    EXPECT_TRUE(Near(tilted.pixel(tilted.width() / 2, tilted.height() / 2), qRgb(255, 0, 0), 255))
        << "the picture itself in the middle";

    m_Pipeline.Rotate(0);
    EXPECT_EQ(m_Pipeline.Shown(), m_Pipeline.Stretched());
}

// The scaling dialog on the program's view settings; every test puts back
// the values it changed.
class ScaleDialog : public BackgroundPicture {
protected:
    void SetUp() override {
        m_Saved = {ViewSetup().GetBGOffset(0), static_cast<int>(ViewSetup().GetBGStretch(0)),
                   ViewSetup().GetBGOffset(1), static_cast<int>(ViewSetup().GetBGStretch(1))};
        m_nSavedRotation = ViewSetup().GetBGRotation();
    }
    void TearDown() override {
        ViewSetup().SetBGOffset(0, m_Saved.hOffset);
        ViewSetup().SetBGStretch(0, m_Saved.hStretch);
        ViewSetup().SetBGOffset(1, m_Saved.vOffset);
        ViewSetup().SetBGStretch(1, m_Saved.vStretch);
        ViewSetup().SetBGRotation(m_nSavedRotation);
        BackgroundPicture::TearDown();
    }
    void Open() {
        m_pDialog = std::make_unique<TDlgScaleBG>(m_Pipeline, ViewSetup());
        m_pDialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDialog.get()));
    }
    QLineEdit* Edit(const char* name) const {
        return m_pDialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    // Types into a field and leaves it, as the user does.
    void Enter(const char* name, const char* text) const {
        Edit(name)->setText(QString::fromLatin1(text));
        emit Edit(name)->editingFinished();
    }

    ScaleValues m_Saved;
    int m_nSavedRotation = 0;
    std::unique_ptr<TDlgScaleBG> m_pDialog;
};

TEST_F(ScaleDialog, ShowsTheStoredValuesAndStoresOnOk) {
    ViewSetup().SetBGStretch(0, 150);
    ViewSetup().SetBGOffset(1, -20);
    ViewSetup().SetBGRotation(30);
    Open();
    EXPECT_EQ(m_pDialog->windowTitle(), QStringLiteral("Scale backgroung image"));
    EXPECT_EQ(m_pDialog->HelpContext(), 33);
    EXPECT_EQ(Edit("EditHStretch")->text(), QStringLiteral("150"));
    EXPECT_EQ(Edit("EditVOffset")->text(), QStringLiteral("-20"));
    EXPECT_EQ(Edit("EditRotate")->text(), QStringLiteral("30"));
    Edit("EditVStretch")->setText(QStringLiteral("0"));
    Edit("EditHOffset")->setText(QStringLiteral("abc"));
    m_pDialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    EXPECT_EQ(ViewSetup().GetBGStretch(1), 0.0) << "stored as entered";
    EXPECT_EQ(ViewSetup().GetBGOffset(0), 0);
    EXPECT_EQ(ViewSetup().GetBGRotation(), 30);
}

TEST_F(ScaleDialog, AppliesChangedValuesOnlyAndCancelKeepsThePicture) {
    ASSERT_TRUE(m_Pipeline.Load(Saved(Halves(200, 100), "p.png")));
    ViewSetup().SetBGStretch(0, 100);
    ViewSetup().SetBGStretch(1, 0); // counts as 100
    Open();
    // Whatever was applied before, the values of this showing once count as new.
    Enter("EditHStretch", "100");
    const qint64 applied = m_Pipeline.Stretched().cacheKey();
    Enter("EditHStretch", "100");
    EXPECT_EQ(m_Pipeline.Stretched().cacheKey(), applied) << "the same value redraws nothing";

    // A new load is shown unscaled; entering the values applied before does not rescale it.
    Enter("EditHStretch", "200");
    ASSERT_TRUE(m_Pipeline.Load(Saved(Halves(300, 100), "q.png")));
    const qint64 fresh = m_Pipeline.Stretched().cacheKey();
    Enter("EditHStretch", "200");
    EXPECT_EQ(m_Pipeline.Stretched().cacheKey(), fresh);
    EXPECT_TRUE(Near(m_Pipeline.Stretched().pixel(250, 50), qRgb(0, 0, 255)));

    // Another value is applied at once, also to the view settings' picture.
    Enter("EditHStretch", "300");
    EXPECT_NE(m_Pipeline.Stretched().cacheKey(), fresh);
    EXPECT_TRUE(Near(BackgroundImageOf(ViewSetup()).pixel(250, 50), qRgb(255, 0, 0)));

    // The up-down's arrow acts like leaving the field.
    m_pDialog->findChild<QWidget*>(QStringLiteral("UpDownRotate"))
        ->findChild<QToolButton*>(QStringLiteral("Up"))
        ->click();
    EXPECT_EQ(Edit("EditRotate")->text(), QStringLiteral("1"));
    EXPECT_NE(m_Pipeline.Shown().size(), m_Pipeline.Stretched().size());

    m_pDialog->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_EQ(ViewSetup().GetBGStretch(0), 100.0) << "Cancel stores nothing";
    EXPECT_EQ(ViewSetup().GetBGRotation(), m_nSavedRotation);
    EXPECT_TRUE(Near(m_Pipeline.Stretched().pixel(250, 50), qRgb(255, 0, 0)))
        << "the picture stays as last applied";
}

// The main window furnished with the import and the background picture.
class ImportAndBackgroundWindow : public uitest::MainWindowFixture {
protected:
    void TearDown() override {
        ViewSetup().SetBackgroundPicture(nullptr);
        MainWindowFixture::TearDown();
    }
};

TEST_F(ImportAndBackgroundWindow, TheViewSetupButtonsReachTheWindowsPicturesAndCurrents) {
    StartDatalog();
    ASSERT_TRUE(CurrentImportDialog());
    EXPECT_EQ(CurrentImportDialog()->parentWidget(), &Form());

    const bool visible = ViewSetup().GetBGVisible();
    EXPECT_EQ(LoadBackgroundPictureFile(QStringLiteral(OMBRIX_DATA_DIR "/Demo_station.pcx")),
              QStringLiteral("Demo_station.pcx"));
    EXPECT_EQ(BackgroundImageOf(ViewSetup()).size(), QSize(640, 480));
    auto* plane = dynamic_cast<ChartPlanePage*>(Form().InstalledViewPage(eSheetPlane));
    ASSERT_TRUE(plane);
    EXPECT_EQ(plane->Chart()->BackgroundPicture().size(), QSize(640, 480));
    EXPECT_EQ(ViewSetup().GetBGVisible(), visible) << "stored only by the setup dialog's OK";
    EXPECT_TRUE(LoadBackgroundPictureFile(QStringLiteral("/nonexistent.pcx")).isEmpty());

    // Fewer than six lines are no current table.
    auto seen = std::make_shared<uitest::SeenMessage>();
    uitest::AnswerNextMessageBox(QMessageBox::Ok, seen);
    EXPECT_FALSE(ImportCurrentLines({"a", "b", "c", "d", "e"}, &Form()));
    EXPECT_EQ(seen->text, QStringLiteral("Format Error"));

    const auto text = ReadWholeFile(OMBRIX_DATA_DIR "/Demo_strom.txt");
    ASSERT_TRUE(text);
    uitest::AnswerNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("DlgCurrentImport"));
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    EXPECT_TRUE(ImportCurrentLines(SplitLines(*text), &Form()));
    EXPECT_EQ(PhaseCurrents().Points(ePhaseL1).size(), 13u);
    PhaseCurrents().Clear();
}

} // namespace
