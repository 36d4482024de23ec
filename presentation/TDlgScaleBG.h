#pragma once
// "Scale backgroung image": shifts, stretches and turns the background picture
// of the plane view while the chart shows the result at once. OK stores the
// values in the view settings; Cancel stores nothing but keeps the picture as
// last applied.

#include "core/TOrvDialog.h"
#include "presentation/BackgroundScaling.h"

class QLineEdit;

namespace ombrix {

class BackgroundPipeline;
class TUpDown;
class ViewSetupStruct;

class TDlgScaleBG : public TOrvDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 33;
    static constexpr int kOffsetLimit = 1000;
    static constexpr int kStretchMin = 1;
    static constexpr int kStretchMax = 1000;
    static constexpr int kRotationLimit = 180;

    TDlgScaleBG(BackgroundPipeline& pipeline, ViewSetupStruct& settings, QWidget* parent = nullptr);

    // The four offset and stretch fields as integers (offsets 0 and stretches
    // 100 when a field is no integer).
    ScaleValues Fields() const;
    int RotationField() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void StretchImage();
    void RotateImage();
    void OKBtnClick();

    BackgroundPipeline& m_Pipeline;
    ViewSetupStruct& m_Settings;

    QLineEdit* m_pEditVOffset = nullptr;
    QLineEdit* m_pEditVStretch = nullptr;
    QLineEdit* m_pEditHOffset = nullptr;
    QLineEdit* m_pEditHStretch = nullptr;
    QLineEdit* m_pEditRotate = nullptr;
};

} // namespace ombrix
