#include "ui/classroom/prepare_dialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "classroom/prepare.h"
#include "classroom/seal.h"
#include "cli/file_error.h"
#include "present/operator_notices.h"
#include "texts/classroom_texts.h"
#include "texts/dialog_texts.h"
#include "ui/classroom/file_field.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::classroom {
namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

PrepareDialog::PrepareDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrepararPractica"));
    setWindowTitle(text(texts::kPrepareTitle));
    setAccessibleName(windowTitle());
    groups_ = new QLineEdit(this);
    groups_->setObjectName(QStringLiteral("listaGrupos"));
    groups_->setToolTip(text(texts::kGroupsFileTip));
    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("carpetaPractica"));
    seed_ = new QLineEdit(this);
    seed_->setObjectName(QStringLiteral("semilla"));
    seed_->setPlaceholderText(text(texts::kSeedPlaceholder));
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,10}")), seed_));
    key_ = new QLineEdit(this);
    key_->setObjectName(QStringLiteral("claveProfesor"));
    key_->setPlaceholderText(QDir::toNativeSeparators(gelvor::classroom::default_key_path()));

    auto* form = new QFormLayout;
    const auto row = [&](const char* label, QLineEdit* field, QWidget* shown) {
        field->setAccessibleName(text(label).remove(u'&').remove(u':'));
        if (auto* browse = shown->findChild<QPushButton*>())
            browse->setAccessibleDescription(field->accessibleName());
        form->addRow(text(label), shown);
        if (auto* l = qobject_cast<QLabel*>(form->labelForField(shown)))
            l->setBuddy(field);
    };
    row(texts::kGroupsFileLabel, groups_,
        file_field(
            groups_,
            [this] {
                return QFileDialog::getOpenFileName(this, windowTitle(), QDir::homePath(),
                                                    text(texts::kGroupsFilter));
            },
            this));
    row(texts::kOutputFolderLabel, folder_,
        file_field(
            folder_,
            [this] {
                return QFileDialog::getExistingDirectory(this, windowTitle(), QDir::homePath());
            },
            this));
    row(texts::kSeedLabel, seed_, seed_);
    row(texts::kKeyFileLabel, key_,
        file_field(
            key_,
            [this] {
                return QFileDialog::getSaveFileName(this, windowTitle(), QDir::homePath(), {},
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
            },
            this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text(texts::kPrepareButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(texts::kCancelCaption));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrepareDialog::prepare);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

// Every fault says why and leaves the dialog open to mend it.
void PrepareDialog::prepare() {
    const auto fail = [this](const QString& message) {
        QMessageBox::critical(this, windowTitle(), message);
    };
    QFile list(groups_->text());
    if (!list.open(QIODevice::ReadOnly)) {
        fail(text(texts::kGroupsUnreadable)
                 .arg(QDir::toNativeSeparators(groups_->text()),
                      cli::spanish_file_error(list.errorString())));
        return;
    }
    const QString key_path =
        key_->text().isEmpty() ? gelvor::classroom::default_key_path() : key_->text();
    const gelvor::classroom::KeyRead key = gelvor::classroom::read_or_make_key(key_path);
    if (!key.key) {
        fail(key.error);
        return;
    }
    gelvor::classroom::PrepareRequest request;
    request.groups_text = QString::fromUtf8(list.read(1 << 20));
    if (!seed_->text().isEmpty())
        request.seed = seed_->text().toUInt();
    request.key = *key.key;
    request.style = qt::number_style(QLocale());
    const gelvor::classroom::Handout handout = gelvor::classroom::make_handout(request);
    if (!handout.error.isEmpty()) {
        fail(handout.error);
        return;
    }
    const gelvor::classroom::Written written =
        gelvor::classroom::write_handout(handout, folder_->text(), request.style);
    if (!written.error.isEmpty()) {
        fail(written.error);
        return;
    }
    QMessageBox done(QMessageBox::Information, windowTitle(),
                     text(texts::kPrepared)
                         .arg(handout.assignments.size())
                         .arg(QDir::toNativeSeparators(folder_->text()))
                         .arg(handout.seed)
                         .arg(QDir::toNativeSeparators(key_path)),
                     QMessageBox::Ok, this);
    done.setObjectName(QStringLiteral("practicaPreparada"));
    done.button(QMessageBox::Ok)->setText(qt::to_qstring(kAcceptCaption));
    done.exec();
    accept();
}

}  // namespace gelvor::ui::classroom
