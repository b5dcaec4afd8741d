#pragma once
// One result page of the history check: a list of text lines that grows a batch at a time, so a
// page of tens of thousands of lines never holds a widget item per line.
#include <QAbstractListModel>
#include <QStringList>

class ResultPageModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void append(const QStringList& lines);
    void clear();
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};
