#pragma once
// The vocabulary of the analyser: every setting and record keyword as a one-byte
// code, with its text and, where the program reads the keyword from transfer
// text, the way back. A text that matches no entry raises std::invalid_argument
// whose message is the enumeration's keyword ("Probe", "Filter", ...). A code
// that was not read is 255.

#include <cstdint>
#include <string>

namespace ombrix {

using Code = std::uint8_t;
inline constexpr Code kNotRead = 255;

enum OrvDataType : Code { eNormal = 1, eAuto = 2, eMatrix = 3, eList = 4, eVector = 5 };
enum ModeCode : Code { eFST = 0, eSTD = 1, eFFT = 3, eHAR = 4 };
enum UnitCode : Code { eUnitT = 0, eUnitG = 1, eUnitVm = 2, eUnitPercent = 3, eUnitAm = 4 };
enum ProbeCode : Code { eExtProbe1 = 1, eExtProbe2 = 2, eEFieldProbe = 8, eIntProbe = 9 };
enum ValidCode : Code { eValidOK = 0, eValidNotReady = 1, eValidOverdrive = 2 };

std::string ProbeText(Code code);
std::string ChannelText(Code code);
std::string ModeText(Code code);
std::string UnitText(Code code, bool bracketed);
std::string ValidText(Code code);
std::string DetectionFFTText(Code code);
std::string DetectionFILText(Code code);
std::string MaxText(Code code);
std::string FilterText(Code code, char separator);
std::string FRangeText(Code code, char separator);
std::string FilterTypeText(Code code);
std::string RangeEText(Code code);
std::string RangeBText(Code code);
std::string NavgText(Code code);
std::string SpecNormText(Code code);

Code ParseOrvDataType(const std::string& text);
Code ParseProbe(const std::string& text);
Code ParseChannel(const std::string& text);
Code ParseMode(const std::string& text);
Code ParseUnit(const std::string& text);
Code ParseValid(const std::string& text);
Code ParseDetectionFFT(const std::string& text);
Code ParseDetectionFIL(const std::string& text);
Code ParseMax(const std::string& text);
// Band texts are built with the current decimal separator as separator.
Code ParseFilter(const std::string& text);
Code ParseFRange(const std::string& text);
// "BP" 1, "BS" 2, anything else 0 (broadband).
Code ParseFilterShort(const std::string& text);

// The next token of `rest` up to `delimiter`, trimmed of blanks; `rest` loses the
// token, the delimiter and the blanks after it. Without a delimiter the whole of
// `rest` is the token and `rest` keeps it (only leading blanks go).
std::string SplitToken(std::string& rest, char delimiter);

} // namespace ombrix
