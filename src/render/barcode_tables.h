#pragma once

#include <QString>

// Module patterns of the linear symbologies, '1' a dark module and '0' a light one.
namespace BarcodeTables
{

// EAN/UPC number sets: 'A' odd parity, 'B' even parity, 'C' right-hand characters.
QString EanDigit(char set, int digit);
// Six letters of 0 (set A) and 1 (set B) for digits 2 to 7 of an EAN-13 symbol.
const char *Ean13Parity(int firstDigit);
// Set choice (1 = set B) of the six UPC-E digits by number system (0, else 1) and check digit.
const char *UpcEParity(int numberSystem, int checkDigit);
inline constexpr char kEanGuard[] = "101";
inline constexpr char kEanCentre[] = "01010";
inline constexpr char kUpcEEnd[] = "010101";

// Code 39: index in VBarCode::kCode39Chars, 43 is the start/stop character '*'.
inline constexpr int kCode39Star = 43;
QString Code39(int index);

// Code 93: values 0..42 (the Code 39 set), 43..46 the shift characters, 47 start/stop.
inline constexpr int kCode93StartStop = 47;
QString Code93(int value);

// Code 128: values 0..105 (11 modules) and 106, the stop (11 modules, termination bar apart).
inline constexpr int kCode128StartA = 103;
inline constexpr int kCode128StartB = 104;
inline constexpr int kCode128StartC = 105;
inline constexpr int kCode128Stop = 106;
inline constexpr char kCode128Termination[] = "11";
QString Code128(int value);
// Names of the values in code set 'A', 'B' or 'C' ("SP", "!", ..., "STARTA", "STOP").
QString Code128Name(char set, int value);
// Value whose name in the set is name, or -1.
int Code128Value(char set, const QString &name);

// Interleaved 2 of 5: widths of the five elements of a digit, 'N' narrow, 'W' wide.
const char *ItfWidths(int digit);
inline constexpr char kItfStart[] = "1010";
inline constexpr char kItfStop[] = "1101";

// Codabar: index in VBarCode::kCodabarChars.
QString Codabar(int index);

} // namespace BarcodeTables
