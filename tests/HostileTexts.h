// Odd, broken and oversized entry texts, as pupils type, paste or mistype them, with what the
// window makes of each: the value the text rules give, or the message of a refused line.
#pragma once

#include <QString>

#include <ostream>
#include <vector>

namespace zelmora::testing {

struct HostileRow {
    const char* name;
    int box; // 1: a, 3: the lower bound
    QString text;
    bool pasted;
    float value;         // what is stored for the box (the numerator of a, or the bound)
    float denominator;   // the denominator of a
    const char* message; // the refusal, or nullptr when the line is drawn
};

inline HostileRow drawn(const char* name, int box, const QString& text, float value, float denominator = 1)
{
    return {name, box, text, false, value, denominator, nullptr};
}

inline HostileRow refused(const char* name, int box, const QString& text, const char* message, bool pasted = false)
{
    return {name, box, text, pasted, 0, 0, message};
}

inline const char* const aTooLarge = "ａの値が大きすぎます。";
inline const char* const aZeroDenominator = "ａの分母が０です。";

inline void PrintTo(const HostileRow& row, std::ostream* out)
{
    *out << row.name;
}

// The table: each text, the box it goes into, and what the window makes of it.
inline const std::vector<HostileRow>& hostileRows()
{
    static const std::vector<HostileRow> rows{
        drawn("Empty", 1, QString(), 0),
        drawn("BlanksOnly", 1, QStringLiteral(" "), 0),
        drawn("LonePoint", 1, QStringLiteral("."), 0),
        drawn("LoneMinus", 1, QStringLiteral("-"), 0),
        drawn("LonePlus", 1, QStringLiteral("+"), 0),
        drawn("ExponentWithoutMantissa", 1, QStringLiteral("E5"), 0),
        drawn("ExponentWithoutDigits", 1, QStringLiteral("1E"), 1),
        drawn("SignedExponentWithoutDigits", 1, QStringLiteral("1E+"), 1),
        refused("BeyondDouble", 1, QStringLiteral("1E400"), aTooLarge),
        refused("BeyondDoubleNegative", 1, QStringLiteral("-1E400"), aTooLarge),
        drawn("BelowDoubleIsZero", 3, QStringLiteral("1E-400"), 0),
        drawn("NanIsNoNumber", 1, QStringLiteral("nan"), 0),
        drawn("InfIsNoNumber", 1, QStringLiteral("inf"), 0),
        drawn("InfinityIsNoNumber", 3, QStringLiteral("Infinity"), 0),
        drawn("HexPrefixWithoutDigits", 1, QStringLiteral("&H"), 0),
        drawn("NinetySixBitHex", 3, QStringLiteral("&HFFFFFFFFFFFFFFFFFFFFFFFF"), 0x1p96f),
        drawn("NineIsNoOctalDigit", 1, QStringLiteral("&O9"), 0),
        refused("ZeroDenominator", 1, QStringLiteral("1/0"), aZeroDenominator),
        refused("ZeroOverZero", 1, QStringLiteral("0/0"), aZeroDenominator),
        refused("SlashAlone", 1, QStringLiteral("/"), aZeroDenominator),
        refused("TwoSlashes", 1, QStringLiteral("//"), aZeroDenominator),
        refused("NothingBetweenSlashes", 1, QStringLiteral("1//2"), aZeroDenominator),
        drawn("BoundIsNotSplitAtSlashes", 3, QStringLiteral("1//2"), 1),
        refused("SlashZero", 1, QStringLiteral("/0"), aZeroDenominator),
        refused("TenThousandDigits", 3, QString(10000, u'9'), "χの値が大きすぎます。"),
        drawn("TenThousandDecimals", 1, QStringLiteral(".") + QString(10000, u'3'), 1.0f / 3.0f),
        refused("PastedMegabyte", 1, QString(1 << 20, u'7'), aTooLarge, true),
        drawn("NulEndsTheNumber", 1, QStringLiteral("1") + QChar(u'\0') + QStringLiteral("2"), 1),
        drawn("NewlineAndTabAreBlanks", 1, QStringLiteral("1\n2\t3"), 123),
        drawn("RightToLeftMarkIsNoNumber", 1, QStringLiteral("\u200F-2/3"), 0, 3),
        drawn("EmojiEndsTheNumber", 1, QStringLiteral("2\U0001F600/3"), 2, 3),
        drawn("CombiningMarksEndTheNumber", 1, QStringLiteral("1\u0301\u0308/2"), 1, 2),
        drawn("KanaModeMinus", 1, QStringLiteral("ー３"), -3),
        drawn("FullWidthDecimal", 3, QStringLiteral("３．５"), 3.5f),
    };
    return rows;
}

} // namespace zelmora::testing
