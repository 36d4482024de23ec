// The communication settings and the service dialog.

#include "UiTestSupport.h"

#include "core/SettingsStore.h"
#include "link/TDlgCommunication.h"
#include "link/TDlgService.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace ombrix;

namespace {

class Communication : public ::testing::Test {
protected:
    void SetUp() override { uitest::ClearSettings(); }

    QCheckBox* Box(const char* name) {
        return m_dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    QPushButton* Button(const char* name) {
        return m_dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    TDlgCommunication m_dialog;
};

TEST_F(Communication, StoredPortTextSelectsItsTab) {
    struct Case {
        const char* stored;
        int number; // PortNumberOf
        int tab;    // selected tab, -1 none
    };
    const Case cases[] = {
        {"COM3", 3, 2}, {"XYZ", 1, 0},   {"", 1, 0},        {"COM8", 8, 7},
        {"COM0", 1, 0}, {"COM-2", 2, 1}, {"COM12", 12, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TDlgCommunication::PortNumberOf(c.stored), c.number) << c.stored;
        WriteRegString(reg::kComPort, c.stored);
        m_dialog.show();
        EXPECT_EQ(m_dialog.SelectedPort(), c.tab) << c.stored;
        m_dialog.hide();
    }
}

TEST_F(Communication, MissingSettingsShowTheDefaultsAndOkStoresThem) {
    m_dialog.show();
    EXPECT_TRUE(Box("CheckBox19200Baud")->isChecked());
    EXPECT_TRUE(Box("CheckBoxShow")->isChecked());
    EXPECT_EQ(m_dialog.SelectedPort(), 0);
    Button("OKBtn")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadRegInt(reg::kBaudrate, 0), 19200);
    EXPECT_EQ(ReadRegInt(reg::kShowComDlg, -1), 1);
    EXPECT_EQ(ReadRegString(reg::kComPort, ""), "COM1");
}

TEST_F(Communication, OkStoresTheChosenPortSpeedAndShowFlag) {
    WriteRegInt(reg::kBaudrate, 9600);
    WriteRegInt(reg::kShowComDlg, 0);
    m_dialog.show();
    EXPECT_FALSE(Box("CheckBox19200Baud")->isChecked());
    EXPECT_FALSE(Box("CheckBoxShow")->isChecked());
    EXPECT_FALSE(TDlgCommunication::ShowComDlg());
    m_dialog.findChild<QAbstractButton*>(QStringLiteral("TabPort8"))->click();
    EXPECT_EQ(m_dialog.SelectedPort(), 7);
    Box("CheckBoxShow")->click();
    Button("OKBtn")->click();
    EXPECT_EQ(ReadRegString(reg::kComPort, ""), "COM8");
    EXPECT_EQ(ReadRegInt(reg::kBaudrate, 0), 9600);
    EXPECT_TRUE(TDlgCommunication::ShowComDlg());
}

TEST_F(Communication, CancelWritesNothing) {
    WriteRegString(reg::kComPort, "COM2");
    m_dialog.show();
    m_dialog.findChild<QAbstractButton*>(QStringLiteral("TabPort5"))->click();
    Box("CheckBox19200Baud")->click();
    Box("CheckBoxShow")->click();
    Button("CancelBtn")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
    EXPECT_EQ(ReadRegString(reg::kComPort, ""), "COM2");
    EXPECT_FALSE(Settings().ReadInt(reg::kBaudrate).has_value());
    EXPECT_FALSE(Settings().ReadInt(reg::kShowComDlg).has_value());
}

// A port that the dialog cannot offer is kept, not replaced by "COM0".
TEST_F(Communication, OkWithoutAPortKeepsTheStoredOne) {
    WriteRegString(reg::kComPort, "COM12");
    m_dialog.show();
    ASSERT_EQ(m_dialog.SelectedPort(), -1);
    Button("OKBtn")->click();
    EXPECT_EQ(ReadRegString(reg::kComPort, ""), "COM12");
    EXPECT_EQ(ReadRegInt(reg::kBaudrate, 0), 19200);
}

TEST(Service, LinesFillTheValueLabelsInOrder) {
    TDlgService dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Service"));
    const char* labels[] = {"LabelDevice",    "LabelSerialNo",  "LabelIdentification",
                            "LabelHWVersion", "LabelSWVersion", "LabelCalDate",
                            "LabelProbe",     "LabelBatState",  "LabelErrorCode",
                            "LabelSTD",       "LabelFFTHarm",   "LabelExtFrq"};
    std::vector<std::string> lines;
    for (int i = 0; i < TDlgService::kLineCount; ++i)
        lines.push_back("line " + std::to_string(i));
    lines[6] = "B-Probe Q-1 (100 cm\xB2)";
    dialog.SetServiceLines(lines);
    for (int i = 0; i < TDlgService::kLineCount; ++i) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(labels[i]));
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->text(), QString::fromLatin1(lines[static_cast<size_t>(i)])) << labels[i];
    }
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelProbe"))->text(),
              QStringLiteral("B-Probe Q-1 (100 cm\u00b2)"));

    // A shorter list (the analyser said less) leaves no text of a former showing.
    dialog.SetServiceLines({"EFA-3"});
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelDevice"))->text(),
              QStringLiteral("EFA-3"));
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("LabelExtFrq"))->text().isEmpty());
}

} // namespace
