// SPDX-License-Identifier: MIT
// Every control of the panel where it belongs, with its caption, font, colours and tab order.
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QLabel>

#include <vector>

namespace zelmora::testing {
namespace {

struct ControlRow {
    const char* Name;
    const char* Caption; // empty for entry boxes and the panel
    QRect Geometry;
    qreal Points; // 0: not checked (the panel has no text)
    bool Bold;
};

const std::vector<ControlRow> panel{
    {"Command2", "初期画面", {832, 16, 89, 33}, 12, true},
    {"Label1", "座標平面の大きさ", {680, 56, 130, 16}, 12, true},
    {"Command3_0", "小", {680, 80, 65, 33}, 12, false},
    {"Command3_1", "中", {768, 80, 65, 33}, 20.25, true},
    {"Command3_2", "大", {856, 80, 65, 33}, 12, false},
    {"Label7_0", "１～８本の線が引けます。", {680, 136, 225, 25}, 14.25, true},
    {"Label7_1", "番号の○にチェックし，", {680, 160, 225, 25}, 14.25, true},
    {"Label7_2", "ａ，ｂの値と変域をいれて", {680, 184, 225, 25}, 14.25, true},
    {"Label7_3", "「線を引く」で描きます。", {680, 208, 225, 25}, 14.25, true},
    {"Shape1", "", {648, 240, 273, 345}, 0, false},
    {"Option1_0", "１", {672, 248, 33, 33}, 14.25, true},
    {"Option1_1", "２", {736, 248, 33, 33}, 14.25, true},
    {"Option1_2", "３", {800, 248, 33, 33}, 14.25, true},
    {"Option1_3", "４", {864, 248, 33, 33}, 14.25, true},
    {"Option1_4", "５", {672, 280, 33, 33}, 14.25, true},
    {"Option1_5", "６", {736, 280, 33, 33}, 14.25, true},
    {"Option1_6", "７", {800, 280, 33, 33}, 14.25, true},
    {"Option1_7", "８", {864, 280, 33, 33}, 14.25, true},
    {"Label8_0", "ａ", {728, 317, 17, 25}, 14.25, true},
    {"Label8_1", "ｂ", {872, 317, 17, 25}, 14.25, true},
    {"Label2", "ｙ＝", {656, 344, 49, 33}, 20.25, true},
    {"Text1", "", {696, 336, 81, 41}, 24, false},
    {"Label3", "χ", {776, 344, 25, 33}, 20.25, true},
    {"Label4", "＋", {800, 344, 25, 33}, 20.25, true},
    {"Text2", "", {832, 336, 81, 41}, 24, false},
    {"Label9", "ａ，ｂは，分数でもよいです。　　　　　　分数の入力は，－２／３と入力します。", {696, 384, 217, 25}, 9,
        true},
    {"Text3", "", {696, 424, 57, 41}, 24, false},
    {"Label6", "≦χ≦", {760, 432, 89, 33}, 20.25, true},
    {"Text4", "", {856, 424, 57, 41}, 24, false},
    {"Command4", "線を引く", {768, 488, 129, 33}, 14.25, true},
    {"Command5", "線を消す", {768, 536, 129, 33}, 14.25, true},
    {"Command1", "終　了", {800, 600, 121, 33}, 12, true},
};

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

using PanelLayoutTest = WindowTest;

TEST_F(PanelLayoutTest, EveryControlHasItsPlaceCaptionAndFont)
{
    for (const ControlRow& row : panel) {
        SCOPED_TRACE(row.Name);
        const QWidget* widget = control(row.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), row.Geometry);
        EXPECT_EQ(captionOf(widget), QString::fromUtf8(row.Caption));
        EXPECT_TRUE(widget->isVisible());
        if (row.Points > 0) {
            EXPECT_EQ(widget->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
            // Sizes in points as at 96 dots per inch, set in pixels: 20.25 points are 27 pixels.
            EXPECT_EQ(widget->font().pixelSize(), qRound(row.Points * 4 / 3));
            EXPECT_EQ(widget->font().bold(), row.Bold);
        }
    }
}

TEST_F(PanelLayoutTest, ColoursOfLabelsPanelAndOptions)
{
    const QColor white{255, 255, 255};
    const QColor green{0, 128, 0};
    const QColor olive{128, 128, 0};
    const QColor blue{0, 0, 255};

    EXPECT_EQ(Form->palette().color(QPalette::Window), green);
    EXPECT_EQ(control("Label1")->palette().color(QPalette::WindowText), white);
    EXPECT_EQ(control("Label1")->palette().color(QPalette::Window), green);
    EXPECT_EQ(control("Label2")->palette().color(QPalette::Window), olive);
    EXPECT_EQ(control("Label9")->palette().color(QPalette::WindowText), blue);
    EXPECT_EQ(control("Shape1")->palette().color(QPalette::Window), olive);

    // What the eye sees: an option button paints white text on olive.
    const QImage option = control("Option1_3")->grab().toImage();
    EXPECT_EQ(option.pixelColor(31, 1), olive);
    int white_pixels = 0;
    for (int x = 0; x < option.width(); ++x) {
        for (int y = 0; y < option.height(); ++y)
            white_pixels += option.pixelColor(x, y) == white ? 1 : 0;
    }
    EXPECT_GT(white_pixels, 10);

    // The panel lies beneath the controls on it.
    const QImage window = Form->grab().toImage();
    EXPECT_EQ(window.pixelColor(650, 580), olive);
    EXPECT_EQ(window.pixelColor(640, 580), green);
}

TEST_F(PanelLayoutTest, TabOrderFollowsTheFormAndLabelsTakeNoFocus)
{
    const std::vector<const char*> order{
        "Text1",
        "Text2",
        "Text3",
        "Text4",
        "Command4",
        "Command5",
        "Option1_1",
        "Command2",
        "Command1",
        "Picture1",
        "Command3_0",
        "Command3_1",
        "Command3_2",
        "Option1_0",
        "Option1_2",
        "Option1_3",
        "Option1_4",
        "Option1_5",
        "Option1_6",
        "Option1_7",
    };
    QWidget* widget = box(1);
    for (const char* name : order) {
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(name));
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(widget, box(1)) << "the chain closes on the first box";

    for (const QLabel* label : Form->findChildren<QLabel*>())
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
}

TEST_F(PanelLayoutTest, ControlsHaveJapaneseAccessibleNames)
{
    const std::vector<std::pair<const char*, const char*>> names{
        {"Text1", "ａ"},
        {"Text2", "ｂ"},
        {"Text3", "変域の下限"},
        {"Text4", "変域の上限"},
        {"Option1_2", "線３"},
        {"Command4", "線を引く"},
        {"Command1", "終了"},
        {"Command3_0", "座標平面の大きさ 小"},
    };
    for (const auto& [name, accessible] : names)
        EXPECT_EQ(control(name)->accessibleName(), QString::fromUtf8(accessible)) << name;
}

} // namespace
} // namespace zelmora::testing
