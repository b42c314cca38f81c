// SPDX-License-Identifier: MIT
// Odd, broken and oversized entry texts, as pupils type, paste or mistype them, with what the
// window makes of those whose message needs it: the value the text rules give, or the message of a
// refused line.
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

inline void PrintTo(const HostileRow& row, std::ostream* out)
{
    *out << row.Name;
}

// The table: the texts whose message only the window shows as it is (pasted past the box's length,
// characters that would not show, a text shortened), the box each goes into, and what the window
// makes of it. What the entry rules make of the other texts is tested with those rules.
inline const std::vector<HostileRow>& hostileRows()
{
    static const std::vector<HostileRow> rows{
        ignoring("InfinityIsNoNumber", 3, QStringLiteral("Infinity"), 0, "変域の「Infin…」は読みませんでした。"),
        refused("PastedMegabyte", 1, QString(1 << 20, u'7'), aTooLarge, true),
        ignoring("NulEndsTheNumber", 1, QStringLiteral("1") + QChar(u'\0') + QStringLiteral("2"), 1,
            "ａの「\uFFFD2」は読みませんでした。"),
        drawn(
            "RightToLeftMarkIsNoNumber", 1, QStringLiteral("\u200F-2/3"), 0, 3, "ａの「\uFFFD-2」は読みませんでした。"),
    };
    return rows;
}

// Odd, broken and oversized texts as pupils type them, for the random events: those of the table
// but the pasted megabyte, and those the entry rules are tested with.
inline const std::vector<QString>& hostileTexts()
{
    static const std::vector<QString> texts{QString(), QStringLiteral(" "), QStringLiteral("."), QStringLiteral("-"),
        QStringLiteral("+"), QStringLiteral("E5"), QStringLiteral("1E"), QStringLiteral("1E+"), QStringLiteral("1E400"),
        QStringLiteral("-1E400"), QStringLiteral("1E-400"), QStringLiteral("nan"), QStringLiteral("inf"),
        QStringLiteral("Infinity"), QStringLiteral("&H"), QStringLiteral("&HFFFFFFFFFFFFFFFFFFFFFFFF"),
        QStringLiteral("&O9"), QStringLiteral("1/0"), QStringLiteral("0/0"), QStringLiteral("/"), QStringLiteral("//"),
        QStringLiteral("1//2"), QStringLiteral("1//2"), QStringLiteral("/0"), QString(10000, u'9'),
        QStringLiteral(".") + QString(10000, u'3'), QStringLiteral("1") + QChar(u'\0') + QStringLiteral("2"),
        QStringLiteral("1\n2\t3"), QStringLiteral("\u200F-2/3"), QStringLiteral("2\U0001F600/3"),
        QStringLiteral("1\u0301\u0308/2"), QStringLiteral("ー３"), QStringLiteral("ー２・３"), QStringLiteral("３．５"),
        QStringLiteral("０。５")};
    return texts;
}

} // namespace zelmora::testing
