#include "adapters/qt_profile_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "adapters/qt_canvas.h"

namespace zirdan {

QtProfileView::QtProfileView(QWidget* parent) : QWidget(parent) {}

QtProfileView::~QtProfileView() = default;

void QtProfileView::SetKind(Kind kind) {
  m_kind = kind;
  update();
}

void QtProfileView::SetMessages(const TMessageTable* messages, char decimalSeparator) {
  m_messages = messages;
  m_decimalSeparator = decimalSeparator;
  update();
}

void QtProfileView::ShowProfile(const ponorTxt& view, int16_t hloubka,
                                const LargeGraphValues& values) {
  if (!m_view) m_view = std::make_unique<ponorTxt>();
  *m_view = view;
  m_hloubka = hloubka;
  m_values = values;
  update();
}

void QtProfileView::ShowNothing() {
  m_view.reset();
  update();
}

void QtProfileView::paintEvent(QPaintEvent* /*event*/) {
  if (m_drawing || !m_view) return;
  m_drawing = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{m_drawing};

  QPainter painter(this);
  if (m_kind == Kind::Small) {
    QtCanvas canvas(painter, PixelMapping(size()));
    DrawSmallGraph(canvas, width(), height(), *m_view, m_hloubka);
    return;
  }
  static const TMessageTable kNoMessages;
  QtCanvas canvas(painter, StretchedMapping(size(), QSizeF(kLargeGraphWidth, kLargeGraphHeight)));
  DrawLargeGraph(canvas, *m_view, m_hloubka, m_values, m_messages ? *m_messages : kNoMessages,
                 m_decimalSeparator);
}

void QtProfileView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT DoubleClicked();
}

}  // namespace zirdan
