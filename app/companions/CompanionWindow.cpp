// SPDX-License-Identifier: MIT
#include "app/companions/CompanionWindow.h"

#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

namespace zelmora {

std::optional<QRect> besideMainWindow(const QRect& mainFrame, const QRect& screen, QSize wanted, QSize least)
{
    constexpr int gap = 8;
    const int height = std::min(wanted.height(), screen.height());
    const int top = std::clamp(mainFrame.top(), screen.top(), screen.bottom() + 1 - height);
    const int rightRoom = screen.right() - mainFrame.right() - gap;
    if (rightRoom >= least.width() && height >= least.height()) {
        const int width = std::min(wanted.width(), rightRoom);
        return QRect(mainFrame.right() + 1 + gap, top, width, height);
    }
    const int leftRoom = mainFrame.left() - screen.left() - gap;
    if (leftRoom >= least.width() && height >= least.height()) {
        const int width = std::min(wanted.width(), leftRoom);
        return QRect(mainFrame.left() - gap - width, top, width, height);
    }
    const int belowRoom = screen.bottom() - mainFrame.bottom() - gap;
    if (belowRoom >= least.height() && screen.width() >= least.width()) {
        const int width = std::min(wanted.width(), screen.width());
        const int left = std::clamp(mainFrame.left(), screen.left(), screen.right() + 1 - width);
        return QRect(left, mainFrame.bottom() + 1 + gap, width, std::min(wanted.height(), belowRoom));
    }
    return std::nullopt;
}

CompanionWindow::CompanionWindow(QWidget* mainWindow, Qt::WindowFlags flags)
    : QWidget(mainWindow, flags)
{
}

void CompanionWindow::showBoard(const Board&)
{
}

bool CompanionWindow::closesOn(const QKeyEvent& event) const
{
    return event.key() == Qt::Key_Escape;
}

void CompanionWindow::keyPressEvent(QKeyEvent* event)
{
    if (closesOn(*event))
        close();
    else
        QWidget::keyPressEvent(event);
}

void CompanionWindow::placeBeside()
{
    const QWidget* mainWindow = parentWidget();
    const QScreen* screen = mainWindow != nullptr ? mainWindow->screen() : nullptr;
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    if (const auto place = besideMainWindow(mainWindow->frameGeometry(), room, size, size))
        move(place->topLeft());
    else
        move(room.bottomRight() - QPoint(size.width(), size.height()));
}

} // namespace zelmora
