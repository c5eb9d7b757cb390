#include "ui/commands_qt.h"

#include <QAction>

namespace gelvor::ui {

QList<QKeySequence> key_sequences(std::span<const char* const> portable) {
    QList<QKeySequence> keys;
    for (const char* key : portable) {
        if (!key)
            break;
        keys << QKeySequence::fromString(QString::fromUtf8(key), QKeySequence::PortableText);
    }
    return keys;
}

QList<QKeySequence> command_keys(const texts::Command& command) {
    return key_sequences(command.keys);
}

QAction* make_action(const texts::Command& command, QObject* parent) {
    auto* action = new QAction(QString::fromUtf8(command.caption), parent);
    action->setObjectName(QLatin1String(command.name));
    action->setShortcuts(command_keys(command));
    return action;
}

}  // namespace gelvor::ui
