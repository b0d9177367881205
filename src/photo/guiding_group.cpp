#include "photo/guiding_group.h"

#include "common/guard.h"
#include "common/widgets.h"
#include "photo/guiding.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

namespace {

// The verdict and the notes are written for a narrower face than the window's;
// one point less keeps each of their lines whole within the group.
void useSmallerFont(QWidget* widget)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    widget->setFont(font);
}

void showVerdict(QLabel* label, guiding::Verdict verdict)
{
    label->setText(guiding::verdictText(verdict));
    const auto [r, g, b] = guiding::verdictColour(verdict);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(r, g, b));
    label->setPalette(palette);
}

QLabel* addNote(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* note = addLabel(parent, name, text, geometry);
    useSmallerFont(note);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

} // namespace

GuidingGroup::GuidingGroup(QWidget* parent, Drift drift) : QGroupBox(parent)
{
    const bool withField = drift == Drift::Field;
    const int width = withField ? 300 : 234;
    const int driftRows = withField ? 26 : 0;
    setupGroup(this, QStringLiteral("GroupBox6"),
               withField ? QStringLiteral(" Tolerance při pointování point. okulárem (mm) ")
                         : QStringLiteral(" Tolerance při pointování point. okulárem "),
               QSize(width, withField ? 234 : 178));
    RowLayout rows(this, 8, width - 8, 56);

    CtverecEdit = rows.field(23, QStringLiteral("CtverecEdit"), QStringLiteral("Label16"),
                             QStringLiteral("Rozměr zám. čtverce v pointačním okuláru (mm):"), KeyFilter::Decimal,
                             kValueHint, 2, &Label16);
    CtverecEdit->setText(QStringLiteral("0,2"));
    PointEdit = rows.field(49, QStringLiteral("PointEdit"), QStringLiteral("Label17"),
                           QStringLiteral("Ohnisková vzdál. pointačního dalekohledu (mm):"), KeyFilter::Decimal,
                           kValueHint, 2, &Label17);
    FfotEdit5 = rows.field(75, QStringLiteral("FfotEdit5"), QStringLiteral("Label18"),
                           QStringLiteral("Ohnisková vzdál. fotografujícího objektivu (mm):"), KeyFilter::Decimal,
                           kValueHint, 2, &Label18);
    if (withField) {
        draha = rows.field(101, QStringLiteral("draha"), QStringLiteral("Label7"),
                           QStringLiteral("Povolený drift hvězdy po filmu (mm):"), KeyFilter::Decimal, QString(), 1,
                           &Label7);
        draha->setText(QStringLiteral("0,035"));
    }
    Tolerance = rows.line(102 + driftRows, QStringLiteral("Tolerance"), guiding::kToleranceCaption,
                          LabelStyle::ResultBold, 1, withField ? -1 : 190);

    // The verdict speaks through its background: olive until there is a result.
    Potvrzeni =
        addLabel(this, QStringLiteral("Potvrzeni"), QString(), QRect(6, 124 + driftRows, width - 12, kLabelHeight));
    useSmallerFont(Potvrzeni);
    Potvrzeni->setAlignment(Qt::AlignCenter);
    Potvrzeni->setAutoFillBackground(true);
    Potvrzeni->setToolTip(QStringLiteral("Pouze pro objektiv fotoaparátu."));
    showVerdict(Potvrzeni, guiding::Verdict::Pending);

    if (withField) {
        Memo3 = addNote(this, QStringLiteral("Memo3"),
                        QStringLiteral("Tolerance   je   uvedena  v  násobcích velikosti \n"
                                       "záměrného čtverce.  O tento  násobek může hvězda \n"
                                       "maximálně vyjet ze záměrného čtverce, aniž se vyjetí \n"
                                       "záporně projeví na výsledné fotografii \"ocáskem\" u každé \n"
                                       "hvězdy. Standardní hodnota driftu hvězdy je 0,035mm."),
                        QRect(8, 146 + driftRows, width - 16, 56));
    } else {
        Memo1 = addNote(this, QStringLiteral("Memo1"),
                        QStringLiteral("        Tolerance   je   uvedena  v  násobcích velikosti\n"
                                       "         záměrného čtverce.  O tento  násobek může\n"
                                       "        hvězda maximálně vyjet ze záměrného čtverce."),
                        QRect(6, 141, 222, 34));
        BitBtn8 = addResetButton(this, QStringLiteral("BitBtn8"), QPoint(204, 99), {CtverecEdit, PointEdit, FfotEdit5});
    }

    for (QLineEdit* field : {CtverecEdit, PointEdit, FfotEdit5, draha})
        if (field)
            connect(field, &QLineEdit::textChanged, this, &GuidingGroup::CtverecEditChange);
}

void GuidingGroup::CtverecEditChange()
{
    Real T = 0;
    const bool done = guardedReportingOverflow([&] {
        const Real s = numberIn(CtverecEdit);
        const Real P = numberIn(PointEdit);
        const Real F = numberIn(FfotEdit5);
        T = draha ? guiding::tolerance(s, P, F, numberIn(draha)) : guiding::standardTolerance(s, P, F);
    });
    if (!done) {
        showVerdict(Potvrzeni, guiding::Verdict::Pending);
        Tolerance->setText(guiding::kToleranceCaption);
        return;
    }
    Tolerance->setText(guiding::kToleranceCaption + u' ' + formatNumber(T));
    showVerdict(Potvrzeni, guiding::verdictFor(T));
}

} // namespace noktaris
