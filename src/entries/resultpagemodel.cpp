#include "entries/resultpagemodel.h"

int ResultPageModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ResultPageModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size() || role != Qt::DisplayRole) {
        return {};
    }
    return lines_.at(index.row());
}

void ResultPageModel::append(const QStringList& lines) {
    if (lines.isEmpty()) {
        return;
    }
    const int first = static_cast<int>(lines_.size());
    beginInsertRows({}, first, first + static_cast<int>(lines.size()) - 1);
    lines_ += lines;
    endInsertRows();
}

void ResultPageModel::clear() {
    if (lines_.isEmpty()) {
        return;
    }
    beginResetModel();
    lines_.clear();
    endResetModel();
}
