#include "presentation/TDlgSetup.h"

#include "core/CheckRange.h"
#include "core/MessageBoxes.h"
#include "core/Ombrix.h"
#include "core/ProgramFolder.h"
#include "presentation/ColorShape.h"
#include "presentation/TDlgAddStandard.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr const char* kCurrentSampleFile = "Demo_strom.txt";
// Fewer lines cannot hold a current table.
constexpr int kCurrentTableMinLines = 6;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

// The lines of a text file as a string list loads them: CR LF or LF, no empty
// line after the last line end. An unreadable file gives no lines.
std::vector<std::string> ReadLines(const QString& path) {
    std::vector<std::string> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return lines;
    const QByteArray bytes = file.readAll();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.emplace_back(bytes.constData() + start, static_cast<std::size_t>(stop - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

TDlgSetup::TDlgSetup(ViewSetupStruct& setup, QWidget* parent) : TOrvDialog(parent), m_Setup(setup) {
    setObjectName(QStringLiteral("DlgSetup"));
    setWindowTitle(QStringLiteral("Setup"));

    m_pPageControl = new QStackedWidget;
    m_pPageControl->setObjectName(QStringLiteral("PageControlSetup"));
    BuildSheets();

    auto* ok = MakeOkButton(false);
    connect(ok, &QPushButton::clicked, this, &TDlgSetup::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPageControl);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TDlgSetup::~TDlgSetup() = default;

template <typename T> T* TDlgSetup::Find(const std::string& name) const {
    return name.empty() ? nullptr : findChild<T*>(Latin1(name));
}

QWidget* TDlgSetup::Sheet(int sheet) const {
    return sheet >= 0 && sheet < kSetupSheetCount ? m_pSheets[static_cast<std::size_t>(sheet)]
                                                  : nullptr;
}

bool TDlgSetup::Execute() {
    for (;;) {
        const int result = exec();
        if (!m_bReopen) return result == QDialog::Accepted;
        m_bReopen = false;
    }
}

void TDlgSetup::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TDlgSetup::FormShow() {
    if (m_bSuppressFormShow) {
        // Back from the scaling dialog: the edits made before stay.
        m_bSuppressFormShow = false;
        return;
    }
    const SetupSheetInfo* info = SetupSheetOf(m_nViewIndex);
    m_pPageControl->setCurrentWidget(m_pSheets[info ? m_nViewIndex : eSetupValue]);
    if (info && info->helpContext != 0) SetHelpContext(info->helpContext);
    LoadShownSheet();
}

void TDlgSetup::LoadShownSheet() {
    m_pRefusedField = nullptr;
    m_Loaded = LoadSheet(m_nViewIndex, m_Setup, m_Dataset);
    for (const auto& [name, text] : m_Loaded.texts)
        if (auto* edit = Find<QLineEdit>(name)) edit->setText(Latin1(text));
    for (const auto& [name, on] : m_Loaded.checks)
        if (auto* check = Find<QCheckBox>(name)) check->setChecked(on);
    for (const auto& [name, color] : m_Loaded.colors)
        if (auto* shape = Find<ColorShape>(name)) shape->SetStoredColor(color);
    if (m_nViewIndex == eSetupFFT) FillStandards(m_Loaded.standardNames, m_Loaded.standardIndex);
    if (m_nViewIndex == eSetupGraph) {
        m_dLoadedCurrentOffset = m_Setup.GetCurrentOffset();
        // No currents are drawn over the series being recorded.
        for (const char* name : LiveDisabledControls())
            if (auto* control = Find<QWidget>(name)) control->setEnabled(!m_Dataset.isLive);
    }
    ApplyEnablingRules();
}

void TDlgSetup::ApplyEnablingRules() {
    std::map<std::string, bool> checks;
    for (const EnablingRule& rule : EnablingRules())
        if (auto* check = Find<QCheckBox>(rule.checkBox))
            checks[rule.checkBox] = check->isChecked();
    for (const auto& [name, enabled] : EnabledControls(checks))
        if (auto* control = Find<QWidget>(name)) control->setEnabled(enabled);
}

SheetControls TDlgSetup::ReadControls(const SheetControls& loaded) const {
    SheetControls controls;
    for (const auto& entry : loaded.texts)
        if (auto* edit = Find<QLineEdit>(entry.first))
            controls.texts[entry.first] = Latin1(edit->text());
    for (const auto& entry : loaded.checks)
        if (auto* check = Find<QCheckBox>(entry.first))
            controls.checks[entry.first] = check->isChecked();
    for (const auto& entry : loaded.colors)
        if (auto* shape = Find<ColorShape>(entry.first))
            controls.colors[entry.first] = shape->StoredColor();
    if (auto* combo = Find<QComboBox>(kStandardComboName))
        controls.standardIndex = combo->currentIndex();
    return controls;
}

void TDlgSetup::OKBtnClick() {
    if (!CheckSheetFields()) return;
    if (SheetHasSettings(m_nViewIndex)) {
        SaveSheet(m_nViewIndex, ReadControls(m_Loaded), m_Setup, m_Dataset);
        if (m_nViewIndex == eSetupGraph) {
            const double offset = m_Setup.GetCurrentOffset();
            if (offset != m_dLoadedCurrentOffset && m_Services.shiftCurrents)
                m_Services.shiftCurrents(m_dLoadedCurrentOffset, offset);
            m_dLoadedCurrentOffset = offset;
        }
    }
    accept();
}

bool TDlgSetup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window coming up (the range message itself) is no leaving of the field.
        if (edit && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            edit->isEnabled() && edit->isVisible())
            CheckField(edit);
    }
    return TOrvDialog::eventFilter(watched, event);
}

bool TDlgSetup::CheckField(QLineEdit* edit) {
    const std::string name = Latin1(edit->objectName());
    const auto* partner = Find<QLineEdit>(PartnerField(name));
    const FieldBounds b =
        BoundsOf(name, m_Dataset, partner ? Latin1(partner->text()) : std::string());
    const bool accepted = CheckRange(edit, b.min, b.max, b.unit, b.prefixed, b.mode);
    const QWidget* focus = QApplication::focusWidget();
    const bool cancelling = focus && focus->objectName() == QLatin1String("CancelBtn");
    if (!cancelling) m_pRefusedField = accepted ? nullptr : edit;
    return accepted;
}

bool TDlgSetup::CheckSheetFields() {
    // The fields of the shown sheet once more: OK must not store a value that
    // its field refuses. A field just refused on leaving it is not reported twice.
    for (const std::string& name : CheckedFieldsOf(m_nViewIndex)) {
        auto* edit = Find<QLineEdit>(name);
        if (!edit || !edit->isEnabled()) continue;
        const auto* partner = Find<QLineEdit>(PartnerField(name));
        const RangeCheckResult result =
            CheckSetupField(name, Latin1(edit->text()),
                            partner ? Latin1(partner->text()) : std::string(), m_Dataset);
        if (result.accepted) continue;
        if (edit == m_pRefusedField && edit->hasFocus()) return false;
        CheckField(edit);
        return false;
    }
    return true;
}

QColor TDlgSetup::EditColor(const QColor& color) {
    QColorDialog dialog(color, this);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedColor() : color;
}

void TDlgSetup::ColorButtonClick(QPushButton* button) {
    if (auto* shape = Find<ColorShape>(ShapeOfColorButton(Latin1(button->objectName()))))
        shape->SetColor(EditColor(shape->Color()));
}

void TDlgSetup::ButtonPlaneScaleDefaultClick() {
    for (const auto& [name, color] : DefaultPlaneScaleShapes())
        if (auto* shape = Find<ColorShape>(name)) shape->SetStoredColor(color);
}

void TDlgSetup::FillStandards(const std::vector<std::string>& names, int selected) {
    auto* combo = Find<QComboBox>(kStandardComboName);
    combo->clear();
    for (const std::string& name : names)
        combo->addItem(Latin1(name));
    combo->setCurrentIndex(selected >= 0 && selected < combo->count() ? selected : -1);
}

void TDlgSetup::ButtonAddStandardClick() {
    if (!m_pDlgAddStandard) m_pDlgAddStandard = new TDlgAddStandard(m_Setup, this);
    m_pDlgAddStandard->exec();
    std::vector<std::string> names;
    for (const auto& standard : m_Setup.GetStandards())
        names.push_back(standard->GetName());
    FillStandards(names, m_Setup.GetStandardIndex());
}

void TDlgSetup::ButtonGraphImportCurrentDataClick() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("All files (*)"));
    const QString folder = QString::fromStdString(ProgramFolder().string());
    dialog.setDirectory(folder);
    dialog.selectFile(QString::fromLatin1(kCurrentSampleFile));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;

    const std::vector<std::string> lines = ReadLines(dialog.selectedFiles().first());
    if (static_cast<int>(lines.size()) < kCurrentTableMinLines) {
        ShowPlainError(this, kFormatErrorText);
        return;
    }
    // The new curves have no offset yet: saving the sheet shifts them by the
    // offset in the field.
    if (m_Services.importCurrents && m_Services.importCurrents(this, lines))
        m_dLoadedCurrentOffset = 0;
}

void TDlgSetup::CheckBoxPlaneBGVisibleClick() {
    if (m_Services.showBackground)
        m_Services.showBackground(Find<QCheckBox>("CheckBoxPlaneBGVisible")->isChecked());
}

void TDlgSetup::ButtonPlaneLoadBGImageClick() {
    if (!m_Services.loadBackground) return;
    auto* file = Find<QLineEdit>("EditPlaneBGImage");
    const std::optional<std::string> loaded = m_Services.loadBackground(this);
    if (!loaded) {
        file->clear();
        return;
    }
    file->setText(Latin1(*loaded));
    Find<QCheckBox>("CheckBoxPlaneBGVisible")->setChecked(true);
    CheckBoxPlaneBGVisibleClick();
    ApplyEnablingRules();
}

void TDlgSetup::ButtonPlaneScaleBGImageClick() {
    if (!m_Services.scaleBackground) return;
    // The plane chart behind must be seen while the picture is scaled.
    m_bSuppressFormShow = true;
    m_bReopen = isModal();
    hide();
    m_Services.scaleBackground(parentWidget());
    if (!m_bReopen) {
        show();
    }
}

} // namespace ombrix
