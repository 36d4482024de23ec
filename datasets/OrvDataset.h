#pragma once
// A dataset: one stored measurement of the analyser (a value, a harmonics list,
// a timed series, a spatial grid or a spectrum). The base holds what every
// record has in common, the shared field texts, the dataset's tree node and the
// frame of its record in the transfer text, which serves both reading the
// analyser's memory and exporting.

#include "config/Listendecl.h"
#include "core/DateTime.h"
#include "datasets/TransferLines.h"
#include "datasets/ValueClass.h"
#include "export/ExportCells.h"

#include <string>
#include <vector>

namespace ombrix {

class DataTree;
class DataTreeNode;
struct RecordCells;


class OrvDataset {
public:
    OrvDataset(int memNumber, Code dataType, Code probe, Code channel, Code mode,
               DateTime dateTime);
    virtual ~OrvDataset() = default;
    OrvDataset(const OrvDataset&) = delete;
    OrvDataset& operator=(const OrvDataset&) = delete;

    // Appends the dataset's lines; raises ExportOverflow when they do not fit.
    virtual void ExportTo(LineList& lines, bool csv);
    // Reads the record that starts at `index` (its label line); leaves `index`
    // on the first line after it. A conversion failure throws; false when the
    // record cannot be read.
    virtual bool ParseFrom(const TransferLines& lines, int& index);
    virtual DataTreeNode* AddToTree(DataTree& nodes, DataTreeNode* parent);
    virtual void ExpandNode(DataTree& nodes, DataTreeNode* node);
    virtual std::string GetInfoText();
    virtual std::string GetMarkerText();
    virtual int GetCursor();
    virtual void SetCursor(int index);
    virtual ValueClass GetValueClass();
    virtual void GetLastPoint(double& number, double& value);
    virtual void SetLastPoint(double number, double value);

    // Field texts in one of five forms: 0 value, 1 label, 2 "label: value",
    // 3 PadCell(label + ":", 12) + value, 4 PadCell(label, 8) + value.
    static std::string FormatField(const std::string& label, const std::string& value, int mode);

    std::string FormatMemNumber(int mode) const;
    std::string FormatDataType(int mode) const;
    std::string FormatProbe(int mode) const;
    std::string FormatChannel(int mode) const;
    std::string FormatMode(int mode) const;
    std::string FormatDate(int mode) const;
    std::string FormatTime(int mode) const;
    std::string FormatDateAndTime(int mode) const;

    // "Magnetic Induction", "Electric field strength" or "?" by the probe.
    std::string QuantityName() const;
    // Same kind, probe, channel, mode and date-time.
    static bool SameDataset(const OrvDataset& a, const OrvDataset& b);

    // The separator of the transfer text being read, set by the data list.
    static char TransferSeparator();
    static void SetTransferSeparator(char separator);

    Code GetMode() const { return m_nMode; }
    void SetMode(Code mode) { m_nMode = mode; }
    Code GetProbe() const { return m_nProbe; }
    void SetProbe(Code probe) { m_nProbe = probe; }
    Code GetChannel() const { return m_nChannel; }
    Code GetDataType() const { return m_nDataType; }
    int GetMemNumber() const { return m_nMemNumber; }
    void SetMemNumber(int number) { m_nMemNumber = number; }
    DateTime GetDateTime() const { return m_dtDateTime; }
    void SetDateTime(DateTime value) { m_dtDateTime = value; }
    const std::string& GetComment() const { return m_sComment; }
    void SetComment(std::string comment) { m_sComment = std::move(comment); }
    bool GetExported() const { return m_bExported; }
    void SetExported(bool exported) { m_bExported = exported; }
    bool GetChecked() const { return m_bChecked; }
    void SetChecked(bool checked) { m_bChecked = checked; }
    bool GetExpanded() const { return m_bExpanded; }
    void SetExpanded(bool expanded) { m_bExpanded = expanded; }
    DataTreeNode* GetTreeNode() const { return m_pTreeNode; }
    void SetTreeNode(DataTreeNode* node) { m_pTreeNode = node; }

protected:
    // The base value class before a kind looks at its unit: percent in STD,
    // V/m for the E-field probe, else not yet resolved (eBField).
    ValueClass BaseValueClass() const;
    // eBField resolved by the unit code (T, G, A/m; anything else T).
    static ValueClass ResolveByUnit(ValueClass base, Code unit);

    // The cells that open every record: MEM#, D, PROBE, CHN and MODE.
    void AddCommonCells(RecordCells& cells) const;
    // DATE and TIME, in the export date and time pictures.
    void AddDateTimeCells(RecordCells& cells) const;
    // Strips the label line of its last separator and adds both lines.
    static void AddRecordLines(LineList& lines, RecordCells& cells);
    // A sub-node of the dataset's node showing one field; a field that has
    // nothing to show adds no node.
    void AddLeaf(DataTree& nodes, DataTreeNode* parent, std::string text);

    int m_nCursor = 0;
    bool m_bExported = true;
    bool m_bChecked = false;
    bool m_bExpanded = false;
    DataTreeNode* m_pTreeNode = nullptr;
    Code m_nMode;
    Code m_nChannel;
    Code m_nProbe;
    Code m_nDataType;
    int m_nMemNumber;
    DateTime m_dtDateTime;
    std::string m_sComment;
    double m_dLastNumber = -1.0;
    double m_dLastValue = -1.0;
};

} // namespace ombrix
