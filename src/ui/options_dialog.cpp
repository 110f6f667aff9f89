#include "options_dialog.h"

#include "assets/fonts.h"
#include "toolkit/window/forms.h"
#include "ui/twips_geometry.h"

#include <QCheckBox>
#include <QPushButton>

namespace twindle {

OptionsDialog::OptionsDialog(const GlobalVars& options, QWidget* parent)
    : QDialog(parent, kToolWindowFlags)
{
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(tr(" Options"));
    setFixedSize(twipsToPixels(2715), twipsToPixels(2070));

    const auto addCheckBox = [&](const QString& caption, int top) {
        auto* box = new QCheckBox(caption, this);
        box->setFont(arialFont(12));
        placeInTwips(*box, 165, top, 2655, 330);
        return box;
    };
    m_checkBoxes[0] = addCheckBox(tr("Cards disappear"), 315);
    m_checkBoxes[1] = addCheckBox(tr("Matching Pair sound"), 795);

    m_okButton = new QPushButton(tr("OK"), this);
    placeInTwips(*m_okButton, 1380, 1515, 1200, 435);
    m_okButton->setDefault(true);  // Enter presses OK
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(m_checkBoxes[0], m_checkBoxes[1]);
    setTabOrder(m_checkBoxes[1], m_okButton);

    load(options);
    centreOnScreen(*this);
}

void OptionsDialog::load(const GlobalVars& options)
{
    m_checkBoxes[0]->setChecked(options.CardsDisappear);
    m_checkBoxes[1]->setChecked(options.PairSound);
    // After the first pair of a game the pause and the look of found pairs are settled.
    m_checkBoxes[0]->setEnabled(options.CardsMatched <= 0);
}

bool OptionsDialog::cardsDisappear() const
{
    return m_checkBoxes[0]->isChecked();
}

bool OptionsDialog::pairSound() const
{
    return m_checkBoxes[1]->isChecked();
}

} // namespace twindle
