// SPDX-License-Identifier: MIT
#include "app/main/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

void addRow(QMenu* menu, const MenuRow& row, QObject* context)
{
    if (row.Part) {
        row.Part(row.Caption.isEmpty() ? menu : menu->addMenu(row.Caption));
        return;
    }
    if (row.Adopted != nullptr) {
        row.Adopted->setText(row.Caption);
        menu->addAction(row.Adopted);
        return;
    }
    if (row.Caption.isEmpty()) {
        menu->addSeparator();
        return;
    }
    // The menus' keys act from the companion windows too (the table, 動かして調べる), as from the
    // main window; a modal dialog still holds them back.
    QAction* action = menu->addAction(row.Caption);
    action->setShortcuts(row.Keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setObjectName(row.Name);
    action->setCheckable(row.Checkable);
    if (row.Does)
        QObject::connect(action, &QAction::triggered, context, row.Does);
    if (row.Kept != nullptr)
        *row.Kept = action;
}

} // namespace

std::array<QMenu*, 5> buildMenuBar(
    QMenuBar* bar, const std::array<MenuTitle, 5>& menus, const std::vector<MenuRow>& rows, QObject* context)
{
    std::array<QMenu*, 5> made{};
    for (std::size_t k = 0; k < menus.size(); ++k) {
        made[k] = bar->addMenu(menus[k].Caption);
        if (!menus[k].Name.isEmpty())
            made[k]->setObjectName(menus[k].Name);
    }
    for (const MenuRow& row : rows)
        addRow(made[static_cast<std::size_t>(row.Menu)], row, context);
    return made;
}

QString keyList(
    const std::vector<MenuRow>& rows, const QString& itemFormat, const QString& between, const QString& separator)
{
    static const QRegularExpression accessKey(u"\\(&.\\)|&"_s);
    QStringList items;
    for (const MenuRow& row : rows) {
        QStringList sequences;
        for (const QKeySequence& sequence : row.Adopted != nullptr ? row.Adopted->shortcuts() : row.Keys)
            sequences << sequence.toString(QKeySequence::NativeText);
        if (sequences.isEmpty() || row.Part)
            continue;
        QString name = row.Caption;
        name.remove(accessKey).remove(u'…').remove(u"..."_s);
        items << itemFormat.arg(sequences.join(between), name.trimmed());
    }
    return items.join(separator);
}

} // namespace zelmora
