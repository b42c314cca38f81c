// SPDX-License-Identifier: MIT
#include "app/form/PanelLayout.h"

#include "plane/PlaneGeometry.h"

#include <algorithm>
#include <array>

namespace zelmora {
namespace {

using enum Colour;

constexpr ControlRow label(std::string_view name, std::u16string_view caption, Rect place, double points, Colour text,
    Colour background, ControlKind kind = ControlKind::Label)
{
    return {name, kind, caption, place, points, true, text, background, -1, {}, false};
}

constexpr ControlRow centredLabel(
    std::string_view name, std::u16string_view caption, Rect place, double points, Colour text, Colour background)
{
    return {name, ControlKind::Label, caption, place, points, true, text, background, -1, {}, true};
}

constexpr ControlRow button(std::string_view name, std::u16string_view caption, Rect place, double points, bool bold,
    int tabIndex, std::u16string_view accessibleName)
{
    return {
        name, ControlKind::Button, caption, place, points, bold, Standard, Standard, tabIndex, accessibleName, false};
}

// What a screen reader says for the button of size K: "座標平面の大きさ 小" and its kin.
template <std::size_t K>
constexpr auto sizeButtonName = [] {
    constexpr std::u16string_view what = u"座標平面の大きさ ";
    std::array<char16_t, what.size() + PlaneSizes[K].Name.size()> name{};
    std::ranges::copy(PlaneSizes[K].Name, std::ranges::copy(what, name.begin()).out);
    return name;
}();

// The button of size K: its name and caption are the size's own.
template <std::size_t K> constexpr ControlRow sizeButton(Rect place, double points, bool bold, int tabIndex)
{
    return button(PlaneSizes[K].Button, PlaneSizes[K].Name, place, points, bold, tabIndex,
        {sizeButtonName<K>.data(), sizeButtonName<K>.size()});
}

constexpr ControlRow option(
    std::string_view name, std::u16string_view caption, Rect place, int tabIndex, std::u16string_view accessibleName)
{
    return {name, ControlKind::Option, caption, place, 14.25, true, White, Olive, tabIndex, accessibleName, false};
}

constexpr ControlRow entry(std::string_view name, Rect place, int tabIndex, std::u16string_view accessibleName)
{
    return {name, ControlKind::Entry, {}, place, 24, false, Standard, Standard, tabIndex, accessibleName, false};
}

// The axis names first, so that the surface lies over the bottom row of "ｙ" where they meet; the
// panel before the controls that stand on it.
constexpr std::array controls{
    label("Label5_0", u"ｙ", {304, 0, 25, 33}, 20.25, White, Green, ControlKind::AxisName),
    label("Label5_1", u"χ", {616, 328, 25, 33}, 20.25, White, Green, ControlKind::AxisName),
    ControlRow{"Picture1", ControlKind::Picture, {}, {16, 32, PictureSide, PictureSide}, 0, false, Standard, Standard,
        9, u"座標平面", false},
    ControlRow{"Shape1", ControlKind::Panel, {}, {648, 240, 273, 345}, 0, false, White, Olive, -1, {}, false},
    button("Command2", u"初期画面", {832, 16, 89, 33}, 12, true, 7, u"初期画面"),
    label("Label1", u"座標平面の大きさ", {680, 56, 130, 16}, 12, White, Green),
    sizeButton<0>({680, 80, 65, 33}, 12, false, 10),
    sizeButton<1>({768, 80, 65, 33}, 20.25, true, 11),
    sizeButton<2>({856, 80, 65, 33}, 12, false, 12),
    label("Label7_0", u"１～８本の線が引けます。", {680, 136, 225, 25}, 14.25, White, Green),
    label("Label7_1", u"番号の○にチェックし，", {680, 160, 225, 25}, 14.25, White, Green),
    label("Label7_2", u"ａ，ｂの値と変域をいれて", {680, 184, 225, 25}, 14.25, White, Green),
    label("Label7_3", u"「線を引く」で描きます。", {680, 208, 225, 25}, 14.25, White, Green),
    option("Option1_0", u"１", {672, 248, 33, 33}, 16, u"線１"),
    option("Option1_1", u"２", {736, 248, 33, 33}, 6, u"線２"),
    option("Option1_2", u"３", {800, 248, 33, 33}, 17, u"線３"),
    option("Option1_3", u"４", {864, 248, 33, 33}, 18, u"線４"),
    option("Option1_4", u"５", {672, 280, 33, 33}, 19, u"線５"),
    option("Option1_5", u"６", {736, 280, 33, 33}, 20, u"線６"),
    option("Option1_6", u"７", {800, 280, 33, 33}, 21, u"線７"),
    option("Option1_7", u"８", {864, 280, 33, 33}, 22, u"線８"),
    centredLabel("Label8_0", u"ａ", {728, 317, 17, 25}, 14.25, White, Olive),
    centredLabel("Label8_1", u"ｂ", {872, 317, 17, 25}, 14.25, White, Olive),
    label("Label2", u"ｙ＝", {656, 344, 49, 33}, 20.25, White, Olive),
    entry("Text1", {696, 336, 81, 41}, 0, u"ａ"),
    label("Label3", u"χ", {776, 344, 25, 33}, 20.25, White, Olive),
    label("Label4", u"＋", {800, 344, 25, 33}, 20.25, White, Olive),
    entry("Text2", {832, 336, 81, 41}, 1, u"ｂ"),
    label("Label9", u"ａ，ｂは，分数でもよいです。　　　　　　分数の入力は，－２／３と入力します。",
        {696, 384, 217, 25}, 9, Blue, Olive, ControlKind::SentenceLabel),
    entry("Text3", {696, 424, 57, 41}, 2, u"変域の下限"),
    label("Label6", u"≦χ≦", {760, 432, 89, 33}, 20.25, White, Olive),
    entry("Text4", {856, 424, 57, 41}, 3, u"変域の上限"),
    button("Command4", u"線を引く", {768, 488, 129, 33}, 14.25, true, 4, u"線を引く"),
    button("Command5", u"線を消す", {768, 536, 129, 33}, 14.25, true, 5, u"線を消す"),
    button("Command1", u"終　了", {800, 600, 121, 33}, 12, true, 8, u"終了"),
    label("Label10", {}, {648, 590, 145, 56}, 12, Yellow, Green, ControlKind::MessageLabel),
};

// A size added to PlaneSizes needs a place for its button.
static_assert(std::ranges::count_if(controls, [](const ControlRow& row) { return row.Name.starts_with("Command3_"); })
    == std::ssize(PlaneSizes));

} // namespace

std::span<const ControlRow> panelLayout()
{
    return controls;
}

const ControlRow& controlRow(std::string_view name)
{
    const auto found = std::ranges::find(controls, name, &ControlRow::Name);
    return found == controls.end() ? controls.front() : *found;
}

} // namespace zelmora
