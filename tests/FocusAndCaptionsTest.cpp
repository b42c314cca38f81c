// SPDX-License-Identifier: MIT
// Keyboard focus and captions on any desktop: the tab ring, the focus ring's contrast, the
// picture's place in the ring and its menu keys, and captions that keep inside their controls at
// any logical DPI.
#include "WindowFixture.h"

#include "app/form/FocusRing.h"
#include "app/form/MessageLabel.h"
#include "app/form/PictureBox.h"
#include "app/session/Startup.h"
#include "app/words/Look.h"
#include "app/words/Messages.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cmath>
#include <vector>

namespace zelmora::testing {
namespace {

class FocusTest : public WindowTest {
protected:
    std::array<QString, 4> boxTexts() const { return {box(1)->text(), box(2)->text(), box(3)->text(), box(4)->text()}; }

    // Presses the key n times and lists the focus after each press.
    std::vector<QString> focusTrail(Qt::Key key, Qt::KeyboardModifiers modifiers, int presses) const
    {
        std::vector<QString> trail;
        for (int k = 0; k < presses; ++k) {
            QTest::keyClick(Window->windowHandle(), key, modifiers);
            trail.push_back(QApplication::focusWidget()->objectName());
        }
        return trail;
    }
};

// The ring from the a box round to it again, with slot "４" checked: the slot buttons are one stop,
// at the place of the checked one.
const std::vector<QString> forwardRing{u"Text2"_qs, u"Text3"_qs, u"Text4"_qs, u"Command4"_qs, u"Command5"_qs,
    u"Command2"_qs, u"Command1"_qs, u"Picture1"_qs, u"Command3_0"_qs, u"Command3_1"_qs, u"Command3_2"_qs,
    u"Option1_3"_qs, u"Text1"_qs};

TEST_F(FocusTest, TabAndShiftTabGoRoundTheRingWithoutTouchingSlotOrText)
{
    click("Option1_3");
    box(1)->setFocus();
    type(u"7"_qs);
    box(3)->setText(u"-1"_qs);
    const auto texts = boxTexts();

    EXPECT_EQ(focusTrail(Qt::Key_Tab, Qt::NoModifier, 13), forwardRing);
    std::vector<QString> backward(forwardRing.rbegin() + 1, forwardRing.rend());
    backward.push_back(u"Text1"_qs);
    EXPECT_EQ(focusTrail(Qt::Key_Tab, Qt::ShiftModifier, 13), backward);
    EXPECT_EQ(focusTrail(Qt::Key_Backtab, Qt::ShiftModifier, 13), backward);

    EXPECT_EQ(boxTexts(), texts);
    EXPECT_EQ(Form->board().currentSlot(), 3);
}

// A line drawn with the keyboard moves the slot on to "２"; the slot buttons' stop moves to it and
// stays at its place in the ring, just before the a box, so Shift+Tab from the a box reaches it.
TEST_F(FocusTest, TheSlotStopFollowsTheSlotADrawMovesOnTo)
{
    box(1)->setFocus();
    typeLine({u"-2/3"_qs, u"1"_qs, u"-3"_qs, u"3"_qs});
    press(Qt::Key_Return);
    ASSERT_EQ(Form->board().currentSlot(), 1);
    ASSERT_EQ(QApplication::focusWidget(), box(1));

    const std::vector<QString> backward{u"Option1_1"_qs, u"Command3_2"_qs};
    EXPECT_EQ(focusTrail(Qt::Key_Tab, Qt::ShiftModifier, 2), backward);
    box(1)->setFocus();
    const auto forward = focusTrail(Qt::Key_Tab, Qt::NoModifier, 13);
    EXPECT_EQ(std::count(forward.begin(), forward.end(), u"Option1_1"_qs), 1);
    EXPECT_EQ(std::count_if(
                  forward.begin(), forward.end(), [](const QString& name) { return name.startsWith(u"Option1"_qs); }),
        1);
    EXPECT_EQ(Form->board().currentSlot(), 1);
}

TEST_F(FocusTest, ArrowKeysStillSelectAndFocusFromCodeStillChecks)
{
    click("Option1_3");
    control("Option1_3")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Right);
    EXPECT_EQ(Form->board().currentSlot(), 4) << "after ４ comes ５, at the start of the second row";
    EXPECT_EQ(QApplication::focusWidget(), box(1));
    control("Option1_6")->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents(); // the click waits until the focus-in is over
    EXPECT_EQ(Form->board().currentSlot(), 6);
    EXPECT_TRUE(control<QRadioButton>("Option1_6")->isChecked());
}

// WCAG's relative luminance and contrast ratio.
double luminance(QColor colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(QColor first, QColor second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TEST_F(FocusTest, FocusedControlHasARingThatStandsOutOnGreenAndOlive)
{
    for (const char* name : {"Text1", "Command2", "Option1_0", "Command4", "Picture1"}) {
        SCOPED_TRACE(name);
        QWidget* target = control(name);
        target->setFocus(Qt::TabFocusReason);
        auto* ring = Form->findChild<FocusRing*>();
        ASSERT_NE(ring, nullptr);
        EXPECT_EQ(ring->target(), target);
        EXPECT_TRUE(ring->isVisible());

        // Just outside the control's top-left corner: the ring's outer band, then its inner line.
        const QImage window = Form->grab().toImage();
        // Along the left edge, a little above the middle, clear of the axis and the indicator.
        const QPoint edge = target->geometry().topLeft() + QPoint(0, target->height() / 2 - 5);
        const QColor outer = window.pixelColor(edge + QPoint(-3, 0));
        const QColor inner = window.pixelColor(edge + QPoint(-1, 0));
        const QColor inside = window.pixelColor(edge + QPoint(1, 0));
        ring->hide();
        const QColor around = Form->grab().toImage().pixelColor(edge + QPoint(-3, 0));
        ring->show();
        EXPECT_GE(contrast(outer, around), 3.0) << outer.name().toStdString() << " on " << around.name().toStdString();
        EXPECT_GE(contrast(inner, inside), 3.0) << inner.name().toStdString() << " by " << inside.name().toStdString();
    }
    QApplication::focusWidget()->clearFocus();
    EXPECT_FALSE(Form->findChild<FocusRing*>()->isVisible());
}

TEST_F(FocusTest, PictureTakesTheFocusAtItsPlaceAndItsMenuKeysOpenItsMenu)
{
    control("Command1")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control("Picture1"));

    for (const QKeyCombination keys :
        {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        SCOPED_TRACE(QKeySequence(keys).toString().toStdString());
        QStringList shown;
        // The menu runs its own loop; look at it from there and close it.
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    shown << action->text();
                menu->close();
            }
        });
        watcher.start(10);
        QTest::keyClick(Window->windowHandle(), keys.key(), keys.keyboardModifiers());
        watcher.stop();
        EXPECT_EQ(shown, QStringList{u"図をコピー(&C)"_qs});
    }
}

