#pragma once
// The analyser's measurement configuration as the program knows it, and the
// named user setups of "OrvConf.dat". Every change of an item is sent to the
// analyser first and kept only when the analyser accepts it; an item that means
// nothing in the current measurement mode is neither sent nor changed.

#include "config/ConfigDataStruct.h"
#include "datasets/TransferLines.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ombrix {

class OrvCommunication;


class OrvConfiguration {
public:
    // The first four setups of the file are permanent.
    static constexpr int kPermanentSetupCount = 4;
    static constexpr double kGaussPerTesla = 1e4;
    // Magnetic field strength in A/m of one tesla in air.
    static constexpr double kAmperePerMetrePerTesla = 795774.8;

    // Fills the simulated analyser's live-data templates from "DemoDat.dat".
    explicit OrvConfiguration(OrvCommunication& communication);
    virtual ~OrvConfiguration();
    OrvConfiguration(const OrvConfiguration&) = delete;
    OrvConfiguration& operator=(const OrvConfiguration&) = delete;

    // Start of REMOTE mode: takes the device options, forgets what the analyser
    // confirmed, loads the user setups and takes the first one as the current
    // record without sending it. False when "OrvConf.dat" could not be opened
    // (the user was told; the REMOTE start is abandoned).
    bool Initialise(bool optSTD, bool optFFT, bool optExtFrq);

    // Forgets what the analyser confirmed: the setters send even an unchanged
    // value again (a frequency still goes out only when it changes).
    void MarkUnread();
    // The next measurement block starts a new live dataset.
    void MarkChanged() { m_bChanged = true; }
    bool IsChanged() const { return m_bChanged; }
    // The measurement read clears the mark when it writes a new dataset header.
    void SetChanged(bool changed) { m_bChanged = changed; }
    bool IsConfirmed(ConfigItem item) const;

    OrvCommunication& Communication() const { return m_pCommunication; }
    const ConfigDataStruct& GetData() const { return m_Current; }

    // The main object's way to drop its live dataset.
    void SetDiscardLiveHandler(std::function<void()> handler);
    void DiscardLive();

    bool OptionSTD() const { return m_bOptSTD; }
    bool OptionFFT() const { return m_bOptFFT; }
    bool OptionExtFrq() const { return m_bOptExtFrq; }
    // Whether the analyser offers the measurement mode (a known mode whose
    // device option is present).
    bool IsModeAvailable(int mode) const;

    // --- Items. Setters return true when the value is in force afterwards.
    // Integer items by id (frequency lists and reserved ids: 0 and false).
    int GetItem(ConfigItem item) const;
    bool SetItem(ConfigItem item, int value);

    Code GetMODE() const { return m_Current.MODE; }
    bool SetMODE(int mode);
    Code GetRANGE_E() const { return m_Current.RANGE_E; }
    bool SetRANGE_E(int code) { return SetItem(ConfigItem::RANGE_E, code); }
    Code GetRANGE_B() const { return m_Current.RANGE_B; }
    bool SetRANGE_B(int code) { return SetItem(ConfigItem::RANGE_B, code); }
    Code GetRANGE_F() const { return m_Current.RANGE_F; }
    bool SetRANGE_F(int code) { return SetItem(ConfigItem::RANGE_F, code); }
    Code GetFILTER() const { return m_Current.FILTER; }
    bool SetFILTER(int code) { return SetItem(ConfigItem::FILTER, code); }
    int GetBPINDEX() const { return m_Current.BPINDEX; }
    bool SetBPINDEX(int index) { return SetItem(ConfigItem::BPINDEX, index); }
    int GetBSINDEX() const { return m_Current.BSINDEX; }
    bool SetBSINDEX(int index) { return SetItem(ConfigItem::BSINDEX, index); }
    Code GetBBINDEX() const { return m_Current.BBINDEX; }
    bool SetBBINDEX(int code) { return SetItem(ConfigItem::BBINDEX, code); }
    int GetFUNDINDEX() const { return m_Current.FUNDINDEX; }
    bool SetFUNDINDEX(int index) { return SetItem(ConfigItem::FUNDINDEX, index); }
    Code GetSPECNORM() const { return m_Current.SPECNORM; }
    bool SetSPECNORM(int code) { return SetItem(ConfigItem::SPECNORM, code); }
    Code GetNAVG() const { return m_Current.NAVG; }
    bool SetNAVG(int code) { return SetItem(ConfigItem::NAVG, code); }
    Code GetCHANNEL() const { return m_Current.CHANNEL; }
    bool SetCHANNEL(int code) { return SetItem(ConfigItem::CHANNEL, code); }
    Code GetLIVE() const { return m_Current.LIVE; }
    bool SetLIVE(int code) { return SetItem(ConfigItem::LIVE, code); }
    // The analyser's own B unit (T or G); see BUnit for the unit presented.
    Code GetBUNIT() const { return m_Current.BUNIT; }
    bool SetBUNIT(int code) { return SetItem(ConfigItem::BUNIT, code); }
    Code GetDECFFT() const { return m_Current.DECFFT; }
    bool SetDECFFT(int code) { return SetItem(ConfigItem::DECFFT, code); }
    Code GetDECHAR() const { return m_Current.DECHAR; }
    bool SetDECHAR(int code) { return SetItem(ConfigItem::DECHAR, code); }
    Code GetDECFST() const { return m_Current.DECFST; }
    bool SetDECFST(int code) { return SetItem(ConfigItem::DECFST, code); }
    int GetSTDINDEX() const { return m_Current.STDINDEX; }
    bool SetSTDINDEX(int index) { return SetItem(ConfigItem::STDINDEX, index); }

