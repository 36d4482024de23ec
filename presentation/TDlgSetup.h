#pragma once
// The view setup dialog: one sheet per view, of which only the sheet of the
// view shown in the main window is visible. It shows the view settings in the
// quantity of the dataset shown, checks each edit field when it is left and
// writes the sheet back to the record only on OK.

#include "core/TOrvDialog.h"
#include "presentation/ViewSetupRules.h"

#include <QColor>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace ombrix {

class ColorShape;
class TDlgAddStandard;
class ViewSetupStruct;

// What the dialog asks of the rest of the program: the current import, the
// current curves and the plane view's background picture. A service left
// empty makes its button do nothing beyond its own checks.
struct SetupServices {
    // Shows the current import with the lines of the chosen file; true on OK.
    std::function<bool(QWidget* parent, const std::vector<std::string>& lines)> importCurrents;
    // Moves the current curves of the time graph from the old offset to the
    // new one (seconds).
    std::function<void(double oldOffset, double newOffset)> shiftCurrents;
    // Lets the user load a background picture; the file name on success,
    // nothing when the picture could not be loaded.
    std::function<std::optional<std::string>(QWidget* parent)> loadBackground;
    // The scaling dialog, shown while the setup dialog is hidden.
    std::function<void(QWidget* parent)> scaleBackground;
    // Shows the current background picture in the plane chart, or none.
    std::function<void(bool visible)> showBackground;
};

class TDlgSetup : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr const char* kNoSettingsText = "Keine Einstellm\xF6glichkeiten!";

    explicit TDlgSetup(ViewSetupStruct& setup, QWidget* parent = nullptr);
    ~TDlgSetup() override;

    // Set by the caller before showing: the main window's view index and the
    // dataset shown.
    void SetViewIndex(int sheet) { m_nViewIndex = sheet; }
    int ViewIndex() const { return m_nViewIndex; }
    void SetDataset(const SetupDataset& dataset) { m_Dataset = dataset; }
    const SetupDataset& Dataset() const { return m_Dataset; }
    SetupServices& Services() { return m_Services; }

    // Shows the dialog modally; true when closed with OK. Use this rather
    // than exec(): the scaling of the background picture hides the dialog for
    // a while, which ends a plain exec().
    bool Execute();

    // Opens the colour dialog preset with `color`; the chosen colour, or
    // `color` when the dialog is cancelled.
    QColor EditColor(const QColor& color);

    // The sheet widget of a view index (also the hidden ones), for pictures.
    QWidget* Sheet(int sheet) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (TDlgSetupSheets.cpp).
    void BuildSheets();
    QWidget* BuildNoSettingsSheet(int sheet);
    QWidget* BuildGraphSheet();
    QWidget* BuildFFTSheet();
    QWidget* BuildPeakListSheet();
    QWidget* BuildAxisSheet();
    QWidget* BuildPlaneSheet();
    QWidget* BuildHistogramSheet();
    QWidget* BuildHarmonicsSheet();
    QWidget* BuildGridIndexGroup(const QString& sheet);
    QLineEdit* Edit(const char* name, int width = 90);
    QCheckBox* Check(const char* name, const QString& caption);
    ColorShape* Shape(const char* name);
    QPushButton* ColorButton(const char* name);
    QPushButton* Button(const char* name, const QString& caption);

    // Working.
    void FormShow();
    void LoadShownSheet();
    void ApplyEnablingRules();
    void OKBtnClick();
    bool CheckField(QLineEdit* edit);
    bool CheckSheetFields();
    void ColorButtonClick(QPushButton* button);
    void ButtonPlaneScaleDefaultClick();
    void ButtonAddStandardClick();
    void FillStandards(const std::vector<std::string>& names, int selected);
    void ButtonGraphImportCurrentDataClick();
    void CheckBoxPlaneBGVisibleClick();
    void ButtonPlaneLoadBGImageClick();
    void ButtonPlaneScaleBGImageClick();
    SheetControls ReadControls(const SheetControls& loaded) const;
    template <typename T> T* Find(const std::string& name) const;

    ViewSetupStruct& m_Setup;
    int m_nViewIndex = 0;
    SetupDataset m_Dataset;
    SetupServices m_Services;
    // The offset with which the current curves are drawn, remembered on loading.
    double m_dLoadedCurrentOffset = 0;
    // Keeps FormShow from reloading while the scaling dialog hides this one.
    bool m_bSuppressFormShow = false;
    // Set while the dialog is hidden for the scaling dialog: it is shown again.
    bool m_bReopen = false;
    // What the shown sheet was loaded with: the names of its controls.
    SheetControls m_Loaded;
    // The field that was just refused, so OK does not report it twice.
    QLineEdit* m_pRefusedField = nullptr;

    QStackedWidget* m_pPageControl = nullptr;
    TDlgAddStandard* m_pDlgAddStandard = nullptr;
    std::array<QWidget*, kSetupSheetCount> m_pSheets{};
};

} // namespace ombrix
