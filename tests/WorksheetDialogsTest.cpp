// SPDX-License-Identifier: MIT
// The print and export dialogs remember what was chosen in them, for the next time they open.
#include "WindowFixture.h"

#include "app/dialogs/WorksheetDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QTimer>

#include <functional>

namespace zelmora::testing {
namespace {

class WorksheetDialogsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        drawTypicalPair();
    }
};

// Answers the dialogs as they open: the first with the choices, a second (the file or the preview
// it leads to) cancelled, the third read back and cancelled.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(QDialog&)> choose, std::function<void(QDialog&)> readBack)
    {
        QObject::connect(&Timer, &QTimer::timeout, [this, choose, readBack] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == Last)
                return;
            Last = dialog;
            if (dialog->inherits("QPrintPreviewDialog") || dialog->inherits("QFileDialog")) {
                dialog->reject();
            } else if (Step++ == 0) {
                choose(*dialog);
                dialog->accept();
            } else {
                readBack(*dialog);
                dialog->reject();
            }
        });
        Timer.start(20);
    }

private:
    QTimer Timer;
    QDialog* Last = nullptr;
    int Step = 0;
};

template <typename T> T* child(QDialog& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(WorksheetDialogsTest, ThePrintAndExportDialogsRememberTheirChoices)
{
    // The last kind is 練習プリント, with the practice's own choices.
    const char* combos[]
        = {"Paper", "Orientation", "Scale", "Centre", "PerPage", "Kind", "PracticeKind", "PracticeLevel"};
    std::vector<int> chosen;
    std::vector<int> shown;
    QString title;
    double unit = 0;
    bool blackAndWhite = false;
    double greyedUnit = 0;
    bool greyed = false;
    {
        const DialogDriver driver(
            [&](QDialog& dialog) {
                for (const char* name : combos) {
                    auto* box = child<QComboBox>(dialog, name);
                    box->setCurrentIndex(box->count() - 1);
                    chosen.push_back(box->currentIndex());
                }
                child<QLineEdit>(dialog, "Title")->setText(u"一次関数"_qs);
                child<QDoubleSpinBox>(dialog, "UnitMillimetres")->setValue(7.5);
                child<QCheckBox>(dialog, "BlackAndWhite")->setChecked(true);
            },
            [&](QDialog& dialog) {
                for (const char* name : combos)
                    shown.push_back(child<QComboBox>(dialog, name)->currentIndex());
                title = child<QLineEdit>(dialog, "Title")->text();
                EXPECT_FALSE(child<QLineEdit>(dialog, "Title")->isEnabled()) << "a practice sheet has its own heading";
                unit = child<QDoubleSpinBox>(dialog, "UnitMillimetres")->value();
                blackAndWhite = child<QCheckBox>(dialog, "BlackAndWhite")->isChecked();
                child<QComboBox>(dialog, "Scale")->setCurrentIndex(1);
                greyedUnit = child<QDoubleSpinBox>(dialog, "UnitMillimetres")->value();
                greyed = !child<QDoubleSpinBox>(dialog, "UnitMillimetres")->isEnabled();
            });
        printWithPreview(Window.get(), Form->board());
        printWithPreview(Window.get(), Form->board());
    }
    EXPECT_EQ(shown, chosen);
    EXPECT_EQ(title, QString()) << "the open lesson's title, which it has not, not the one printed last";
    EXPECT_EQ(unit, 7.5);
    EXPECT_TRUE(greyed);
    EXPECT_EQ(greyedUnit, 10.0) << "the greyed length shows the scale chosen, 1 cm";
    EXPECT_TRUE(blackAndWhite);

    int format = 0;
    bool problem = false;
    {
        const DialogDriver driver(
            [](QDialog& dialog) {
                child<QComboBox>(dialog, "Format")->setCurrentIndex(3);
                child<QCheckBox>(dialog, "Problem")->setChecked(true);
            },
            [&](QDialog& dialog) {
                format = child<QComboBox>(dialog, "Format")->currentIndex();
                problem = child<QCheckBox>(dialog, "Problem")->isChecked();
            });
        EXPECT_EQ(askExport(Window.get(), u"plane"_qs), std::nullopt);
        EXPECT_EQ(askExport(Window.get(), u"plane"_qs), std::nullopt);
    }
    EXPECT_EQ(format, 3);
    EXPECT_TRUE(problem);
}

} // namespace
} // namespace zelmora::testing
