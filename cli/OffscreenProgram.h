#pragma once
// The program's main window as ombrix-cli starts it to draw a view: on the
// screen-less platform, entering DATALOG on one file through the program's own
// mode change (the load wizard's part taken by the tool: every dataset of the
// file), then showing one dataset on one view page, as the user would select
// it in the tree and choose the page's tab.

#include "cli/CliSupport.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace ombrix {
class OmbrixProgram;
class OrvDataset;
class SettingsStore;
class TOrvMainForm;
} // namespace ombrix

namespace ombrix::cli {

class LoadingHost;
class StartSettings;

// The view names of --view in view sheet code order.
std::optional<int> ViewSheetOf(const std::string& name);
std::string ViewSheetNames();

class OffscreenProgram {
public:
    // Needs a QApplication. `printOptions` false: the pictures carry neither
    // the information block nor the comment, whatever the stored options say.
    explicit OffscreenProgram(bool printOptions);
    ~OffscreenProgram();
    OffscreenProgram(const OffscreenProgram&) = delete;
    OffscreenProgram& operator=(const OffscreenProgram&) = delete;

    // Enters DATALOG on `file`. False when its text does not read ("Format
    // Error" reported); UsageError when it cannot be read at all.
    bool Start(const std::filesystem::path& file);

    // Shows the dataset of --mem N on the page of `sheet`; UsageError when the
    // dataset is missing or that page is not shown for its kind.
    void Show(const Arguments& args, int sheet);

    TOrvMainForm& Form() const;

private:
    std::unique_ptr<StartSettings> m_pSettings;
    std::unique_ptr<LoadingHost> m_pHost;
    std::unique_ptr<OmbrixProgram> m_pProgram;
};

} // namespace ombrix::cli
