#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class FormHelp;
}

namespace zirdan {

// The help window: one help page at a time, with links between pages, back and forward
// through the pages read, and a way home to the contents.
class TFormHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TFormHelp(QWidget* parent = nullptr);
  ~TFormHelp() override;

  // Shows a page file and brings the window to the front. While another window is modal
  // the help window is modal over it; otherwise it stays open beside the editor.
  void ShowPage(const QString& path);
  // The page file shown, for the tests; empty before the first page.
  QString CurrentPage() const;
  // The title of the page shown.
  QString PageTitle() const;

 private:
  std::unique_ptr<Ui::FormHelp> m_ui;
};

}  // namespace zirdan
