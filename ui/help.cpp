#include "ui/help.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "present/operator_notices.h"
#include "texts/dialog_texts.h"
#include "texts/help_texts.h"
#include "ui/commands_qt.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::ui {
namespace {

// A menu text as the list shows it: no accelerator marks, no ellipsis.
QString plain(QString text) {
    text.remove(u'&');
    if (text.endsWith(u'…'))
        text.chop(1);
    return text;
}

bool lists(const texts::KeyGroup& group, texts::Place place) {
    return std::ranges::find(group.places, place) != group.places.end();
}

KeyGroup from_table(const texts::KeyGroup& group) {
    KeyGroup out{qt::to_qstring(group.title), {}};
    for (const texts::Command& c : texts::commands()) {
        const QList<QKeySequence> keys = command_keys(c);
        if (lists(group, c.place) && !keys.isEmpty())
            out.keys.append({key_names(keys), plain(qt::to_qstring(c.caption))});
    }
    for (const texts::KeyUse& u : texts::key_uses()) {
        if (lists(group, u.place))
            out.keys.append({key_names(key_sequences(u.keys)), qt::to_qstring(u.what)});
    }
    return out;
}

}  // namespace

QString key_names(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& k : keys) names << k.toString(QKeySequence::NativeText);
    return names.join(qt::to_qstring(texts::kOtherKey));
}

QList<KeyGroup> key_groups() {
    QList<KeyGroup> groups;
    for (const texts::KeyGroup& group : texts::key_groups()) groups << from_table(group);
    return groups;
}

void add_help_items(QMenu* menu) {
    for (const texts::Command& c : texts::commands()) {
        if (c.place == texts::Place::help_menu)
            menu->addAction(make_action(c, menu));
    }
}

void show_shortcuts(QWidget* parent, const QList<KeyGroup>& groups) {
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("frmAtajos"));
    dialog->setWindowTitle(qt::to_qstring(texts::kKeysTitle));
    dialog->setAccessibleName(dialog->windowTitle());

    auto* list = new QTreeWidget(dialog);
    list->setObjectName(QStringLiteral("listaAtajos"));
    list->setAccessibleName(qt::to_qstring(texts::kKeysListName));
    list->setColumnCount(2);
    list->setHeaderLabels(
        {qt::to_qstring(texts::kKeyHeading), qt::to_qstring(texts::kWhatHeading)});
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const KeyGroup& group : groups) {
        auto* head = new QTreeWidgetItem(list, {group.title});
        head->setFirstColumnSpanned(true);
        QFont bold = head->font(0);
        bold.setBold(true);
        head->setFont(0, bold);
        head->setFlags(Qt::ItemIsEnabled);
        for (const auto& [keys, what] : group.keys) new QTreeWidgetItem(head, {keys, what});
    }
    list->expandAll();
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->button(QDialogButtonBox::Close)->setText(qt::to_qstring(texts::kCloseCaption));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    // Wide enough for every key and every description, as high as the screen allows.
    const int wide = list->header()->length() + list->frameWidth() * 2 +
                     list->verticalScrollBar()->sizeHint().width() +
                     layout->contentsMargins().left() + layout->contentsMargins().right();
    dialog->resize(wide, dialog->fontMetrics().height() * 36);
    dialog->show();
    list->setFocus();
}

void show_about(QWidget* parent) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("frmAcercaDe"));
    box.setWindowTitle(qt::to_qstring(texts::kAboutTitle));
    box.setIconPixmap(parent->windowIcon().pixmap(64, 64));
    box.setTextFormat(Qt::RichText);
    box.setText(qt::to_qstring(texts::kAboutText).arg(QString::fromLatin1(version::kText)));
    box.setInformativeText(qt::to_qstring(texts::kAboutDetails));
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(qt::to_qstring(kAcceptCaption));
    box.exec();
}

}  // namespace gelvor::ui
