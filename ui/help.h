#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace gelvor::ui {

// The items of the menu "A&yuda": "&Atajos de teclado" (`atajos`, F1) and
// "&Acerca de Gelvor" (`acercaDe`).
void add_help_items(QMenu* menu);

// A group of keys in the shortcuts dialog: a window and what its keys do.
// The commands come from their actions, so the list always tells the keys
// the program really has; `fixed` adds the keys that are not commands
// (Tab, the arrows), as pairs of keys and what they do.
struct KeyGroup {
    QString title;
    QList<QAction*> commands;
    QList<std::pair<QString, QString>> fixed;
};

// The keys of the bench window: its menus' commands, then the keys that
// are not commands.
QList<KeyGroup> bench_keys(QMenuBar* menus);

// Keys as the shortcuts dialog names them, in the user's words ("Mayúsculas+Tab o Intro").
QString key_names(const QList<QKeySequence>& keys);

// frmAtajos: every key of both windows, in groups, non-modal.
void show_shortcuts(QWidget* parent, const QList<KeyGroup>& groups);
// frmAcercaDe: the version, the licence and where the property data come from.
void show_about(QWidget* parent);

}  // namespace gelvor::ui
