#include "about_box.h"

#include "assets/fonts.h"
#include "assets/window_pictures.h"
#include "toolkit/window/forms.h"
#include "ui/picture_box.h"
#include "ui/twips_geometry.h"

#include <QLabel>

namespace twindle {

namespace {
constexpr int kLineWidth = 4755;
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("Twindle"));
    setWindowIcon(aboutBoxIcon());
    setFixedSize(twipsToPixels(4770), twipsToPixels(4890));

    m_logo = new PictureBox(aboutLogo(devicePixelRatioF()), PictureBox::Fit::OwnSize, this);
    m_logo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_logo->setLineWidth(2);
    placeInTwips(*m_logo, 0, 0, kLineWidth, 3435);
    connect(m_logo, &PictureBox::doubleClicked, this, &AboutBox::accept);

    buildTextLines();
    centreOnScreen(*this);
}

void AboutBox::buildTextLines()
{
    const auto addLine = [&](const QString& text, int top, int height, const QFont& font) {
        auto* line = new QLabel(text, this);
        line->setFont(font);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setAutoFillBackground(true);
        placeInTwips(*line, 0, top, kLineWidth, height);
        return line;
    };

    QLabel* title = addLine(tr("Twindle! For Toddlers vers 1.0"), 3450, 315, arialFont(12));
    title->setToolTip(tr("Thank you to every small player who tried it first"));

    QLabel* motto = addLine(tr("F11: full screen for little hands"), 3855, 270, arialFont(11.25));
    QPalette mottoColours = motto->palette();
    mottoColours.setColor(QPalette::WindowText, QColor(192, 0, 0));
    motto->setPalette(mottoColours);

    // The line in parentheses names the program's licence, in the same place, size and face.
    QLabel* credits = addLine(tr("(free software: GPL 3 or later; pictures: Twemoji)"), 4140, 330,
                              arialFont(9, true));
    credits->setToolTip(tr("Twindle is free software under the GNU General Public License, version 3 "
                           "or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, "
                           "SIL Open Font License 1.1. See the README for the full credits."));

    QLabel* makers = addLine(tr("The Twindle team, programmers"), 4500, 390,
                             courierNewFont(9));
    makers->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette makersColours = makers->palette();
    makersColours.setColor(QPalette::Window, QColor(128, 0, 0));
    makersColours.setColor(QPalette::WindowText, palette().color(QPalette::Window));
    makers->setPalette(makersColours);
}

} // namespace twindle
