// Operations still to be written.
#include "board/traduci.h"

void Traduci::Info_Click() {}
