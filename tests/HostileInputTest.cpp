// SPDX-License-Identifier: MIT
// Odd, broken and oversized entry texts, typed or pasted into the window and drawn: each gives the
// value the text rules define, or the message of a refused line with the slot as it was.
#include "HostileTexts.h"
#include "WindowFixture.h"

#include "slots/SlotTable.h"

#include <QClipboard>
#include <QLabel>

#include <algorithm>
#include <array>

namespace zelmora::testing {
namespace {

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
        box(k)->setText(k == row.Box ? QString() : ordinary[static_cast<std::size_t>(k - 1)]);
    const auto cellsBefore = Form->board().slotTable().cells();

    QLineEdit* target = box(row.Box);
    target->setFocus();
    if (row.Pasted) {
        QGuiApplication::clipboard()->setText(row.Text);
        QTest::keyClick(Window->windowHandle(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(target->text().size(), std::min(row.Text.size(), qsizetype{target->maxLength()}))
            << "the box holds what fits";
    } else {
        type(row.Text);
    }
    click("Command4");

    const SlotTable& table = Form->board().slotTable();
    EXPECT_EQ(control<QLabel>("Label10")->text().toStdString(), row.Message);
    if (!row.Refused) {
        const bool inA = row.Box == 1;
        const std::array<float, 7> expected{
            1, inA ? row.Value : 1, 0, inA ? 0 : row.Value, 1, inA ? row.Denominator : 1, 1};
        for (int column = 0; column < SlotTable::Columns; ++column)
            EXPECT_EQ(table.get(0, static_cast<SlotTable::Column>(column)), expected[static_cast<std::size_t>(column)])
                << "column " << column;
        EXPECT_EQ(Form->board().currentSlot(), 1);
    } else {
        EXPECT_EQ(table.cells(), cellsBefore);
        EXPECT_EQ(Form->board().currentSlot(), 0);
        EXPECT_EQ(QApplication::focusWidget(), target);
    }
    EXPECT_EQ(Form->surface().penColour(), QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileInputTest, ::testing::ValuesIn(hostileRows()),
    [](const ::testing::TestParamInfo<HostileRow>& info) { return info.param.Name; });

} // namespace
} // namespace zelmora::testing
