// SPDX-License-Identifier: MIT
// The start-up baseline: a plain Qt Widgets window of the same fixed 935 x 650 client size and the
// same kinds and number of controls as the program's window, in the same style and typeface, but
// with nothing drawn on its 600 x 600 picture beyond a fill. bench/startup.sh times both.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QWidget>

namespace {

constexpr int labelCount = 15;
constexpr int buttonCount = 7;
constexpr int entryCount = 4;
constexpr int optionCount = 8;

const QString face = QStringLiteral("ＭＳ Ｐゴシック");

QFont captionFont(qreal points, bool bold)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A 600 x 600 area that shows a persistent image, filled once and never drawn on.
class ImageView : public QWidget {
public:
    explicit ImageView(QWidget* parent)
        : QWidget(parent)
        , Image(600, 600, QImage::Format_RGB32)
    {
        Image.fill(QColor(255, 255, 192));
        setFixedSize(600, 600);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), Image);
    }

private:
    QImage Image;
};

// Controls in rows down the right-hand side, the panel behind the lower ones.
void addControls(QWidget& window)
{
    auto* view = new ImageView(&window);
    view->move(16, 32);

    auto* panel = new QWidget(&window);
    panel->setGeometry(648, 240, 273, 345);

    const QFont labelFont = captionFont(14.25, true);
    for (int k = 0; k < labelCount; ++k) {
        auto* label = new QLabel(QStringLiteral("ラベル%1").arg(k + 1), &window);
        label->setGeometry(660 + 130 * (k % 2), 16 + 26 * (k / 2), 125, 25);
        label->setFont(labelFont);
    }
    const QFont buttonFont = captionFont(12, true);
    for (int k = 0; k < buttonCount; ++k) {
        auto* button = new QPushButton(QStringLiteral("ボタン%1").arg(k + 1), &window);
        button->setGeometry(660 + 88 * (k % 3), 250 + 40 * (k / 3), 81, 33);
        button->setFont(buttonFont);
        button->setAutoDefault(true);
    }
    const QFont entryFont = captionFont(24, false);
    for (int k = 0; k < entryCount; ++k) {
        auto* entry = new QLineEdit(&window);
        entry->setGeometry(660 + 64 * k, 380, 57, 41);
        entry->setFont(entryFont);
    }
    for (int k = 0; k < optionCount; ++k) {
        auto* option = new QRadioButton(QStringLiteral("%1").arg(k + 1), &window);
        option->setGeometry(672 + 64 * (k % 4), 440 + 32 * (k / 4), 41, 33);
        option->setFont(labelFont);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt Widgets start-up baseline"));
    window.setFixedSize(935, 650);
    addControls(window);
    window.show();
    return QApplication::exec();
}
