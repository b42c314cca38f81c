// SPDX-License-Identifier: MIT
// The window as the panel layout describes it: every control where the table puts it, with its
// caption, font, colours and accessible name; no control overlapping another beyond the few
// places the layout has them meet; the tab ring in the order of the tab indices.
#include "WindowFixture.h"

#include "app/form/PanelLayout.h"

#include <QAbstractButton>
#include <QLabel>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace zelmora::testing {
namespace {

QString nameOf(const ControlRow& row)
{
    return QString::fromLatin1(row.Name.data(), static_cast<qsizetype>(row.Name.size()));
}

QString captionOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* entry = qobject_cast<const QLineEdit*>(widget))
        return entry->text();
    return {};
}

QRect rectOf(const ControlRow& row)
{
    return {row.Place.Left, row.Place.Top, row.Place.Width, row.Place.Height};
}

using PanelLayoutTest = WindowTest;

TEST_F(PanelLayoutTest, EveryControlIsAsTheTableSays)
{
    EXPECT_EQ(Form->size(), QSize(FormWidth, FormHeight));
    for (const ControlRow& row : panelLayout()) {
        SCOPED_TRACE(row.Name);
        const QWidget* widget = Form->findChild<QWidget*>(nameOf(row));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), rectOf(row));
        EXPECT_EQ(captionOf(widget), QString::fromUtf16(row.Caption.data(), qsizetype(row.Caption.size())));
        // The message area shows only while it has a message.
        EXPECT_EQ(widget->isVisible(), row.Kind != ControlKind::MessageLabel);
        if (row.Points > 0) {
            EXPECT_EQ(widget->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
            // Sizes in points as at 96 dots per inch, set in pixels: 20.25 points are 27 pixels.
            EXPECT_EQ(widget->font().pixelSize(), qRound(row.Points * 4 / 3));
            EXPECT_EQ(widget->font().bold(), row.Bold);
        }
        if (row.TabIndex >= 0) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a control that takes the focus has a name";
            EXPECT_EQ(widget->accessibleName(),
                QString::fromUtf16(row.AccessibleName.data(), qsizetype(row.AccessibleName.size())));
        } else {
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
        }
    }
    EXPECT_EQ(controlRow("Command3_1").Points, 20.25) << "中 starts with the mark of the chosen size";
}

// Where the layout has controls meet, and nowhere else: the four hint lines 25 pixels high and 24
// apart, the 33-pixel rows of slot buttons 32 apart, the labels that lean on the boxes, "χ" on "＋",
// and the bottom row of "ｙ" under the surface.
TEST_F(PanelLayoutTest, ControlsMeetOnlyWhereTheLayoutHasThemMeet)
{
    const std::set<std::pair<std::string, std::string>> expected{
        {"Label5_0", "Picture1"},
        {"Option1_0", "Option1_4"},
        {"Option1_1", "Option1_5"},
        {"Option1_2", "Option1_6"},
        {"Option1_3", "Option1_7"},
        {"Label8_0", "Text1"},
        {"Label2", "Text1"},
        {"Text1", "Label3"},
        {"Label3", "Label4"},
        {"Label8_1", "Text2"},
        {"Label7_0", "Label7_1"},
        {"Label7_1", "Label7_2"},
        {"Label7_2", "Label7_3"},
    };
    std::set<std::pair<std::string, std::string>> overlapping;
    const auto layout = panelLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        for (std::size_t k = i + 1; k < layout.size(); ++k) {
            const bool onPanel = layout[i].Name == "Shape1" || layout[k].Name == "Shape1";
            if (!onPanel && rectOf(layout[i]).intersects(rectOf(layout[k])))
                overlapping.emplace(std::string(layout[i].Name), std::string(layout[k].Name));
        }
    }
    EXPECT_EQ(overlapping, expected);

    // Everything on the panel lies within it.
    const QRect panel = rectOf(controlRow("Shape1"));
    for (const char* name : {"Option1_0", "Option1_7", "Label8_0", "Label2", "Text1", "Text2", "Label9", "Text3",
             "Text4", "Command4", "Command5"})
        EXPECT_TRUE(panel.contains(rectOf(controlRow(name)))) << name;
}

TEST_F(PanelLayoutTest, TabRingFollowsTheTabIndices)
{
    std::vector<const ControlRow*> stops;
    for (const ControlRow& row : panelLayout()) {
        if (row.TabIndex >= 0)
            stops.push_back(&row);
    }
    std::ranges::sort(stops, {}, &ControlRow::TabIndex);
    ASSERT_EQ(stops.size(), 20u);
    EXPECT_EQ(stops.front()->Name, "Text1");
    EXPECT_EQ(stops[9]->Name, "Picture1");

    QWidget* widget = box(1);
    for (const ControlRow* stop : stops) {
        EXPECT_EQ(widget->objectName(), nameOf(*stop));
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(widget, box(1)) << "the chain closes on the first box";
}

TEST_F(PanelLayoutTest, ColoursAsTheEyeSeesThem)
{
    const QColor olive{128, 128, 0};
    const QColor green{0, 128, 0};
    const QColor white{255, 255, 255};
    EXPECT_EQ(Form->palette().color(QPalette::Window), green);

    // An option button paints white text on olive.
    const QImage option = control("Option1_3")->grab().toImage();
    EXPECT_EQ(option.pixelColor(31, 1), olive);
    int whitePixels = 0;
    for (int x = 0; x < option.width(); ++x) {
        for (int y = 0; y < option.height(); ++y)
            whitePixels += option.pixelColor(x, y) == white ? 1 : 0;
    }
    EXPECT_GT(whitePixels, 10);

    // The panel lies beneath the controls on it.
    const QImage window = Form->grab().toImage();
    EXPECT_EQ(window.pixelColor(650, 580), olive);
    EXPECT_EQ(window.pixelColor(640, 580), green);
    EXPECT_EQ(control("Label9")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

} // namespace
} // namespace zelmora::testing
