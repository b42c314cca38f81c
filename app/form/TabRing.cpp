// SPDX-License-Identifier: MIT
#include "app/form/TabRing.h"

#include "app/form/OptionButton.h"
#include "app/form/PanelLayout.h"
#include "slots/SlotTable.h"

#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace zelmora {

TabRing::TabRing(QWidget* form)
{
    std::vector<const ControlRow*> focusable;
    int slotPlace = -1;
    for (const ControlRow& row : panelLayout()) {
        if (row.TabIndex >= 0)
            focusable.push_back(&row);
        if (row.Name == "Option1_0")
            slotPlace = row.TabIndex;
    }
    std::ranges::sort(focusable, {}, &ControlRow::TabIndex);
    std::vector<std::pair<int, QWidget*>> placed;
    for (const ControlRow* row : focusable) {
        const QString name = QString::fromLatin1(row->Name.data(), static_cast<qsizetype>(row->Name.size()));
        auto* widget = form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (!widget)
            continue;
        // The slot buttons stand together, at the place of slot "１": after the size buttons, just
        // before the a box. Slot "２" has a tab index of its own between the command buttons, and a
        // stop there would jump round the ring whenever a draw moves on to it: Shift+Tab from the a
        // box would no longer reach the slots.
        placed.emplace_back(row->Name.starts_with("Option1_") ? slotPlace : row->TabIndex, widget);
    }
    // Qt's own chain keeps the tab indices, for whatever walks it.
    for (std::size_t k = 0; k < placed.size(); ++k)
        QWidget::setTabOrder(placed[k].second, placed[(k + 1) % placed.size()].second);
    std::ranges::stable_sort(placed, {}, &std::pair<int, QWidget*>::first);
    for (const auto& [place, widget] : placed)
        Stops.push_back(widget);

    for (int k = 0; k < SlotTable::UserSlots; ++k) {
        auto* option = form->findChild<OptionButton*>(QStringLiteral("Option1_%1").arg(k), Qt::FindDirectChildrenOnly);
        Slots.push_back(option);
        QObject::connect(option, &OptionButton::arrowPressed, option, [this, k](Qt::Key key) {
            const int rowLength = SlotTable::UserSlots / 2;
            const int step = key == Qt::Key_Left ? -1
                : key == Qt::Key_Right           ? 1
                : key == Qt::Key_Up              ? -rowLength
                                                 : rowLength;
            const int neighbour = (k + step + SlotTable::UserSlots) % SlotTable::UserSlots;
            // Selecting the slot moves the focus on to the a box; clicking rather than focusing the
            // neighbour means a screen reader hears only the focus that stays.
            static_cast<QAbstractButton*>(Slots[static_cast<std::size_t>(neighbour)])->click();
        });
    }
}

void TabRing::setTrailing(const std::vector<QWidget*>& stops)
{
    Trailing.assign(stops.begin(), stops.end());
}

bool TabRing::move(QWidget* from, bool next) const
{
    std::vector<QWidget*> ring = Stops;
    for (QWidget* stop : Trailing) {
        if (stop != nullptr)
            ring.push_back(stop);
    }
    const auto count = static_cast<std::ptrdiff_t>(ring.size());
    const auto current = std::ranges::find(ring, from);
    std::ptrdiff_t index = current == ring.end() ? (next ? count - 1 : 0) : current - ring.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        index = (index + (next ? 1 : count - 1)) % count;
        QWidget* candidate = ring[static_cast<std::size_t>(index)];
        const auto* option = qobject_cast<const QRadioButton*>(candidate);
        if (candidate->isEnabled() && candidate->isVisible() && (option == nullptr || option->isChecked())) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace zelmora
