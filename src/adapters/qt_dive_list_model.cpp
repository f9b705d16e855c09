#include "adapters/qt_dive_list_model.h"

#include "adapters/qt_text.h"

namespace zirdan {

QtDiveListModel::QtDiveListModel(QObject* parent) : QAbstractListModel(parent) {}

void QtDiveListModel::Rebuild(std::vector<std::string> entries) {
  beginResetModel();
  m_entries = std::move(entries);
  endResetModel();
}

int QtDiveListModel::rowCount(const QModelIndex& parent) const {
  // A list has no children; at most 65535 entries, so the count fits.
  return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant QtDiveListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
      (role != Qt::DisplayRole && role != Qt::EditRole))
    return {};
  return FromWin1250(m_entries[static_cast<std::size_t>(index.row())]);
}

}  // namespace zirdan
