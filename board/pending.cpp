// Operations still to be written.
#include "board/traduci.h"
