// The view setup dialog and the standards dialog with real widgets: the sheet
// shown, the checks when a field is left, what OK stores and Cancel keeps, the
// colour buttons, "default", the enabling rules and the standards.

#include "UiTestSupport.h"

#include "presentation/ColorShape.h"
#include "presentation/TDlgAddStandard.h"
#include "presentation/TDlgSetup.h"
#include "presentation/ViewSetupStruct.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace ombrix;

namespace {

class ViewSetupDialog : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::ClearSettings();
        m_Setup.SetDefaults();
    }

    // Shows the dialog for a view as the main window does, without waiting in exec().
    void Open(int sheet, SetupDataset dataset = {}) {
        m_Dialog.SetViewIndex(sheet);
        m_Dialog.SetDataset(dataset);
        ASSERT_TRUE(uitest::ShowActive(&m_Dialog));
    }

    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QCheckBox* Check(const char* name) const { return Find<QCheckBox>(name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    ColorShape* Shape(const char* name) const { return Find<ColorShape>(name); }
    template <typename T> T* Find(const char* name) const {
        T* widget = m_Dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Types `text` into the field and leaves it with the tab key; returns the
    // message shown on leaving, if any.
    std::shared_ptr<uitest::SeenMessage> TypeAndLeave(const char* field, const QString& text) {
        QLineEdit* edit = Edit(field);
        edit->setFocus(Qt::MouseFocusReason);
        edit->setText(text);
        auto seen = std::make_shared<uitest::SeenMessage>();
        uitest::AnswerNextMessageBox(QMessageBox::Ok, seen, 2000, false);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::qWait(20);
        return seen;
    }

    ViewSetupStruct m_Setup;
    TDlgSetup m_Dialog{m_Setup};
};

TEST_F(ViewSetupDialog, OnlyTheSheetOfTheViewIsShownWithItsHelpTopic) {
    auto* pages = Find<QStackedWidget>("PageControlSetup");
    Open(eSetupFFT);
    EXPECT_EQ(m_Dialog.windowTitle(), QStringLiteral("Setup"));
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TabSheetFFT"));
    EXPECT_EQ(m_Dialog.HelpContext(), 35);
    m_Dialog.hide();

    // The statistic view has nothing to set and keeps the topic it had.
    Open(eSetupStatistic);
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TabSheetStatistic"));
    EXPECT_EQ(m_Dialog.HelpContext(), 35);
    const QList<QLabel*> labels = pages->currentWidget()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), QString::fromLatin1(TDlgSetup::kNoSettingsText));
    const ViewSetupStruct::Image before = m_Setup.GetImage();
    Button("OKBtn")->click();
    EXPECT_EQ(m_Dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(before == m_Setup.GetImage());
}

TEST_F(ViewSetupDialog, LeavingAFieldOutOfRangeNamesTheBoundsAndKeepsTheFocus) {
    struct Case {
        int sheet;
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {eSetupFFT, "EditFFTXMax", "40 kHz", "Only values between 0 Hz and 32 kHz are valid"},
        {eSetupGraph, "EditGraphYMin", "200 \xB5T",
         "Only values between 0 T and 100 \xB5T are valid"},
        {eSetupAxis, "EditAxisXDistance", "11 m", "Only values between 0 m and 10 m are valid"},
        {eSetupHistogram, "EditHistogramRef", "40 mT",
         "Only values between 0 T and 31.6 mT are valid"},
    };
    // Automatic axes would disable the limit fields.
    m_Setup.SetXAutoScale(1, false);
    m_Setup.SetYAutoScale(false);
    m_Setup.SetHistogramRefAuto(false);
    for (const Case& c : cases) {
        Open(c.sheet);
        const auto seen = TypeAndLeave(c.field, QString::fromLatin1(c.text));
        EXPECT_TRUE(seen->seen) << c.field;
        EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error"));
        EXPECT_EQ(seen->text, QString::fromLatin1(c.message));
        EXPECT_EQ(m_Dialog.focusWidget(), Edit(c.field)) << c.field;
        EXPECT_EQ(Edit(c.field)->text(), QString::fromLatin1(c.text));
        m_Dialog.hide();
    }
}

TEST_F(ViewSetupDialog, ValuesWithinTheirBoundsPassSilently) {
    m_Setup.SetXAutoScale(1, false);
    m_Setup.SetThresholdVisible(true);
    Open(eSetupFFT);
    EXPECT_FALSE(TypeAndLeave("EditFFTXMax", QStringLiteral("32 kHz"))->seen);
    EXPECT_FALSE(TypeAndLeave("EditFFTThresholdDot", QStringLiteral("5"))->seen);
}

TEST_F(ViewSetupDialog, LeavingAFieldForCancelChecksNothingAndCancelKeepsTheRecord) {
    Open(eSetupGraph);
    const ViewSetupStruct::Image before = m_Setup.GetImage();
    Check("CheckBoxGraphYLog")->click();
    Edit("EditGraphThreshold")->setText(QStringLiteral("5 mT"));
    Shape("ShapeGraphLineColor")->SetColor(Qt::magenta);
    QLineEdit* xMax = Edit("EditGraphXLength");
    xMax->setFocus(Qt::MouseFocusReason);
    xMax->setText(QStringLiteral("9999999"));

    auto seen = std::make_shared<uitest::SeenMessage>();
    uitest::AnswerNextMessageBox(QMessageBox::Ok, seen, 500, false);
    QTest::mouseClick(Button("CancelBtn"), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_FALSE(seen->seen);
    EXPECT_EQ(m_Dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(before == m_Setup.GetImage());
}

TEST_F(ViewSetupDialog, PeakCountThatIsNoIntegerIsStoredAsNine) {
    m_Setup.SetPeakCount(4);
    Open(eSetupPeakList);
    EXPECT_EQ(Edit("EditPeakList")->text(), QStringLiteral("4"));
    Edit("EditPeakList")->setText(QStringLiteral("1.5"));
    Button("OKBtn")->click();
    EXPECT_EQ(m_Dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_Setup.GetPeakCount(), 9);
}

TEST_F(ViewSetupDialog, OkRefusesAValueOutOfRangeInsteadOfStoringIt) {
    m_Setup.SetPeakCount(4);
    Open(eSetupPeakList);
    Edit("EditPeakList")->setText(QStringLiteral("ab"));
    auto seen = std::make_shared<uitest::SeenMessage>();
    uitest::AnswerNextMessageBox(QMessageBox::Ok, seen);
    Button("OKBtn")->click();
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->text, QStringLiteral("Only values between 1 and 20 are valid"));
    EXPECT_TRUE(m_Dialog.isVisible());
    EXPECT_EQ(m_Setup.GetPeakCount(), 4);
}

TEST_F(ViewSetupDialog, SpectrumInGaussStoresTheThresholdInTesla) {
    SetupDataset gauss;
    gauss.valueClass = eGauss;
    gauss.unit = "G";
    Open(eSetupFFT, gauss);
    EXPECT_EQ(Edit("EditFFTThreshold")->text(), QStringLiteral("100 mG"));
    Check("CheckBoxFFTThreshold")->click();
    Edit("EditFFTThreshold")->setText(QStringLiteral("2 G"));
    Button("OKBtn")->click();
    EXPECT_DOUBLE_EQ(m_Setup.GetThreshold(eTesla), 0.0002);
    EXPECT_TRUE(m_Setup.GetThresholdVisible());
}

TEST_F(ViewSetupDialog, DefaultPaintsTheColourScaleWhichOnlyOkStores) {
    for (int entry = eColorPlaneEmpty; entry <= eColorPlaneAbove; ++entry)
        m_Setup.SetColors(entry, RgbColor(10, 20, static_cast<std::uint8_t>(entry)));
    const ViewSetupStruct::Image before = m_Setup.GetImage();

    Open(eSetupPlane);
    Button("ButtonPlaneScaleDefault")->click();
    EXPECT_EQ(Shape("ShapePlaneScale1")->StoredColor(), RgbColor(255, 255, 128));
    EXPECT_EQ(Shape("ShapePlaneScaleX")->StoredColor(), RgbColor(0, 0, 0));
    Button("CancelBtn")->click();
    EXPECT_TRUE(before == m_Setup.GetImage());

    Open(eSetupPlane);
    EXPECT_EQ(Shape("ShapePlaneScale1")->StoredColor(), RgbColor(10, 20, 13));
    Button("ButtonPlaneScaleDefault")->click();
    Button("OKBtn")->click();
    ViewSetupStruct defaults;
    defaults.SetDefaultPlaneColors();
    for (int entry = eColorPlaneEmpty; entry <= eColorPlaneAbove; ++entry)
        EXPECT_EQ(m_Setup.GetColors(entry), defaults.GetColors(entry)) << entry;
    // The threshold colours are no part of the scale.
    EXPECT_EQ(m_Setup.GetColors(eColorPlaneBelowThreshold), RgbColor(0, 128, 0));
}

TEST_F(ViewSetupDialog, AutoScaleOfThePlaneDisablesTheNineLimitsButNotAllOthers) {
    m_Setup.SetPlaneAutoScale(false);
    Open(eSetupPlane);
    EXPECT_TRUE(Edit("EditPlaneScale5")->isEnabled());
    QTest::mouseClick(Check("CheckBoxPlaneAutoScale"), Qt::LeftButton);
    ASSERT_TRUE(Check("CheckBoxPlaneAutoScale")->isChecked());
    for (int k = 1; k <= 9; ++k) {
        EXPECT_FALSE(
            Edit(QStringLiteral("EditPlaneScale%1").arg(k).toLatin1().constData())->isEnabled())
            << k;
        EXPECT_FALSE(
            Button(QStringLiteral("ButtonPlaneScale%1").arg(k).toLatin1().constData())->isEnabled())
            << k;
    }
    EXPECT_TRUE(Button("ButtonPlaneScale10")->isEnabled());
    EXPECT_TRUE(Button("ButtonPlaneScaleDefault")->isEnabled());
}

TEST_F(ViewSetupDialog, EnablingFollowsTheLoadedTicks) {
    m_Setup.SetYAutoScale(true);
    m_Setup.SetYLog(false);
    m_Setup.SetThresholdVisible(false);
    Open(eSetupFFT);
    EXPECT_FALSE(Edit("EditFFTYMin")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("ComboBoxFFTStandard")->isEnabled());
    EXPECT_FALSE(Button("ButtonAddStandard")->isEnabled());
    EXPECT_FALSE(Edit("EditFFTThreshold")->isEnabled());
    Check("CheckBoxFFTYLog")->click();
    EXPECT_TRUE(Button("ButtonAddStandard")->isEnabled());
    EXPECT_TRUE(Check("CheckBoxFFTStandard")->isEnabled());
}

TEST_F(ViewSetupDialog, AxisThresholdColourButtonChangesTheThresholdColour) {
    m_Setup.SetColors(eColorAxisLine, RgbColor(0, 128, 0));
    m_Setup.SetThresholdVisible(true);
    Open(eSetupAxis);
    uitest::AnswerNextModal([](QWidget* window) {
        auto* dialog = qobject_cast<QColorDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    Button("ButtonAxisThresholdColor")->click();
    EXPECT_EQ(Shape("ShapeAxisThresholdColor")->StoredColor(), RgbColor(10, 20, 30));
    EXPECT_EQ(Shape("ShapeAxisLineColor")->StoredColor(), RgbColor(0, 128, 0));

    // A cancelled colour dialog leaves the colour as it was.
    uitest::AnswerNextModal([](QWidget* window) {
        auto* dialog = qobject_cast<QColorDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(Qt::yellow);
        dialog->reject();
    });
    Button("ButtonAxisLineColor")->click();
    EXPECT_EQ(Shape("ShapeAxisLineColor")->StoredColor(), RgbColor(0, 128, 0));

    Button("OKBtn")->click();
    EXPECT_EQ(m_Setup.GetColors(eColorThreshold), RgbColor(10, 20, 30));
    EXPECT_EQ(m_Setup.GetColors(eColorAxisLine), RgbColor(0, 128, 0));
}

TEST_F(ViewSetupDialog, TypingStopsAtTheFieldsLimitButLoadedTextsStayWhole) {
    SetupDataset electric;
    electric.valueClass = eEField;
    electric.unit = "V/m";
    m_Setup.SetYMax(eEField, 12345.0);
    Open(eSetupGraph, electric);
    EXPECT_EQ(Edit("EditGraphYMax")->text(), QStringLiteral("12.345 kV/m"));
    m_Dialog.hide();

    Open(eSetupPeakList);
    QLineEdit* peaks = Edit("EditPeakList");
    peaks->setFocus();
    peaks->selectAll();
    QTest::keyClicks(peaks, QStringLiteral("123"));
    EXPECT_EQ(peaks->text(), QStringLiteral("12"));
}

TEST_F(ViewSetupDialog, CurrentsOfTheLiveSeriesCannotBeSet) {
    m_Setup.SetCurrentVisible(true);
    SetupDataset live;
    live.isLive = true;
    Open(eSetupGraph, live);
    EXPECT_FALSE(Check("CheckBoxGraphCurrent")->isEnabled());
    m_Dialog.hide();
    Open(eSetupGraph);
    EXPECT_TRUE(Check("CheckBoxGraphCurrent")->isEnabled());
    EXPECT_TRUE(Button("ButtonGraphImportCurrentData")->isEnabled());
}

TEST_F(ViewSetupDialog, ChangedCurrentOffsetMovesTheCurves) {
    std::vector<std::pair<double, double>> shifts;
    m_Dialog.Services().shiftCurrents = [&](double from, double to) {
        shifts.emplace_back(from, to);
    };
    m_Setup.SetCurrentVisible(true);
    m_Setup.SetCurrentOffset(10);
    Open(eSetupGraph);
    Button("OKBtn")->click();
    EXPECT_TRUE(shifts.empty());

    Open(eSetupGraph);
    Edit("EditGraphCurrentOffset")->setText(QStringLiteral("-20"));
    Button("OKBtn")->click();
    ASSERT_EQ(shifts.size(), 1u);
    EXPECT_EQ(shifts[0], std::make_pair(10.0, -20.0));
    EXPECT_DOUBLE_EQ(m_Setup.GetCurrentOffset(), -20.0);
}

TEST_F(ViewSetupDialog, ImportOfAShortCurrentFileIsAFormatError) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("short.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("a\r\nb\r\nc\r\nd\r\ne\r\n");
    out.close();
    bool imported = false;
    m_Dialog.Services().importCurrents = [&](QWidget*, const std::vector<std::string>&) {
        imported = true;
        return true;
    };
    m_Setup.SetCurrentVisible(true);
    Open(eSetupGraph);
    uitest::AnswerNextModal([file](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
    auto seen = std::make_shared<uitest::SeenMessage>();
    uitest::AnswerNextMessageBox(QMessageBox::Ok, seen, 5000, false);
    Button("ButtonGraphImportCurrentData")->click();
    QTest::qWait(20);
    EXPECT_FALSE(imported);
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->text, QStringLiteral("Format Error"));
}

class StandardsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::ClearSettings();
        for (const char* name : {"Limit A", "Limit B", "Limit C"})
            m_Setup.Standards().push_back(std::make_unique<OrvStandard>(name));
        m_Original = {m_Setup.GetStandard(0), m_Setup.GetStandard(1), m_Setup.GetStandard(2)};
    }

    QString WriteStandardFile(const char* text) {
        const QString path = m_Folder.filePath(QStringLiteral("more.dat"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    static QStringList Names(const QListWidget* list) {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }

    QTemporaryDir m_Folder;
    ViewSetupStruct m_Setup;
    std::vector<const OrvStandard*> m_Original;
};

constexpr const char* kOneStandard =
    "Site limit\r\nx\r\ny\r\nz\r\n50;0.0001;5000\r\n60;0.0001;5000\r\n-\r\n";

TEST_F(StandardsDialog, CancelAfterAddingKeepsTheProgramsList) {
    TDlgAddStandard dialog(m_Setup);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add new standard"));
    EXPECT_EQ(dialog.HelpContext(), 36);
    dialog.show();
    EXPECT_EQ(Names(dialog.ListBoxStandards()),
              (QStringList{QStringLiteral("Limit A"), QStringLiteral("Limit B"),
                           QStringLiteral("Limit C")}));
    EXPECT_TRUE(dialog.ListBoxStandards()->selectedItems().isEmpty());
    ASSERT_TRUE(dialog.AddStandardFile(WriteStandardFile(kOneStandard)));
    EXPECT_EQ(dialog.ListBoxStandards()->count(), 4);
    dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    ASSERT_EQ(m_Setup.GetStandardCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m_Setup.GetStandard(i), m_Original[static_cast<std::size_t>(i)]);
}

TEST_F(StandardsDialog, DeletingAndAddingThenOkReplacesTheList) {
    TDlgAddStandard dialog(m_Setup);
    dialog.show();
    dialog.ListBoxStandards()->item(0)->setSelected(true);
    dialog.ListBoxStandards()->item(2)->setSelected(true);
    dialog.findChild<QPushButton*>(QStringLiteral("ButtonDelete"))->click();
    EXPECT_EQ(Names(dialog.ListBoxStandards()), QStringList{QStringLiteral("Limit B")});
    ASSERT_TRUE(dialog.AddStandardFile(WriteStandardFile(kOneStandard)));
    dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    ASSERT_EQ(m_Setup.GetStandardCount(), 2);
    EXPECT_EQ(m_Setup.GetStandard(0), m_Original[1]);
    EXPECT_EQ(m_Setup.GetStandard(1)->GetName(), "Site limit");
    EXPECT_DOUBLE_EQ(m_Setup.GetStandard(1)->GetPoints().at(0).electricLimit, 5000.0);
}

TEST_F(StandardsDialog, FaultyFileKeepsTheStandardsReadBeforeTheFault) {
    TDlgAddStandard dialog(m_Setup);
    dialog.show();
    auto seen = std::make_shared<uitest::SeenMessage>();
    uitest::AnswerNextMessageBox(QMessageBox::Ok, seen);
    ASSERT_TRUE(dialog.AddStandardFile(
        WriteStandardFile("Good\r\n1\r\n2\r\n3\r\n50;1;2\r\n-\r\nBad\r\n1\r\n2\r\n3\r\n50;1;"
                          "2\r\n50;x;2\r\n60;1;2\r\n-\r\n")));
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->text, QStringLiteral("Format Error"));
    EXPECT_EQ(dialog.ListBoxStandards()->count(), 4);
    EXPECT_EQ(dialog.ListBoxStandards()->item(3)->text(), QStringLiteral("Good"));
}

TEST_F(StandardsDialog, AddNewStandardRefillsTheComboOfTheSetup) {
    m_Setup.SetDefaults();
    m_Setup.SetYLog(true);
    m_Setup.SetStandardIndex(1);
    TDlgSetup setup(m_Setup);
    setup.SetViewIndex(eSetupFFT);
    setup.show();
    auto* combo = setup.findChild<QComboBox*>(QStringLiteral("ComboBoxFFTStandard"));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Limit B"));
    uitest::AnswerNextModal([](QWidget* window) {
        auto* list = window->findChild<QListWidget*>(QStringLiteral("ListBoxStandards"));
        ASSERT_NE(list, nullptr);
        list->item(0)->setSelected(true);
        window->findChild<QPushButton*>(QStringLiteral("ButtonDelete"))->click();
        window->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    setup.findChild<QPushButton*>(QStringLiteral("ButtonAddStandard"))->click();
    ASSERT_EQ(combo->count(), 2);
    // The stored index is not adjusted: it now names the standard after the deleted one.
    EXPECT_EQ(combo->currentText(), QStringLiteral("Limit C"));
}

} // namespace
