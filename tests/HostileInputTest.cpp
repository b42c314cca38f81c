// Odd, broken and oversized entry texts, typed or pasted into the window and drawn: each gives the
// value the text rules define, or the message of a refused line with the slot as it was.
#include "WindowFixture.h"

#include "slots/SlotTable.h"

#include <QClipboard>
#include <QLabel>

#include <algorithm>
#include <array>
#include <ostream>

namespace zelmora::testing {
namespace {

struct HostileRow {
    const char* name;
    int box; // 1: a, 3: the lower bound
    QString text;
    bool pasted;
    float value;         // what is stored for the box (the numerator of a, or the bound)
    float denominator;   // the denominator of a
    const char* message; // the refusal, or nullptr when the line is drawn
};

HostileRow drawn(const char* name, int box, const QString& text, float value, float denominator = 1)
{
    return {name, box, text, false, value, denominator, nullptr};
}

HostileRow refused(const char* name, int box, const QString& text, const char* message, bool pasted = false)
{
    return {name, box, text, pasted, 0, 0, message};
}

const char* const aTooLarge = "ａの値が大きすぎます。";
const char* const aZeroDenominator = "ａの分母が０です。";

void PrintTo(const HostileRow& row, std::ostream* out)
{
    *out << row.name;
}

class HostileInputTest : public WindowTest, public ::testing::WithParamInterface<HostileRow> { };

TEST_P(HostileInputTest, GivesTheValueOfTheRulesOrTheMessage)
{
    const HostileRow& row = GetParam();
    // Slot １ holds a line and is current again; the row's text goes into one box of an otherwise
    // ordinary line.
    typeLine({QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("-1"), QStringLiteral("4")});
    press(Qt::Key_Return);
    click("Option1_0");
    const std::array<QString, 4> ordinary{
        QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")};
    for (int k = 1; k <= 4; ++k)
        box(k)->setText(k == row.box ? QString() : ordinary[static_cast<std::size_t>(k - 1)]);
    const auto cellsBefore = form->slotTable().cells();

    QLineEdit* target = box(row.box);
    target->setFocus();
    if (row.pasted) {
        QGuiApplication::clipboard()->setText(row.text);
        QTest::keyClick(form->windowHandle(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(target->text().size(), std::min(row.text.size(), qsizetype{target->maxLength()}))
            << "the box holds what fits";
    } else {
        type(row.text);
    }
    click("Command4");

    const SlotTable& table = form->slotTable();
    EXPECT_EQ(control<QLabel>("Label10")->text().toStdString(), row.message == nullptr ? "" : row.message);
    if (row.message == nullptr) {
        const bool inA = row.box == 1;
        const std::array<float, 7> expected{
            1, inA ? row.value : 1, 0, inA ? 0 : row.value, 1, inA ? row.denominator : 1, 1};
        for (int column = 0; column < SlotTable::Columns; ++column)
            EXPECT_EQ(table.get(0, static_cast<SlotTable::Column>(column)), expected[static_cast<std::size_t>(column)])
                << "column " << column;
        EXPECT_EQ(form->currentSlot(), 1);
    } else {
        EXPECT_EQ(table.cells(), cellsBefore);
        EXPECT_EQ(form->currentSlot(), 0);
        EXPECT_EQ(QApplication::focusWidget(), target);
    }
    EXPECT_EQ(form->surface().penColour(), QColor(Qt::black));
}

const HostileRow rows[] = {
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

INSTANTIATE_TEST_SUITE_P(Texts, HostileInputTest, ::testing::ValuesIn(rows),
    [](const ::testing::TestParamInfo<HostileRow>& info) { return info.param.name; });

} // namespace
} // namespace zelmora::testing
