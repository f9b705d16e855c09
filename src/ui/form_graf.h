#pragma once

#include <QWidget>
#include <memory>

#include "core/ponor.h"
#include "core/ponor_txt.h"
#include "core/message_table.h"
#include "settings/app_settings.h"

namespace Ui {
class FormGraf;
}

namespace zirdan {

class QtProfileView;

// The graph window TFormGraf: the large depth profile of the current dive, stretched over
// the whole window. It is created once, shown and hidden without a modal loop; Esc or a
// double click closes it. The main window tracks GraphWindowShown through Shown and
// Closed, and hands it the dive to draw whenever the current dive changes.
class TFormGraf : public QWidget {
  Q_OBJECT

 public:
  // `messages` holds the graph's texts and must outlive the window.
  explicit TFormGraf(const TMessageTable& messages, QWidget* parent = nullptr);
  ~TFormGraf() override;

  // Draws this dive (the record and its decoded view) from now on.
  void ShowDive(const ponor& dive, const ponorTxt& view);
  // Draws nothing: no logbook is open.
  void ShowNoDive();
  // The separator of the measures; the system's by default.
  void SetDecimalSeparator(char separator);

  // Position and size as the settings keep them (GTop, GLeft, GWidth, GHeight).
  WindowGeometry Geometry() const;
  void SetGeometry(const WindowGeometry& geometry);

  QtProfileView* PaintBox() const;

 Q_SIGNALS:
  void Shown();   // the window was opened (FormShow)
  void Closed();  // the window was closed (FormClose)

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ConnectSignals();

  std::unique_ptr<Ui::FormGraf> m_ui;
  const TMessageTable& m_messages;
  char m_decimalSeparator = '.';
};

// The regional decimal separator as a Windows-1250 byte ('.' when it has none there).
char SystemDecimalSeparator();

}  // namespace zirdan
