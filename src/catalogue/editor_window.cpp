#include "catalogue/editor_window.h"

#include "common/safe_write.h"

#include "common/collation.h"
#include "common/flat_tabs.h"
#include "common/messages.h"
#include "common/widgets.h"
#include "platform/platform.h"

#include <QBitmap>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(500, 318);
constexpr int kFieldsX = 220;
constexpr int kFieldsWidth = 272;
constexpr int kValueWidth = 140;
// The longest name that can be typed; a longer one from the file is shown whole.
constexpr int kTypedNameLength = 200;

const QColor kListBrowsing(255, 255, 255);
const QColor kListNewRecord(192, 192, 192);

// The value captions of each tab; an empty caption hides its label and field.
const char* const kCaptions[kCatalogueCount][4] = {
    {"Průměr objektivu D (mm):", "Ohnisková vzdálenost F (mm):", "", ""},
    {"Ohnisková vzdálenost f (mm):", "Zorný úhel (°):", "", ""},
    {"Poměrná jasnost:", "", "", ""},
    {"Rozměr objektu ( ' )", "", "", ""},
    {"1 - Rozměr filmu (mm):", "2 - Rozměr filmu (mm):", "", ""},
    {"1 - Rozměr čipu (mm):", "2 - Rozměr čipu (mm):", "1 - Rozlišení čipu (px):", "2 - Rozlišení čipu (px):"},
};

// A picture of the button from the pics folder beside the program. As on every
// picture button, the colour of the bottom-left pixel is transparent. A missing or
// unreadable picture is reported (not while the window is being made); the button
// then goes on without one.
QIcon buttonPicture(const QString& file, bool report)
{
    const QString path = platform().programFolder() + QStringLiteral("/pics/") + file;
    QImage image;
    const bool found = QFileInfo(path).isFile();
    if (!found || !image.load(path, "BMP") || image.isNull()) {
        if (report)
            showErrorReport(found ? QStringLiteral("Bitmap image is not valid") : QStringLiteral("File not found"));
        return {};
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return QIcon(picture);
}

} // namespace

