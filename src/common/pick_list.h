// The pick lists of the windows: drop-down lists that accept no typing.
#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

class QStringListModel;

namespace noktaris {

// A drop-down list that accepts no typing. Sorted lists keep their entries in
// alphabetical (Czech) order; the others keep the order they were given.
class PickList : public QComboBox {
    Q_OBJECT
public:
    PickList(QWidget* parent, bool sorted);
    bool isSorted() const { return sorted_; }
    // Replaces the entries and selects the first one (none when empty).
    void setNames(QStringList names);
    void showPopup() override;

signals:
    // The list is about to open.
    void droppedDown();

private:
    bool sorted_;
    QStringListModel* names_;
};

PickList* addPickList(QWidget* parent, const QString& name, const QRect& geometry, const QString& hint,
                      bool sorted = true);
} // namespace noktaris
