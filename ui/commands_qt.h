#pragma once

#include <QKeySequence>
#include <QList>
#include <span>

#include "texts/commands.h"

class QAction;
class QObject;

// The commands' table (texts/commands.h) in Qt's terms.
namespace gelvor::ui {

// Keys as the table writes them, Qt's portable texts; up to the first null.
QList<QKeySequence> key_sequences(std::span<const char* const> portable);
QList<QKeySequence> command_keys(const texts::Command& command);

// The command's action, named, captioned and with its keys as the table says.
QAction* make_action(const texts::Command& command, QObject* parent);

}  // namespace gelvor::ui
