#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <string_view>

namespace pellor {

// The one home of the Basic-style number text rules used by documents, dialogs and CSV.
// All of them are locale-independent: "." is the decimal separator everywhere.
namespace NumberText {

// True when the text (spaces around it allowed) is a number: an optional sign, digits with
// an optional decimal point, an optional exponent (E or D, optional sign, digits), or a
// hexadecimal (&H) or octal (&O) literal.
bool isNumeric(QStringView text);

// The value of a text that isNumeric() accepts; std::nullopt otherwise. Hexadecimal and
// octal literals of up to 16 bits are signed 16-bit values (&HFFFF is -1), up to 32 bits
// signed 32-bit values.
std::optional<double> parse(QStringView text);

// parse() for UTF-8 text, without converting it first when it is plain ASCII.
std::optional<double> parseUtf8(std::string_view text);

// The leading number of a text, as the Basic Val function reads it: spaces are skipped
// anywhere, reading stops at the first character that cannot continue the number; a text
// without a leading number gives 0.
double val(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

// Conversions with range checks, as assignment to a 16-bit or 32-bit integer or a single
// does: the value is rounded halves-to-even; std::nullopt when it does not fit.
std::optional<qint16> toInteger(double value);
std::optional<qint32> toLong(double value);
std::optional<float> toSingle(double value);

// The document's number text: no leading "0" before the decimal point (.5, -.5), exponent
// notation with "E+"/"E-" and at least two digits for very large or small values, at most
// 7 significant digits for a single and 15 for a double.
QString formatSingle(float value);
QString formatDouble(double value);

// The same texts as UTF-8 bytes, written into buf (at least 32 bytes); returns the length.
int formatSingle(float value, char* buf);
int formatDouble(double value, char* buf);

} // namespace NumberText
} // namespace pellor
