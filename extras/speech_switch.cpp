#include "app/controls/picture.h"
#include "app/frmMath.h"

void frmMath::Picture1_Click()
{
    Picture1->setVisible(false);
    Picture2->setVisible(true);
    muteFlag = QStringLiteral("x");
}

void frmMath::Picture2_Click()
{
    Picture1->setVisible(true);
    Picture2->setVisible(false);
    muteFlag = QStringLiteral(" ");
}
