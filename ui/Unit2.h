#pragma once

#include <QWidget>
#include <memory>
#include <string>

namespace Ui {
class TForm2;
}

// The help window: shows the help document.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  // Loads the document at path, replacing what the window showed. Throws
  // std::runtime_error with the user's text when it cannot be opened or read;
  // the window then keeps its contents.
  void LoadHelp(const std::string& path);

  void Button1Click();

 private:
  std::unique_ptr<Ui::TForm2> ui;
};

extern TForm2* Form2;
