// SPDX-License-Identifier: MIT
// The start-up baseline: a plain Qt Widgets main window with the same controls as the program's
// form, made from the same panel layout (same kinds, places, captions, fonts and colours), and a
// menu bar of the same menus and items, in the same style and typeface, but with none of the
// program's logic and nothing drawn on its 600 x 600 picture beyond a fill. bench/startup.sh times
// both.

#include "app/form/PanelLayout.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QWidget>

#include <utility>
#include <vector>

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

QWidget* make(const zelmora::ControlRow& row, QWidget* window)
{
    const QString caption = QString::fromUtf16(row.Caption.data(), static_cast<qsizetype>(row.Caption.size()));
    switch (row.Kind) {
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
    label->setWordWrap(row.Kind != zelmora::ControlKind::Label && row.Kind != zelmora::ControlKind::AxisName);
    return label;
}

// The menus of the program's window, with items that do nothing.
void addMenus(QMainWindow& window)
{
    const std::pair<const char16_t*, std::vector<const char16_t*>> menus[] = {
        {u"ファイル(&F)",
            {u"新規(&N)", u"開く(&O)…", u"上書き保存(&S)", u"名前を付けて保存(&A)…", u"図を書き出す(&E)…", u"印刷(&P)…",
                u"終了(&X)"}},
        {u"編集(&E)", {u"図をコピー(&C)"}},
        {u"表示(&V)", {}},
        {u"ヘルプ(&H)", {u"使い方(&H)", u"このプログラムについて(&A)"}},
    };
    for (const auto& [title, items] : menus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf16(title));
        for (const char16_t* item : items)
            menu->addAction(QString::fromUtf16(item));
    }
    window.menuBar()->actions().front()->menu()->addMenu(QStringLiteral("最近使ったファイル(&R)"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Qt Widgets start-up baseline"));
    auto* form = new QWidget(&window);
    form->setFixedSize(zelmora::FormWidth, zelmora::FormHeight);
    window.setCentralWidget(form);
    addMenus(window);
    for (const zelmora::ControlRow& row : zelmora::panelLayout()) {
        QWidget* widget = make(row, form);
        widget->setGeometry(row.Place.Left, row.Place.Top, row.Place.Width, row.Place.Height);
        if (row.Points > 0)
            widget->setFont(captionFont(row.Points, row.Bold));
        if (row.Background != zelmora::Colour::Standard) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, colourOf(row.Text));
            palette.setColor(QPalette::Window, colourOf(row.Background));
            palette.setColor(QPalette::Button, colourOf(row.Background));
            widget->setPalette(palette);
            widget->setAutoFillBackground(true);
        }
    }
    window.show();
    return QApplication::exec();
}
