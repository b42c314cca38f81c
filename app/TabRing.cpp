// SPDX-License-Identifier: MIT
#include "app/TabRing.h"

#include "app/PanelLayout.h"

#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace zelmora {

TabRing::TabRing(QWidget* form)
{
    std::vector<const ControlSpec*> focusable;
    for (const ControlSpec& spec : panelLayout()) {
        if (spec.TabIndex >= 0)
            focusable.push_back(&spec);
    }
    std::ranges::sort(focusable, {}, &ControlSpec::TabIndex);
    for (const ControlSpec* spec : focusable) {
        const QString name = QString::fromLatin1(spec->Name.data(), static_cast<qsizetype>(spec->Name.size()));
        if (auto* widget = form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
            Stops.push_back(widget);
    }
    for (std::size_t k = 0; k < Stops.size(); ++k)
        QWidget::setTabOrder(Stops[k], Stops[(k + 1) % Stops.size()]);
}

bool TabRing::move(QWidget* from, bool next) const
{
    const auto count = static_cast<std::ptrdiff_t>(Stops.size());
    const auto current = std::ranges::find(Stops, from);
    std::ptrdiff_t index = current == Stops.end() ? (next ? count - 1 : 0) : current - Stops.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        index = (index + (next ? 1 : count - 1)) % count;
        QWidget* candidate = Stops[static_cast<std::size_t>(index)];
        const auto* option = qobject_cast<const QRadioButton*>(candidate);
        if (candidate->isEnabled() && candidate->isVisible() && (option == nullptr || option->isChecked())) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace zelmora
