// "Úprava dat v databázi": the catalogue editor, the only writer of the six
// catalogue files. A tab per catalogue, the sorted list of its names, the fields
// of the chosen record; browsing, a new-record mode, saving and deleting.
#pragma once

#include "catalogue/catalogue.h"
#include "common/handover.h"

#include <QList>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;

namespace noktaris {

class TForm3 : public SecondaryWindow {
    Q_OBJECT
public:
    // refreshBasicWindow: what "Zavřít" does after closing, the basic-mode window
    // refilling its pick lists (it lies above this layer).
    explicit TForm3(std::function<void()> refreshBasicWindow, QWidget* parent = nullptr);

    // Loads the current tab: captions, the list of names, its first record.
    void FormShow() override;
    void MenuClick();
    // Toggles the new-record mode.
    void BitBtn2Click();
    // Saves: changes the selected record while browsing, adds one in the new-record mode.
    void BitBtn1Click();
    // Deletes the selected record.
    void BitBtn4Click();
    // "Zavřít": leaves the new-record mode, closes, refreshes the basic-mode window.
    void BitBtn3Click();

    bool inNewRecordMode() const { return newRecord_; }

    QTabBar* TabControl1;
    QListWidget* Menu;
    QLabel* l1;
    QLineEdit* e1;
    QLabel* l2;
    QLineEdit* e2;
    QLabel* l3;
    QLineEdit* e3;
    QLabel* l4;
    QLineEdit* e4;
    QLabel* l5;
    QLineEdit* e5;
    QPushButton* BitBtn4;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    CatalogueKind kind() const;
    // The value fields the current tab uses, in record order.
    QList<QLineEdit*> valueFields() const;
    // The list enabled and white or disabled and grey, BitBtn2's caption and its
    // picture from the pics folder, BitBtn4 enabled or not.
    void setNewRecordMode(bool on, bool reportPicture = true);
    void showRecord(const QString& name);
    void clearFields();
    // What a save does after writing: the closing's hand-back, then loading again.
    void reload();
    // The first reason the typed record cannot be saved as a change or, when
    // `adding`, as a new record; nothing when it can.
    std::optional<QString> validationFailure(bool adding) const;
    // Reports a failed read or write of the current catalogue.
    void reportFailure(const FileError& error) const;

    std::function<void()> refreshBasicWindow_;
    bool newRecord_ = false;
    // The name of the record whose values the fields were filled with; nothing
    // while they show none. Editing the fields keeps it: they still change it.
    std::optional<QString> shown_;
    // The list's current row when the mouse was last pressed on it: a click that
    // did not make its entry current shows the record again.
    int rowBeforePress_ = -1;
};

} // namespace noktaris
