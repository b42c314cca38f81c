// SPDX-License-Identifier: MIT
// What a screen reader is given: the picture as an image with a description kept current, the
// message area as a notification that is there only with a message, the form without decoration,
// labelled boxes; and the keyboard tracing of a line and the coordinates under the pointer.
#include "WindowFixture.h"

#include "app/access/Accessibility.h"
#include "app/companions/ProjectorWindow.h"
#include "app/form/PictureBox.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace zelmora::testing {
namespace {

class AccessibilityTest : public WindowTest {
protected:
    QAccessibleInterface* interfaceOf(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(control(name));
    }

    QString description() const { return interfaceOf("Picture1")->text(QAccessible::Description); }

    QStringList childNames(QAccessibleInterface* parent) const
    {
        QStringList names;
        for (int k = 0; k < parent->childCount(); ++k)
            names << parent->child(k)->object()->objectName();
        return names;
    }

    QString announced() const { return Form->findChild<Announcer*>()->text(); }
};

TEST_F(AccessibilityTest, RolesOfTheWindowThePictureAndTheMessageArea)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Window.get())->role(), QAccessible::Window);
    QAccessibleInterface* picture = interfaceOf("Picture1");
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), u"座標平面"_qs);
    EXPECT_EQ(interfaceOf("Label10")->role(), QAccessible::Notification);

    // Text1 is labelled by "ａ" above it.
    const auto labels = interfaceOf("Text1")->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object()->objectName(), u"Label8_0"_qs);
}

TEST_F(AccessibilityTest, TheFormLeavesOutDecorationAndAnEmptyMessageArea)
{
    QAccessibleInterface* form = QAccessible::queryAccessibleInterface(Form);
    QStringList names = childNames(form);
    EXPECT_FALSE(names.contains(u"Shape1"_qs));
    EXPECT_FALSE(names.contains(u"FocusRing"_qs));
    EXPECT_FALSE(names.contains(u"Label10"_qs));
    EXPECT_TRUE(names.contains(u"Picture1"_qs));
    EXPECT_TRUE(names.contains(u"Command4"_qs));
    for (int k = 0; k < form->childCount(); ++k)
        EXPECT_EQ(form->indexOfChild(form->child(k)), k);

    box(1)->setFocus();
    type(u"1/0"_qs);
    click("Command4");
    ASSERT_TRUE(control("Label10")->isVisible());
    EXPECT_TRUE(childNames(form).contains(u"Label10"_qs));
    EXPECT_EQ(interfaceOf("Label10")->text(QAccessible::Name), u"ａの分母が０です。"_qs);
}

TEST_F(AccessibilityTest, ThePictureDescribesWhatItShows)
{
    EXPECT_EQ(description(), u"エックスは−13から13まで、yは−13から13まで見えています。線はありません。"_qs);
    drawTypicalPair();
    EXPECT_EQ(description(),
        u"エックスは−13から13まで、yは−13から13まで見えています。"
        "線１：y＝−3分の2エックス＋1、エックスは−3から3まで、yは−1から3まで。"
        "線２：y＝2エックス−2、エックスは−3から3まで、yは−8から4まで。"_qs);
    Window->findChild<QAction*>(u"ShowIntersections"_qs)->trigger();
    click("Command3_0");
    EXPECT_EQ(description(),
        u"エックスは−7から7まで、yは−7から7まで見えています。"
        "線１：y＝−3分の2エックス＋1、エックスは−3から3まで、yは−1から3まで。"
        "線２：y＝2エックス−2、エックスは−3から3まで、yは−8から4まで。"
        "線１と線２はエックス8分の9、y4分の1で交わる。"_qs);
    // An open end is said as a textbook words it, and the range of y by the axis.
    Window->findChild<QAction*>(u"ShowRange"_qs)->trigger();
    Form->perform([](Board& board) { return board.setOpenEnd(1, EntryBox::From, true); });
    EXPECT_EQ(description(),
        u"エックスは−7から7まで、yは−7から7まで見えています。"
        "線１：y＝−3分の2エックス＋1、エックスは−3から3まで、yは−1から3まで。"
        "線２：y＝2エックス−2、エックスは−3より大きく3以下、yは−8より大きく4以下。"
        "線１と線２はエックス8分の9、y4分の1で交わる。y軸に線２のyの変域、−8より大きく4以下。"_qs);
}

