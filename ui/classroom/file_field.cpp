#include "ui/classroom/file_field.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "texts/classroom_texts.h"

namespace gelvor::ui::classroom {

QWidget* file_field(QLineEdit* field, std::function<QString()> browse, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    auto* button = new QPushButton(QString::fromUtf8(texts::kBrowseCaption), row);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, field, [field, browse = std::move(browse)] {
        const QString path = browse();
        if (!path.isEmpty()) {
            field->setText(path);
            emit field->editingFinished();
        }
    });
    layout->addWidget(button);
    QWidget::setTabOrder(field, button);  // the fields are made before their buttons
    return row;
}

}  // namespace gelvor::ui::classroom
