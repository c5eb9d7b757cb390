#pragma once

#include <QDialog>

class QLineEdit;

namespace gelvor::ui::classroom {

// frmPrepararPractica: the teacher's list of groups, the folder to write the
// class's notebooks and answer key into, an optional seed and key file;
// "Preparar" writes them and says where, or why not.
class PrepareDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PrepareDialog(QWidget* parent = nullptr);

  private:
    void prepare();

    QLineEdit* groups_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QLineEdit* key_ = nullptr;
};

}  // namespace gelvor::ui::classroom