TEST_F(AccessibilityTest, TheKeysTraceTheLineAndSayWhereThePointIs)
{
    drawTypicalPair();
    click("Option1_0");
    auto* picture = control<PictureBox>("Picture1");
    picture->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char16_t* Coordinates;
        const char16_t* Change;
        const char16_t* Said;
        QPointF At;
    } rows[] = {{Qt::Key_Right, Qt::NoModifier, u"(−3, 3)", u"", u"線１、エックス−3、y3。", {234, 234}},
        {Qt::Key_Right, Qt::NoModifier, u"(−2, 7/3)", u"χ＋1 → y−2/3",
            u"線１、エックス−2、y3分の7。エックスが1増えるとyは3分の2減る。", {256, 300 - 22 * 7.0 / 3}},
        {Qt::Key_Right, Qt::ShiftModifier, u"(0, 1)", u"χ＋2 → y−4/3",
            u"線１、エックス0、y1。エックスが2増えるとyは3分の4減る。", {300, 278}},
        {Qt::Key_End, Qt::NoModifier, u"(3, −1)", u"χ＋3 → y−2", u"線１、エックス3、y−1。エックスが3増えるとyは2減る。",
            {366, 322}},
        {Qt::Key_Right, Qt::NoModifier, u"(3, −1)", u"", u"線の端です。線１、エックス3、y−1。", {366, 322}},
        {Qt::Key_Up, Qt::NoModifier, u"(3, 4)", u"", u"線２、エックス3、y4。", {366, 212}},
        {Qt::Key_Left, Qt::NoModifier, u"(2, 2)", u"χ−1 → y−2", u"線２、エックス2、y2。エックスが1減るとyは2減る。",
            {344, 256}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.Coordinates).toStdString());
        QTest::keyClick(Window->windowHandle(), row.Key, row.Modifiers);
        ASSERT_TRUE(picture->marker().has_value());
        EXPECT_EQ(picture->marker()->Coordinates, QString::fromUtf16(row.Coordinates));
        EXPECT_EQ(picture->marker()->Change, QString::fromUtf16(row.Change));
        EXPECT_NEAR(picture->marker()->At.x(), row.At.x(), 1e-9);
        EXPECT_NEAR(picture->marker()->At.y(), row.At.y(), 1e-9);
        EXPECT_EQ(announced(), QString::fromUtf16(row.Said));
    }
    press(Qt::Key_Escape);
    EXPECT_FALSE(picture->marker().has_value()) << "Esc takes the point away";
    EXPECT_EQ(QApplication::focusWidget(), picture) << "and leaves the focus on the picture";
    press(Qt::Key_Right);
    ASSERT_TRUE(picture->marker().has_value());
    const QImage image = this->picture();
    box(1)->setFocus();
    EXPECT_FALSE(picture->marker().has_value()) << "gone with the focus";
    EXPECT_EQ(this->picture(), image) << "never part of the image";
}

TEST_F(AccessibilityTest, ThePointerShowsThePlanesCoordinates)
{
    auto* picture = control<PictureBox>("Picture1");
    const struct {
        QPointF At;
        const char16_t* Shown;
    } rows[] = {{{344, 278}, u"(2, 1)"}, {{346, 280}, u"(2, 1)"}, {{350, 278}, u"(2.3, 1.0)"},
        {{278, 322}, u"(−1, −1)"}, {{300, 300}, u"(0, 0)"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.At.x());
        QMouseEvent move(
            QEvent::MouseMove, row.At, picture->mapToGlobal(row.At), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        EXPECT_EQ(picture->hoverText(), QString::fromUtf16(row.Shown));
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picture, &leave);
    EXPECT_TRUE(picture->hoverText().isEmpty());
}

// The projector's picture is drawn at its own size, not blown up: at twice the size the axis is six
// pixels wide, with sharp edges, and a new line shows at once.
TEST_F(AccessibilityTest, TheProjectorDrawsThePictureLargeAndFollowsTheBoard)
{
    Window->findChild<QAction*>(u"Projector"_qs)->trigger();
    auto* projector = Window->findChild<ProjectorWindow*>();
    ASSERT_NE(projector, nullptr);
    EXPECT_TRUE(projector->isFullScreen());
    projector->showNormal();
    projector->setGeometry(0, 0, 1200, 1400);
    QImage shown = projector->grab().toImage();
    // The picture is 1200 square, centred: from row 100.
    EXPECT_EQ(shown.pixelColor(10, 50), QColor(0, 128, 0));
    EXPECT_EQ(shown.pixelColor(10, 150), QColor(255, 255, 192));
    EXPECT_EQ(shown.pixelColor(597, 300), QColor(255, 255, 192));
    for (int x = 598; x <= 603; ++x)
        EXPECT_EQ(shown.pixelColor(x, 300), QColor(0, 0, 0)) << x;
    EXPECT_EQ(shown.pixelColor(604, 300), QColor(255, 255, 192));

    Window->activateWindow();
    drawTypicalPair();
    shown = projector->grab().toImage();
    // y = -2/3 x + 1 at x = -3 is the plane's (234, 234): (468, 568) on the projector.
    EXPECT_EQ(shown.pixelColor(469, 569), QColor(0, 0, 255));

    const QPointer<ProjectorWindow> closing(projector);
    QTest::keyClick(projector->windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull()) << "Esc closes it";
    EXPECT_FALSE(Window->findChild<QAction*>(u"Projector"_qs)->isChecked());
}

} // namespace
} // namespace zelmora::testing