TForm3::TForm3(std::function<void()> refreshBasicWindow, QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm3"), QStringLiteral("Úprava dat v databázi"), kWindowSize, parent),
      refreshBasicWindow_(std::move(refreshBasicWindow))
{
    TabControl1 =
        addTabBar(this, QStringLiteral("TabControl1"), QRect(8, 6, kWindowSize.width() - 16, 24),
                  {QStringLiteral("Dalekohledy"), QStringLiteral("Okuláry"), QStringLiteral("Jasnosti objektů"),
                   QStringLiteral("Rozměry objektů"), QStringLiteral("Formáty filmů"), QStringLiteral("CCD čipy")});
    makeWrappedFlatTabs(TabControl1, TabWidths::ByCaption);

    Menu = new QListWidget(this);
    Menu->setObjectName(QStringLiteral("Menu"));
    Menu->setGeometry(8, 38, 200, 232);
    Menu->setUniformItemSizes(true);

    QLabel** labels[5] = {&l1, &l2, &l3, &l4, &l5};
    QLineEdit** fields[5] = {&e1, &e2, &e3, &e4, &e5};
    for (int i = 0; i < 5; ++i) {
        const int y = 40 + 46 * i;
        const QString n = QString::number(i + 1);
        *labels[i] = addLabel(this, QStringLiteral("l") + n, i == 0 ? QStringLiteral("Název:") : QString(),
                              QRect(kFieldsX, y, kFieldsWidth, kLabelHeight));
        *fields[i] = addEdit(this, QStringLiteral("e") + n,
                             QRect(kFieldsX, y + 17, i == 0 ? kFieldsWidth : kValueWidth, kEditHeight), QString(),
                             i == 0 ? KeyFilter::Name : KeyFilter::Decimal);
    }
    e1->setMaxLength(kTypedNameLength);

    const int y = kWindowSize.height() - 8 - 28;
    BitBtn4 = addPictureButton(this, QStringLiteral("BitBtn4"), QStringLiteral("Smazat záznam"), QRect(8, y, 124, 28),
                               QStyle::SP_TrashIcon);
    BitBtn2 = addButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Nový záznam"), QRect(138, y, 124, 28));
    BitBtn1 = addPictureButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Uložit"), QRect(300, y, 92, 28),
                               QStyle::SP_DialogSaveButton);
    BitBtn3 = addCloseButton(this, QStringLiteral("Zavřít"), QRect(400, y, 92, 28), true, QStringLiteral("BitBtn3"));
    setNewRecordMode(false, false);

    QWidget* const order[] = {Menu, e1, e2, e3, e4, e5, BitBtn4, BitBtn2, BitBtn1, BitBtn3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    TabControl1->setFocusPolicy(Qt::NoFocus);
    connectHandlers();
}

void TForm3::connectHandlers()
{
    // Shown or not, the tab bar's change loads the tab when the window is on screen;
    // the opening sets the tab first and loads at its show.
    connect(TabControl1, &QTabBar::currentChanged, this, [this] {
        if (isVisible())
            FormShow();
    });
    // An entry shows its record when it becomes current, by the mouse or the keys,
    // and at every click on it when it already was.
    connect(Menu, &QListWidget::currentRowChanged, this, &TForm3::MenuClick);
    Menu->viewport()->installEventFilter(this);
    connect(Menu, &QListWidget::itemClicked, this, [this] {
        if (Menu->currentRow() == rowBeforePress_)
            MenuClick();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm3::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
}

CatalogueKind TForm3::kind() const { return CatalogueKind(std::clamp(TabControl1->currentIndex(), 0, 5)); }

QList<QLineEdit*> TForm3::valueFields() const
{
    return QList<QLineEdit*>{e2, e3, e4, e5}.first(catalogueInfo(kind()).keys.size());
}

void TForm3::FormShow()
{
    // Loading always happens in browsing: a tab change in the new-record mode, or a
    // show after the title bar closed the window in it, leaves the mode first.
    if (newRecord_)
        setNewRecordMode(false);
    Menu->setFocus();
    const int tab = int(kind());
    QLabel* labels[4] = {l2, l3, l4, l5};
    QLineEdit* fields[4] = {e2, e3, e4, e5};
    for (int i = 0; i < 4; ++i) {
        const QString caption = QString::fromUtf8(kCaptions[tab][i]);
        labels[i]->setText(caption);
        labels[i]->setVisible(!caption.isEmpty());
        fields[i]->setVisible(!caption.isEmpty());
    }

    {
        const QSignalBlocker quiet(Menu);
        Menu->clear();
    }
    clearFields();
    const FileResult<QStringList> listed = listNames(kind());
    if (!listed) {
        showErrorReport(listed.error().message);
        return;
    }
    QStringList names = *listed;
    sortNames(names);
    {
        const QSignalBlocker quiet(Menu);
        Menu->addItems(names);
        if (Menu->count() > 0)
            Menu->setCurrentRow(0);
    }
    if (Menu->count() > 0)
        showRecord(Menu->item(0)->text());
}

void TForm3::MenuClick()
{
    if (const QListWidgetItem* item = Menu->currentItem())
        showRecord(item->text());
}

void TForm3::clearFields()
{
    for (QLineEdit* field : {e1, e2, e3, e4, e5})
        field->clear();
    e1->setMaxLength(kTypedNameLength);
    shown_.reset();
}

void TForm3::showRecord(const QString& name)
{
    clearFields();
    e1->setMaxLength(std::max(kTypedNameLength, int(name.size())));
    e1->setText(name);
    const FileResult<std::optional<QStringList>> found = findRecord(kind(), name);
    if (!found) {
        showMessage(QStringLiteral("Chyba při zpracování databázového souboru ") + catalogueInfo(kind()).file);
        return;
    }
    const std::optional<QStringList>& values = *found;
    const QList<QLineEdit*> fields = valueFields();
    for (qsizetype i = 0; values && i < fields.size() && i < values->size(); ++i)
        fields[i]->setText(values->at(i));
    // Only a record whose values are on the screen may be changed by a save.
    if (values)
        shown_ = name;
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Menu->viewport() && event->type() == QEvent::MouseButtonPress)
        rowBeforePress_ = Menu->currentRow();
    return SecondaryWindow::eventFilter(watched, event);
}

void TForm3::setNewRecordMode(bool on, bool reportPicture)
{
    newRecord_ = on;
    Menu->setEnabled(!on);
    QPalette palette = Menu->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, on ? kListNewRecord : kListBrowsing);
    // The names stay readable on the grey, as the system's grey text.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    Menu->setPalette(palette);
    BitBtn2->setText(on ? QStringLiteral("Zrušit") : QStringLiteral("Nový záznam"));
    BitBtn2->setIcon(buttonPicture(on ? QStringLiteral("zpet.bmp") : QStringLiteral("novy.bmp"), reportPicture));
    BitBtn4->setEnabled(!on);
}

void TForm3::BitBtn2Click()
{
    if (!newRecord_)
        e1->setFocus();
    setNewRecordMode(!newRecord_);
    clearFields();
}

std::optional<QString> TForm3::validationFailure(bool adding) const
{
    const QString name = e1->text();
    if (adding && !Menu->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return QStringLiteral("Zadaný název se již v databázi vyskytuje.");
    const QList<QLineEdit*> fields = valueFields();
    if (name.isEmpty()
        || std::any_of(fields.cbegin(), fields.cend(), [](const QLineEdit* f) { return f->text().isEmpty(); }))
        return QStringLiteral("Vyplňte prosím všechna pole!");
    if (auto problem = nameProblem(name))
        return problem;
    // Pasted text gets past the key filters: a value holds digits and commas only.
    if (!std::all_of(fields.cbegin(), fields.cend(), [](const QLineEdit* f) { return isTypedDecimal(f->text()); }))
        return QStringLiteral("Zadané hodnoty musí být čísla (větší než 0)!");
    if (std::any_of(fields.cbegin(), fields.cend(), [](const QLineEdit* f) { return toNumber(f->text()) == 0; }))
        return QStringLiteral("Zadané hodnoty musí být čísla větší než 0!");
    return std::nullopt;
}

void TForm3::reportFailure(const FileError& error) const
{
    const QString& file = catalogueInfo(kind()).file;
    showMessage(error.writeFailed() ? saveFailedMessage(file, error)
                                    : QStringLiteral("Chyba při zpracování databázového souboru ") + file);
}

void TForm3::reload()
{
    SecondaryWindow::onClosed();
    FormShow();
}

void TForm3::BitBtn1Click()
{
    // Browsing, the fields change the record they show. Fields that show none
    // (emptied by a deletion, a record that could not be read) add the record typed,
    // as the new-record mode does: a save never replaces a record the user has not seen.
    const std::optional<QString> changed = newRecord_ ? std::nullopt : shown_;
    if (const auto failure = validationFailure(!changed)) {
        showMessage(*failure);
        return;
    }
    // Declining changes nothing: the typed record and the mode stay as they are.
    if (!confirm(QStringLiteral("Uložit záznam?")))
        return;
    CatalogueRecord record{e1->text(), {}};
    for (const QLineEdit* field : valueFields())
        record.values << field->text();
    // A change is one rewrite of the file, the old record out and the new one at
    // the end together.
    const FileResult<> saved = changed ? replaceRecord(kind(), *changed, record) : appendRecord(kind(), record);
    if (!saved) {
        // The file is as it was; the typed record stays in the fields to try again.
        reportFailure(saved.error());
        return;
    }
    setNewRecordMode(false);
    reload();
}

void TForm3::BitBtn4Click()
{
    const QListWidgetItem* selected = Menu->currentItem();
    if (!selected || !confirm(QStringLiteral("Smazat záznam?")))
        return;
    if (const FileResult<> removed = removeRecord(kind(), selected->text()); !removed)
        reportFailure(removed.error());
    reload();
    clearFields();
}

void TForm3::BitBtn3Click()
{
    if (newRecord_)
        setNewRecordMode(false);
    close();
    if (refreshBasicWindow_)
        refreshBasicWindow_();
}

} // namespace noktaris
