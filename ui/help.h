#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include "texts/commands.h"

class QAction;
class QMenu;
class QWidget;

namespace gelvor::ui {

// The items of the menu "A&yuda" as the commands' table has them: atajos
// (F1) and acercaDe.
void add_help_items(QMenu* menu);

// A group of keys in the shortcuts dialog: a window, and pairs of its keys
// and what they do.
struct KeyGroup {
    QString title;
    QList<std::pair<QString, QString>> keys;
};

// Every group of the shortcuts dialog as the commands' table has them, the
// bench's first: each place's commands that have keys, then its keys that
// are no command.
QList<KeyGroup> key_groups();

// Keys as the shortcuts dialog names them, in the user's words ("Mayúsculas+Tab o Intro").
QString key_names(const QList<QKeySequence>& keys);

// frmAtajos: every key of both windows, in groups, non-modal.
void show_shortcuts(QWidget* parent, const QList<KeyGroup>& groups);
// frmAcercaDe: the version, the licence and where the property data come from.
void show_about(QWidget* parent);

}  // namespace gelvor::ui
