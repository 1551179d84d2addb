#include "app/frmMath.h"
#include "app/phrases.h"
#include "extras/web_address.h"

#include <QDesktopServices>
#include <QUrl>

void frmMath::img123_Click()
{
    Speak(Phrases::greeting());
}

void frmMath::lblTavikaWrites_Click()
{
    img123_Click();
}

void frmMath::Label2_Click()
{
    // The desktop's default handler opens the address; when there is none, nothing
    // happens and nothing is shown.
    QDesktopServices::openUrl(QUrl(WebAddress::text()));
}
