#include "options_dialog.h"

#include "assets/fonts.h"
#include "toolkit/forms.h"
#include "ui/twips_geometry.h"

#include <QCheckBox>
#include <QPushButton>

namespace twindle {

OptionsDialog::OptionsDialog(GlobalVars& globals, QWidget* parent)
    : QDialog(parent, kToolWindowFlags)
    , m_globals(globals)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral(" Options"));
    setFixedSize(twipsToPixels(2715), twipsToPixels(2070));

    const auto addCheckBox = [&](const QString& caption, int top) {
        auto* box = new QCheckBox(caption, this);
        box->setFont(arialFont(12));
        placeInTwips(*box, 165, top, 2655, 330);
        return box;
    };
    Check1[0] = addCheckBox(QStringLiteral("Cards disappear"), 315);
    Check1[1] = addCheckBox(QStringLiteral("Matching Pair sound"), 795);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    placeInTwips(*btnOk, 1380, 1515, 1200, 435);
    btnOk->setDefault(true);  // Enter presses OK
    connect(btnOk, &QPushButton::clicked, this, &OptionsDialog::btnOk_Click);

    setTabOrder(Check1[0], Check1[1]);
    setTabOrder(Check1[1], btnOk);

    Form_Load();
    centreOnScreen(*this);
}

void OptionsDialog::Form_Load()
{
    Check1[0]->setChecked(m_globals.CardsDisappear);
    Check1[1]->setChecked(m_globals.PairSound);
    // After the first pair of a game the pause and the look of found pairs are settled.
    Check1[0]->setEnabled(m_globals.CardsMatched <= 0);
}

void OptionsDialog::btnOk_Click()
{
    m_globals.CardsDisappear = Check1[0]->isChecked();
    m_globals.PairSound = Check1[1]->isChecked();
    accept();
}

} // namespace twindle
