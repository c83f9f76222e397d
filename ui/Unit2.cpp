#include "ui/Unit2.h"

#include <QTextDocument>
#include <stdexcept>

#include "conversion/conversion_error.h"
#include "conversion/input_file.h"
#include "ui/form_font.h"
#include "ui/help_document.h"
#include "ui_Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm2>()) {
  ui->setupUi(this);
  setFont(FormFont(12, false));
  move(281, 82);
  connect(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

TForm2::~TForm2() = default;

void TForm2::LoadHelp(const std::string& path) {
  FileBytes bytes;
  try {
    // Read like a mail: whole, and not while another program holds it.
    bytes = ReadMailFile(path);
  } catch (const ConversionError&) {
    throw std::runtime_error("ﾌｧｲﾙ " + path + " は開けません");
  }
  auto document = std::make_unique<QTextDocument>(ui->RichEdit1);
  document->setDefaultFont(ui->RichEdit1->font());
  if (!LoadHelpDocument(std::string_view(bytes.data.get(), bytes.size), *document)) {
    throw std::runtime_error("ｽﾄﾘｰﾑからの読み込みに失敗しました");
  }
  // The editor owns its child documents and deletes the one it replaces.
  ui->RichEdit1->setDocument(document.release());
}

void TForm2::Button1Click() { close(); }
