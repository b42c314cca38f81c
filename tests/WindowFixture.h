// SPDX-License-Identifier: MIT
#pragma once

#include "app/form/Form1.h"
#include "app/form/PictureBox.h"
#include "app/main/MainWindow.h"
#include "app/session/Settings.h"
#include "plane/PainterSurface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>

// Failures show texts as text rather than as lists of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zelmora::testing {

// Answers the question a window asks before a changed lesson is replaced, with the button of the
// given caption, while it lives, and closes a box that only tells something (one button) with that
// button; and remembers what each box said, and its further text. The box is modal and waits in an
// event loop of its own, where the answer arrives.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(QString answer)
        : Answer(std::move(answer))
    {
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (question == nullptr)
                return;
            Asked.append(question->text());
            Told.append(question->informativeText());
            const QList<QAbstractButton*> buttons = question->buttons();
            if (buttons.size() == 1) {
                buttons.front()->click();
                return;
            }
            for (QAbstractButton* button : buttons) {
                if (button->text() == Answer)
                    button->click();
            }
        });
        Timer.start(10);
    }

    QString Answer;
    QStringList Asked;
    QStringList Told;

private:
    QTimer Timer;
};

// A shown, active main window, with ways to find its controls and to type and press keys as
// the pupil does.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    // What a test had the window keep for the next run (the marks, where the table of values goes)
    // is forgotten; the next test starts without it.
    void TearDown() override
    {
        Window.reset();
        Settings::clear();
    }

    // A new main window, shown and active, its form in Form.
    void open()
    {
        Window = std::make_unique<MainWindow>();
        Form = Window->form();
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* widget = Form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QLineEdit* box(int number) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(number).toLatin1()); }

    // Key presses go to the window, which hands them to the focused control.
    void press(Qt::Key key) const { QTest::keyClick(Window->windowHandle(), key); }

    // Text arrives as an input method commits it, so full-width text comes in as typed in Japanese.
    void type(const QString& text) const
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(target, &commit);
    }

    // Types each text into the focused box and presses Enter after it.
    void typeLine(std::initializer_list<QString> texts) const
    {
        for (const QString& text : texts) {
            type(text);
            press(Qt::Key_Return);
        }
    }

    // The typical pair, y = -2/3χ + 1 and y = 2χ - 2 over -3 ≦ χ ≦ 3, typed into slots １ and ２ from
    // the keyboard; they cross at (9/8, 1/4).
    void drawTypicalPair() const
    {
        box(1)->setFocus();
        typeLine({QStringLiteral("-2/3"), QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("3")});
        press(Qt::Key_Return);
        typeLine({QStringLiteral("2"), QStringLiteral("-2"), QStringLiteral("-3"), QStringLiteral("3")});
        press(Qt::Key_Return);
    }

    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    // The caption as the title bar shows it, with the mark of a changed lesson where it is due.
    QString caption() const { return Window->windowHandle()->title(); }

    // The image the picture shows, and one of its pixels.
    const QImage& picture() const { return control<PictureBox>("Picture1")->image(); }
    QColor pixel(int x, int y) const { return picture().pixelColor(x, y); }

    std::unique_ptr<MainWindow> Window;
    Form1* Form = nullptr;
};

} // namespace zelmora::testing