TEST_F(FocusTest, AnotherPixelRatioRemakesTheImageAndDrawsTheLinesAgain)
{
    box(1)->setFocus();
    typeLine({u"1"_qs, u"0"_qs, u"-5"_qs, u"5"_qs});
    press(Qt::Key_Return);
    control<PictureBox>("Picture1")->setPixelRatio(2);
    const QImage& image = picture();
    ASSERT_EQ(image.size(), QSize(1200, 1200));
    EXPECT_EQ(image.devicePixelRatio(), 2);
    // The line y = x at x = 2 is the logical pixel (344, 256): device pixels from (688, 512).
    EXPECT_EQ(image.pixelColor(689, 513), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(40, 40), QColor(255, 255, 192));
}

// Captions stay inside their controls: laid out in a control widened on every side, none of the
// caption's pixels may fall outside the control's own rectangle. The suite runs again at 120 and
// 144 dots per inch (see tests/CMakeLists.txt).
using CaptionFitTest = WindowTest;

// No pixel of a one-line caption's ink outside its control: each control is grabbed widened by a
// margin and the ink counted outside its own rectangle.
void expectCaptionsInside(const Form1& form)
{
    std::printf("logical DPI %g\n", QGuiApplication::primaryScreen()->logicalDotsPerInch());
    constexpr int margin = 40;
    int checked = 0;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString caption = label ? label->text() : button ? button->text() : QString();
        if (caption.isEmpty() || widget->objectName() == u"Label9"_qs)
            continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        const QColor ink = widget->palette().color(
            button && !qobject_cast<const QRadioButton*>(button) ? QPalette::ButtonText : QPalette::WindowText);
        // Widened so that the caption stays where it is: away from the side it is aligned to.
        const bool alignedLeft
            = label ? (label->alignment() & Qt::AlignLeft) != 0 : qobject_cast<const QRadioButton*>(button) != nullptr;
        const bool alignedTop = label && (label->alignment() & Qt::AlignTop) != 0;
        const QRect original = widget->geometry();
        widget->setGeometry(original.adjusted(alignedLeft ? 0 : -margin, alignedTop ? 0 : -margin, margin, margin));
        const QImage wide = widget->grab().toImage();
        const QRect inside = QRect(original.topLeft() - widget->geometry().topLeft(), original.size());
        widget->setGeometry(original);
        int outside = 0;
        for (int y = 0; y < wide.height(); ++y) {
            for (int x = 0; x < wide.width(); ++x)
                outside += wide.pixelColor(x, y) == ink && !inside.contains(x, y) ? 1 : 0;
        }
        EXPECT_EQ(outside, 0) << caption.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 28);
}

