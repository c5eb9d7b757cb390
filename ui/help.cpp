#include "ui/help.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

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

}  // namespace

QString key_names(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& k : keys) names << k.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(" o "));
}

QList<KeyGroup> bench_keys(QMenuBar* menus) {
    KeyGroup bench{QStringLiteral("Banco"), {}, {}};
    for (QAction* menu : menus->actions()) {
        if (menu->menu())
            bench.commands += menu->menu()->actions();
    }
    const auto keys = [](std::initializer_list<QKeySequence> k) { return key_names(k); };
    bench.fixed = {
        {keys({Qt::Key_Tab, Qt::SHIFT | Qt::Key_Tab}),
         QStringLiteral("Pasar de un control al siguiente o al anterior")},
        {keys({Qt::Key_Up, Qt::Key_Down}),
         QStringLiteral("Subir o bajar el caudal o el ajuste que tiene el foco, también desde su "
                        "casilla")},
        {keys({Qt::Key_Space}), QStringLiteral("Accionar el interruptor")},
        {keys({Qt::Key_Return, Qt::Key_Enter}),
         QStringLiteral("Aplicar lo escrito en una casilla de ajuste")},
        {keys({Qt::Key_Left, Qt::Key_Right}), QStringLiteral("Elegir la pestaña")},
    };
    return {bench};
}

void add_help_items(QMenu* menu) {
    QAction* keys = menu->addAction(QStringLiteral("&Atajos de teclado"));
    keys->setObjectName(QStringLiteral("atajos"));
    keys->setShortcut(QKeySequence::HelpContents);
    QAction* about = menu->addAction(QStringLiteral("&Acerca de Gelvor"));
    about->setObjectName(QStringLiteral("acercaDe"));
}

void show_shortcuts(QWidget* parent, const QList<KeyGroup>& groups) {
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("frmAtajos"));
    dialog->setWindowTitle(QStringLiteral("Atajos de teclado"));
    dialog->setAccessibleName(dialog->windowTitle());

    auto* list = new QTreeWidget(dialog);
    list->setObjectName(QStringLiteral("listaAtajos"));
    list->setAccessibleName(QStringLiteral("Teclas y lo que hacen"));
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("Tecla"), QStringLiteral("Qué hace")});
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
        for (const QAction* a : group.commands) {
            if (!a->shortcuts().isEmpty())
                new QTreeWidgetItem(head, {key_names(a->shortcuts()), plain(a->text())});
        }
        for (const auto& [keys, what] : group.fixed) new QTreeWidgetItem(head, {keys, what});
    }
    list->expandAll();
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Cerrar"));
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
    box.setWindowTitle(QStringLiteral("Acerca de Gelvor"));
    box.setIconPixmap(parent->windowIcon().pixmap(64, 64));
    box.setTextFormat(Qt::RichText);
    box.setText(QStringLiteral("<h3>Gelvor %1</h3>"
                               "<p>Simulador del banco de ensayo de una máquina frigorífica y "
                               "bomba de calor de R-11, para las prácticas de laboratorio.</p>")
                    .arg(QString::fromLatin1(version::kText)));
    box.setInformativeText(QStringLiteral(
        "<p>Licencia: GNU General Public License, versión 3 o posterior. Se distribuye sin "
        "ninguna garantía.</p>"
        "<p>Los resultados del banco se calculan con los ajustes empíricos del propio banco para "
        "las propiedades del R-11, válidos en su rango de trabajo (de unos 25 a 420 kPa).</p>"
        "<p>El diagrama p-h del registro, la campana, las isolíneas y el ciclo ideal se calculan "
        "con la ecuación de estado de referencia del R-11 de R. T Jacobsen, S. G. Penoncello y "
        "E. W. Lemmon, <i>Fluid Phase Equilibria</i> 80 (1992) 45–56.</p>"));
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box.exec();
}

}  // namespace gelvor::ui
