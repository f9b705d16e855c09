#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "core/ponor_txt.h"
#include "core/message_table.h"
#include "graph/profile_graph.h"

namespace zirdan {

// A paint box that draws the depth profile of one dive: the small graph (the main
// window's PaintBox1) or the large graph (the graph window's PaintBox1). It keeps its own
// copy of what it draws, so it can repaint whenever the system asks.
class QtProfileView : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Small, Large };

  explicit QtProfileView(QWidget* parent = nullptr);
  ~QtProfileView() override;

  void SetKind(Kind kind);
  Kind GetKind() const { return m_kind; }
  // The texts of the large graph and the separator of its measures. The table is read at
  // each drawing, so a language change shows at the next one; it must outlive the view.
  void SetMessages(const TMessageTable* messages, char decimalSeparator);

  // Draws this dive from now on: its decoded view, the record's maximum depth in
  // centimetres, and the measures the large graph writes.
  void ShowProfile(const ponorTxt& view, int16_t hloubka, const LargeGraphValues& values = {});
  // Draws nothing (no logbook is open).
  void ShowNothing();
  bool HasProfile() const { return m_view != nullptr; }

 Q_SIGNALS:
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Kind m_kind = Kind::Small;
  const TMessageTable* m_messages = nullptr;
  char m_decimalSeparator = '.';
  std::unique_ptr<ponorTxt> m_view;  // null: nothing to draw
  int16_t m_hloubka = 0;             // maximum depth, centimetres
  LargeGraphValues m_values;
  bool m_drawing = false;  // a drawing is in progress: a repaint meanwhile is ignored
};

}  // namespace zirdan