TEST_F(CaptionFitTest, EveryOneLineCaptionKeepsInsideItsControl)
{
    expectCaptionsInside(*Form);
}

// The English captions were chosen to fit the same controls.
TEST_F(CaptionFitTest, EveryOneLineCaptionKeepsInsideItsControlInEnglish)
{
    QTranslator english;
    ASSERT_TRUE(english.load(englishCatalogue()));
    QCoreApplication::installTranslator(&english);
    open();
    QCoreApplication::removeTranslator(&english);
    expectCaptionsInside(*Form);
}

// Every message fits the message area (145 x 56 pixels, bold 12 points): at most three lines, none
// wider than the area, none a lone character, none starting with a closing mark.
void expectMessagesFit()
{
    const QFont font = look::font(12, true);
    const QFontMetricsF metrics(font);
    const QString noLineStart = QStringLiteral("、。，．」』）…");
    for (const QString& message : messages::all()) {
        SCOPED_TRACE(message.toStdString());
        const QStringList lines = MessageLabel::lines(message, font, 145);
        EXPECT_LE(lines.size(), 3);
        EXPECT_LE(lines.size() * metrics.lineSpacing(), 56.0);
        for (const QString& line : lines) {
            EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), 145.0) << line.toStdString();
            EXPECT_GE(line.trimmed().toUcs4().size(), 2) << line.toStdString();
            EXPECT_FALSE(noLineStart.contains(line.front()) && &line != &lines.front()) << line.toStdString();
        }
        // Japanese words stay whole: no break between a kanji and its ending.
        for (const QString& word : {QStringLiteral("読みませんでした"), QStringLiteral("大きすぎます")}) {
            if (message.contains(word)) {
                EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
                    return line.contains(word);
                })) << lines.join(u'/').toStdString();
            }
        }
    }
}

TEST(MessageFit, EveryMessageFitsItsAreaInBalancedLines)
{
    expectMessagesFit();
}

TEST(MessageFit, EveryEnglishMessageFitsItsAreaInBalancedLines)
{
    QTranslator english;
    ASSERT_TRUE(english.load(englishCatalogue()));
    QCoreApplication::installTranslator(&english);
    expectMessagesFit();
    QCoreApplication::removeTranslator(&english);
}

} // namespace
} // namespace zelmora::testing
