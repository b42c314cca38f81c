// SPDX-License-Identifier: MIT
// Odd, broken and oversized entry texts, as pupils type, paste or mistype them, with what the
// window makes of each: the value the text rules give, or the message of a refused line.
#pragma once

#include <QString>

#include <ostream>
#include <vector>

namespace zelmora::testing {

struct HostileRow {
    const char* Name;
    int Box; // 1: a, 3: the lower bound
    QString Text;
    bool Pasted;
    float Value;         // what is stored for the box (the numerator of a, or the bound)
    float Denominator;   // the denominator of a
    bool Refused;        // the line is not drawn
    const char* Message; // the refusal, or what a drawn line says of ignored text ("" for nothing)
};

inline HostileRow drawn(
    const char* name, int box, const QString& text, float value, float denominator = 1, const char* notice = "")
{
    return {name, box, text, false, value, denominator, false, notice};
}

inline HostileRow ignoring(const char* name, int box, const QString& text, float value, const char* notice)
{
    return drawn(name, box, text, value, 1, notice);
}

inline HostileRow refused(const char* name, int box, const QString& text, const char* message, bool pasted = false)
{
    return {name, box, text, pasted, 0, 0, true, message};
}

inline const char* const aTooLarge = "ａの値が大きすぎます。";
inline const char* const aZeroDenominator = "ａの分母が０です。";

inline void PrintTo(const HostileRow& row, std::ostream* out)
{
    *out << row.Name;
}

// The table: each text, the box it goes into, and what the window makes of it.
inline const std::vector<HostileRow>& hostileRows()
{
    static const std::vector<HostileRow> rows{
        drawn("Empty", 1, QString(), 0),
        drawn("BlanksOnly", 1, QStringLiteral(" "), 0),
        ignoring("LonePoint", 1, QStringLiteral("."), 0, "ａの「.」は読みませんでした。"),
        ignoring("LoneMinus", 1, QStringLiteral("-"), 0, "ａの「-」は読みませんでした。"),
        ignoring("LonePlus", 1, QStringLiteral("+"), 0, "ａの「+」は読みませんでした。"),
        ignoring("ExponentWithoutMantissa", 1, QStringLiteral("E5"), 0, "ａの「E5」は読みませんでした。"),
        ignoring("ExponentWithoutDigits", 1, QStringLiteral("1E"), 1, "ａの「E」は読みませんでした。"),
        ignoring("SignedExponentWithoutDigits", 1, QStringLiteral("1E+"), 1, "ａの「E+」は読みませんでした。"),
        refused("BeyondDouble", 1, QStringLiteral("1E400"), aTooLarge),
        refused("BeyondDoubleNegative", 1, QStringLiteral("-1E400"), aTooLarge),
        drawn("BelowDoubleIsZero", 3, QStringLiteral("1E-400"), 0),
        ignoring("NanIsNoNumber", 1, QStringLiteral("nan"), 0, "ａの「nan」は読みませんでした。"),
        ignoring("InfIsNoNumber", 1, QStringLiteral("inf"), 0, "ａの「inf」は読みませんでした。"),
        ignoring("InfinityIsNoNumber", 3, QStringLiteral("Infinity"), 0, "変域の「Infin…」は読みませんでした。"),
        ignoring("HexPrefixWithoutDigits", 1, QStringLiteral("&H"), 0, "ａの「&H」は読みませんでした。"),
        drawn("NinetySixBitHex", 3, QStringLiteral("&HFFFFFFFFFFFFFFFFFFFFFFFF"), 0x1p96f),
        ignoring("NineIsNoOctalDigit", 1, QStringLiteral("&O9"), 0, "ａの「&O9」は読みませんでした。"),
        refused("ZeroDenominator", 1, QStringLiteral("1/0"), aZeroDenominator),
        refused("ZeroOverZero", 1, QStringLiteral("0/0"), aZeroDenominator),
        refused("SlashAlone", 1, QStringLiteral("/"), aZeroDenominator),
        refused("TwoSlashes", 1, QStringLiteral("//"), aZeroDenominator),
        refused("NothingBetweenSlashes", 1, QStringLiteral("1//2"), aZeroDenominator),
        ignoring("BoundIsNotSplitAtSlashes", 3, QStringLiteral("1//2"), 1, "変域の「//2」は読みませんでした。"),
        refused("SlashZero", 1, QStringLiteral("/0"), aZeroDenominator),
        refused("TenThousandDigits", 3, QString(10000, u'9'), "変域の下限の値が大きすぎます。"),
        drawn("TenThousandDecimals", 1, QStringLiteral(".") + QString(10000, u'3'), 1.0f / 3.0f),
        refused("PastedMegabyte", 1, QString(1 << 20, u'7'), aTooLarge, true),
        ignoring("NulEndsTheNumber", 1, QStringLiteral("1") + QChar(u'\0') + QStringLiteral("2"), 1,
            "ａの「\uFFFD2」は読みませんでした。"),
        drawn("NewlineAndTabAreBlanks", 1, QStringLiteral("1\n2\t3"), 123),
        drawn(
            "RightToLeftMarkIsNoNumber", 1, QStringLiteral("\u200F-2/3"), 0, 3, "ａの「\uFFFD-2」は読みませんでした。"),
        drawn("EmojiEndsTheNumber", 1, QStringLiteral("2\U0001F600/3"), 2, 3, "ａの「\U0001F600」は読みませんでした。"),
        drawn("CombiningMarksEndTheNumber", 1, QStringLiteral("1\u0301\u0308/2"), 1, 2,
            "ａの「\u0301\u0308」は読みませんでした。"),
        drawn("KanaModeMinus", 1, QStringLiteral("ー３"), -3),
        drawn("KanaModeFraction", 1, QStringLiteral("ー２・３"), -2, 3),
        drawn("FullWidthDecimal", 3, QStringLiteral("３．５"), 3.5f),
        drawn("KanaModeDecimal", 3, QStringLiteral("０。５"), 0.5f),
    };
    return rows;
}

} // namespace zelmora::testing
