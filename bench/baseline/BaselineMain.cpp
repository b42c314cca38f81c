// SPDX-License-Identifier: MIT
// The start-up baseline: a plain Qt Widgets window with the same controls as the program's window,
// made from the same panel layout (same kinds, places, captions, fonts and colours) in the same
// style and typeface, but with none of the program's logic and nothing drawn on its 600 x 600
// picture beyond a fill. bench/startup.sh times both.

#include "app/PanelLayout.h"

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

const QString face = QStringLiteral("ＭＳ Ｐゴシック");

QFont captionFont(double points, bool bold)
{
    QFont font(face);
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(bold);
    return font;
}

QColor colourOf(zelmora::Colour colour)
{
    switch (colour) {
    case zelmora::Colour::White:
        return Qt::white;
    case zelmora::Colour::Green:
        return QColor(0, 128, 0);
    case zelmora::Colour::Olive:
        return QColor(128, 128, 0);
    case zelmora::Colour::Blue:
        return Qt::blue;
    case zelmora::Colour::Yellow:
        return Qt::yellow;
    case zelmora::Colour::Standard:
        break;
    }
    return {};
}

// A 600 x 600 area that shows a persistent image, filled once and never drawn on.
class ImageView : public QWidget {
public:
    explicit ImageView(QWidget* parent)
        : QWidget(parent)
        , Image(600, 600, QImage::Format_RGB32)
    {
        Image.fill(QColor(255, 255, 192));
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

QWidget* make(const zelmora::ControlSpec& spec, QWidget* window)
{
    const QString caption = QString::fromUtf16(spec.Caption.data(), static_cast<qsizetype>(spec.Caption.size()));
    switch (spec.Kind) {
    case zelmora::ControlKind::Picture:
        return new ImageView(window);
    case zelmora::ControlKind::Panel:
        return new QWidget(window);
    case zelmora::ControlKind::Button: {
        auto* button = new QPushButton(caption, window);
        button->setAutoDefault(true);
        return button;
    }
    case zelmora::ControlKind::Option:
        return new QRadioButton(caption, window);
    case zelmora::ControlKind::Entry:
        return new QLineEdit(window);
    default:
        break;
    }
    auto* label = new QLabel(caption, window);
    label->setWordWrap(spec.Kind != zelmora::ControlKind::Label && spec.Kind != zelmora::ControlKind::AxisName);
    return label;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt Widgets start-up baseline"));
    window.setFixedSize(zelmora::FormWidth, zelmora::FormHeight);
    for (const zelmora::ControlSpec& spec : zelmora::panelLayout()) {
        QWidget* widget = make(spec, &window);
        widget->setGeometry(spec.Place.Left, spec.Place.Top, spec.Place.Width, spec.Place.Height);
        if (spec.Points > 0)
            widget->setFont(captionFont(spec.Points, spec.Bold));
        if (spec.Background != zelmora::Colour::Standard) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, colourOf(spec.Text));
            palette.setColor(QPalette::Window, colourOf(spec.Background));
            palette.setColor(QPalette::Button, colourOf(spec.Background));
            widget->setPalette(palette);
            widget->setAutoFillBackground(true);
        }
    }
    window.show();
    return QApplication::exec();
}
