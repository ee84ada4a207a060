#pragma once
// A framed column of colour options ("Black" or "White", "Red", ..., "Grey",
// "All") as the sorting dialogs offer them; the options' ids are the palette
// numbers 0..7 and 9 for all.

#include <QGroupBox>
#include <QString>

class QButtonGroup;

namespace zembu::app {

class ColourChoice : public QGroupBox {
    Q_OBJECT

public:
    // firstName names colour 0 ("Black" for species, "White" for relevés);
    // the option of `colour` is chosen.
    ColourChoice(const QString& title, const QString& firstName, int colour, QWidget* parent = nullptr);

    // Palette number of the chosen option (9 = all).
    int colour() const;
    void setColour(int colour);

signals:
    void colourChanged(int colour);

private:
    QButtonGroup* options_;
};

}  // namespace zembu::app
