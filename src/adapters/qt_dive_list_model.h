#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace zirdan {

// The main window's dive list as an item model: one row per entry of the logbook's list
// texts (Windows-1250), converted for display only when the view asks for a row. The view
// thus never holds an item per dive, which matters with a full logbook of 65535 dives.
class QtDiveListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit QtDiveListModel(QObject* parent = nullptr);

  // Takes the list texts as they are now; the view forgets its rows, current and selection.
  void Rebuild(std::vector<std::string> entries);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> m_entries;
};

}  // namespace zirdan
