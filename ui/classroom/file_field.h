#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;

namespace gelvor::ui::classroom {

// A file's name typed or chosen with the "Examinar…" button beside it;
// `browse` asks for one and returns it, empty when the teacher cancels.
QWidget* file_field(QLineEdit* field, std::function<QString()> browse, QWidget* parent);

}  // namespace gelvor::ui::classroom
