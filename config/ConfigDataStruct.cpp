#include "config/ConfigDataStruct.h"

#include <climits>
#include <stdexcept>

namespace ombrix {

namespace {

constexpr unsigned ModeBit(ModeCode mode) {
    return 1u << mode;
}

constexpr unsigned kFST = ModeBit(eFST);
constexpr unsigned kSTD = ModeBit(eSTD);
constexpr unsigned kFFT = ModeBit(eFFT);
constexpr unsigned kHAR = ModeBit(eHAR);
constexpr unsigned kAllModes = kFST | kSTD | kFFT | kHAR;

enum class ItemKind { Byte, ListIndex, Standard, Frequency, Reserved };

struct ItemRule {
    int command;
    unsigned validModes;
    ItemKind kind;
};

// Indexed by item id.
constexpr std::array<ItemRule, kConfigItemCount> kItemRules{{
    {142, kAllModes, ItemKind::Byte},          // MODE
    {140, kFST | kFFT | kHAR, ItemKind::Byte}, // RANGE_E
    {138, kFST | kFFT | kHAR, ItemKind::Byte}, // RANGE_B
    {160, kFFT, ItemKind::Byte},               // RANGE_F
    {146, kFST, ItemKind::Byte},               // FILTER
    {132, kFST, ItemKind::Frequency},          // BPFRQ
    {150, kFST, ItemKind::ListIndex},          // BPINDEX
    {134, kFST, ItemKind::Frequency},          // BSFRQ
    {152, kFST, ItemKind::ListIndex},          // BSINDEX
    {148, kFST, ItemKind::Byte},               // BBINDEX
    {136, kHAR, ItemKind::Frequency},          // FUNDFRQ
    {164, kHAR, ItemKind::ListIndex},          // FUNDINDEX
    {156, kFFT, ItemKind::Byte},               // SPECNORM
    {120, kFFT | kHAR, ItemKind::Byte},        // NAVG
    {118, kAllModes, ItemKind::Byte},          // CHANNEL
    {36, kAllModes, ItemKind::Byte},           // LIVE
    {58, kFST | kFFT | kHAR, ItemKind::Byte},  // BUNIT
    {158, kFFT, ItemKind::Byte},               // DECFFT
    {162, kHAR, ItemKind::Byte},               // DECHAR
    {144, kFST, ItemKind::Byte},               // DECFST
    {0, kAllModes, ItemKind::Reserved},        // 20
    {0, kSTD | kFFT, ItemKind::Reserved},      // 21
    {116, kSTD | kFFT, ItemKind::Standard},    // STDINDEX
}};

const ItemRule* RuleOf(ConfigItem item) {
    const int id = static_cast<int>(item);
    return id >= 0 && id < kConfigItemCount ? &kItemRules[static_cast<std::size_t>(id)] : nullptr;
}

bool IsKnownMode(Code mode) {
    return mode == eFST || mode == eSTD || mode == eFFT || mode == eHAR;
}

ItemKind KindOf(ConfigItem item) {
    const ItemRule* rule = RuleOf(item);
    return rule ? rule->kind : ItemKind::Reserved;
}

// The byte fields by item id; null where the field is not a byte.
Code ConfigDataStruct::*ByteField(ConfigItem item) {
    switch (item) {
    case ConfigItem::MODE:
        return &ConfigDataStruct::MODE;
    case ConfigItem::RANGE_E:
        return &ConfigDataStruct::RANGE_E;
    case ConfigItem::RANGE_B:
        return &ConfigDataStruct::RANGE_B;
    case ConfigItem::RANGE_F:
        return &ConfigDataStruct::RANGE_F;
    case ConfigItem::FILTER:
        return &ConfigDataStruct::FILTER;
    case ConfigItem::BBINDEX:
        return &ConfigDataStruct::BBINDEX;
    case ConfigItem::SPECNORM:
        return &ConfigDataStruct::SPECNORM;
    case ConfigItem::NAVG:
        return &ConfigDataStruct::NAVG;
    case ConfigItem::CHANNEL:
        return &ConfigDataStruct::CHANNEL;
    case ConfigItem::LIVE:
        return &ConfigDataStruct::LIVE;
    case ConfigItem::BUNIT:
        return &ConfigDataStruct::BUNIT;
    case ConfigItem::DECFFT:
        return &ConfigDataStruct::DECFFT;
    case ConfigItem::DECHAR:
        return &ConfigDataStruct::DECHAR;
    case ConfigItem::DECFST:
        return &ConfigDataStruct::DECFST;
    default:
        return nullptr;
    }
}

std::int32_t ConfigDataStruct::*IndexField(ConfigItem item) {
    switch (item) {
    case ConfigItem::BPINDEX:
        return &ConfigDataStruct::BPINDEX;
    case ConfigItem::BSINDEX:
        return &ConfigDataStruct::BSINDEX;
    case ConfigItem::FUNDINDEX:
        return &ConfigDataStruct::FUNDINDEX;
    case ConfigItem::STDINDEX:
        return &ConfigDataStruct::STDINDEX;
    default:
        return nullptr;
    }
}

} // namespace

bool IsItemValid(ConfigItem item, Code mode) {
    const ItemRule* rule = RuleOf(item);
    return rule && IsKnownMode(mode) && (rule->validModes & (1u << mode)) != 0;
}

int ItemCommand(ConfigItem item) {
    const ItemRule* rule = RuleOf(item);
    return rule ? rule->command : 0;
}

bool IsFrequencyItem(ConfigItem item) {
    return KindOf(item) == ItemKind::Frequency;
}

bool IsIntegerItem(ConfigItem item) {
    const ItemKind kind = KindOf(item);
    return kind == ItemKind::Byte || kind == ItemKind::ListIndex || kind == ItemKind::Standard;
}

int ItemValueSent(ConfigItem item, int value) {
    return item == ConfigItem::FUNDINDEX || item == ConfigItem::STDINDEX ? value + 1 : value;
}

bool ItemValueFits(ConfigItem item, int value) {
    switch (KindOf(item)) {
    case ItemKind::Byte:
        return value >= 0 && value <= 255;
    case ItemKind::ListIndex:
        return value >= 0 && value < kFrequencyListSize;
    // The analyser counts its standards from 1, so the index sent must still be an int.
    case ItemKind::Standard:
        return value >= 0 && value < INT_MAX;
    default:
        return false;
    }
}

int ItemValue(const ConfigDataStruct& record, ConfigItem item) {
    if (auto field = ByteField(item)) return record.*field;
    if (auto field = IndexField(item)) return record.*field;
    return 0;
}

void SetItemValue(ConfigDataStruct& record, ConfigItem item, int value) {
    if (auto field = ByteField(item))
        record.*field = static_cast<Code>(value);
    else if (auto index = IndexField(item))
        record.*index = value;
}

const FrequencyList& FrequencyListOf(const ConfigDataStruct& record, ConfigItem item) {
    switch (item) {
    case ConfigItem::BPFRQ:
        return record.BPFRQ;
    case ConfigItem::BSFRQ:
        return record.BSFRQ;
    case ConfigItem::FUNDFRQ:
        return record.FUNDFRQ;
    default:
        throw std::invalid_argument("not a frequency list");
    }
}

FrequencyList& FrequencyListOf(ConfigDataStruct& record, ConfigItem item) {
    return const_cast<FrequencyList&>(
        FrequencyListOf(static_cast<const ConfigDataStruct&>(record), item));
}

double FrequencyAt(const FrequencyList& list, int index) {
    return index >= 0 && index < kFrequencyListSize ? list[static_cast<std::size_t>(index)] : 0.0;
}

} // namespace ombrix