    // Frequency lists, entry 0..5 (outside: 0 and false).
    double GetBPFRQ(int index) const { return FrequencyAt(m_Current.BPFRQ, index); }
    bool SetBPFRQ(int index, double hz) { return SetFrequency(ConfigItem::BPFRQ, index, hz); }
    double GetBSFRQ(int index) const { return FrequencyAt(m_Current.BSFRQ, index); }
    bool SetBSFRQ(int index, double hz) { return SetFrequency(ConfigItem::BSFRQ, index, hz); }
    double GetFUNDFRQ(int index) const { return FrequencyAt(m_Current.FUNDFRQ, index); }
    bool SetFUNDFRQ(int index, double hz) { return SetFrequency(ConfigItem::FUNDFRQ, index, hz); }
    bool SetFrequency(ConfigItem list, int index, double hz);

    // The B unit values are presented in: 4 (A/m) while the stored setting
    // "use A/m Unit" is on, else the analyser's BUNIT. A/m is computed from
    // tesla by the program; the analyser only knows T and G.
    Code BUnit() const;
    bool SetBUnit(int unit);

    // The probe the analyser measures with; the simulated analyser always has
    // its internal B probe.
    virtual Code Probe() const;
    // The name of the analyser's exposure standard `index` (0..5).
    virtual std::string StandardName(int index) const;

    // Display limits of the current measuring range in the presented unit.
    void RangeLimits(double& min, double& max) const;

    // One measurement block in transfer form (the analyser link builds it).
    void ReadMeasurement(TransferLines& lines, int& memNumber, const std::string& stepText,
                         bool newDataset);

    // --- User setups
    int UserSetupCount() const { return static_cast<int>(m_pUserSetups.size()); }
    const std::vector<ConfigDataStruct>& UserSetups() const { return m_pUserSetups; }
    // "actual" for an index outside the list.
    std::string UserSetupName(int index) const;
    // The name is cut to 30 characters; line breaks become blanks so that the
    // setup stays three lines in the file.
    bool RenameUserSetup(int index, const std::string& name);
    // Appends the current record named by its mode text and the next number
    // of that mode ("FST 3" after "FST 1" and "FST 2").
    void AddUserSetup();
    // Refuses the permanent setups and indices outside the list.
    bool DeleteUserSetup(int index);
    // Runs the setters with the setup's values when the analyser offers its
    // mode; false when nothing was applied.
    bool ApplyUserSetup(int index);
    // "KEY: value" lines (CR LF each) of the items valid in the setup's mode;
    // the current record for an index outside the list.
    std::string SetupDescription(int index) const;

    // "OrvConf.dat" of the program folder. Loading replaces the setups; a
    // format error is shown and keeps the setups before it. False only when
    // the file could not be read (shown as well).
    bool LoadUserSetups();
    bool LoadUserSetups(const std::filesystem::path& file);
    // Writes only while the permanent setups are all there, and never leaves
    // a half-written file. False (and shown) when the file could not be written.
    bool SaveUserSetups() const;
    bool SaveUserSetups(const std::filesystem::path& file) const;

private:
    bool SetCheckedItem(ConfigItem item, int value);
    bool PreconditionHolds(ConfigItem item, int value) const;

    bool m_bChanged = true;
    ConfigDataStruct m_Current;
    std::vector<ConfigDataStruct> m_pUserSetups;
    bool m_bUserSetupsDamaged = false; // the last load met a format error
    std::array<bool, kConfigItemCount> m_bConfirmed{};
    OrvCommunication& m_pCommunication;
    bool m_bOptSTD = false;
    bool m_bOptFFT = false;
    bool m_bOptExtFrq = false;
    std::function<void()> m_DiscardLive;
};

} // namespace ombrix
