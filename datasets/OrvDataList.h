#pragma once
// The datasets of one analyser memory with the header information of that
// analyser. Reads a whole transfer text (a memory, the demo file, an exported
// file) or a memory directory, keeps counts per kind, the selected dataset of
// DATALOG and the live dataset of REMOTE, stores live values, merges lists of
// the same analyser and fills the data tree.

#include "datasets/OrvDataset.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ombrix {

class DataTree;

enum ListState : std::uint8_t { eEmtyList = 0, eHeaderList = 1, eIndexList = 2, eFullList = 3 };

// One row of the dataset list views (load wizard details, export list).
struct DatasetListRow {
    std::string index;    // memory number
    std::string dataType; // kind letter
    std::string mode;
    std::string dateTime;
    OrvDataset* data = nullptr;
    bool checked = false;
};

class OrvDataList {
public:
    OrvDataList();
    ~OrvDataList();
    OrvDataList(const OrvDataList&) = delete;
    OrvDataList& operator=(const OrvDataList&) = delete;

    // Reads a transfer text: header and records, or with liveOnly the records
    // of one live measurement into the live slot. The lines are trimmed in
    // place. False when the text does not read ("Format Error"); the number and
    // date conventions are the same afterwards as before.
    bool ParseTransfer(TransferLines& lines, bool liveOnly = false);
    bool ResetAndReadHeader(TransferLines& lines);
    // Reads and removes the seven header lines.
    bool ReadHeader(TransferLines& lines);
    bool ParseDirectory(TransferLines& lines);

    void FillTree(DataTree& nodes);
    std::vector<DatasetListRow> FillListView() const;
    std::string GetDescription();

    ListState GetListState() const { return m_nListState; }
    void SetListState(ListState state) { m_nListState = state; }
    int GetCount() const { return static_cast<int>(m_Datasets.size()); }
    int GetTotalCount() const;
    int GetNormalCount() const { return m_nNormalCount; }
    int GetAutoCount() const { return m_nAutoCount; }
    int GetMatrixCount() const { return m_nMatrixCount; }
    int GetListCount() const { return m_nListCount; }
    int GetVectorCount() const { return m_nVectorCount; }

    OrvDataset* GetDataset(int index) const;
    int IndexOf(const OrvDataset* dataset) const;
    // The selected dataset while the window presents DATALOG data, else the live one.
    OrvDataset* GetCurrent() const;
    OrvDataset* GetSelected() const { return m_pSelected; }
    bool Select(OrvDataset* dataset);
    int DeleteDataset(int index);
    void SetAllExported(bool flag);
    bool AllExported() const;
    bool SameHeader(const OrvDataList& other) const;
    void MergeFrom(OrvDataList& other);
    void KeepRanges(int allFrom, int allTo, int normalFrom, int normalTo, int autoFrom, int autoTo,
                    int matrixFrom, int matrixTo, int listFrom, int listTo, int vectorFrom,
                    int vectorTo);
    int MaxMemNumber() const;

    OrvDataset* GetLive() const { return m_pLive.get() ? m_pLive.get() : m_pLiveInList; }
    void StoreLive(bool checkThreshold);
    void StoreLiveIfAuto();
    void MoveLiveToList();
    void ClearLive();
    void SetAutoStore(bool flag) { m_bAutoStore = flag; }
    bool GetAutoStore() const { return m_bAutoStore; }
    // Puts a dataset into the live slot (the live series of REMOTE).
    void SetLive(std::unique_ptr<OrvDataset> live);

    // Appends a dataset (stored live values, tests).
    OrvDataset* Append(std::unique_ptr<OrvDataset> dataset);

    const std::string& GetDevice() const { return m_sDevice; }
    const std::string& GetSerialNumber() const { return m_sSerialNumber; }
    const std::string& GetHwVersion() const { return m_sHwVersion; }
    const std::string& GetSwVersion() const { return m_sSwVersion; }
    DateTime GetCalDate() const { return m_dtCalDate; }
    DateTime GetSwDateTime() const { return m_dtSwDateTime; }
    void SetHeader(std::string device, std::string serialNumber, std::string hwVersion,
                   std::string swVersion, DateTime calDate, DateTime swDateTime);

    // Whether the main window presents DATALOG data (decides GetCurrent).
    static void SetDatabaseViewQuery(std::function<bool()> query);

private:
    void DestroyAll();
    void CountKind(Code kind);
    bool ParseRecords(TransferLines& lines, bool liveOnly);

    std::vector<std::unique_ptr<OrvDataset>> m_Datasets;
    OrvDataset* m_pSelected = nullptr;
    std::unique_ptr<OrvDataset> m_pLive; // owned while not in the list
    OrvDataset* m_pLiveInList = nullptr; // the live dataset once stored
    std::string m_sHwVersion;
    DateTime m_dtCalDate = 0;
    std::string m_sDevice;
    std::string m_sSwVersion;
    DateTime m_dtSwDateTime = 0;
    std::string m_sSerialNumber;
    int m_nNormalCount = 0;
    int m_nAutoCount = 0;
    int m_nMatrixCount = 0;
    int m_nListCount = 0;
    int m_nVectorCount = 0;
    ListState m_nListState = eEmtyList;
    bool m_bAutoStore = false;
};

// Saves and restores the conventions that text-to-number and text-to-date
// conversions use (decimal, date and time separators, short date picture).
// One saved set for the whole program.
void SaveNumberFormats();
void RestoreNumberFormats();

// A dataset of the kind read from a record.
std::unique_ptr<OrvDataset> CreateDataset(Code kind, int memNumber, Code probe, Code channel,
                                          Code mode, DateTime dateTime);

} // namespace ombrix
