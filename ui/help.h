#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include "texts/commands.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace gelvor::ui {

// The items of the menu "A&yuda" as the commands' table has them: atajos
// (F1) and acercaDe.
void add_help_items(QMenu* menu);

// A group of keys in the shortcuts dialog: a window and what its keys do.
// `commands` lists actions with the keys they have; `fixed`, pairs of keys
// and what they do, as the table's groups list every key.
struct KeyGroup {
    QString title;
    QList<QAction*> commands;
    QList<std::pair<QString, QString>> fixed;
};

// The table's group (texts::key_groups()) that lists `place`: its places'
// commands that have keys, then their keys that are no command.
KeyGroup key_group(texts::Place place);
// Every group of the shortcuts dialog, the bench's first.
QList<KeyGroup> key_groups();
// The bench window's group alone; the table, not the menu bar, says its keys.
QList<KeyGroup> bench_keys(QMenuBar* menus);

// Keys as the shortcuts dialog names them, in the user's words ("Mayúsculas+Tab o Intro").
QString key_names(const QList<QKeySequence>& keys);

// frmAtajos: every key of both windows, in groups, non-modal.
void show_shortcuts(QWidget* parent, const QList<KeyGroup>& groups);
// frmAcercaDe: the version, the licence and where the property data come from.
void show_about(QWidget* parent);

}  // namespace gelvor::ui
