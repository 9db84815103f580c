// The main window's menu item "Info" (F1): the about window.

#include "about/frmabout.h"
#include "board/traduci.h"

#include <QPointer>

void Traduci::Info_Click() {
    // The load may narrow the window, so it is centred by its outer size only
    // afterwards. It is created for this showing and destroyed when it closes.
    QPointer<frmAbout> about = new frmAbout(this);
    about->centre();
    about->showModal();
    delete about.data();
}
