#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

namespace gelvor::ui {

class Form1;
class Splash;

// The program's start: the splash first, then the main window, created and
// shown once when the splash goes.
class Startup : public QObject {
    Q_OBJECT

  public:
    // `notebook_file`: a notebook to open in the main window, or empty.
    explicit Startup(QString notebook_file = {});
    ~Startup() override;

    void start();
    Splash* splash() const;
    Form1* mainWindow() const { return form_.get(); }

  signals:
    void mainWindowShown();

  private:
    void openMainWindow();
    QString notebook_file_;
    QPointer<Splash> splash_;
    std::unique_ptr<Form1> form_;
};

}  // namespace gelvor::ui
