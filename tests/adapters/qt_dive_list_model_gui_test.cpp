#include "adapters/qt_dive_list_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QStringList>
#include <vector>

#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QCoreApplication>();

QStringList Rows(const QAbstractItemModel& model) {
  QStringList rows;
  for (int i = 0; i < model.rowCount(); ++i) rows << model.index(i, 0).data().toString();
  return rows;
}

// Collects what Qt's model checker reports while it watches a model.
class CheckedModel {
 public:
  CheckedModel() {
    s_reports = &m_reports;
    m_previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { *s_reports << text; });
  }
  ~CheckedModel() {
    qInstallMessageHandler(m_previous);
    s_reports = nullptr;
  }
  QtDiveListModel& Model() { return m_model; }
  const QStringList& Reports() const { return m_reports; }

 private:
  static inline QStringList* s_reports = nullptr;
  QStringList m_reports;
  QtMessageHandler m_previous = nullptr;
  QtDiveListModel m_model;
  QAbstractItemModelTester m_tester{&m_model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
};

TEST(QtDiveListModel, ShowsTheListTextsOnScreen) {
  QtDiveListModel model;
  EXPECT_EQ(model.rowCount(), 0);
  // Windows-1250: 0x95 is the profile mark, 0xE8 a "č".
  model.Rebuild({"1", "2\x95", "3\xE8"});
  EXPECT_EQ(Rows(model), (QStringList{"1", "2\u2022", "3\u010D"}));
  // Nothing outside the list, nothing but its text.
  EXPECT_FALSE(model.index(3, 0).data().isValid());
  EXPECT_FALSE(model.index(0, 0).data(Qt::DecorationRole).isValid());
  EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
}

TEST(QtDiveListModel, ARebuildReplacesEveryRowAndAnnouncesIt) {
  CheckedModel checked;
  QtDiveListModel& model = checked.Model();
  model.Rebuild({"10", "11", "12\x95"});
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  std::vector<std::string> fewer = {"1", "2"};
  model.Rebuild(fewer);
  fewer[0] = "changed later";  // the model keeps the texts it was given
  EXPECT_EQ(reset.count(), 1);
  EXPECT_EQ(Rows(model), (QStringList{"1", "2"}));
  model.Rebuild({});
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_TRUE(checked.Reports().isEmpty()) << checked.Reports().join('\n').toStdString();
}

}  // namespace
}  // namespace zirdan
